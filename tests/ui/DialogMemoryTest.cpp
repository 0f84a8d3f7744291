// What the main dialog keeps between starts: the values it takes back from
// the user's profile, where it puts a window from them, and the dialog
// coming back as it was left.
#include <DialogDriver.h>
#include <DialogMemory.h>
#include <ProgramRunner.h>
#include <ResourceModule.h>
#include <SoftwareInfoDialog.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <utility>
#include <vector>

namespace
{
const wchar_t kTestsKey[] = L"Software\\SoftwareInfo Tests";
const wchar_t kSectionKey[] = L"Software\\SoftwareInfo Tests\\ui_tests\\Main Dialog";

// An application whose profile lies under a key of the tests' own, empty at
// the start and removed at the end.
class DialogMemoryTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadResourceModule()); }
    DialogMemoryTest() : m_app(L"ui_tests")
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestsKey);
        m_app.SetRegistryKey(L"SoftwareInfo Tests");
    }
    ~DialogMemoryTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestsKey); }

    CWinApp m_app;
};

bool Store(LPCWSTR entry, DWORD value)
{
    return RegSetKeyValueW(HKEY_CURRENT_USER, kSectionKey, entry, REG_DWORD, &value, sizeof(value)) == ERROR_SUCCESS;
}

CDialogMemory Memory(POINT ptTopLeft, SIZE sizeExtra, bool bMaximized, CSortOrder order)
{
    CDialogMemory memory;
    memory.m_ptTopLeft = ptTopLeft;
    memory.m_sizeExtra = sizeExtra;
    memory.m_bMaximized = bMaximized;
    memory.m_order = order;
    return memory;
}
}

// Found by the comparisons of the test macros.
static bool operator==(const CDialogMemory& a, const CDialogMemory& b)
{
    return a.m_ptTopLeft.x == b.m_ptTopLeft.x && a.m_ptTopLeft.y == b.m_ptTopLeft.y &&
           a.m_sizeExtra.cx == b.m_sizeExtra.cx && a.m_sizeExtra.cy == b.m_sizeExtra.cy &&
           a.m_bMaximized == b.m_bMaximized && a.m_order == b.m_order;
}

static std::ostream& operator<<(std::ostream& out, const CDialogMemory& m)
{
    return out << "at " << m.m_ptTopLeft.x << "," << m.m_ptTopLeft.y << " extra " << m.m_sizeExtra.cx << "x"
               << m.m_sizeExtra.cy << (m.m_bMaximized ? " maximised" : "") << " column "
               << static_cast<int>(m.m_order.m_column) << (m.m_order.m_bDescending ? " descending" : "");
}

TEST_F(DialogMemoryTest, TakesBackEachValueItCanUseAndTheDefaultForAnyOther)
{
    const CSortOrder byName, byDescriptionDown = { CCatalogueColumn::Description, true };
    const CDialogMemory defaults = Memory({ 10, 20 }, { 0, 0 }, false, byName);
    const DWORD farthest = 1 << 20;
    const struct
    {
        const char* what;
        std::vector<std::pair<LPCWSTR, DWORD>> stored;
        CDialogMemory expected;
    } cases[] = {
        { "nothing kept", {}, defaults },
        { "all kept",
          { { L"Left", static_cast<DWORD>(-300) },
            { L"Top", 40 },
            { L"ExtraWidth", 200 },
            { L"ExtraHeight", 100 },
            { L"Maximized", 1 },
            { L"SortColumn", 1 },
            { L"SortDescending", 1 } },
          Memory({ -300, 40 }, { 200, 100 }, true, byDescriptionDown) },
        { "smaller than the layout", { { L"ExtraWidth", static_cast<DWORD>(-50) } }, defaults },
        { "beyond any screen",
          { { L"Left", 0x7FFFFFFF }, { L"Top", 0x80000000 }, { L"ExtraWidth", 0x7FFFFFFF } },
          Memory({ static_cast<LONG>(farthest), -static_cast<LONG>(farthest) }, { static_cast<LONG>(farthest), 0 },
                 false, byName) },
        { "a column the list has not", { { L"SortColumn", 2 } }, defaults },
        { "flags other than 0 or 1", { { L"Maximized", 2 }, { L"SortDescending", 7 } }, defaults },
    };
    for (const auto& c : cases)
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestsKey);
        for (const auto& [entry, value] : c.stored)
            ASSERT_TRUE(Store(entry, value)) << c.what;
        EXPECT_EQ(c.expected, RecallDialog(defaults)) << c.what;
    }
}

