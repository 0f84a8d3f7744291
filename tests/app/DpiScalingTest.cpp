// The built program at 96, 144 and 192 DPI. Wine takes the DPI from the
// user's LogPixels value when a process starts (and has no DPI
// virtualisation and no monitors of different scales: those only Windows
// shows).
#include <DialogDriver.h>
#include <ProfileFiles.h>
#include <ProgramRunner.h>
#include <TestFolders.h>
#include <UserDpi.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <map>

namespace
{
const wchar_t kName[] = L"Quenta Recovery Centre";
const wchar_t kDescription[] = L"Restores the computer to the state it left the factory in";

struct Metrics
{
    int dialogWidth = 0;
    int rowHeight = 0;
    int nameColumn = 0;
    int descriptionColumn = 0;
};

// The dialog font (Tahoma, 8 points) at the DPI: its line height and the
// widths of the row's texts.
struct TextSizes
{
    int lineHeight;
    int nameWidth;
    int descriptionWidth;
};

TextSizes MeasureTexts(UINT dpi)
{
    COwnedHandle<HFONT, &::DeleteObject> font(CreateFontW(-MulDiv(8, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL,
                                                          FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    CClientDC dc(nullptr);
    CSelectedObject selected(dc, font.get());
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    SIZE name = {}, description = {};
    GetTextExtentPoint32W(dc, kName, lstrlenW(kName), &name);
    GetTextExtentPoint32W(dc, kDescription, lstrlenW(kDescription), &description);
    return { tm.tmHeight, name.cx, description.cx };
}

class DpiScalingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CreateDirectoryW(DataFolder(), nullptr);
        ASSERT_TRUE(WriteAnsiIni(DataFolder() + L"\\apps.ini",
                                 CString(L"[") + kName + L"]\r\nCustomerDescription=" + kDescription + L"\r\n"));
    }
    void TearDown() override { RemoveTree(DataFolder()); }

    // The program's dialog at the DPI, measured and closed.
    static Metrics MeasureAt(DWORD dpi)
    {
        Metrics metrics;
        CProgramRunner program(DistFolder() + L"\\ZelSoftwareInfo.exe");
        HWND hDlg = nullptr;
        {
            CUserDpi userDpi(dpi);
            EXPECT_TRUE(userDpi.IsSet());
            hDlg = program.WaitForWindow(L"Software Information", kProgramTimeout);
        }
        EXPECT_NE(nullptr, hDlg);
        if (!hDlg)
            return metrics;
        RECT rc;
        GetClientRect(hDlg, &rc);
        metrics.dialogWidth = rc.right;
        HWND hList = GetDlgItem(hDlg, IDC_SOFTWARE_LIST);
        RECT row = { LVIR_BOUNDS, 0, 0, 0 };
        EXPECT_TRUE(SendMessageWithData(program.Process(), hList, LVM_GETITEMRECT, 0, &row, sizeof(row)));
        metrics.rowHeight = row.bottom - row.top;
        metrics.nameColumn = static_cast<int>(SendMessageW(hList, LVM_GETCOLUMNWIDTH, 0, 0));
        metrics.descriptionColumn = static_cast<int>(SendMessageW(hList, LVM_GETCOLUMNWIDTH, 1, 0));
        PostMessageW(hDlg, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, program.WaitForExit(kProgramTimeout));
        return metrics;
    }
};
}

TEST_F(DpiScalingTest, RowsAndColumnsFitTheirTextAndGrowWithTheDpi)
{
    std::map<UINT, Metrics> measured;
    for (UINT dpi : { 96u, 144u, 192u })
    {
        const Metrics m = MeasureAt(dpi);
        const TextSizes text = MeasureTexts(dpi);
        // Text and a margin of at least 6 pixels at 96 DPI on either side.
        const int margins = MulDiv(12, static_cast<int>(dpi), 96);
        EXPECT_GE(m.rowHeight, text.lineHeight + margins / 3) << dpi << " DPI";
        EXPECT_GE(m.nameColumn, text.nameWidth + margins) << dpi << " DPI";
        EXPECT_GE(m.descriptionColumn, text.descriptionWidth + margins) << dpi << " DPI";
        measured[dpi] = m;
    }
    // Nothing stays at its 96-DPI size (a fifth of leeway: dialog units and
    // text follow the font's metrics, which do not scale exactly).
    const Metrics& base = measured[96];
    for (UINT dpi : { 144u, 192u })
    {
        const Metrics& m = measured[dpi];
        auto scaled = [&](int n) { return MulDiv(n, static_cast<int>(dpi) * 4, 96 * 5); };
        EXPECT_GE(m.dialogWidth, scaled(base.dialogWidth)) << dpi << " DPI";
        EXPECT_GE(m.rowHeight, scaled(base.rowHeight)) << dpi << " DPI";
        EXPECT_GE(m.nameColumn, scaled(base.nameColumn)) << dpi << " DPI";
    }
}

// WM_DPICHANGED as another program may give it: posted, its pointer none or
// the poster's own; sent, its rectangle on no monitor.
TEST_F(DpiScalingTest, ADpiChangeFromAnotherProgramLeavesTheDialogWhereItIs)
{
    CProgramRunner program(DistFolder() + L"\\ZelSoftwareInfo.exe");
    HWND hDlg = program.WaitForWindow(L"Software Information", kProgramTimeout);
    ASSERT_NE(nullptr, hDlg);
    RECT before;
    GetWindowRect(hDlg, &before);
    RECT nowhere = { -30000, -30000, -29000, -29000 };
    const WPARAM dpi = MAKEWPARAM(2 * USER_DEFAULT_SCREEN_DPI, 2 * USER_DEFAULT_SCREEN_DPI);
    EXPECT_TRUE(SendMessageWithData(program.Process(), hDlg, WM_DPICHANGED, dpi, &nowhere, sizeof(nowhere)));
    for (LPARAM lParam : { LPARAM(0), LPARAM(0x10), reinterpret_cast<LPARAM>(&nowhere) })
        PostMessageW(hDlg, WM_DPICHANGED, dpi, lParam);

    // The About box shows once every message posted before it has been handled.
    PostMessageW(hDlg, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    EXPECT_TRUE(PumpMessagesUntil([&] { return program.VisibleWindows().size() == 2; }, kProgramTimeout));
    RECT after;
    GetWindowRect(hDlg, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    for (HWND hWnd : program.VisibleWindows())
        PostMessageW(hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, program.WaitForExit(kProgramTimeout));
}
