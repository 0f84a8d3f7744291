#include "InstanceTestSupport.h"
#include "ObserveApp.h"

#include <ProgramRunner.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <utility>

namespace
{
// Gives the tests the watcher's insides.
class CGuardProbe : public CObserveApp
{
public:
    // The observer is assigned at once, as the owner does before Start.
    explicit CGuardProbe(const std::wstring& baseName, IShutdownObserver* pObserver = nullptr)
        : CObserveApp(baseName.c_str())
    {
        m_pObserver = pObserver;
    }
    using CObserveApp::StopWatcher;
    using CObserveApp::WatchShutdown;

    HANDLE Thread() const { return m_hThread.get(); }
    // Whether the current watcher has ended within the time.
    bool WatcherEnds(DWORD milliseconds) const
    {
        return m_hThread != nullptr && WaitForSingleObject(m_hThread.get(), milliseconds) == WAIT_OBJECT_0;
    }
    // A stop event that is already set, as if stopped before the wait began.
    void SetStopEventAhead() { m_hStopEvent.reset(CreateEventW(nullptr, FALSE, TRUE, nullptr)); }
};

class CRecordingObserver : public IShutdownObserver
{
public:
    void OnShutdownAll() override
    {
        ++m_all;
        SetEvent(m_called.get());
    }
    void OnShutdownUser() override
    {
        ++m_user;
        SetEvent(m_called.get());
    }
    bool WaitForCall(DWORD milliseconds) const
    {
        return WaitForSingleObject(m_called.get(), milliseconds) == WAIT_OBJECT_0;
    }

    std::atomic<int> m_all{ 0 };
    std::atomic<int> m_user{ 0 };

private:
    CKernelHandle m_called{ CreateEventW(nullptr, TRUE, FALSE, nullptr) };
};

// Stays in its notification until released.
class CStuckObserver : public IShutdownObserver
{
public:
    void OnShutdownAll() override { Stay(); }
    void OnShutdownUser() override { Stay(); }
    bool WaitUntilEntered(DWORD milliseconds) const
    {
        return WaitForSingleObject(m_entered.get(), milliseconds) == WAIT_OBJECT_0;
    }
    void Release() { SetEvent(m_release.get()); }

private:
    void Stay()
    {
        SetEvent(m_entered.get());
        WaitForSingleObject(m_release.get(), INFINITE);
    }
    CKernelHandle m_entered{ CreateEventW(nullptr, TRUE, FALSE, nullptr) };
    CKernelHandle m_release{ CreateEventW(nullptr, TRUE, FALSE, nullptr) };
};

const DWORD kGenerous = 10000;

DWORD HandleCount()
{
    DWORD count = 0;
    GetProcessHandleCount(GetCurrentProcess(), &count);
    return count;
}

bool EventExists(const std::wstring& name)
{
    CKernelHandle event(OpenEventW(SYNCHRONIZE, FALSE, name.c_str()));
    return static_cast<bool>(event);
}

bool MutexExists(const std::wstring& name)
{
    CKernelHandle mutex(OpenMutexW(SYNCHRONIZE, FALSE, name.c_str()));
    return static_cast<bool>(mutex);
}
}

TEST(InstanceGuardObjects, ConstructionMakesOnlyTheShutdownEvents)
{
    const std::wstring base = UniqueBaseName();
    CObserveApp guard(base.c_str());
    EXPECT_TRUE(EventExists(base + L"-Shutdown-User"));
    EXPECT_TRUE(EventExists(L"Global\\" + base + L"-Shutdown-All"));
    EXPECT_FALSE(MutexExists(base + L"-MutexUser"));
    EXPECT_FALSE(MutexExists(L"Global\\" + base + L"-MutexAll"));
    EXPECT_FALSE(guard.IsRunning());
}

