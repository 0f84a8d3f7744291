#include "ObserveApp.h"
#include "SecurityUtilities.h"

#include <new>

namespace
{
// How long the watcher gets to end after the stop event is set.
const DWORD kWatcherStopTimeout = 2000;
}

namespace
{
// Creates or opens the guard's manual-reset event of that name format; NULL
// when the name cannot be formed.
HANDLE CreateShutdownEvent(const CObserveApp& guard, LPCWSTR pszFormat)
{
    const std::unique_ptr<wchar_t[]> pszName = guard.FormatName(pszFormat);
    return pszName ? CreateOrOpenEvent(true, false, pszName.get()) : nullptr;
}
}

CObserveApp::CObserveApp(LPCWSTR pszBaseName) : m_pszName(new (std::nothrow) wchar_t[lstrlenW(pszBaseName) + 1])
{
    if (!m_pszName)
        return;
    lstrcpyW(m_pszName.get(), pszBaseName);
    m_hShutdownUser.reset(CreateShutdownEvent(*this, L"%s-Shutdown-User"));
    m_hShutdownAll.reset(CreateShutdownEvent(*this, L"Global\\%s-Shutdown-All"));
}

CObserveApp::~CObserveApp()
{
    // The watcher ends before the handles it waits on are closed; the
    // members then go.
    StopWatcher();
}

std::unique_ptr<wchar_t[]> CObserveApp::FormatName(LPCWSTR pszFormat) const
{
    if (!m_pszName)
        return nullptr;
    std::unique_ptr<wchar_t[]> pszName(new (std::nothrow) wchar_t[lstrlenW(m_pszName.get()) + lstrlenW(pszFormat) + 1]);
    if (pszName)
        wsprintfW(pszName.get(), pszFormat, m_pszName.get());
    return pszName;
}

bool CObserveApp::IsRunning() const
{
    const std::unique_ptr<wchar_t[]> pszName = FormatName(L"%s-MutexUser");
    return pszName && CKernelHandle(OpenMutexW(SYNCHRONIZE, FALSE, pszName.get())) != nullptr;
}

namespace
{
// Creates or opens the named mutex into mutex when it is not there yet,
// then takes it if it is free. Whether ownership was obtained is not used.
void TakeMutex(const CObserveApp& guard, LPCWSTR pszFormat, CKernelHandle& mutex)
{
    if (!mutex)
    {
        if (const std::unique_ptr<wchar_t[]> pszName = guard.FormatName(pszFormat))
            mutex.reset(CreateOrOpenMutex(FALSE, pszName.get()));
    }
    if (mutex)
        WaitForSingleObject(mutex.get(), 0);
}
}

bool CObserveApp::Start()
{
    TakeMutex(*this, L"%s-MutexUser", m_hMutexUser);
    const bool bStarted = m_hMutexUser != nullptr;
    TakeMutex(*this, L"Global\\%s-MutexAll", m_hMutexAll);
    StartWatcher();
    return bStarted;
}

BOOL CObserveApp::SignalUserShutdown()
{
    return m_hShutdownUser && SetEvent(m_hShutdownUser.get());
}

BOOL CObserveApp::SignalAllShutdown()
{
    return m_hShutdownAll && SetEvent(m_hShutdownAll.get());
}

bool CObserveApp::StartWatcher()
{
    StopWatcher();
    m_hStopEvent.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    m_hThread.reset(CreateThread(nullptr, 0, WatchThreadProc, this, 0, nullptr));
    return m_hThread != nullptr;
}

bool CObserveApp::StopWatcher()
{
    bool bEnded = true;
    if (m_hThread)
    {
        SetEvent(m_hStopEvent.get());
        if (WaitForSingleObject(m_hThread.get(), kWatcherStopTimeout) == WAIT_TIMEOUT)
        {
            // Stuck, most likely in the observer: it must not outlive the guard.
            TerminateThread(m_hThread.get(), 0);
            bEnded = false;
        }
        m_hThread.reset();
    }
    m_hStopEvent.reset();
    return bEnded;
}

DWORD WINAPI CObserveApp::WatchThreadProc(LPVOID pParam)
{
    return static_cast<CObserveApp*>(pParam)->WatchShutdown();
}

DWORD CObserveApp::WatchShutdown()
{
    // The order decides which of several set objects wins: stop, then
    // machine-wide, then session.
    HANDLE handles[] = { m_hStopEvent.get(), m_hShutdownAll.get(), m_hShutdownUser.get() };
    const DWORD dwWait = WaitForMultipleObjects(ARRAYSIZE(handles), handles, FALSE, INFINITE);
    if (dwWait == WAIT_OBJECT_0 + 1 && m_pObserver != nullptr)
        m_pObserver->OnShutdownAll();
    else if (dwWait == WAIT_OBJECT_0 + 2 && m_pObserver != nullptr)
        m_pObserver->OnShutdownUser();
    return 0;
}
