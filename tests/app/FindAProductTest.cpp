// The built program as a user finds a product in it: a click on a heading
// sorts the list, Ctrl+F and a few letters narrow it, and the next start
// shows the list and the window as they were left, without the search.
#include <DialogDriver.h>
#include <DisplayKeyboard.h>
#include <DisplayMouse.h>
#include <JsonList.h>
#include <ProfileFiles.h>
#include <ProgramRunner.h>
#include <TestFolders.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <utility>
#include <vector>

namespace
{
class FindAProductTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CreateDirectoryW(DataFolder(), nullptr);
        ASSERT_TRUE(WriteAnsiIni(DataFolder() + L"\\apps.ini",
                                 L"[Media Player]\r\nCustomerDescription=Plays music\r\n"
                                 L"[Camera Assistant]\r\nCustomerDescription=Takes photos\r\n"
                                 L"[Recovery Centre]\r\nCustomerDescription=Restores the camera's settings too\r\n"));
    }

    void TearDown() override
    {
        Close();
        RemoveTree(DataFolder());
    }

    // The program, its dialog shown and idle, in the foreground.
    void Start()
    {
        m_program = std::make_unique<CProgramRunner>(DistFolder() + L"\\ZelSoftwareInfo.exe");
        m_hDlg = m_program->WaitForWindow(kMainCaption, kProgramTimeout);
        ASSERT_NE(nullptr, m_hDlg);
        // The dialog manager has shown the dialog once its loop went idle.
        ASSERT_EQ(0u, WaitForInputIdle(m_program->Process(), kProgramTimeout));
        m_hList = GetDlgItem(m_hDlg, IDC_SOFTWARE_LIST);
        SetForegroundWindow(m_hDlg);
        ASSERT_TRUE(PumpMessagesUntil([&] { return GetForegroundWindow() == m_hDlg; }));
    }

    void Close()
    {
        if (!m_program)
            return;
        if (IsWindow(m_hDlg))
            PostMessageW(m_hDlg, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, m_program->WaitForExit(kProgramTimeout));
        m_program.reset();
    }

    CString ShownNames() const { return ListNames(m_program->Process(), m_hList); }

    std::vector<int> Arrows() const
    {
        return { HeadingSortArrow(m_program->Process(), m_hList, 0),
                 HeadingSortArrow(m_program->Process(), m_hList, 1) };
    }

    // A click on the column's heading with the display's mouse, nAcross
    // pixels right of its middle: clicks apart by more than the system's
    // double-click rectangle count as two clicks.
    bool ClickHeading(int column, int nAcross) const
    {
        HWND hHeader = reinterpret_cast<HWND>(SendMessageW(m_hList, LVM_GETHEADER, 0, 0));
        RECT rc = {};
        if (!SendMessageWithData(m_program->Process(), hHeader, HDM_GETITEMRECT, static_cast<WPARAM>(column), &rc,
                                 sizeof(rc)))
            return false;
        POINT point = { (rc.left + rc.right) / 2 + nAcross, (rc.top + rc.bottom) / 2 };
        ClientToScreen(hHeader, &point);
        return ClickOnDisplay(point);
    }

    std::unique_ptr<CProgramRunner> m_program;
    HWND m_hDlg = nullptr;
    HWND m_hList = nullptr;
};

DWORD KeptValue(LPCWSTR entry)
{
    DWORD value = 0xFFFFFFFF, size = sizeof(value);
    RegGetValueW(HKEY_CURRENT_USER, CString(kProgramSettingsKey) + L"\\Main Dialog", entry, RRF_RT_REG_DWORD, nullptr,
                 &value, &size);
    return value;
}

RECT NormalPlace(HWND hWnd)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(hWnd, &placement);
    return placement.rcNormalPosition;
}
}

