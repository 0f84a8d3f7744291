#include "ObserveApp.h"
#include "SecurityUtilities.h"

#include <new>

namespace
{
// How long the watcher gets to end after the stop event is set.
const DWORD kWatcherStopTimeout = 2000;

void CloseAndClear(HANDLE& handle)
{
    if (handle != nullptr)
    {
        CloseHandle(handle);
        handle = nullptr;
    }
}

// Creates or opens the guard's manual-reset event of that name format; NULL
// when the name cannot be formed.
HANDLE CreateShutdownEvent(const CObserveApp& guard, LPCWSTR pszFormat)
{
    wchar_t* pszName = guard.FormatName(pszFormat);
    if (pszName == nullptr)
        return nullptr;
    HANDLE hEvent = CreateOrOpenEvent(true, false, pszName);
    delete[] pszName;
    return hEvent;
}
}

CObserveApp::CObserveApp(LPCWSTR pszBaseName)
    : m_hMutexUser(nullptr), m_hMutexAll(nullptr), m_hShutdownUser(nullptr),
      m_hShutdownAll(nullptr), m_hStopEvent(nullptr), m_hThread(nullptr), m_pszName(nullptr),
      m_pObserver(nullptr)
{
    m_pszName = new (std::nothrow) wchar_t[lstrlenW(pszBaseName) + 1];
    if (m_pszName == nullptr)
        return;
    lstrcpyW(m_pszName, pszBaseName);

    m_hShutdownUser = CreateShutdownEvent(*this, L"%s-Shutdown-User");
    m_hShutdownAll = CreateShutdownEvent(*this, L"Global\\%s-Shutdown-All");
}

CObserveApp::~CObserveApp()
{
    // Releases a watcher blocked in its wait before the handles it waits on close.
    if (m_hStopEvent != nullptr)
    {
        SetEvent(m_hStopEvent);
        Sleep(0);
        SetEvent(m_hStopEvent);
    }
    CloseAndClear(m_hMutexUser);
    CloseAndClear(m_hMutexAll);
    CloseAndClear(m_hShutdownUser);
    CloseAndClear(m_hShutdownAll);
    delete[] m_pszName;
    m_pszName = nullptr;
    StopWatcher();
}

wchar_t* CObserveApp::FormatName(LPCWSTR pszFormat) const
{
    if (m_pszName == nullptr)
        return nullptr;
    wchar_t* pszName = new (std::nothrow) wchar_t[lstrlenW(m_pszName) + lstrlenW(pszFormat) + 1];
    if (pszName != nullptr)
        wsprintfW(pszName, pszFormat, m_pszName);
    return pszName;
}

bool CObserveApp::IsRunning() const
{
    wchar_t* pszName = FormatName(L"%s-MutexUser");
    if (pszName == nullptr)
        return false;
    HANDLE hMutex = OpenMutexW(SYNCHRONIZE, FALSE, pszName);
    const bool bExists = hMutex != nullptr;
    if (bExists)
        CloseHandle(hMutex);
    delete[] pszName;
    return bExists;
}

namespace
{
// Creates or opens the named mutex into hMutex when it is not there yet,
// then takes it if it is free. Whether ownership was obtained is not used.
void TakeMutex(const CObserveApp& guard, LPCWSTR pszFormat, HANDLE& hMutex)
{
    if (hMutex == nullptr)
    {
        if (wchar_t* pszName = guard.FormatName(pszFormat))
        {
            hMutex = CreateOrOpenMutex(FALSE, pszName);
            delete[] pszName;
        }
    }
    if (hMutex != nullptr)
        WaitForSingleObject(hMutex, 0);
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
    return m_hShutdownUser != nullptr && SetEvent(m_hShutdownUser);
}

BOOL CObserveApp::SignalAllShutdown()
{
    return m_hShutdownAll != nullptr && SetEvent(m_hShutdownAll);
}

bool CObserveApp::StartWatcher()
{
    StopWatcher();
    m_hStopEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    m_hThread = CreateThread(nullptr, 0, WatchThreadProc, this, 0, nullptr);
    return m_hThread != nullptr;
}

bool CObserveApp::StopWatcher()
{
    bool bEnded = true;
    if (m_hThread != nullptr)
    {
        SetEvent(m_hStopEvent);
        if (WaitForSingleObject(m_hThread, kWatcherStopTimeout) == WAIT_TIMEOUT)
        {
            // Stuck, most likely in the observer: it must not outlive the guard.
            TerminateThread(m_hThread, 0);
            bEnded = false;
        }
        CloseAndClear(m_hThread);
    }
    CloseAndClear(m_hStopEvent);
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
    HANDLE handles[] = {m_hStopEvent, m_hShutdownAll, m_hShutdownUser};
    const DWORD dwWait = WaitForMultipleObjects(ARRAYSIZE(handles), handles, FALSE, INFINITE);
    if (dwWait == WAIT_OBJECT_0 + 1 && m_pObserver != nullptr)
        m_pObserver->OnShutdownAll();
    else if (dwWait == WAIT_OBJECT_0 + 2 && m_pObserver != nullptr)
        m_pObserver->OnShutdownUser();
    return 0;
}
