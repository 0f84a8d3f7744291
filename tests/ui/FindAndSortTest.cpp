// Finding a product in the main dialog: the list's context menu sorts it,
// Ctrl+F and the search box narrow it, Escape brings every row back, and the
// list says when nothing matches. (FindAProductTest clicks the headings.)
#include <DialogDriver.h>
#include <ProgramRunner.h>
#include <ResourceModule.h>
#include <SoftwareInfoDialog.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <commctrl.h>

namespace
{
const CCatalogue kShopProducts = {
    { L"Camera Assistant", L"Takes photos" },
    { L"Media Player", L"Plays music" },
    { L"Recovery Centre", L"Restores the camera's settings too" },
};

class FindAndSortTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadResourceModule()); }

    static HWND List(HWND hDlg) { return GetDlgItem(hDlg, IDC_SOFTWARE_LIST); }
    static HWND SearchBox(HWND hDlg) { return GetDlgItem(hDlg, IDC_SEARCH_BOX); }

    static CString ShownNames(HWND hDlg) { return ListNames(GetCurrentProcess(), List(hDlg)); }

    // The products in the dialog's list, which has the focus.
    static HWND ListWithTheProducts(CSoftwareInfoDialog& dlg, HWND hDlg)
    {
        dlg.LoadCatalogue(kShopProducts);
        HWND hList = List(hDlg);
        SetFocus(hList);
        return hList;
    }
};

// The list's context menu this thread shows, gone through with keys: past
// Copy and Save to "Sort by", then its second entry (Description).
void CALLBACK SortByDescriptionFromTheMenu(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    HWND hMenuWnd = FindWindowW(L"#32768", nullptr);
    if (!hMenuWnd || !IsWindowVisible(hMenuWnd))
        return;
    KillTimer(nullptr, idEvent);
    for (WPARAM key : { VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN })
        PostMessageW(hMenuWnd, WM_KEYDOWN, key, 0);
}
}

TEST_F(FindAndSortTest, TheListsContextMenuSortsFromTheKeyboardAndTheFocusedProductKeepsTheFocus)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        HWND hList = ListWithTheProducts(dlg, hDlg);
        // Media Player, the second row, has the focus.
        for (WPARAM key : { VK_HOME, VK_DOWN })
            PostMessageW(hList, WM_KEYDOWN, key, 0);
        PumpMessages();
        SetTimer(nullptr, 0, 20, &SortByDescriptionFromTheMenu);
        PostMessageW(hList, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hList), MAKELPARAM(-1, -1));
        EXPECT_TRUE(PumpMessagesUntil([&] { return dlg.View().Order().m_column == CCatalogueColumn::Description; }));
        EXPECT_STREQ(L"Media Player, Recovery Centre, Camera Assistant", ShownNames(hDlg));
        EXPECT_EQ(0, SendMessageW(hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    });
}

TEST_F(FindAndSortTest, CtrlFPutsTheFocusInTheSearchBoxFromAnywhereInTheDialog)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        SetForegroundWindow(hDlg);
        SetWindowTextW(SearchBox(hDlg), L"camera");
        for (int id : { IDC_SOFTWARE_LIST, IDOK })
        {
            SetFocus(GetDlgItem(hDlg, id));
            PressCtrlWith('F');
            EXPECT_TRUE(PumpMessagesUntil([&] { return GetFocus() == SearchBox(hDlg); })) << "from control " << id;
            // Its text selected, to type over.
            DWORD start = 1, end = 0;
            SendMessageW(SearchBox(hDlg), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            EXPECT_EQ(0u, start);
            EXPECT_EQ(6u, end);
        }
    });
}

TEST_F(FindAndSortTest, TypingShowsTheProductsThatHoldTheTextAndTheColumnsStay)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        dlg.LoadCatalogue(kShopProducts);
        HWND hList = List(hDlg);
        const LRESULT widths[] = { SendMessageW(hList, LVM_GETCOLUMNWIDTH, 0, 0),
                                   SendMessageW(hList, LVM_GETCOLUMNWIDTH, 1, 0) };
        SetFocus(SearchBox(hDlg));
        for (wchar_t ch : { L'C', L'A', L'M' })
            PostMessageW(SearchBox(hDlg), WM_CHAR, ch, 0);
        PumpMessages();
        EXPECT_STREQ(L"Camera Assistant, Recovery Centre", ShownNames(hDlg));
        EXPECT_EQ(widths[0], SendMessageW(hList, LVM_GETCOLUMNWIDTH, 0, 0));
        EXPECT_EQ(widths[1], SendMessageW(hList, LVM_GETCOLUMNWIDTH, 1, 0));
    });
}

