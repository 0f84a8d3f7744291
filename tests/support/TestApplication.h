#pragma once
// An application object whose profile lies under a key of the tests' own,
// HKEY_CURRENT_USER\Software\SoftwareInfo Tests\<name>: empty when the
// object is made and removed when it goes. While it lives it is the
// framework's application (AfxGetApp).
#include <afxwin.h>

// The tests' key below HKEY_CURRENT_USER.
inline constexpr wchar_t kTestsProfileKey[] = L"Software\\SoftwareInfo Tests";

class CTestApplication : public CWinApp
{
public:
    explicit CTestApplication(LPCWSTR pszName);
    ~CTestApplication() override;

    // The section's key below HKEY_CURRENT_USER.
    CString SectionKey(LPCWSTR pszSection) const;
    // Stores a value of any type and size in the section; true on success.
    bool Store(LPCWSTR pszSection, LPCWSTR pszEntry, DWORD dwType, const void* pData, DWORD cbData) const;
    // Removes every section.
    void Forget() const;
};
