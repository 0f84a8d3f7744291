// The built program on a current desktop: it follows the user's app mode
// while it runs, and its dialog can be made larger. Colours are read from the
// screen. Wine has no dark title bar and no dark scroll bars: those only
// Windows shows.
#include <CorvelAPI.h>
#include <DialogDriver.h>
#include <ProfileFiles.h>
#include <ProgramRunner.h>
#include <TestFolders.h>
#include <UserDpi.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{
const wchar_t kPersonalizeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

class CurrentDesktopTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (m_program)
        {
            for (HWND hWnd : m_program->VisibleWindows())
                PostMessageW(hWnd, WM_CLOSE, 0, 0);
            EXPECT_EQ(0u, m_program->WaitForExit(kProgramTimeout));
        }
        RemoveTree(DataFolder());
    }

    // The program with a catalogue of two products, the second with a
    // description wider than its column at the layout's size.
    HWND Start(UINT dpi)
    {
        CreateDirectoryW(DataFolder(), nullptr);
        EXPECT_TRUE(WriteAnsiIni(DataFolder() + L"\\apps.ini",
                                 L"[Product A]\r\nCustomerDescription=Does it\r\n"
                                 L"[Product B]\r\nCustomerDescription=Restores the computer to the state it left "
                                 L"the factory in, with every driver and tool\r\n"));
        CUserDpi userDpi(dpi);
        EXPECT_TRUE(userDpi.IsSet());
        // At the layout's size, not the one a start before left.
        RegDeleteTreeW(HKEY_CURRENT_USER, kProgramSettingsKey);
        m_program = std::make_unique<CProgramRunner>(DistFolder() + L"\\ZelSoftwareInfo.exe");
        m_hDlg = m_program->WaitForWindow(kMainCaption, kProgramTimeout);
        return m_hDlg;
    }

    std::unique_ptr<CProgramRunner> m_program;
    HWND m_hDlg = nullptr;
};

COLORREF ScreenPixel(HWND hWnd, POINT point)
{
    ClientToScreen(hWnd, &point);
    CClientDC screen(nullptr);
    return GetPixel(screen, point.x, point.y);
}

// Points of the main dialog where only a background shows: the face, the
// first row, the heading and the OK button, right of their texts.
struct Backgrounds
{
    COLORREF face, row, heading, button;
};

Backgrounds ReadBackgrounds(HANDLE hProcess, HWND hDlg)
{
    RECT client;
    GetClientRect(hDlg, &client);
    HWND hList = GetDlgItem(hDlg, IDC_SOFTWARE_LIST);
    RECT row = { LVIR_BOUNDS, 0, 0, 0 }, list, heading, button;
    SendMessageWithData(hProcess, hList, LVM_GETITEMRECT, 0, &row, sizeof(row));
    GetClientRect(hList, &list);
    HWND hHeader = FindWindowExW(hList, nullptr, WC_HEADERW, nullptr);
    GetClientRect(hHeader, &heading);
    HWND hButton = GetDlgItem(hDlg, IDOK);
    GetClientRect(hButton, &button);
    return { ScreenPixel(hDlg, { client.right / 4, client.bottom - 4 }),
             ScreenPixel(hList, { list.right - 4, (row.top + row.bottom) / 2 }),
             ScreenPixel(hHeader, { heading.right - 10, heading.bottom / 2 }),
             ScreenPixel(hButton, { 6, button.bottom / 2 }) };
}

bool ShowsScheme(HANDLE hProcess, HWND hDlg, CorvelScheme scheme)
{
    const CorvelColours colours = CorvelSchemeColours(scheme);
    const Backgrounds seen = ReadBackgrounds(hProcess, hDlg);
    // The light scheme leaves the heading and the button to the system.
    return seen.face == colours.face && seen.row == colours.row &&
           (!colours.bDrawsControls || (seen.heading == colours.heading && seen.button == colours.button));
}

// As the system tells every window when the user switches the app mode.
void BroadcastAppModeChange()
{
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"),
                        SMTO_ABORTIFHUNG, kProgramTimeout, nullptr);
}
}

