#pragma once
// CWinApp: the application object. The program defines exactly one, as a
// static object; the framework's entry point runs its InitInstance and
// ExitInstance.
#include "AfxCommandLineInfo.h"
#include "AfxHandle.h"
#include "AfxWnd.h"

class CWinApp
{
public:
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Names the registry key under which the profile settings are kept:
    // HKEY_CURRENT_USER\Software\<key>\<application name>\<section>.
    // Without one, nothing is kept.
    void SetRegistryKey(LPCWSTR lpszRegistryKey);
    // An entry of the profile: a REG_DWORD value of four bytes, nDefault
    // when it is missing or of another type or size.
    UINT GetProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nDefault);
    // The section's key, opened for reading as GetProfileInt opens it, to
    // read several entries with one opening; empty when there is none.
    CRegKeyHandle GetSectionKey(LPCWSTR lpszSection) const;
    // An entry of an opened section (NULL: none), as GetProfileInt reads it.
    static UINT GetProfileInt(HKEY hSection, LPCWSTR lpszEntry, int nDefault);
    // Writes the entry as a REG_DWORD value, creating the keys it needs;
    // FALSE (with the cause in the debugger output) when it was not written.
    BOOL WriteProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nValue);
    // Hands each parameter of the process's command line to rCmdInfo.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);

    HINSTANCE m_hInstance;
    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName; // the executable's name without extension unless given
    CString m_strRegistryKey;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The framework's entry routine: the program's wWinMain calls it.
int AfxWinMain(HINSTANCE hInstance);

// Message boxes owned by the main window when it exists, captioned with the
// application's name. There is no help file: the help context is not used.
int AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The prompt is string nIDPrompt of the current resource search.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
