#include "UserSetting.h"

CUserSetting::CUserSetting(LPCWSTR pszKey, LPCWSTR pszName, DWORD value) : m_strKey(pszKey), m_strName(pszName)
{
    DWORD size = sizeof(m_previous);
    m_bHadValue = RegGetValueW(HKEY_CURRENT_USER, m_strKey, m_strName, RRF_RT_REG_DWORD, nullptr, &m_previous, &size) ==
                  ERROR_SUCCESS;
    Set(value);
}

void CUserSetting::Set(DWORD value)
{
    m_bSet = RegSetKeyValueW(HKEY_CURRENT_USER, m_strKey, m_strName, REG_DWORD, &value, sizeof(value)) == ERROR_SUCCESS;
}

CUserSetting::~CUserSetting()
{
    if (m_bHadValue)
        RegSetKeyValueW(HKEY_CURRENT_USER, m_strKey, m_strName, REG_DWORD, &m_previous, sizeof(m_previous));
    else
        RegDeleteKeyValueW(HKEY_CURRENT_USER, m_strKey, m_strName);
}
