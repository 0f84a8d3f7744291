#include <CorvelAPI.h>
#include <DialogDriver.h>
#include <ProgramRunner.h>
#include <ResourceModule.h>
#include <SoftwareInfoDialog.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <utility>

namespace
{
class MainDialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadResourceModule()); }

    static HWND List(HWND hDlg) { return GetDlgItem(hDlg, IDC_SOFTWARE_LIST); }

    static CCatalogue Products(int count)
    {
        CCatalogue products;
        for (int i = 0; i < count; ++i)
        {
            wchar_t name[32];
            wsprintfW(name, L"Product %d", i);
            products.push_back({ name, L"Does it" });
        }
        return products;
    }

    static int SelectedCount(HWND hList) { return static_cast<int>(SendMessageW(hList, LVM_GETSELECTEDCOUNT, 0, 0)); }

    static UINT State(HWND hList, int item, UINT mask)
    {
        return static_cast<UINT>(SendMessageW(hList, LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
    }
};
}

TEST_F(MainDialogTest, ShowsCaptionGroupFrameAndTwoHeadingsWithNoRows)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [](HWND hDlg) {
        EXPECT_STREQ(L"Software Information", WindowText(hDlg));
        EXPECT_STREQ(L"Software Information", WindowText(GetDlgItem(hDlg, IDC_SOFTWARE_GROUP)));
        HWND hList = List(hDlg);
        EXPECT_STREQ(L"Software", ListHeading(GetCurrentProcess(), hList, 0));
        EXPECT_STREQ(L"Description", ListHeading(GetCurrentProcess(), hList, 1));
        EXPECT_EQ(0, SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0));
        EXPECT_TRUE(IsWindowVisible(hDlg));
    });
}

TEST_F(MainDialogTest, ColumnsAreSizedByTheHeaderRuleColumnZeroFirst)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [](HWND hDlg) {
        HWND hList = List(hDlg);
        const LRESULT width0 = SendMessageW(hList, LVM_GETCOLUMNWIDTH, 0, 0);
        const LRESULT width1 = SendMessageW(hList, LVM_GETCOLUMNWIDTH, 1, 0);
        // The last column takes the rest of the list's width.
        RECT rc;
        GetClientRect(hList, &rc);
        EXPECT_EQ(rc.right - rc.left, width0 + width1);
        // Applying the rule again in the same order changes nothing.
        SendMessageW(hList, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
        SendMessageW(hList, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
        EXPECT_EQ(width0, SendMessageW(hList, LVM_GETCOLUMNWIDTH, 0, 0));
        EXPECT_EQ(width1, SendMessageW(hList, LVM_GETCOLUMNWIDTH, 1, 0));
    });
}

TEST_F(MainDialogTest, ClickingARowLeavesNothingSelectedButMovesTheFocus)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        HWND hList = List(hDlg);
        dlg.LoadCatalogue(Products(5));
        RECT rcItem = { LVIR_BOUNDS, 0, 0, 0 };
        SendMessageW(hList, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rcItem));
        const LPARAM point = MAKELPARAM(rcItem.left + 20, (rcItem.top + rcItem.bottom) / 2);
        PostMessageW(hList, WM_LBUTTONDOWN, MK_LBUTTON, point);
        PostMessageW(hList, WM_LBUTTONUP, 0, point);
        PumpMessages();
        EXPECT_EQ(0, SelectedCount(hList));
        EXPECT_EQ(static_cast<UINT>(LVIS_FOCUSED), State(hList, 2, LVIS_FOCUSED));
        EXPECT_EQ(5, SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0));
    });
}

TEST_F(MainDialogTest, KeyboardMovesLeaveNothingSelected)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        HWND hList = List(hDlg);
        dlg.LoadCatalogue(Products(5));
        SetFocus(hList);
        for (WPARAM key : { VK_DOWN, VK_DOWN, VK_END, VK_UP })
        {
            PostMessageW(hList, WM_KEYDOWN, key, 0);
            PostMessageW(hList, WM_KEYUP, key, 0xC0000000);
            PumpMessages();
            EXPECT_EQ(0, SelectedCount(hList)) << "after key " << key;
        }
        EXPECT_EQ(static_cast<UINT>(LVIS_FOCUSED), State(hList, 3, LVIS_FOCUSED));
    });
}

TEST_F(MainDialogTest, SelectionSetByProgramIsClearedAtOnce)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        HWND hList = List(hDlg);
        dlg.LoadCatalogue(Products(3));
        LVITEMW state = {};
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(hList, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        EXPECT_EQ(0, SelectedCount(hList));
    });
}

