#include "SoftwareInfoApp.h"
#include "ProcessHardening.h"
#include "ListExport.h"
#include "ResourceModule.h"
#include "StarterReport.h"

#include <AfxBinding.h>
#include <CatalogueView.h>
#include <CorvelAPI.h>
#include <SecurityUtilities.h>
#include <SoftwareInfoDialog.h>
#include <resource.h>

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
    // The system's own: comctl32.dll is no known DLL, and as an import it
    // would be taken from the program's folder before any of its code ran.
    // Its window classes stay with the application object.
    m_commonControls = LoadSystemLibrary(L"comctl32.dll");
    if (const auto initCommonControls = BoundFunction<void(WINAPI*)()>(m_commonControls.get(), "InitCommonControls"))
        initCommonControls();
    CWinApp::InitInstance();

    CSoftwareInfoCommandLine cmdInfo;
    ParseCommandLine(cmdInfo);
    const bool bResourceModule = LoadResourceModule();
    if (cmdInfo.IsExport())
    {
        m_nExitCode = RunExport(cmdInfo, bResourceModule);
        return FALSE;
    }
    if (!bResourceModule)
    {
        AfxMessageBox(IDS_MISSING_DLL, MB_OK, static_cast<UINT>(-1));
        return FALSE;
    }

    // The dialog keeps its place and sort under this key. OLE is not
    // needed to show the list: a start goes without it.
    SetRegistryKey(L"Marbek Corporation");

    if (!RunInstanceControl(cmdInfo))
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

int CSoftwareInfoApp::ExitInstance()
{
    return m_nExitCode;
}

bool CSoftwareInfoApp::RunInstanceControl(const CSoftwareInfoCommandLine& cmdInfo)
{
    if (cmdInfo.m_bHalt || cmdInfo.m_bHaltAll)
    {
        if (!SignalHalts(cmdInfo))
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

bool CSoftwareInfoApp::SignalHalts(const CSoftwareInfoCommandLine& cmdInfo)
{
    // halt wins when both are given.
    if (cmdInfo.m_bHalt)
        m_guard.SignalUserShutdown();
    else if (cmdInfo.m_bHaltAll)
    {
        BOOL bAdministrator = FALSE;
        if (IsAdministrator(&bAdministrator) != TRUE || bAdministrator != TRUE)
            return false;
        m_guard.SignalAllShutdown();
    }
    return true;
}

int CSoftwareInfoApp::RunExport(const CSoftwareInfoCommandLine& cmdInfo, bool bResourceModule)
{
    // A mistyped command line does nothing at all, not even a halt.
    if (!cmdInfo.m_strSwitchWithoutFile.IsEmpty())
    {
        ReportToStarter(L"/" + std::wstring(cmdInfo.m_strSwitchWithoutFile) +
                        L" needs the name of the file to write after it; nothing was done");
        return kExportWrongCommandLine;
    }
    // An export shows no window: the refusal a halt would show in a message
    // box is told to the starter instead.
    if (!SignalHalts(cmdInfo))
        ReportToStarter(L"haltAll needs administrator rights; no running instance was asked to close");
    if (!bResourceModule)
        ReportToStarter(L"SoftInfoRes.dll is missing or has no main dialog; the files get the program's own English "
                        L"caption and headings");
    return ExportList(cmdInfo.m_exports, CCatalogueView::Headings());
}

void CSoftwareInfoApp::OnShutdownAll()
{
    m_halt.Raise();
}

void CSoftwareInfoApp::OnShutdownUser()
{
    m_halt.Raise();
}
