// What the main dialog keeps between starts: the values it takes back from
// the user's profile and where it puts a window from them. (FindAProductTest
// restarts the program.)
#include <DialogMemory.h>
#include <TestApplication.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace
{
class DialogMemoryTest : public ::testing::Test
{
protected:
    CTestApplication m_app{ L"ui_tests" };
};

// The values as a line, to compare.
std::string Described(const CDialogMemory& m)
{
    std::ostringstream out;
    out << "at " << m.m_ptTopLeft.x << "," << m.m_ptTopLeft.y << " extra " << m.m_sizeExtra.cx << "x"
        << m.m_sizeExtra.cy << (m.m_bMaximized ? " maximised" : "") << " column "
        << static_cast<int>(m.m_order.m_column) << (m.m_order.m_bDescending ? " descending" : "");
    return out.str();
}
}

TEST_F(DialogMemoryTest, TakesBackEachValueItCanUseAndTheDefaultForAnyOther)
{
    CDialogMemory defaults;
    defaults.m_ptTopLeft = { 10, 20 };
    const char* const kDefaults = "at 10,20 extra 0x0 column 0";
    const struct
    {
        const char* what;
        std::vector<std::pair<LPCWSTR, DWORD>> stored;
        const char* expected;
    } cases[] = {
        { "nothing kept", {}, kDefaults },
        { "all kept",
          { { L"Left", static_cast<DWORD>(-300) },
            { L"Top", 40 },
            { L"ExtraWidth", 200 },
            { L"ExtraHeight", 100 },
            { L"Maximized", 1 },
            { L"SortColumn", 1 },
            { L"SortDescending", 1 } },
          "at -300,40 extra 200x100 maximised column 1 descending" },
        { "smaller than the layout", { { L"ExtraWidth", static_cast<DWORD>(-50) } }, kDefaults },
        { "beyond any screen",
          { { L"Left", 0x7FFFFFFF }, { L"Top", 0x80000000 }, { L"ExtraWidth", 0x7FFFFFFF } },
          "at 1048576,-1048576 extra 1048576x0 column 0" },
        { "a column the list has not", { { L"SortColumn", 2 } }, kDefaults },
        { "flags other than 0 or 1", { { L"Maximized", 2 }, { L"SortDescending", 7 } }, kDefaults },
    };
    for (const auto& c : cases)
    {
        m_app.Forget();
        for (const auto& [entry, value] : c.stored)
            ASSERT_TRUE(m_app.Store(L"Main Dialog", entry, REG_DWORD, &value, sizeof(value))) << c.what;
        EXPECT_EQ(c.expected, Described(RecallDialog(defaults))) << c.what;
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
