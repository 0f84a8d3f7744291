// The main dialog's list between keyboard and mouse: the focus frame
// follows the keyboard cues, and the tip gives the whole text of cells cut
// short.
#include <DialogDriver.h>
#include <ResourceModule.h>
#include <SoftwareInfoDialog.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <utility>
#include <vector>

namespace
{
class ListKeyboardTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadResourceModule()); }
};

RECT RowBounds(HWND hList, int row)
{
    RECT rc = { LVIR_BOUNDS, 0, 0, 0 };
    SendMessageW(hList, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rc));
    return rc;
}

// Posts the messages, mouse messages at the point, and lets the list handle them.
void Post(HWND hList, const std::vector<std::pair<UINT, WPARAM>>& messages, POINT point = {})
{
    for (const auto& [message, wParam] : messages)
        PostMessageW(hList, message, wParam,
                     message >= WM_MOUSEFIRST && message <= WM_MOUSELAST ? MAKELPARAM(point.x, point.y) : 0);
    PumpMessages();
}

// The system's "always show keyboard cues" for the scope.
class CKeyboardCues
{
public:
    explicit CKeyboardCues(BOOL bAlways)
    {
        SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &m_bSaved, 0);
        EXPECT_TRUE(SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<PVOID>(INT_PTR{ bAlways }), 0));
    }
    ~CKeyboardCues() { SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<PVOID>(INT_PTR{ m_bSaved }), 0); }
    CKeyboardCues(const CKeyboardCues&) = delete;
    CKeyboardCues& operator=(const CKeyboardCues&) = delete;

private:
    BOOL m_bSaved = TRUE;
};
}

TEST_F(ListKeyboardTest, FocusFrameHidesAfterAClickUntilAKeyIsPressedUnlessTheCuesAlwaysShow)
{
    const std::pair<UINT, WPARAM> down = { WM_LBUTTONDOWN, MK_LBUTTON }, up = { WM_LBUTTONUP, 0 },
                                  key = { WM_KEYDOWN, VK_DOWN },
                                  // What Windows sends when the dialog's cues are hidden.
        hide = { WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS) };
    const struct
    {
        const char* inputs;
        BOOL alwaysShow;
        std::vector<std::pair<UINT, WPARAM>> messages;
        bool shown;
    } cases[] = {
        { "a click", FALSE, { down, up }, false },
        { "a click, then a key", FALSE, { down, up, key }, true },
        { "a click with the cues always shown", TRUE, { down, up }, true },
        { "the dialog's cues hidden", FALSE, { hide }, false },
    };
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        HWND hList = GetDlgItem(hDlg, IDC_SOFTWARE_LIST);
        dlg.LoadCatalogue(CCatalogue(4, { L"Product", L"Description" }));
        SetFocus(hList);
        const RECT row1 = RowBounds(hList, 1);
        for (const auto& c : cases)
        {
            CKeyboardCues cues(c.alwaysShow);
            Post(hList, { { WM_KEYDOWN, VK_HOME } });
            Post(hList, c.messages, { row1.left + 20, row1.top + 5 });
            // Framed: the focused row's top line is not the row's colour.
            UpdateWindow(hList);
            const RECT rc = RowBounds(
                hList, static_cast<int>(SendMessageW(hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED)));
            CClientDC dc(hList);
            EXPECT_EQ(c.shown, GetPixel(dc, rc.left + 40, rc.top) != GetPixel(dc, rc.left + 40, rc.top + 2))
                << c.inputs;
        }
    });
}

namespace
{
// The list's tip for the row reached with keys (its tracking tool) or for
// the cell under the pointer: its window and the text it gives now.
std::pair<HWND, CString> ListTip(HWND hList, bool bRow)
{
    for (HWND hTip = nullptr; (hTip = FindWindowExW(nullptr, hTip, TOOLTIPS_CLASSW, nullptr)) != nullptr;)
    {
        for (WPARAM i = 0, count = SendMessageW(hTip, TTM_GETTOOLCOUNT, 0, 0); i < count; ++i)
        {
            TTTOOLINFOW tool = {};
            tool.cbSize = TTTOOLINFOW_V2_SIZE;
            SendMessageW(hTip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool));
            if (tool.hwnd != hList || ((tool.uFlags & TTF_TRACK) != 0) != bRow)
                continue;
            std::vector<wchar_t> text(2048);
            tool.lpszText = text.data();
            SendMessageW(hTip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
            return { hTip, text.data() };
        }
    }
    return {};
}
}

TEST_F(ListKeyboardTest, TipGivesTheWholeTextOfTheCellCutShortUnderThePointerOrOfTheRowReachedWithKeys)
{
    const CString longName = L"Gamma, a name much longer than its heading";
    const CString longDescription = CString(L"A description running past the list's edge: ") + CString(L'x', 200);
    // Keys first: the row's tip stays until the pointer's takes its window.
    const struct
    {
        bool bRow;
        int row, column;
        CString expected;
    } cases[] = {
        { true, 1, 0, CString(L"Beta\r\n") + longDescription },
        { true, 0, 0, L"" },
        { false, 1, 1, longDescription },
        { false, 2, 0, longName },
        { false, 0, 1, L"" },
    };
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        HWND hList = GetDlgItem(hDlg, IDC_SOFTWARE_LIST);
        // The columns keep the widths they took for the empty list.
        dlg.LoadCatalogue({ { L"Alpha", L"Short" }, { L"Beta", longDescription }, { longName, L"Short" } });
        SetFocus(hList);
        const int nameWidth = static_cast<int>(SendMessageW(hList, LVM_GETCOLUMNWIDTH, 0, 0));
        for (const auto& c : cases)
        {
            const RECT rc = RowBounds(hList, c.row);
            if (c.bRow)
                Post(hList, { { WM_KEYDOWN, VK_HOME }, { WM_KEYDOWN, c.row ? VK_DOWN : VK_HOME } });
            else
                Post(hList, { { WM_MOUSEMOVE, 0 } }, { rc.left + 10 + (c.column ? nameWidth : 0), rc.top + 5 });
            if (c.bRow && !c.expected.IsEmpty())
            {
                EXPECT_TRUE(PumpMessagesUntil([&] { return IsWindowVisible(ListTip(hList, true).first); }));
            }
            EXPECT_STREQ(c.expected, ListTip(hList, c.bRow).second) << "row " << c.row << ", column " << c.column;
        }
    });
}
