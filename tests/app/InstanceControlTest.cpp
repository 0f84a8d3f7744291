// One instance per session, and the halt switches, with real processes of
// the built program.
#include <AfxHandle.h>
#include <CoverWindow.h>
#include <DialogDriver.h>
#include <ProgramRunner.h>
#include <RunningProgramTest.h>
#include <TestFolders.h>
#include <resource.h>

#include <gtest/gtest.h>

namespace
{
const wchar_t kUserEvent[] = L"MarbekSystemInfoGUI-Shutdown-User";
const wchar_t kAllEvent[] = L"Global\\MarbekSystemInfoGUI-Shutdown-All";
const wchar_t kAdministratorRequired[] = L"\u7BA1\u7406\u8005\u6A29\u9650\u304C\u5FC5\u8981\u3067\u3059";

CString Program()
{
    return DistFolder() + L"\\ZelSoftwareInfo.exe";
}

// A running first instance with its dialog on screen.
class InstanceControlTest : public RunningProgramTest
{
protected:
    void StartFirstInstance() { StartProgram(Program(), kMainCaption); }

    bool FirstEnds() { return m_first->WaitForExit(10000) == 0; }
};

bool EventIsSet(HANDLE hEvent)
{
    return WaitForSingleObject(hEvent, 0) == WAIT_OBJECT_0;
}
}

TEST_F(InstanceControlTest, SecondStartBringsTheFirstToTheFrontAndOpensNoDialog)
{
    StartFirstInstance();
    CCoverWindow cover;
    ASSERT_EQ(cover.Handle(), GetForegroundWindow());

    CProgramRunner second(Program());
    EXPECT_EQ(0u, second.WaitForExit(kProgramTimeout));
    // The first instance's thread takes the foreground when it gets to it.
    EXPECT_TRUE(PumpMessagesUntil([&] { return GetForegroundWindow() == m_hFirst; }));
    EXPECT_TRUE(IsWindow(m_hFirst));
    EXPECT_EQ(STILL_ACTIVE, m_first->WaitForExit(0));
}