TEST_F(FindAProductTest, SortsByAHeadingSearchesAndComesBackAsLeftAtTheNextStart)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_STREQ(L"Camera Assistant, Media Player, Recovery Centre", ShownNames());
    EXPECT_EQ(std::vector<int>({ HDF_SORTUP, 0 }), Arrows());

    // Twice on "Description": ascending, then descending.
    for (const auto& [arrow, across] :
         { std::pair{ HDF_SORTUP, 0 }, { HDF_SORTDOWN, 2 * GetSystemMetrics(SM_CXDOUBLECLK) } })
    {
        ASSERT_TRUE(ClickHeading(1, across));
        EXPECT_TRUE(PumpMessagesUntil([&] { return Arrows() == std::vector<int>({ 0, arrow }); })) << arrow;
    }
    EXPECT_STREQ(L"Camera Assistant, Recovery Centre, Media Player", ShownNames());

    HWND hSearch = GetDlgItem(m_hDlg, IDC_SEARCH_BOX);
    ASSERT_TRUE(PressKeys(m_hDlg, L"ctrl+f"));
    EXPECT_TRUE(PumpMessagesUntil([&] { return GuiThreadOf(m_hDlg).hwndFocus == hSearch; }));
    ASSERT_TRUE(PressKeys(m_hDlg, L"c a m"));
    EXPECT_TRUE(PumpMessagesUntil([&] { return ShownNames() == L"Camera Assistant, Recovery Centre"; }))
        << ShownNames().GetString();

    // Made larger and moved, then maximised, as a user would leave it.
    RECT left;
    GetWindowRect(m_hDlg, &left);
    SetWindowPos(m_hDlg, nullptr, 40, 30, left.right - left.left + 160, left.bottom - left.top + 120,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(m_hDlg, &left);
    // Closed from the system menu: under a window manager, xdotool giving
    // the window the focus for a key can make wine restore it first.
    SendMessageW(m_hDlg, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(IsZoomed(m_hDlg));
    PostMessageW(m_hDlg, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(0u, m_program->WaitForExit(kProgramTimeout));
    m_program.reset();
    EXPECT_EQ(1u, KeptValue(L"Maximized"));
    EXPECT_EQ(1u, KeptValue(L"SortColumn"));
    EXPECT_EQ(1u, KeptValue(L"SortDescending"));

    // The next start: the sort and the place kept, the search not. (Wine's
    // dialog manager restores a dialog as its loop first goes idle, so
    // only Windows shows it maximised again.)
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_STREQ(L"Camera Assistant, Recovery Centre, Media Player", ShownNames());
    EXPECT_EQ(std::vector<int>({ 0, HDF_SORTDOWN }), Arrows());
    EXPECT_STREQ(L"", WindowText(GetDlgItem(m_hDlg, IDC_SEARCH_BOX)));
    const RECT normal = NormalPlace(m_hDlg);
    EXPECT_TRUE(EqualRect(&left, &normal))
        << normal.left << "," << normal.top << " " << normal.right << "," << normal.bottom;
}

// Ctrl+S while the list is searched: the system's Save dialog, the caption
// as the name it offers, and the rows as the list shows them in the file
// the user chose, in the format its type names.
TEST_F(FindAProductTest, CtrlSSavesTheRowsAsTheListShowsThemWhereTheUserChose)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(PressKeys(m_hDlg, L"ctrl+f"));
    ASSERT_TRUE(PressKeys(m_hDlg, L"c a m"));
    ASSERT_TRUE(PumpMessagesUntil([&] { return ShownNames() == L"Camera Assistant, Recovery Centre"; }))
        << ShownNames().GetString();

    ASSERT_TRUE(PressKeys(m_hDlg, L"ctrl+s"));
    HWND hSave = nullptr;
    ASSERT_TRUE(PumpMessagesUntil(
        [&] {
            for (HWND hWnd : m_program->VisibleWindows())
                if (hWnd != m_hDlg)
                    hSave = hWnd;
            return hSave != nullptr;
        },
        kProgramTimeout));
    EXPECT_EQ(m_hDlg, GetWindow(hSave, GW_OWNER));
    const HWND hName = FindWindowExW(hSave, nullptr, L"Edit", nullptr);
    ASSERT_NE(nullptr, hName);
    EXPECT_STREQ(L"Software Information", WindowText(hName));

    // The fourth type, JSON, picked as the mouse would pick it; the name
    // then takes its extension.
    const HWND hTypes = FindWindowExW(GetParent(hName), nullptr, L"ComboBox", nullptr);
    ASSERT_EQ(4, SendMessageW(hTypes, CB_GETCOUNT, 0, 0));
    SendMessageW(hTypes, CB_SETCURSEL, 3, 0);
    SendMessageW(GetParent(hTypes), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hTypes), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(hTypes));
    const CTempFolder out;
    SendMessageW(hName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>((out / L"found").GetString()));
    ASSERT_TRUE(PressKeys(hSave, L"Return"));
    // The rows the list shows, as the JSON writer writes them.
    const std::string expected = JsonListFile(
        { { L"Camera Assistant", L"Takes photos" }, { L"Recovery Centre", L"Restores the camera's settings too" } });
    // The file is written once the Save dialog has gone.
    PumpMessagesUntil([&] { return ReadFileBytes(out / L"found.json") == expected; }, kProgramTimeout);
    EXPECT_EQ(expected, ReadFileBytes(out / L"found.json"));
    EXPECT_FALSE(IsWindow(hSave));
}
