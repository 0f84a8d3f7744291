#include "AfxHandle.h"
#include "AfxWinApp.h"

#include <CauseReport.h>

#include <vector>

namespace
{
const wchar_t kLinkValue[] = L"SymbolicLinkValue";

// A registry link stores where it leads in this value.
bool IsRegistryLink(HKEY hKey)
{
    DWORD dwType = REG_NONE;
    return RegQueryValueExW(hKey, kLinkValue, nullptr, &dwType, nullptr, nullptr) == ERROR_SUCCESS &&
           dwType == REG_LINK;
}

// The names of the keys from HKEY_CURRENT_USER down to the section.
std::vector<CString> SectionPath(const CWinApp& app, LPCWSTR lpszSection)
{
    std::vector<CString> names = { L"Software" };
    CString strKey = app.m_strRegistryKey;
    for (int nBackslash; (nBackslash = strKey.Find(L"\\")) >= 0; strKey = strKey.Mid(nBackslash + 1))
        names.push_back(strKey.Left(nBackslash));
    names.push_back(strKey);
    names.push_back(app.m_strAppName);
    names.push_back(lpszSection);
    return names;
}

// The section's key, opened (or created with bCreate) one key at a time,
// each opened as itself and never followed when it is a registry link: the
// user may make any key of his own a link to one he cannot write, which the
// program, running elevated, could. Empty on failure, with a cause line
// unless a key to read from is simply missing.
CRegKeyHandle OpenSection(const CWinApp& app, LPCWSTR lpszSection, bool bCreate)
{
    const REGSAM access = KEY_QUERY_VALUE | (bCreate ? KEY_SET_VALUE | KEY_CREATE_SUB_KEY : 0);
    CRegKeyHandle key;
    for (const CString& strName : SectionPath(app, lpszSection))
    {
        HKEY hParent = key ? key.get() : HKEY_CURRENT_USER;
        HKEY hKey = nullptr;
        const LSTATUS status =
            bCreate ? RegCreateKeyExW(hParent, strName, 0, nullptr, REG_OPTION_NON_VOLATILE | REG_OPTION_OPEN_LINK,
                                      access, nullptr, &hKey, nullptr)
                    : RegOpenKeyExW(hParent, strName, REG_OPTION_OPEN_LINK, access, &hKey);
        key.reset(status == ERROR_SUCCESS ? hKey : nullptr);
        if (!key)
        {
            if (bCreate || status != ERROR_FILE_NOT_FOUND)
                ReportCause(kProgramSource, L"the settings' key " + strName + L" cannot be opened",
                            static_cast<DWORD>(status));
            return key;
        }
        if (IsRegistryLink(key.get()))
        {
            ReportCause(kProgramSource, L"the settings' key " + strName + L" is a registry link, not followed");
            key.reset();
            return key;
        }
    }
    return key;
}
}

UINT CWinApp::GetProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nDefault)
{
    return GetProfileInt(GetSectionKey(lpszSection).get(), lpszEntry, nDefault);
}

CRegKeyHandle CWinApp::GetSectionKey(LPCWSTR lpszSection) const
{
    return m_strRegistryKey.IsEmpty() ? CRegKeyHandle() : OpenSection(*this, lpszSection, false);
}

UINT CWinApp::GetProfileInt(HKEY hSection, LPCWSTR lpszEntry, int nDefault)
{
    const UINT nFallback = static_cast<UINT>(nDefault);
    DWORD dwValue = 0;
    DWORD dwType = REG_NONE;
    DWORD cbData = sizeof(dwValue);
    if (!hSection || RegQueryValueExW(hSection, lpszEntry, nullptr, &dwType, reinterpret_cast<BYTE*>(&dwValue),
                                      &cbData) != ERROR_SUCCESS)
        return nFallback;
    return dwType == REG_DWORD && cbData == sizeof(dwValue) ? dwValue : nFallback;
}

BOOL CWinApp::WriteProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nValue)
{
    if (m_strRegistryKey.IsEmpty())
        return FALSE;
    const CRegKeyHandle key = OpenSection(*this, lpszSection, true);
    if (!key)
        return FALSE;
    const DWORD dwValue = static_cast<DWORD>(nValue);
    const LSTATUS status =
        RegSetValueExW(key.get(), lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
    if (status != ERROR_SUCCESS)
    {
        ReportCause(kProgramSource, CString(L"the setting ") + lpszEntry + L" cannot be kept",
                    static_cast<DWORD>(status));
        return FALSE;
    }
    return TRUE;
}
