#include "AfxWinApp.h"
#include "AfxFiles.h"
#include "AfxHandle.h"
#include "AfxModuleState.h"

#include <cstdlib>

namespace
{
CWinApp* g_pApp = nullptr;

CString ExecutableTitle()
{
    CString title = AfxGetModuleFileName(nullptr);
    title = title.Mid(title.ReverseFind(L'\\') + 1);
    const int nDot = title.ReverseFind(L'.');
    return nDot > 0 ? title.Left(nDot) : title;
}
}

CWinApp::CWinApp(LPCWSTR lpszAppName)
    : m_hInstance(GetModuleHandleW(nullptr)), m_strAppName(lpszAppName ? CString(lpszAppName) : ExecutableTitle())
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

void CWinApp::SetRegistryKey(LPCWSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    // The C runtime's arguments, split before the program began: asking the
    // shell to split them would load shell32.dll at every start.
    const int argc = __argc;
    wchar_t** const argv = __wargv;
    if (!argv)
        return;
    for (int i = 1; i < argc; ++i)
    {
        const wchar_t* pszParam = argv[i];
        BOOL bFlag = FALSE;
        if (pszParam[0] == L'-' || pszParam[0] == L'/')
        {
            bFlag = TRUE;
            ++pszParam;
        }
        rCmdInfo.ParseParam(pszParam, bFlag, i + 1 == argc);
    }
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp ? g_pApp->m_pMainWnd : nullptr;
}

int AfxWinMain(HINSTANCE hInstance)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return -1;
    AfxGetModuleState()->m_hCurrentInstanceHandle = hInstance;
    pApp->m_hInstance = hInstance;
    // The program runs its whole life inside InitInstance (a modal dialog);
    // this framework has no application message loop of its own.
    pApp->InitInstance();
    return pApp->ExitInstance();
}

int AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hOwner = pMainWnd && ::IsWindow(pMainWnd->m_hWnd) ? pMainWnd->m_hWnd : nullptr;
    CWinApp* pApp = AfxGetApp();
    return ::MessageBoxW(hOwner, lpszText, pApp ? pApp->m_strAppName.GetString() : L"", nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString prompt;
    prompt.LoadString(nIDPrompt);
    return AfxMessageBox(prompt, nType, nIDHelp);
}