namespace
{
INT_PTR EndWith(const std::function<void(HWND)>& action)
{
    CSoftwareInfoDialog dlg;
    bool closed = false;
    INT_PTR result = RunDialog(dlg, [&](HWND hDlg) {
        action(hDlg);
        // An ended dialog is hidden at once and destroyed when its loop returns.
        closed = PumpMessagesUntil([&] { return !IsWindow(hDlg) || !IsWindowVisible(hDlg); });
    });
    EXPECT_TRUE(closed);
    return result;
}

void PressOnTheList(HWND hDlg, WPARAM key)
{
    HWND hList = GetDlgItem(hDlg, IDC_SOFTWARE_LIST);
    SetFocus(hList);
    PostMessageW(hList, WM_KEYDOWN, key, 0);
}
}

TEST_F(MainDialogTest, EveryWayOfEndingReturnsCancel)
{
    const struct
    {
        const char* way;
        void (*end)(HWND hDlg);
    } ways[] = {
        { "OK button", [](HWND hDlg) { SendMessageW(GetDlgItem(hDlg, IDOK), BM_CLICK, 0, 0); } },
        { "Enter", [](HWND hDlg) { PressOnTheList(hDlg, VK_RETURN); } },
        { "Escape", [](HWND hDlg) { PressOnTheList(hDlg, VK_ESCAPE); } },
        { "close box", [](HWND hDlg) { PostMessageW(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); } },
        { "WM_CLOSE from another thread or process", [](HWND hDlg) { PostMessageW(hDlg, WM_CLOSE, 0, 0); } },
    };
    for (const auto& way : ways)
    {
        SCOPED_TRACE(way.way);
        EXPECT_EQ(IDCANCEL, EndWith(way.end));
    }
}

namespace
{
int IconWidth(HICON hIcon)
{
    ICONINFO info = {};
    if (!GetIconInfo(hIcon, &info))
        return 0;
    COwnedHandle<HBITMAP, &::DeleteObject> mask(info.hbmMask), colour(info.hbmColor);
    BITMAP bitmap = {};
    GetObjectW(mask.get(), sizeof(bitmap), &bitmap);
    return bitmap.bmWidth;
}

HICON WindowIcon(HWND hDlg, WPARAM type)
{
    return reinterpret_cast<HICON>(SendMessageW(hDlg, WM_GETICON, type, 0));
}
}

TEST_F(MainDialogTest, UsesTheApplicationIconInTheSystemsSizesAndAsDragIcon)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [](HWND hDlg) {
        EXPECT_EQ(GetSystemMetrics(SM_CXICON), IconWidth(WindowIcon(hDlg, ICON_BIG)));
        EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), IconWidth(WindowIcon(hDlg, ICON_SMALL)));
        EXPECT_EQ(GetSystemMetrics(SM_CXICON),
                  IconWidth(reinterpret_cast<HICON>(SendMessageW(hDlg, WM_QUERYDRAGICON, 0, 0))));
    });
}

TEST_F(MainDialogTest, MovedToAMonitorOfDoubleScaleTakesItsPlaceAndIconsForIt)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [](HWND hDlg) {
        RECT rc;
        GetWindowRect(hDlg, &rc);
        RECT suggested = { rc.left + 10, rc.top + 20, rc.left + 10 + 2 * (rc.right - rc.left),
                           rc.top + 20 + 2 * (rc.bottom - rc.top) };
        // OK's distance to the client area's bottom-right corner.
        auto okFromCorner = [&] {
            RECT client, ok;
            GetClientRect(hDlg, &client);
            GetWindowRect(GetDlgItem(hDlg, IDOK), &ok);
            MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&ok), 2);
            return std::make_pair(client.right - ok.right, client.bottom - ok.bottom);
        };
        const auto before = okFromCorner();
        const UINT dpi = 2 * USER_DEFAULT_SCREEN_DPI;
        // What Windows sends after the dialog manager has scaled the layout;
        // wine itself never moves a window to another scale.
        SendMessageW(hDlg, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(hDlg, &rc);
        EXPECT_TRUE(EqualRect(&suggested, &rc));
        // Wine keeps the font: the layout stays, and the room it gains goes
        // to the list.
        EXPECT_EQ(before, okFromCorner());
        EXPECT_EQ(2 * GetSystemMetrics(SM_CXICON), IconWidth(WindowIcon(hDlg, ICON_BIG)));
        EXPECT_EQ(2 * GetSystemMetrics(SM_CXSMICON), IconWidth(WindowIcon(hDlg, ICON_SMALL)));
    });
}

