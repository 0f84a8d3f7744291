#pragma once
// The instance guard: two named mutexes mark a running instance, two named
// shutdown events let other processes ask it to close, and a watcher thread
// waits once on those events and tells the observer.
#include <AfxHandle.h>

#include <memory>

#include "ShutdownObserver.h"

class CObserveApp
{
public:
    // Creates or opens both shutdown events, named from pszBaseName.
    explicit CObserveApp(LPCWSTR pszBaseName);
    // Stops the watcher (killed after 2000 ms), then releases the objects.
    virtual ~CObserveApp();
    CObserveApp(const CObserveApp&) = delete;
    CObserveApp& operator=(const CObserveApp&) = delete;

    // pszFormat with the base name for its one "%s", as a new array; NULL
    // without a base name or memory.
    std::unique_ptr<wchar_t[]> FormatName(LPCWSTR pszFormat) const;
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

    std::unique_ptr<wchar_t[]> m_pszName;
    CKernelHandle m_hMutexUser;
    CKernelHandle m_hMutexAll;
    CKernelHandle m_hShutdownUser;
    CKernelHandle m_hShutdownAll;
    CKernelHandle m_hStopEvent;
    CKernelHandle m_hThread;

public:
    // Not owned; the owner assigns it before Start and leaves it afterwards.
    IShutdownObserver* m_pObserver = nullptr;
};
