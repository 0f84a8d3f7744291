#include "SoftwareInfoApp.h"
#include "ProcessHardening.h"
#include "ResourceModule.h"
#include "SoftwareInfoCommandLine.h"

#include <CorvelAPI.h>
#include <SecurityUtilities.h>
#include <SoftwareInfoDialog.h>
#include <resource.h>

#include <commctrl.h>

namespace
{
const wchar_t kBaseName[] = L"MarbekSystemInfoGUI";
// "Administrator rights are required."
const wchar_t kAdministratorRequired[] = L"\u7BA1\u7406\u8005\u6A29\u9650\u304C\u5FC5\u8981\u3067\u3059";
const ATOM kDialogClass = 0x8002;
}

CSoftwareInfoApp::CSoftwareInfoApp() : m_guard(kBaseName)
{
}

BOOL CSoftwareInfoApp::InitInstance()
{
    HardenProcess();
    InitCommonControls();
    CWinApp::InitInstance();

    if (!LoadResourceModule())
    {
        AfxMessageBox(IDS_MISSING_DLL, MB_OK, static_cast<UINT>(-1));
        return FALSE;
    }

    // The dialog keeps its place and sort under this key. OLE is not
    // needed to show the list: a start goes without it.
    SetRegistryKey(L"Marbek Corporation");

    if (!RunInstanceControl())
        return FALSE;

    CorvelAPI::EnableLuna(false);

    CSoftwareInfoDialog dlg(nullptr, &m_halt);
    // The default owner of message boxes and dialogs, read on this thread
    // only: the guard's watcher reaches the dialog through m_halt alone.
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

bool CSoftwareInfoApp::RunInstanceControl()
{
    CSoftwareInfoCommandLine cmdInfo;
    ParseCommandLine(cmdInfo);

    if (cmdInfo.m_bHalt)
    {
        m_guard.SignalUserShutdown();
        return false;
    }
    if (cmdInfo.m_bHaltAll)
    {
        BOOL bAdministrator = FALSE;
        if (IsAdministrator(&bAdministrator) == TRUE && bAdministrator == TRUE)
            m_guard.SignalAllShutdown();
        else
            AfxMessageBox(kAdministratorRequired, MB_ICONEXCLAMATION, 0);
        return false;
    }
    if (m_guard.IsRunning())
    {
        CString caption;
        caption.LoadString(IDS_MAIN_CAPTION);
        if (HWND hRunning = FindWindowW(MAKEINTATOM(kDialogClass), caption))
            SetForegroundWindow(hRunning);
        return false;
    }
    m_guard.m_pObserver = this;
    m_guard.Start();
    return true;
}

void CSoftwareInfoApp::OnShutdownAll()
{
    m_halt.Raise();
}

void CSoftwareInfoApp::OnShutdownUser()
{
    m_halt.Raise();
}