namespace
{
COLORREF FaceColour(HWND hDlg)
{
    HBRUSH hBrush = reinterpret_cast<HBRUSH>(SendMessageW(hDlg, WM_CTLCOLORDLG, 0, reinterpret_cast<LPARAM>(hDlg)));
    LOGBRUSH logBrush = {};
    GetObjectW(hBrush, sizeof(logBrush), &logBrush);
    return logBrush.lbColor;
}
}

// Wine cannot switch a high-contrast theme on (SPI_SETHIGHCONTRAST fails):
// Luna stands in for it here, as it also gives the system's colours.
TEST_F(MainDialogTest, SystemColourChangeRepaintsTheFaceInTheNewScheme)
{
    const bool bLuna = CorvelAPI::EnableLuna(false);
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [](HWND hDlg) {
        const COLORREF flat = FaceColour(hDlg);
        CorvelAPI::EnableLuna(true);
        SendMessageW(hDlg, WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), FaceColour(hDlg));
        EXPECT_NE(flat, FaceColour(hDlg));
    });
    CorvelAPI::EnableLuna(bLuna);
}

TEST_F(MainDialogTest, TheSizeGripSizesFromTheCornerUnlessMaximised)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [](HWND hDlg) {
        auto hitAt = [&](int fromRight, int fromBottom) {
            RECT client;
            GetClientRect(hDlg, &client);
            POINT point = { client.right - 1 - fromRight, client.bottom - 1 - fromBottom };
            ClientToScreen(hDlg, &point);
            return SendMessageW(hDlg, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
        };
        const int grip = GetSystemMetrics(SM_CXVSCROLL);
        EXPECT_EQ(HTBOTTOMRIGHT, hitAt(0, 0));
        EXPECT_EQ(HTBOTTOMRIGHT, hitAt(grip - 1, 0));
        EXPECT_EQ(HTCLIENT, hitAt(grip, 0));
        ShowWindow(hDlg, SW_MAXIMIZE);
        EXPECT_EQ(HTCLIENT, hitAt(0, 0));
    });
}

TEST_F(MainDialogTest, OwnerDrawnRowsShowTheirText)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        HWND hList = List(hDlg);
        dlg.LoadCatalogue({ { L"Product 0", L"Description text" } });
        UpdateWindow(hList);
        RECT rcRow = { LVIR_BOUNDS, 0, 0, 0 };
        SendMessageW(hList, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rcRow));
        // Something other than the row's background colour was drawn in each cell.
        CClientDC hdc(hList);
        const COLORREF background = GetPixel(hdc, rcRow.right - 2, rcRow.top + 1);
        const LRESULT width0 = SendMessageW(hList, LVM_GETCOLUMNWIDTH, 0, 0);
        int inked0 = 0, inked1 = 0;
        for (int y = rcRow.top; y < rcRow.bottom; ++y)
            for (int x = rcRow.left; x < rcRow.left + width0 + 120 && x < rcRow.right; ++x)
                if (GetPixel(hdc, x, y) != background)
                    ++(x < rcRow.left + width0 ? inked0 : inked1);
        EXPECT_GT(inked0, 10);
        EXPECT_GT(inked1, 10);
    });
}

// The main dialog itself shows no message box; one it owns must go with it
// all the same. A halt message posted without a request changes nothing.
TEST_F(MainDialogTest, AHaltEndsAMessageBoxTheDialogOwnsAndThenTheDialog)
{
    CHaltRequest halt;
    CSoftwareInfoDialog dlg(nullptr, &halt);
    const INT_PTR result = RunDialog(dlg, [&](HWND hDlg) {
        PostMessageW(hDlg, CHaltRequest::kMessage, 0, 0);
        PumpMessages();
        ASSERT_TRUE(IsWindowVisible(hDlg)) << "no request was raised";

        bool bBoxEnded = false;
        HandleDialogsDuring(
            L"Box", [&] { MessageBoxW(hDlg, L"Text", L"Box", MB_OK); },
            [&](HWND hBox) {
                halt.Raise();
                bBoxEnded = PumpMessagesUntil([&] { return !IsWindowVisible(hBox); });
            });
        EXPECT_TRUE(bBoxEnded);
        EXPECT_FALSE(IsWindowVisible(hDlg)) << "the dialog has ended too";
    });
    EXPECT_EQ(IDCANCEL, result);
}

TEST_F(MainDialogTest, AHaltRaisedBeforeTheDialogEndsItBeforeItShows)
{
    CHaltRequest halt;
    halt.Raise();
    CSoftwareInfoDialog dlg(nullptr, &halt);
    bool bShown = false;
    EXPECT_EQ(IDCANCEL, RunDialog(dlg, [&](HWND) { bShown = true; }));
    EXPECT_FALSE(bShown);
}
