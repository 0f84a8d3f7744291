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

struct DialogShape
{
    SIZE window, client;
    RECT group, list, ok;
    int software, description, listWidth;
};

DialogShape ReadShape(HWND hDlg)
{
    DialogShape shape = {};
    RECT rc;
    GetWindowRect(hDlg, &rc);
    shape.window = { rc.right - rc.left, rc.bottom - rc.top };
    GetClientRect(hDlg, &rc);
    shape.client = { rc.right, rc.bottom };
    shape.group = PlaceOf(hDlg, IDC_SOFTWARE_GROUP);
    shape.list = PlaceOf(hDlg, IDC_SOFTWARE_LIST);
    shape.ok = PlaceOf(hDlg, IDOK);
    HWND hList = GetDlgItem(hDlg, IDC_SOFTWARE_LIST);
    shape.software = static_cast<int>(SendMessageW(hList, LVM_GETCOLUMNWIDTH, 0, 0));
    shape.description = static_cast<int>(SendMessageW(hList, LVM_GETCOLUMNWIDTH, 1, 0));
    GetClientRect(hList, &rc);
    shape.listWidth = rc.right;
    return shape;
}

testing::AssertionResult SameRect(const RECT& expected, const RECT& actual)
{
    if (EqualRect(&expected, &actual))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "expected (" << expected.left << ", " << expected.top << ", "
                                       << expected.right << ", " << expected.bottom << "), is (" << actual.left << ", "
                                       << actual.top << ", " << actual.right << ", " << actual.bottom << ")";
}

RECT Grown(RECT rc, int dx, int dy)
{
    rc.right += dx;
    rc.bottom += dy;
    return rc;
}

RECT Moved(RECT rc, int dx, int dy)
{
    OffsetRect(&rc, dx, dy);
    return rc;
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
        const DialogShape layout = ReadShape(m_hDlg);
        for (const auto& size : sizes)
        {
            const int dx = MulDiv(size.dx, static_cast<int>(dpi), 96);
            const int dy = MulDiv(size.dy, static_cast<int>(dpi), 96);
            SetWindowPos(m_hDlg, nullptr, 0, 0, layout.window.cx + dx, layout.window.cy + dy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            const DialogShape shape = ReadShape(m_hDlg);
            const int gx = std::max(0, dx), gy = std::max(0, dy);
            SCOPED_TRACE(testing::Message() << dpi << " DPI, " << size.what);
            EXPECT_EQ(layout.window.cx + gx, shape.window.cx);
            EXPECT_EQ(layout.window.cy + gy, shape.window.cy);
            EXPECT_EQ(layout.client.cx + gx, shape.client.cx);
            EXPECT_TRUE(SameRect(Grown(layout.group, gx, gy), shape.group));
            EXPECT_TRUE(SameRect(Grown(layout.list, gx, gy), shape.list));
            EXPECT_TRUE(SameRect(Moved(layout.ok, gx, gy), shape.ok));
            EXPECT_EQ(layout.software, shape.software);
            // Its fitted width, or the rest of the list when that is more.
            EXPECT_EQ(std::max(layout.description, shape.listWidth - shape.software), shape.description);
        }
        PostMessageW(m_hDlg, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, m_program->WaitForExit(kProgramTimeout));
        m_program.reset();
    }
}