// Either switch, in any case and with either prefix, closes the running
// instance, an About box it has open too.
TEST_F(InstanceControlTest, EitherSwitchClosesTheRunningInstanceAndAnOpenAboutBox)
{
    for (LPCWSTR args : { L"/halt", L"-HALTALL" })
    {
        SCOPED_TRACE(args);
        StartFirstInstance();
        PostMessageW(m_hFirst, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        PumpMessagesUntil([&] { return m_first->VisibleWindows().size() >= 2; }, kProgramTimeout);
        ASSERT_EQ(2u, m_first->VisibleWindows().size()) << "the About box is open";

        CProgramRunner halt(Program(), args);
        EXPECT_EQ(0u, halt.WaitForExit(kProgramTimeout));
        EXPECT_TRUE(FirstEnds());
    }
}

namespace
{
// A modal loop of its own that the first instance runs when /halt comes:
// what starts it (as the keys or the mouse would), and the thread's flag
// while it runs (none for a dialog of its own, which is a second window). A
// message box is not among them: the ui tests halt one.
struct OpenLoop
{
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD flag;
};
}

TEST_F(InstanceControlTest, HaltEndsTheInstanceWhateverLoopItRuns)
{
    const OpenLoop loops[] = {
        { "the list's context menu", WM_CONTEXTMENU, 0, -1, GUI_INMENUMODE },
        { "the system menu (Alt+Space)", WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE, GUI_INMENUMODE },
        { "the keyboard move loop (Alt+Space, M)", WM_SYSCOMMAND, SC_MOVE, 0, GUI_INMOVESIZE },
        { "the Save dialog (Ctrl+S)", WM_COMMAND, IDM_SAVE_AS, 0, 0 },
    };
    for (const OpenLoop& loop : loops)
    {
        SCOPED_TRACE(loop.name);
        StartFirstInstance();
        const WPARAM wParam = loop.message == WM_CONTEXTMENU
                                  ? reinterpret_cast<WPARAM>(GetDlgItem(m_hFirst, IDC_SOFTWARE_LIST))
                                  : loop.wParam;
        PostMessageW(m_hFirst, loop.message, wParam, loop.lParam);
        ASSERT_TRUE(PumpMessagesUntil(
            [&] {
                return loop.flag ? (GuiThreadOf(m_hFirst).flags & loop.flag) != 0
                                 : m_first->VisibleWindows().size() >= 2;
            },
            kProgramTimeout));

        CProgramRunner halt(Program(), L"/halt");
        EXPECT_EQ(0u, halt.WaitForExit(kProgramTimeout));
        // Where the instance's thread stands when it did not end.
        const GUITHREADINFO state = GuiThreadOf(m_hFirst);
        EXPECT_TRUE(FirstEnds()) << "GUI thread flags " << std::hex << state.flags << ", menu owner "
                                 << state.hwndMenuOwner << ", active " << state.hwndActive;
        m_first.reset();
    }
}

// The halting process still holds the set event when the instance starts:
// its watcher sees it before the dialog exists.
TEST_F(InstanceControlTest, HaltBeforeTheDialogExistsEndsTheInstanceAsSoonAsItDoes)
{
    const CKernelHandle user(CreateEventW(nullptr, TRUE, TRUE, kUserEvent));
    ASSERT_NE(nullptr, user);
    m_first.reset(new CProgramRunner(Program()));
    EXPECT_TRUE(FirstEnds());
}

TEST_F(InstanceControlTest, BothSwitchesSignalOnlyTheSessionEvent)
{
    StartFirstInstance();
    // Held open so their state can be read after the processes have gone.
    const CKernelHandle user(OpenEventW(SYNCHRONIZE, FALSE, kUserEvent));
    const CKernelHandle all(OpenEventW(SYNCHRONIZE, FALSE, kAllEvent));
    ASSERT_NE(nullptr, user);
    ASSERT_NE(nullptr, all);

    CProgramRunner both(Program(), L"/haltAll /halt");
    EXPECT_EQ(0u, both.WaitForExit(kProgramTimeout));
    EXPECT_TRUE(FirstEnds());
    EXPECT_TRUE(EventIsSet(user.get()));
    EXPECT_FALSE(EventIsSet(all.get()));
}

TEST_F(InstanceControlTest, BareWordIsNoSwitch)
{
    StartFirstInstance();
    const CKernelHandle user(OpenEventW(SYNCHRONIZE, FALSE, kUserEvent));
    ASSERT_NE(nullptr, user);
    CProgramRunner bare(Program(), L"halt");
    EXPECT_EQ(0u, bare.WaitForExit(kProgramTimeout));
    EXPECT_FALSE(EventIsSet(user.get())) << "nothing asks the first to close";
    EXPECT_EQ(STILL_ACTIVE, m_first->WaitForExit(0));
    EXPECT_EQ(1u, VisibleWindowsOf(m_first->ProcessId(), kMainCaption).size());
}

TEST(InstanceControlAlone, SwitchesWithNothingRunningExitAtOnceAndLeaveNoObject)
{
    for (const wchar_t* args : { L"/halt", L"-haltAll" })
    {
        CProgramRunner program(Program(), args);
        EXPECT_EQ(0u, program.WaitForExit(kProgramTimeout)) << args;
        EXPECT_EQ(nullptr, CKernelHandle(OpenEventW(SYNCHRONIZE, FALSE, kUserEvent))) << args;
        EXPECT_EQ(nullptr, CKernelHandle(OpenEventW(SYNCHRONIZE, FALSE, kAllEvent))) << args;
    }
}

TEST_F(InstanceControlTest, HaltAllWithoutAdministratorRightsShowsTheMessageAndSignalsNothing)
{
    const CKernelHandle token = CreateNonAdministratorToken();
    ASSERT_NE(nullptr, token);
    StartFirstInstance();
    const CKernelHandle user(OpenEventW(SYNCHRONIZE, FALSE, kUserEvent));
    const CKernelHandle all(OpenEventW(SYNCHRONIZE, FALSE, kAllEvent));
    ASSERT_NE(nullptr, user);
    ASSERT_NE(nullptr, all);
    {
        CProgramRunner haltAll(Program(), L"/haltAll", CString(), token.get());
        ASSERT_TRUE(haltAll.Started());
        HWND hBox = haltAll.WaitForWindow(L"ZelSoftwareInfo", kProgramTimeout);
        ASSERT_NE(nullptr, hBox);
        EXPECT_STREQ(kAdministratorRequired, MessageBoxText(hBox));
        // An icon (the box's icon handles belong to the other process, so
        // which icon it is cannot be compared from here), and only an OK button.
        bool bIcon = false;
        for (HWND hChild = GetWindow(hBox, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT))
            bIcon = bIcon || (GetWindowLongW(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        EXPECT_TRUE(bIcon);
        EXPECT_NE(nullptr, GetDlgItem(hBox, IDOK));
        EXPECT_EQ(nullptr, GetDlgItem(hBox, IDCANCEL));
        PostMessageW(hBox, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(0u, haltAll.WaitForExit(kProgramTimeout));
    }
    EXPECT_FALSE(EventIsSet(user.get()));
    EXPECT_FALSE(EventIsSet(all.get()));
    EXPECT_EQ(STILL_ACTIVE, m_first->WaitForExit(0));
}