TEST_F(CurrentDesktopTest, TheDialogsFollowTheAppModeWhileTheProgramRuns)
{
    CUserSetting appMode(kPersonalizeKey, L"AppsUseLightTheme", 1);
    ASSERT_TRUE(appMode.IsSet());
    ASSERT_NE(nullptr, Start(USER_DEFAULT_SCREEN_DPI));
    HANDLE hProcess = m_program->Process();
    EXPECT_TRUE(PumpMessagesUntil([&] { return ShowsScheme(hProcess, m_hDlg, CorvelScheme::Light); }));

    appMode.Set(0);
    BroadcastAppModeChange();
    EXPECT_TRUE(PumpMessagesUntil([&] { return ShowsScheme(hProcess, m_hDlg, CorvelScheme::Dark); }))
        << std::hex << ReadBackgrounds(hProcess, m_hDlg).face;

    // The About box opens in the mode too, and goes back to light with the
    // main dialog.
    PostMessageW(m_hDlg, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND hAbout = m_program->WaitForWindow(L"System Information", kProgramTimeout);
    ASSERT_NE(nullptr, hAbout);
    auto aboutFace = [&] {
        RECT client;
        GetClientRect(hAbout, &client);
        return ScreenPixel(hAbout, { 4, client.bottom - 4 });
    };
    EXPECT_TRUE(PumpMessagesUntil([&] { return aboutFace() == CorvelSchemeColours(CorvelScheme::Dark).face; }));
    appMode.Set(1);
    BroadcastAppModeChange();
    EXPECT_TRUE(PumpMessagesUntil([&] { return aboutFace() == CorvelSchemeColours(CorvelScheme::Light).face; }));
    PostMessageW(hAbout, WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpMessagesUntil([&] { return ShowsScheme(hProcess, m_hDlg, CorvelScheme::Light); }));
}

namespace
{
// A control's place in the dialog's client area.
RECT PlaceOf(HWND hDlg, int id)
{
    RECT rc;
    GetWindowRect(GetDlgItem(hDlg, id), &rc);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// What the rule keeps as the dialog grows: where the group frame and the
// list start and their distances to the client area's bottom-right corner,
// OK's size and distances to it, and the Software column's width.
std::vector<LONG> KeptPlaces(HWND hDlg)
{
    RECT client;
    GetClientRect(hDlg, &client);
    std::vector<LONG> kept;
    for (int id : { IDC_SOFTWARE_GROUP, IDC_SOFTWARE_LIST, IDOK })
    {
        const RECT rc = PlaceOf(hDlg, id);
        const bool bMoves = id == IDOK;
        kept.insert(kept.end(), { bMoves ? rc.right - rc.left : rc.left, bMoves ? rc.bottom - rc.top : rc.top,
                                  client.right - rc.right, client.bottom - rc.bottom });
    }
    kept.push_back(static_cast<LONG>(SendMessageW(GetDlgItem(hDlg, IDC_SOFTWARE_LIST), LVM_GETCOLUMNWIDTH, 0, 0)));
    return kept;
}

SIZE WindowSize(HWND hWnd)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    return { rc.right - rc.left, rc.bottom - rc.top };
}
}

TEST_F(CurrentDesktopTest, AsTheDialogGrowsTheListTakesTheRoomAndOKKeepsToTheCorner)
{
    // Sizes set as the window's, from the layout's; at 192 DPI twice as far.
    const struct
    {
        const char* what;
        int dx, dy;
    } sizes[] = {
        { "larger", 240, 160 },
        { "wider only", 400, 0 },
        { "smaller than the layout", -80, -60 },
        { "taller only, after wider", 0, 200 },
    };
    for (UINT dpi : { 96u, 192u })
    {
        ASSERT_NE(nullptr, Start(dpi)) << dpi << " DPI";
        const SIZE layout = WindowSize(m_hDlg);
        const std::vector<LONG> kept = KeptPlaces(m_hDlg);
        HWND hList = GetDlgItem(m_hDlg, IDC_SOFTWARE_LIST);
        const LRESULT fitted = SendMessageW(hList, LVM_GETCOLUMNWIDTH, 1, 0);
        for (const auto& size : sizes)
        {
            const int dx = MulDiv(size.dx, static_cast<int>(dpi), 96);
            const int dy = MulDiv(size.dy, static_cast<int>(dpi), 96);
            SetWindowPos(m_hDlg, nullptr, 0, 0, layout.cx + dx, layout.cy + dy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            SCOPED_TRACE(testing::Message() << dpi << " DPI, " << size.what);
            const SIZE window = WindowSize(m_hDlg);
            EXPECT_EQ(layout.cx + std::max(0, dx), window.cx);
            EXPECT_EQ(layout.cy + std::max(0, dy), window.cy);
            EXPECT_EQ(kept, KeptPlaces(m_hDlg));
            // Its fitted width, or the rest of the list when that is more.
            RECT rcList;
            GetClientRect(hList, &rcList);
            EXPECT_EQ(std::max<LRESULT>(fitted, rcList.right - SendMessageW(hList, LVM_GETCOLUMNWIDTH, 0, 0)),
                      SendMessageW(hList, LVM_GETCOLUMNWIDTH, 1, 0));
        }
        PostMessageW(m_hDlg, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, m_program->WaitForExit(kProgramTimeout));
        m_program.reset();
    }
}
