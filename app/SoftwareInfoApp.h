#pragma once
// The application object: start-up, the decision what this process is for,
// and the shutdown observer of the instance guard.
#include <ObserveApp.h>
#include <afxwin.h>

class CSoftwareInfoApp : public CWinApp, public IShutdownObserver
{
public:
    CSoftwareInfoApp();

    // Runs the whole program; always FALSE, so the process then exits.
    BOOL InitInstance() override;

    // Called on the guard's watcher thread: only post a quit to the main
    // window's thread, which ends the program whatever it shows.
    void OnShutdownAll() override;
    void OnShutdownUser() override;

protected:
    // Signals or activates another instance, or starts the guard; true when
    // start-up goes on to the main dialog.
    bool RunInstanceControl();
    void PostQuitToMainWindow();

    CObserveApp m_guard;
};
