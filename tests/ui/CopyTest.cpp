// Copying the main dialog's list: the text it makes, Ctrl+C from every
// control, the list's context menu and a clipboard another program holds.
#include <Clipboard.h>
#include <DebugOutputMonitor.h>
#include <DialogDriver.h>
#include <ListCopy.h>
#include <ResourceModule.h>
#include <SoftwareInfoDialog.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <optional>
#include <vector>

namespace
{
const DWORD kTimeout = 5000;

class CopyTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadResourceModule()); }
    void SetUp() override { ASSERT_TRUE(EmptyTheClipboard()); }
};

const wchar_t kTwoRows[] = L"Software\tDescription\r\nAlpha\tFirst product\r\nbeta\tSecond product\r\n";

// The popup menu this thread shows: its item texts are recorded and its
// first item chosen with the keyboard.
std::vector<CString> g_menuItems;
void CALLBACK ChooseFirstMenuItem(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    HWND hMenuWnd = FindWindowW(L"#32768", nullptr);
    if (!hMenuWnd || !IsWindowVisible(hMenuWnd))
        return;
    KillTimer(nullptr, idEvent);
    HMENU hMenu = reinterpret_cast<HMENU>(SendMessageW(hMenuWnd, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(hMenu); ++i)
    {
        wchar_t text[64] = {};
        GetMenuStringW(hMenu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        g_menuItems.push_back(text);
    }
    for (WPARAM key : { VK_DOWN, VK_RETURN })
        PostMessageW(hMenuWnd, WM_KEYDOWN, key, 0);
}
}

TEST_F(CopyTest, ListTextHasHeadingsThenTheShownRowsInDisplayOrderTabSeparatedEachLineEndedByCrLf)
{
    const struct
    {
        CCatalogue rows;
        CSortOrder order;
        LPCWSTR search;
        LPCWSTR expected;
    } cases[] = {
        { {}, {}, L"", L"Software\tDescription\r\n" },
        { { { L"Alpha", L"First product" }, { L"beta", L"Second product" } }, {}, L"", kTwoRows },
        { { { L"Only a name", L"" } }, {}, L"", L"Software\tDescription\r\nOnly a name\t\r\n" },
        // A tab or a line break in a cell would start another cell or line.
        { { { L"\u30BD\u30D5\u30C8", L"a\tb" } }, {}, L"", L"Software\tDescription\r\n\u30BD\u30D5\u30C8\ta b\r\n" },
        { { { L"Two\r\nlines", L"one\nand\rtwo" } }, {}, L"", L"Software\tDescription\r\nTwo  lines\tone and two\r\n" },
        // What the list shows: in its order, as far as the rows hold the search.
        { { { L"Alpha", L"First product" }, { L"beta", L"Second product" } },
          { CCatalogueColumn::Software, true },
          L"",
          L"Software\tDescription\r\nbeta\tSecond product\r\nAlpha\tFirst product\r\n" },
        { { { L"Alpha", L"First product" }, { L"beta", L"Second product" } },
          {},
          L"second",
          L"Software\tDescription\r\nbeta\tSecond product\r\n" },
    };
    for (const auto& c : cases)
    {
        CCatalogueView view;
        view.SortBy(c.order);
        view.Search(c.search);
        view.Load(c.rows);
        EXPECT_STREQ(c.expected, ListText(view));
    }
}

TEST_F(CopyTest, CtrlCCopiesTheListWhicheverControlHasTheFocus)
{
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        dlg.LoadCatalogue({ { L"Alpha", L"First product" }, { L"beta", L"Second product" } });
        SetForegroundWindow(hDlg);
        for (int id : { IDC_SOFTWARE_LIST, IDOK, IDC_SEARCH_BOX })
        {
            ASSERT_TRUE(EmptyTheClipboard());
            SetFocus(GetDlgItem(hDlg, id));
            PressCtrlWith('C');
            EXPECT_STREQ(kTwoRows, WaitForClipboardText(kTimeout)) << "focus on control " << id;
        }
        EXPECT_EQ(0, SendMessageW(GetDlgItem(hDlg, IDC_SOFTWARE_LIST), LVM_GETSELECTEDCOUNT, 0, 0));
    });
}

TEST_F(CopyTest, ListContextMenuHasCopyThatCopiesTheListAndTheSortEntry)
{
    CSoftwareInfoDialog dlg;
    g_menuItems.clear();
    RunDialog(dlg, [&](HWND hDlg) {
        HWND hList = GetDlgItem(hDlg, IDC_SOFTWARE_LIST);
        dlg.LoadCatalogue({ { L"Alpha", L"First product" }, { L"beta", L"Second product" } });
        SetForegroundWindow(hDlg);
        SetTimer(nullptr, 0, 20, &ChooseFirstMenuItem);
        RECT rc;
        GetWindowRect(hList, &rc);
        PostMessageW(hList, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hList), MAKELPARAM(rc.left + 20, rc.top + 40));
        EXPECT_STREQ(kTwoRows, WaitForClipboardText(kTimeout));
    });
    ASSERT_EQ(4u, g_menuItems.size());
    EXPECT_STREQ(L"&Copy\tCtrl+C", g_menuItems[0]);
    EXPECT_STREQ(L"&Save list as\u2026\tCtrl+S", g_menuItems[1]);
    EXPECT_STREQ(L"Sort &by", g_menuItems[3]);
}

TEST_F(CopyTest, CopyWaitsAboutHalfASecondForAClipboardHeldByAnotherProgramThenGivesUpWithItsCause)
{
    const struct
    {
        const char* hold;
        DWORD heldFor;
        bool copied;
    } cases[] = {
        { "not held", 0, true },
        // Released while the copy tries again.
        { "held for a moment", 150, true },
        { "held throughout", INFINITE, false },
    };
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        for (const auto& c : cases)
        {
            ASSERT_TRUE(EmptyTheClipboard());
            CDebugOutputMonitor monitor;
            {
                std::optional<CClipboardHolder> holder;
                if (c.heldFor)
                    holder.emplace(c.heldFor);
                SendMessageW(hDlg, WM_COMMAND, IDM_COPY, 0);
            }
            EXPECT_STREQ(c.copied ? L"Software\tDescription\r\n" : L"", ClipboardText()) << c.hold;
            if (!c.copied)
            {
                EXPECT_TRUE(PumpMessagesUntil([&] {
                    return monitor.Text().find("SoftwareInfo: another program held the clipboard open") !=
                           std::string::npos;
                })) << c.hold;
            }
        }
    });
}
