#include "UserDpi.h"

namespace
{
const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
}

CUserDpi::CUserDpi(DWORD dpi)
{
    DWORD size = sizeof(m_previous);
    m_bHadValue = RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &m_previous,
                               &size) == ERROR_SUCCESS;
    m_bSet =
        RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &dpi, sizeof(dpi)) == ERROR_SUCCESS;
}

CUserDpi::~CUserDpi()
{
    if (m_bHadValue)
        RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &m_previous, sizeof(m_previous));
    else
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels");
}
