#include <DialogDriver.h>
#include <ResourceModule.h>
#include <SoftwareInfoDialog.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <commctrl.h>

namespace
{
class MainDialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadResourceModule()); }

    static HWND List(HWND hDlg) { return GetDlgItem(hDlg, IDC_SOFTWARE_LIST); }

    static void AddRows(HWND hList, int count)
    {
        for (int i = 0; i < count; ++i)
        {
            wchar_t name[32];
            wsprintfW(name, L"Product %d", i);
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = name;
            SendMessageW(hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
    }

    static int SelectedCount(HWND hList)
    {
        return static_cast<int>(SendMessageW(hList, LVM_GETSELECTEDCOUNT, 0, 0));
    }

    static UINT State(HWND hList, int item, UINT mask)
    {
        return static_cast<UINT>(SendMessageW(hList, LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
    }
};

CString HeaderText(HWND hList, int column)
{
    wchar_t text[64] = {};
    HDITEMW item = {};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(reinterpret_cast<HWND>(SendMessageW(hList, LVM_GETHEADER, 0, 0)), HDM_GETITEMW,
                 static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    return CString(text);
}
}

TEST_F(MainDialogTest, ShowsCaptionGroupFrameAndTwoHeadingsWithNoRows)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [](HWND hDlg) {
        EXPECT_STREQ(L"Software Information", WindowText(hDlg));
        EXPECT_STREQ(L"Software Information", WindowText(GetDlgItem(hDlg, IDC_SOFTWARE_GROUP)));
        HWND hList = List(hDlg);
        EXPECT_STREQ(L"Software", HeaderText(hList, 0));
        EXPECT_STREQ(L"Description", HeaderText(hList, 1));
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
    RunDialog(dlg, [](HWND hDlg) {
        HWND hList = List(hDlg);
        AddRows(hList, 5);
        RECT rcItem = { LVIR_BOUNDS, 0, 0, 0 };
        SendMessageW(hList, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rcItem));
        const LPARAM point = MAKELPARAM(rcItem.left + 20, (rcItem.top + rcItem.bottom) / 2);
        PostMessageW(hList, WM_LBUTTONDOWN, MK_LBUTTON, point);
        PostMessageW(hList, WM_LBUTTONUP, 0, point);
        PumpMessages(200);
        EXPECT_EQ(0, SelectedCount(hList));
        EXPECT_EQ(static_cast<UINT>(LVIS_FOCUSED), State(hList, 2, LVIS_FOCUSED));
        EXPECT_EQ(5, SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0));
    });
}

TEST_F(MainDialogTest, KeyboardMovesLeaveNothingSelected)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [](HWND hDlg) {
        HWND hList = List(hDlg);
        AddRows(hList, 5);
        SetFocus(hList);
        for (WPARAM key : { VK_DOWN, VK_DOWN, VK_END, VK_UP })
        {
            PostMessageW(hList, WM_KEYDOWN, key, 0);
            PostMessageW(hList, WM_KEYUP, key, 0xC0000000);
            PumpMessages(60);
            EXPECT_EQ(0, SelectedCount(hList)) << "after key " << key;
        }
        EXPECT_EQ(static_cast<UINT>(LVIS_FOCUSED), State(hList, 3, LVIS_FOCUSED));
    });
}

TEST_F(MainDialogTest, SelectionSetByProgramIsClearedAtOnce)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [](HWND hDlg) {
        HWND hList = List(hDlg);
        AddRows(hList, 3);
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
        PumpMessages(100);
        // An ended dialog is hidden at once and destroyed when its loop returns.
        closed = !IsWindow(hDlg) || !IsWindowVisible(hDlg);
    });
    EXPECT_TRUE(closed);
    return result;
}
}

TEST_F(MainDialogTest, EveryWayOfEndingReturnsCancel)
{
    EXPECT_EQ(IDCANCEL, EndWith([](HWND hDlg) {
        SendMessageW(GetDlgItem(hDlg, IDOK), BM_CLICK, 0, 0);
    })) << "OK button";
    EXPECT_EQ(IDCANCEL, EndWith([](HWND hDlg) {
        HWND hList = GetDlgItem(hDlg, IDC_SOFTWARE_LIST);
        SetFocus(hList);
        PostMessageW(hList, WM_KEYDOWN, VK_RETURN, 0);
    })) << "Enter";
    EXPECT_EQ(IDCANCEL, EndWith([](HWND hDlg) {
        HWND hList = GetDlgItem(hDlg, IDC_SOFTWARE_LIST);
        SetFocus(hList);
        PostMessageW(hList, WM_KEYDOWN, VK_ESCAPE, 0);
    })) << "Escape";
    EXPECT_EQ(IDCANCEL, EndWith([](HWND hDlg) {
        PostMessageW(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0);
    })) << "close box";
    EXPECT_EQ(IDCANCEL, EndWith([](HWND hDlg) {
        PostMessageW(hDlg, WM_CLOSE, 0, 0);
    })) << "WM_CLOSE from another thread or process";
}

TEST_F(MainDialogTest, UsesTheApplicationIconForWindowAndDragIcon)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [](HWND hDlg) {
        HICON hBig = reinterpret_cast<HICON>(SendMessageW(hDlg, WM_GETICON, ICON_BIG, 0));
        HICON hSmall = reinterpret_cast<HICON>(SendMessageW(hDlg, WM_GETICON, ICON_SMALL, 0));
        ASSERT_NE(nullptr, hBig);
        EXPECT_EQ(hBig, hSmall);
        EXPECT_EQ(reinterpret_cast<LRESULT>(hBig), SendMessageW(hDlg, WM_QUERYDRAGICON, 0, 0));
    });
}

TEST_F(MainDialogTest, OwnerDrawnRowsShowTheirText)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [](HWND hDlg) {
        HWND hList = List(hDlg);
        AddRows(hList, 1);
        LVITEMW sub = {};
        sub.iSubItem = 1;
        sub.pszText = const_cast<LPWSTR>(L"Description text");
        SendMessageW(hList, LVM_SETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&sub));
        UpdateWindow(hList);
        RECT rcRow = { LVIR_BOUNDS, 0, 0, 0 };
        SendMessageW(hList, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rcRow));
        // Something other than the row's background colour was drawn in each cell.
        HDC hdc = GetDC(hList);
        const COLORREF background = GetPixel(hdc, rcRow.right - 2, rcRow.top + 1);
        const LRESULT width0 = SendMessageW(hList, LVM_GETCOLUMNWIDTH, 0, 0);
        int inked0 = 0, inked1 = 0;
        for (int y = rcRow.top; y < rcRow.bottom; ++y)
            for (int x = rcRow.left; x < rcRow.left + width0 + 120 && x < rcRow.right; ++x)
                if (GetPixel(hdc, x, y) != background)
                    ++(x < rcRow.left + width0 ? inked0 : inked1);
        ReleaseDC(hList, hdc);
        EXPECT_GT(inked0, 10);
        EXPECT_GT(inked1, 10);
    });
}
