// The built program with the Japanese resource module in place of the
// English one, started as a user would start it.
#include <Clipboard.h>
#include <CoverWindow.h>
#include <DialogDriver.h>
#include <JapaneseTexts.h>
#include <ProgramRunner.h>
#include <RunningProgramTest.h>
#include <TestFolders.h>
#include <resource.h>

#include <gtest/gtest.h>

namespace
{

// A program folder with the Japanese module as its resource module, and the
// program running from it with its dialog on screen.
class JapaneseProgramTest : public RunningProgramTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CopyFolderFiles(DistFolder(), m_folder.Path()));
        ASSERT_TRUE(CopyFileTo(DistFolder() + L"\\ja-JP\\SoftInfoRes.dll", m_folder / L"SoftInfoRes.dll"));
        StartProgram(Program(), kJapaneseMainCaption, m_folder.Path());
    }

    CString Program() const { return m_folder / L"ZelSoftwareInfo.exe"; }

    CTempFolder m_folder;
};
}

TEST_F(JapaneseProgramTest, ShowsJapaneseCaptionFrameAndHeadings)
{
    EXPECT_STREQ(kJapaneseMainCaption, WindowText(GetDlgItem(m_hFirst, IDC_SOFTWARE_GROUP)));
    HWND hList = GetDlgItem(m_hFirst, IDC_SOFTWARE_LIST);
    ASSERT_NE(nullptr, hList);
    EXPECT_STREQ(kJapaneseSoftwareHeading, ListHeading(m_first->Process(), hList, 0));
    EXPECT_STREQ(kJapaneseDescriptionHeading, ListHeading(m_first->Process(), hList, 1));
}

TEST_F(JapaneseProgramTest, SecondStartFindsTheRunningDialogByItsJapaneseCaption)
{
    CCoverWindow cover;
    ASSERT_EQ(cover.Handle(), GetForegroundWindow());

    CProgramRunner second(Program(), CString(), m_folder.Path());
    EXPECT_EQ(0u, second.WaitForExit(kProgramTimeout));
    // The first instance's thread takes the foreground when it gets to it.
    EXPECT_TRUE(PumpMessagesUntil([&] { return GetForegroundWindow() == m_hFirst; }));
    EXPECT_EQ(STILL_ACTIVE, m_first->WaitForExit(0));
    EXPECT_EQ(1u, VisibleWindowsOf(m_first->ProcessId(), kJapaneseMainCaption).size());
}

TEST_F(JapaneseProgramTest, CtrlCCopiesTheListUnderItsJapaneseHeadings)
{
    ASSERT_TRUE(EmptyTheClipboard());
    SetForegroundWindow(m_hFirst);
    PressCtrlWith('C');
    EXPECT_STREQ(CString(kJapaneseSoftwareHeading) + L"\t" + kJapaneseDescriptionHeading + L"\r\n",
                 WaitForClipboardText(kProgramTimeout));
}
