// The built program driven with real key presses on the tests' display, as
// a keyboard user drives it.
#include <Clipboard.h>
#include <Contrast.h>
#include <DialogDriver.h>
#include <DialogTemplate.h>
#include <DisplayKeyboard.h>
#include <JapaneseTexts.h>
#include <LoadedLibrary.h>
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

class KeyboardTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        Close();
        RemoveTree(DataFolder());
    }

    void Close()
    {
        if (!m_program)
            return;
        PostMessageW(m_hDlg, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, m_program->WaitForExit(kProgramTimeout));
        m_program.reset();
    }

    // The program from the folder at the DPI with a catalogue of products
    // "Product 00" onwards, its dialog in the foreground; what the list
    // copies.
    CString Start(UINT dpi, int rows, const CString& folder = DistFolder(), LPCWSTR caption = L"Software Information")
    {
        Close();
        CString ini, copied = L"Software\tDescription\r\n";
        for (int i = 0; i < rows; ++i)
        {
            wchar_t name[32];
            wsprintfW(name, L"Product %02d", i);
            ini += CString(L"[") + name + L"]\r\nCustomerDescription=Does it\r\n";
            copied += CString(name) + L"\tDoes it\r\n";
        }
        CreateDirectoryW(DataFolder(), nullptr);
        EXPECT_TRUE(WriteAnsiIni(DataFolder() + L"\\apps.ini", ini));
        CUserDpi userDpi(dpi);
        m_program = std::make_unique<CProgramRunner>(folder + L"\\ZelSoftwareInfo.exe");
        m_hDlg = m_program->WaitForWindow(caption, kProgramTimeout);
        m_hList = GetDlgItem(m_hDlg, IDC_SOFTWARE_LIST);
        SetForegroundWindow(m_hDlg);
        EXPECT_TRUE(PumpMessagesUntil([&] { return m_hDlg && GetForegroundWindow() == m_hDlg; }));
        return copied;
    }

    int FocusedRow() const
    {
        return static_cast<int>(SendMessageW(m_hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    }

    // The focused row's visible part, on the screen.
    RECT FocusedRowOnScreen() const
    {
        RECT rc = { LVIR_BOUNDS, 0, 0, 0 }, client;
        SendMessageWithData(m_program->Process(), m_hList, LVM_GETITEMRECT, static_cast<WPARAM>(FocusedRow()), &rc,
                            sizeof(rc));
        GetClientRect(m_hList, &client);
        rc.left = std::max(rc.left, client.left);
        rc.right = std::min(rc.right, client.right);
        MapWindowPoints(m_hList, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }

    std::unique_ptr<CProgramRunner> m_program;
    HWND m_hDlg = nullptr;
    HWND m_hList = nullptr;
};
}

TEST_F(KeyboardTest, TabReachesTheListAtItsFirstVisibleRowShiftF10OpensTheMenuBelowTheFocusedRowAndCCopies)
{
    const CString copied = Start(96, 20);
    ASSERT_NE(nullptr, m_hDlg);
    HWND hOk = GetDlgItem(m_hDlg, IDOK);
    HWND hSearch = GetDlgItem(m_hDlg, IDC_SEARCH_BOX);
    // Scrolled as with the mouse: no row has the focus, row 0 is out of sight.
    SendMessageW(m_hList, WM_VSCROLL, SB_PAGEDOWN, 0);
    const int top = static_cast<int>(SendMessageW(m_hList, LVM_GETTOPINDEX, 0, 0));
    ASSERT_GT(top, 0);
    const struct
    {
        LPCWSTR keys;
        HWND hFocus;
        int row;
    } steps[] = {
        { L"", hOk, -1 },     { L"Tab", hSearch, -1 },        { L"Tab", m_hList, top },
        { L"Tab", hOk, top }, { L"shift+Tab", m_hList, top }, { L"Down", m_hList, top + 1 },
    };
    for (const auto& step : steps)
    {
        ASSERT_TRUE(!*step.keys || PressKeys(m_hDlg, step.keys));
        EXPECT_TRUE(PumpMessagesUntil([&] {
            return GuiThreadOf(m_hDlg).hwndFocus == step.hFocus && FocusedRow() == step.row;
        })) << step.keys;
        EXPECT_EQ(0, SendMessageW(m_hList, LVM_GETSELECTEDCOUNT, 0, 0)) << step.keys;
    }
    ASSERT_TRUE(EmptyTheClipboard());
    ASSERT_TRUE(PressKeys(m_hDlg, L"shift+F10"));
    HWND hMenu = nullptr;
    ASSERT_TRUE(PumpMessagesUntil([&] { return IsWindowVisible(hMenu = FindWindowW(L"#32768", nullptr)); }));
    RECT menu;
    GetWindowRect(hMenu, &menu);
    EXPECT_EQ(FocusedRowOnScreen().left, menu.left);
    EXPECT_EQ(FocusedRowOnScreen().bottom, menu.top);
    ASSERT_TRUE(PressKeys(m_hDlg, L"c"));
    EXPECT_STREQ(copied, WaitForClipboardText(kProgramTimeout));
    // As a user closes it after the menu.
    ASSERT_TRUE(PressKeys(m_hDlg, L"alt+F4"));
    EXPECT_EQ(0u, m_program->WaitForExit(kProgramTimeout));
    m_program.reset();
}

TEST_F(KeyboardTest, CloseEndsTheMenuModeThatF10Started)
{
    Start(96, 3);
    ASSERT_NE(nullptr, m_hDlg);
    // F10 alone, released: the system menu's keyboard mode, no menu shown.
    ASSERT_TRUE(PressKeys(m_hDlg, L"F10"));
    ASSERT_TRUE(PumpMessagesUntil([&] { return (GuiThreadOf(m_hDlg).flags & GUI_INMENUMODE) != 0; }));
    Close();
}

namespace
{
// The focus frame of a row, from its visible bounds on the screen: where
// it starts (wine draws owner-drawn rows two pixels right of the bounds it
// reports), how many of the pixels within the thickness along its edges
// stand out 3:1 from the row's colour, of how many, and how many do on the
// line just inside them.
struct FrameInk
{
    int left = 0, inked = 0, all = 0, inner = 0;
};

FrameInk MeasureFrame(const RECT& rc, int thickness)
{
    const int width = rc.right - rc.left, height = rc.bottom - rc.top;
    CClientDC screen(nullptr);
    const CMemoryDCHandle dc(CreateCompatibleDC(screen));
    const CGdiHandle<HBITMAP> bitmap(CreateCompatibleBitmap(screen, width, height));
    CSelectedObject selected(dc.get(), bitmap.get());
    BitBlt(dc.get(), 0, 0, width, height, screen, rc.left, rc.top, SRCCOPY);
    const COLORREF row = GetPixel(dc.get(), width - thickness - 2, height / 2);
    auto inked = [&](int x, int y) { return Contrast(GetPixel(dc.get(), x, y), row) >= 3.0; };
    FrameInk ink;
    while (ink.left < width && !inked(ink.left, 0))
        ++ink.left;
    for (int y = 0; y < height; ++y)
        for (int x = ink.left; x < width; ++x)
        {
            const int fromEdge = std::min(std::min(y, height - 1 - y), std::min(x - ink.left, width - 1 - x));
            if (fromEdge < thickness)
            {
                ++ink.all;
                ink.inked += inked(x, y);
            }
            else if (fromEdge == thickness)
                ink.inner += inked(x, y);
        }
    return ink;
}
}

TEST_F(KeyboardTest, FocusFrameIsSolidInTheFocusBorderAtTheDpiAndStandsOutOnBothRowColours)
{
    UINT border = 0;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETFOCUSBORDERHEIGHT, 0, &border, 0));
    for (UINT dpi : { 96u, 192u })
    {
        Start(dpi, 3);
        ASSERT_NE(nullptr, m_hDlg);
        const int thickness = MulDiv(static_cast<int>(border), static_cast<int>(dpi), 96);
        // Row 0 in the row colour, row 1 in the alternate one.
        // From OK past the search box to the list.
        for (const auto& [keys, row] : { std::pair{ L"Tab Tab", 0 }, { L"Down", 1 } })
        {
            ASSERT_TRUE(PressKeys(m_hDlg, keys));
            ASSERT_TRUE(PumpMessagesUntil([&] { return FocusedRow() == row; }));
            // Whole once painted (the old dotted frame inked half its pixels).
            FrameInk ink;
            PumpMessagesUntil([&] {
                ink = MeasureFrame(FocusedRowOnScreen(), thickness);
                return ink.all > 0 && ink.inked == ink.all;
            });
            EXPECT_LE(ink.left, 2) << dpi << " DPI, row " << row;
            EXPECT_EQ(ink.all, ink.inked) << dpi << " DPI, row " << row;
            EXPECT_EQ(0, ink.inner) << dpi << " DPI, row " << row;
        }
    }
}

