#include "TestApplication.h"

CTestApplication::CTestApplication(LPCWSTR pszName) : CWinApp(pszName)
{
    Forget();
    SetRegistryKey(L"SoftwareInfo Tests");
}

CTestApplication::~CTestApplication()
{
    Forget();
}

CString CTestApplication::SectionKey(LPCWSTR pszSection) const
{
    return CString(kTestsProfileKey) + L"\\" + m_strAppName + L"\\" + pszSection;
}

bool CTestApplication::Store(LPCWSTR pszSection, LPCWSTR pszEntry, DWORD dwType, const void* pData, DWORD cbData) const
{
    return RegSetKeyValueW(HKEY_CURRENT_USER, SectionKey(pszSection), pszEntry, dwType, pData, cbData) == ERROR_SUCCESS;
}

void CTestApplication::Forget() const
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestsProfileKey);
}
