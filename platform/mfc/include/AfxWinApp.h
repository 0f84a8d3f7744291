#pragma once
// CWinApp: the application object. The program defines exactly one, as a
// static object; the framework's entry point runs its InitInstance and
// ExitInstance.
#include "AfxCommandLineInfo.h"
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

    // Names the registry key under which profile settings would be kept.
    // The program keeps none, so the key is not stored.
    void SetRegistryKey(LPCWSTR lpszRegistryKey);
    // Hands each parameter of the process's command line to rCmdInfo.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);

    HINSTANCE m_hInstance;
    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName; // the executable's name without extension unless given
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
