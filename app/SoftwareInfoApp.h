#pragma once
// The application object: start-up, the decision what this process is for,
// and the shutdown observer of the instance guard.
#include "SoftwareInfoCommandLine.h"

#include <HaltRequest.h>
#include <ObserveApp.h>
#include <afxwin.h>

class CSoftwareInfoApp : public CWinApp, public IShutdownObserver
{
public:
    CSoftwareInfoApp();

    // Runs the whole program; always FALSE, so the process then exits.
    BOOL InitInstance() override;
    // The process's exit code: an export's (ListExport.h), else 0.
    int ExitInstance() override;

    // Called on the guard's watcher thread: raise the halt request, which
    // ends the main dialog whatever it shows, or as soon as it exists.
    void OnShutdownAll() override;
    void OnShutdownUser() override;

protected:
    // Signals or activates another instance, or starts the guard; true when
    // start-up goes on to the main dialog.
    bool RunInstanceControl(const CSoftwareInfoCommandLine& cmdInfo);
    // Signals what halt or haltAll asks for; false when haltAll was refused
    // (no administrator), and nothing was signalled.
    bool SignalHalts(const CSoftwareInfoCommandLine& cmdInfo);
    // Writes the files the export switches ask for, after the halts, with
    // no window; the exit code. bResourceModule: whether it was loaded.
    int RunExport(const CSoftwareInfoCommandLine& cmdInfo, bool bResourceModule);

    int m_nExitCode = 0;

    // The common controls' library, whose window classes the dialogs use.
    CLibraryHandle m_commonControls;
    // Before the guard, which may raise it as soon as its watcher runs.
    CHaltRequest m_halt;
    CObserveApp m_guard;
};
