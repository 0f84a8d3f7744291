#pragma once
// The instance guard: two named mutexes mark a running instance, two named
// shutdown events let other processes ask it to close, and a watcher thread
// waits once on those events and tells the observer.
#include <windows.h>

#include "ShutdownObserver.h"

class CObserveApp
{
public:
    // Creates or opens both shutdown events, named from pszBaseName.
    explicit CObserveApp(LPCWSTR pszBaseName);
    // Releases the objects and stops the watcher (killed after 2000 ms).
    virtual ~CObserveApp();
    CObserveApp(const CObserveApp&) = delete;
    CObserveApp& operator=(const CObserveApp&) = delete;

    // pszFormat with the base name for its one "%s", as a new array the
    // caller frees with delete[]; NULL without a base name or memory.
    wchar_t* FormatName(LPCWSTR pszFormat) const;
    // Whether the session instance mutex exists.
    bool IsRunning() const;
    // Takes both instance mutexes where free and starts the watcher; true
    // when the session mutex handle is there.
    bool Start();
    BOOL SignalUserShutdown();
    BOOL SignalAllShutdown();

protected:
    bool StartWatcher();
    // False when the watcher had to be killed.
    bool StopWatcher();
    static DWORD WINAPI WatchThreadProc(LPVOID pParam);
    DWORD WatchShutdown();

    HANDLE m_hMutexUser;
    HANDLE m_hMutexAll;
    HANDLE m_hShutdownUser;
    HANDLE m_hShutdownAll;
    HANDLE m_hStopEvent;
    HANDLE m_hThread;
    wchar_t* m_pszName;

public:
    // Not owned; the owner assigns it before Start and leaves it afterwards.
    IShutdownObserver* m_pObserver;
};