namespace
{
// Whether anything but the background shows in the list's area below its
// heading and its rows.
bool ShowsTextInTheEmptyArea(HWND hList)
{
    UpdateWindow(hList);
    RECT rc, header;
    GetClientRect(hList, &rc);
    GetClientRect(reinterpret_cast<HWND>(SendMessageW(hList, LVM_GETHEADER, 0, 0)), &header);
    CClientDC dc(hList);
    const COLORREF background = GetPixel(dc, rc.right - 2, rc.bottom - 2);
    for (int y = header.bottom; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x)
            if (GetPixel(dc, x, y) != background)
                return true;
    return false;
}
}

TEST_F(FindAndSortTest, WhenNothingMatchesTheListSaysSoInItsEmptyArea)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        HWND hList = List(hDlg);
        EXPECT_FALSE(ShowsTextInTheEmptyArea(hList)) << "an empty catalogue";
        dlg.LoadCatalogue(kShopProducts);
        SetWindowTextW(SearchBox(hDlg), L"xyz");
        EXPECT_EQ(0, SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0));
        EXPECT_TRUE(ShowsTextInTheEmptyArea(hList)) << "no match";
        SetWindowTextW(SearchBox(hDlg), L"");
        EXPECT_EQ(3, SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0));
    });
}

TEST_F(FindAndSortTest, EscapeEmptiesABoxWithTextAndEndsTheDialogFromAnEmptyOneEnterMovesOnToTheList)
{
    const struct
    {
        const char* what;
        LPCWSTR text;
        WPARAM key;
        bool ends;
        LPCWSTR textAfter;
        int focusAfter;
    } cases[] = {
        { "Escape with text", L"camera", VK_ESCAPE, false, L"", IDC_SEARCH_BOX },
        { "Enter with text", L"camera", VK_RETURN, false, L"camera", IDC_SOFTWARE_LIST },
        { "Escape in an empty box", L"", VK_ESCAPE, true, L"", 0 },
        { "Enter in an empty box", L"", VK_RETURN, true, L"", 0 },
    };
    for (const auto& c : cases)
    {
        CSoftwareInfoDialog dlg;
        bool ended = false;
        const INT_PTR result = RunDialog(dlg, [&](HWND hDlg) {
            dlg.LoadCatalogue(kShopProducts);
            SetWindowTextW(SearchBox(hDlg), c.text);
            SetFocus(SearchBox(hDlg));
            PostMessageW(SearchBox(hDlg), WM_KEYDOWN, c.key, 0);
            PostMessageW(SearchBox(hDlg), WM_CHAR, c.key, 0);
            PumpMessages();
            ended = !IsWindowVisible(hDlg);
            if (ended)
                return;
            EXPECT_STREQ(c.textAfter, WindowText(SearchBox(hDlg))) << c.what;
            EXPECT_EQ(GetDlgItem(hDlg, c.focusAfter), GetFocus()) << c.what;
            EXPECT_EQ(*c.textAfter ? 2 : 3, SendMessageW(List(hDlg), LVM_GETITEMCOUNT, 0, 0)) << c.what;
        });
        EXPECT_EQ(c.ends, ended) << c.what;
        if (c.ends)
        {
            EXPECT_EQ(IDCANCEL, result) << c.what;
        }
    }
}

TEST_F(FindAndSortTest, LettersTypedInTheListGoOnFromTheFocusedRowToTheFirstThatStartsWithThem)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        HWND hList = ListWithTheProducts(dlg, hDlg);
        PostMessageW(hList, WM_KEYDOWN, VK_END, 0);
        // "me", typed at once: from Recovery Centre round to Media Player.
        for (wchar_t ch : { L'm', L'e' })
            PostMessageW(hList, WM_CHAR, ch, 1);
        PumpMessages();
        EXPECT_EQ(1, SendMessageW(hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
        EXPECT_EQ(0, SendMessageW(hList, LVM_GETSELECTEDCOUNT, 0, 0));
    });
}