TEST(InstanceGuardObjects, StartTakesBothMutexesForTheCallingThread)
{
    const std::wstring base = UniqueBaseName();
    CObserveApp guard(base.c_str());
    ASSERT_TRUE(guard.Start());
    EXPECT_TRUE(CObserveApp(base.c_str()).IsRunning());

    CKernelHandle user(OpenMutexW(SYNCHRONIZE, FALSE, (base + L"-MutexUser").c_str()));
    CKernelHandle all(OpenMutexW(SYNCHRONIZE, FALSE, (L"Global\\" + base + L"-MutexAll").c_str()));
    ASSERT_TRUE(user);
    ASSERT_TRUE(all);
    DWORD userWait = 0;
    DWORD allWait = 0;
    std::thread([&] {
        userWait = WaitForSingleObject(user.get(), 0);
        allWait = WaitForSingleObject(all.get(), 0);
    }).join();
    EXPECT_EQ(userWait, static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(allWait, static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST(InstanceGuardObjects, RunningMeansTheSessionMutexExistsOwnedOrNot)
{
    const std::wstring base = UniqueBaseName();
    CObserveApp guard(base.c_str());
    EXPECT_FALSE(guard.IsRunning());
    CKernelHandle unowned(CreateMutexW(nullptr, FALSE, (base + L"-MutexUser").c_str()));
    ASSERT_TRUE(unowned);
    EXPECT_TRUE(guard.IsRunning());
}

TEST(InstanceGuardObjects, NothingIsLeftOpenAfterDestruction)
{
    const DWORD before = HandleCount();
    {
        CRecordingObserver observer;
        CGuardProbe guard(UniqueBaseName(), &observer);
        guard.Start();
    }
    {
        CRecordingObserver observer;
        CGuardProbe guard(UniqueBaseName(), &observer);
        guard.Start();
        guard.SignalUserShutdown();
        ASSERT_TRUE(observer.WaitForCall(kGenerous));
    }
    EXPECT_EQ(HandleCount(), before);
}

TEST(ShutdownWatcher, SessionEventNotifiesOnceAndTheWatcherEnds)
{
    CRecordingObserver observer;
    CGuardProbe guard(UniqueBaseName(), &observer);
    ASSERT_TRUE(guard.Start());
    EXPECT_TRUE(guard.SignalUserShutdown());
    ASSERT_TRUE(observer.WaitForCall(kGenerous));
    ASSERT_TRUE(guard.WatcherEnds(kGenerous));

    // Nobody watches any more.
    EXPECT_TRUE(guard.SignalAllShutdown());
    EXPECT_EQ(observer.m_user, 1);
    EXPECT_EQ(observer.m_all, 0);
}

TEST(ShutdownWatcher, MachineWideEventWinsOverSessionEvent)
{
    CRecordingObserver observer;
    CGuardProbe guard(UniqueBaseName(), &observer);
    ASSERT_TRUE(guard.SignalUserShutdown());
    ASSERT_TRUE(guard.SignalAllShutdown());
    guard.Start();
    ASSERT_TRUE(observer.WaitForCall(kGenerous));
    ASSERT_TRUE(guard.WatcherEnds(kGenerous));
    EXPECT_EQ(observer.m_all, 1);
    EXPECT_EQ(observer.m_user, 0);
}

TEST(ShutdownWatcher, StopEventWinsOverShutdownEvents)
{
    CRecordingObserver observer;
    CGuardProbe guard(UniqueBaseName(), &observer);
    guard.SignalUserShutdown();
    guard.SignalAllShutdown();
    guard.SetStopEventAhead();
    EXPECT_EQ(guard.WatchShutdown(), 0u);
    EXPECT_EQ(observer.m_all + observer.m_user, 0);
}

TEST(ShutdownWatcher, EventSetBeforeConstructionNotifiesAtStart)
{
    const std::wstring base = UniqueBaseName();
    CObserveApp signaller(base.c_str());
    ASSERT_TRUE(signaller.SignalUserShutdown());

    CRecordingObserver observer;
    CGuardProbe guard(base, &observer);
    guard.Start();
    ASSERT_TRUE(observer.WaitForCall(kGenerous));
    EXPECT_EQ(observer.m_user, 1);
}

TEST(ShutdownWatcher, StopReleasesAWaitingWatcherWithoutNotification)
{
    CRecordingObserver observer;
    CGuardProbe guard(UniqueBaseName(), &observer);
    guard.Start();
    EXPECT_TRUE(guard.StopWatcher());
    EXPECT_EQ(guard.Thread(), nullptr);
    EXPECT_EQ(observer.m_all + observer.m_user, 0);
}

TEST(ShutdownWatcher, WatcherStuckInItsObserverIsKilled)
{
    CStuckObserver observer;
    CGuardProbe guard(UniqueBaseName(), &observer);
    guard.Start();
    guard.SignalUserShutdown();
    ASSERT_TRUE(observer.WaitUntilEntered(kGenerous));
    EXPECT_FALSE(guard.StopWatcher());
    EXPECT_EQ(guard.Thread(), nullptr);
    observer.Release();
}

TEST(ShutdownWatcher, MissingShutdownEventEndsTheWatcherSilently)
{
    const std::wstring base = UniqueBaseName();
    // A mutex holding the event's name keeps the event from being made.
    CKernelHandle squatter(CreateMutexW(nullptr, FALSE, (base + L"-Shutdown-User").c_str()));
    ASSERT_TRUE(squatter);
    CRecordingObserver observer;
    CGuardProbe guard(base, &observer);
    EXPECT_FALSE(guard.SignalUserShutdown());
    guard.Start();
    ASSERT_TRUE(guard.WatcherEnds(kGenerous));
    EXPECT_TRUE(guard.SignalAllShutdown());
    EXPECT_EQ(observer.m_all + observer.m_user, 0);
}

namespace
{
// Starts a guard, has the probe signal it with the command from another
// process, and returns the observer's (OnShutdownAll, OnShutdownUser) calls.
std::pair<int, int> NotificationsOfHalt(LPCWSTR pszCommand)
{
    const std::wstring base = UniqueBaseName();
    CRecordingObserver observer;
    CGuardProbe guard(base, &observer);
    guard.Start();
    const std::wstring arguments = pszCommand + (L" " + base);
    EXPECT_EQ(CProgramRunner(ProbePath(), arguments.c_str()).WaitForExit(kGenerous), static_cast<DWORD>(TRUE));
    EXPECT_TRUE(observer.WaitForCall(kGenerous));
    return { observer.m_all, observer.m_user };
}
}

TEST(HaltFromAnotherProcess, SessionHaltWakesTheRunningInstance)
{
    EXPECT_EQ(NotificationsOfHalt(L"halt"), std::make_pair(0, 1));
}

TEST(HaltFromAnotherProcess, HaltAllWakesTheRunningInstance)
{
    EXPECT_EQ(NotificationsOfHalt(L"haltAll"), std::make_pair(1, 0));
}

TEST(HaltFromAnotherProcess, HaltWithoutRunningInstanceSucceedsAndLeavesNothing)
{
    const std::wstring base = UniqueBaseName();
    EXPECT_EQ(CProgramRunner(ProbePath(), (L"halt " + base).c_str()).WaitForExit(kGenerous), static_cast<DWORD>(TRUE));
    // The event went with the signalling process: a later instance is not told.
    EXPECT_FALSE(EventExists(base + L"-Shutdown-User"));
    CRecordingObserver observer;
    CGuardProbe guard(base, &observer);
    guard.Start();
    EXPECT_TRUE(guard.StopWatcher());
    EXPECT_EQ(observer.m_all + observer.m_user, 0);
}
