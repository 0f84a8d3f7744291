#pragma once
// A DWORD value of the user's settings (HKEY_CURRENT_USER), set while the
// object lives; the value it replaced, or its absence, comes back when the
// object goes.
#include <afxwin.h>

class CUserSetting
{
public:
    CUserSetting(LPCWSTR pszKey, LPCWSTR pszName, DWORD value);
    ~CUserSetting();
    CUserSetting(const CUserSetting&) = delete;
    CUserSetting& operator=(const CUserSetting&) = delete;

    // Whether the last value was set.
    bool IsSet() const { return m_bSet; }
    void Set(DWORD value);

private:
    CString m_strKey;
    CString m_strName;
    DWORD m_previous = 0;
    bool m_bHadValue = false;
    bool m_bSet = false;
};