TEST_F(KeyboardTest, AboutBoxFromTheSystemMenuShowsItsWholeNoticeAtEveryScaleInBothLanguages)
{
    const struct
    {
        LPCWSTR module, caption, aboutCaption;
    } languages[] = {
        { L"SoftInfoRes.dll", L"Software Information", L"System Information" },
        { L"ja-JP\\SoftInfoRes.dll", kJapaneseMainCaption, L"\u30B7\u30B9\u30C6\u30E0\u60C5\u5831" },
    };
    for (const auto& language : languages)
    {
        CTempFolder folder;
        ASSERT_TRUE(CopyFolderFiles(DistFolder(), folder.Path()));
        ASSERT_TRUE(CopyFileTo(DistFolder() + L"\\" + language.module, folder / L"SoftInfoRes.dll"));
        const CLoadedLibrary module(folder / L"SoftInfoRes.dll",
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        const DialogTemplate box = ReadDialogTemplate(module.Handle(), IDD_ABOUTBOX);
        for (UINT dpi : { 96u, 144u, 192u })
        {
            Start(dpi, 0, folder.Path(), language.caption);
            ASSERT_NE(nullptr, m_hDlg);
            ASSERT_TRUE(PressKeys(m_hDlg, L"alt+space"));
            ASSERT_TRUE(PumpMessagesUntil([&] { return (GuiThreadOf(m_hDlg).flags & GUI_INMENUMODE) != 0; }));
            ASSERT_TRUE(PressKeys(m_hDlg, L"Up Return"));
            HWND hBox = m_program->WaitForWindow(language.aboutCaption, kProgramTimeout);
            ASSERT_NE(nullptr, hBox) << dpi << " DPI";
            // The notice is the box's last left-aligned text.
            HWND hNotice = nullptr;
            for (HWND hChild = GetWindow(hBox, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT))
                if ((GetWindowLongW(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_LEFT)
                    hNotice = hChild;
            // In the font the dialog manager makes from the template at the DPI.
            const CGdiHandle<HFONT> font(CreateFontW(-MulDiv(box.pointSize, static_cast<int>(dpi), 72), 0, 0, 0,
                                                     box.weight, box.italic, FALSE, FALSE, box.charset, 0, 0, 0, 0,
                                                     box.typeface));
            CClientDC dc(nullptr);
            CSelectedObject selected(dc, font.get());
            const CString notice = WindowText(hNotice);
            SIZE extent = {};
            GetTextExtentPoint32W(dc, notice, notice.GetLength(), &extent);
            RECT client;
            GetClientRect(hNotice, &client);
            EXPECT_LE(extent.cx, client.right) << notice.GetString() << " at " << dpi << " DPI";
            PostMessageW(hBox, WM_CLOSE, 0, 0);
        }
    }
}