TEST(DialogPlacement, TheWindowShowsWholeOnTheWorkAreaAtLeastAsLargeAsTheLayout)
{
    const RECT work = { 0, 0, 1280, 1000 };
    // A second monitor right of the first, with a task bar at its top.
    const RECT second = { 1280, 40, 2560, 1024 };
    const SIZE layout = { 600, 500 };
    const struct
    {
        const char* what;
        POINT topLeft;
        SIZE size;
        RECT workArea;
        RECT expected;
    } cases[] = {
        { "where it was", { 100, 50 }, { 800, 600 }, work, { 100, 50, 900, 650 } },
        { "larger than the work area", { 100, 50 }, { 3000, 2000 }, work, { 0, 0, 1280, 1000 } },
        { "smaller than the layout", { 100, 50 }, { 300, 200 }, work, { 100, 50, 700, 550 } },
        { "off every monitor, above and left", { -5000, -5000 }, { 800, 600 }, work, { 0, 0, 800, 600 } },
        { "off every monitor, below and right", { 5000, 5000 }, { 800, 600 }, work, { 480, 400, 1280, 1000 } },
        { "partly off", { 1000, 900 }, { 800, 600 }, work, { 480, 400, 1280, 1000 } },
        { "under the task bar", { 1500, 0 }, { 800, 600 }, second, { 1500, 40, 2300, 640 } },
    };
    for (const auto& c : cases)
    {
        const RECT rc = FitOnWorkArea(c.topLeft, c.size, layout, c.workArea);
        EXPECT_TRUE(EqualRect(&c.expected, &rc))
            << c.what << ": " << rc.left << "," << rc.top << " " << rc.right << "," << rc.bottom;
    }
}

// Maximised is kept too, but wine's dialog manager restores a dialog when
// its loop first goes idle, which in these tests may come after the test's
// own steps: the program's test (FindAProductTest) shows it.
TEST_F(DialogMemoryTest, TheDialogComesBackAtItsPlaceSizeAndSortWithoutTheSearch)
{
    const CCatalogue products = { { L"Alpha", L"Second" }, { L"Beta", L"First" } };
    RECT left = {};
    {
        CSoftwareInfoDialog dlg;
        RunDialog(dlg, [&](HWND hDlg) {
            dlg.LoadCatalogue(products);
            SendMessageW(hDlg, WM_COMMAND, IDM_SORT_DESCRIPTION, 0);
            SendMessageW(hDlg, WM_COMMAND, IDM_SORT_DESCENDING, 0);
            SetWindowTextW(GetDlgItem(hDlg, IDC_SEARCH_BOX), L"alpha");
            RECT rc;
            GetWindowRect(hDlg, &rc);
            SetWindowPos(hDlg, nullptr, 30, 40, rc.right - rc.left + 200, rc.bottom - rc.top + 100,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            GetWindowRect(hDlg, &left);
        });
    }
    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        dlg.LoadCatalogue(products);
        RECT rc;
        GetWindowRect(hDlg, &rc);
        EXPECT_TRUE(EqualRect(&left, &rc)) << rc.left << "," << rc.top << " " << rc.right << "," << rc.bottom;
        EXPECT_STREQ(L"", WindowText(GetDlgItem(hDlg, IDC_SEARCH_BOX)));
        EXPECT_STREQ(L"", dlg.View().SearchText());
        EXPECT_TRUE(dlg.View().Order() == CSortOrder({ CCatalogueColumn::Description, true }));
        HWND hList = GetDlgItem(hDlg, IDC_SOFTWARE_LIST);
        EXPECT_EQ(HDF_SORTDOWN, HeadingSortArrow(GetCurrentProcess(), hList, 1));
        EXPECT_EQ(0, HeadingSortArrow(GetCurrentProcess(), hList, 0));
        const auto rows = ListRows(GetCurrentProcess(), hList);
        ASSERT_EQ(2u, rows.size());
        EXPECT_STREQ(L"Alpha", rows[0].first);
    });
}
