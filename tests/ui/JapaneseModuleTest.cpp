// The Japanese resource module against the English one: same resources and
// layouts, Japanese texts that fit their controls and that the dialog font
// can draw.
#include <DialogDriver.h>
#include <DialogTemplate.h>
#include <JapaneseTexts.h>
#include <LoadedLibrary.h>
#include <TestFolders.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace
{
// A resource module mapped as data, as the program maps it.
class CResourceFile : public CLoadedLibrary
{
public:
    explicit CResourceFile(const CString& path)
        : CLoadedLibrary(path, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)
    {
    }
};

// Type and name of a resource, numbers as "#N".
using ResourceId = std::pair<CString, CString>;

CString NameOf(LPCWSTR name)
{
    if (!IS_INTRESOURCE(name))
        return name;
    wchar_t text[16];
    wsprintfW(text, L"#%u", static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
    return text;
}

BOOL CALLBACK CollectName(HMODULE, LPCWSTR type, LPWSTR name, LONG_PTR param)
{
    reinterpret_cast<std::set<ResourceId>*>(param)->insert({ NameOf(type), NameOf(name) });
    return TRUE;
}

BOOL CALLBACK CollectType(HMODULE hModule, LPWSTR type, LONG_PTR param)
{
    EnumResourceNamesW(hModule, type, &CollectName, param);
    return TRUE;
}

std::set<ResourceId> ResourcesOf(HMODULE hModule)
{
    std::set<ResourceId> ids;
    EnumResourceTypesW(hModule, &CollectType, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

class JapaneseModuleTest : public ::testing::Test
{
protected:
    JapaneseModuleTest()
        : m_english(DistFolder() + L"\\SoftInfoRes.dll"), m_japanese(DistFolder() + L"\\ja-JP\\SoftInfoRes.dll")
    {
    }

    void SetUp() override
    {
        ASSERT_NE(nullptr, m_english.Handle());
        ASSERT_NE(nullptr, m_japanese.Handle());
    }

    HMODULE English() const { return m_english.Handle(); }
    HMODULE Japanese() const { return m_japanese.Handle(); }

private:
    CResourceFile m_english;
    CResourceFile m_japanese;
};

// A dialog of the module, created hidden from the side of no window.
class CModelessDialog : public CWindowHandle
{
public:
    CModelessDialog(HMODULE hModule, UINT id)
        : CWindowHandle(CreateDialogParamW(hModule, MAKEINTRESOURCEW(id), nullptr, &Proc, 0))
    {
        if (get())
            ShowWindow(get(), SW_HIDE);
    }

    HWND Handle() const { return get(); }

private:
    static INT_PTR CALLBACK Proc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
};

// The pixels of one character drawn black on white in the font.
std::vector<DWORD> GlyphPixels(HFONT hFont, wchar_t ch)
{
    const int size = 64;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const CMemoryDCHandle dc(CreateCompatibleDC(nullptr));
    HDC hdc = dc.get();
    const CGdiHandle<HBITMAP> bitmap(CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    std::vector<DWORD> pixels;
    if (bitmap)
    {
        CSelectedObject selectedBitmap(hdc, bitmap.get());
        CSelectedObject selectedFont(hdc, hFont);
        RECT rc = { 0, 0, size, size };
        FillRect(hdc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(hdc, RGB(0, 0, 0));
        SetBkMode(hdc, TRANSPARENT);
        TextOutW(hdc, 2, 2, &ch, 1);
        GdiFlush();
        const DWORD* p = static_cast<const DWORD*>(bits);
        pixels.assign(p, p + size * size);
    }
    return pixels;
}
}

TEST_F(JapaneseModuleTest, HoldsEveryResourceOfTheEnglishModuleAndNoOther)
{
    const std::set<ResourceId> english = ResourcesOf(English());
    ASSERT_FALSE(english.empty());
    EXPECT_TRUE(english == ResourcesOf(Japanese()));
    for (const ResourceId& id : english)
        EXPECT_NE(nullptr, FindResourceExW(Japanese(), id.first, id.second, MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)))
            << id.first.GetString() << " " << id.second.GetString() << " is not Japanese";
}

TEST_F(JapaneseModuleTest, HoldsATranslationOfEveryEnglishString)
{
    // A string table block named N holds strings (N - 1) * 16 to N * 16 - 1.
    for (const ResourceId& id : ResourcesOf(English()))
    {
        if (id.first != L"#6")
            continue;
        const UINT first = (wcstoul(id.second.Mid(1), nullptr, 10) - 1) * 16;
        for (UINT n = first; n < first + 16; ++n)
        {
            const CString english = StringOf(English(), n);
            const CString japanese = StringOf(Japanese(), n);
            EXPECT_EQ(english.IsEmpty(), japanese.IsEmpty()) << "string " << n;
            if (!english.IsEmpty())
            {
                EXPECT_STRNE(english, japanese) << "string " << n;
            }
        }
    }
}

TEST_F(JapaneseModuleTest, DialogsHaveTheEnglishLayoutsWithTheirOwnFont)
{
    for (UINT id : { IDD_ABOUTBOX, IDD_SOFTWAREINFO_DIALOG })
    {
        const DialogTemplate english = ReadDialogTemplate(English(), id);
        const DialogTemplate japanese = ReadDialogTemplate(Japanese(), id);
        ASSERT_TRUE(english.valid && japanese.valid) << "dialog " << id;
        EXPECT_EQ(english.style, japanese.style) << "dialog " << id;
        EXPECT_EQ(english.exStyle, japanese.exStyle) << "dialog " << id;
        EXPECT_EQ(english.cx, japanese.cx) << "dialog " << id;
        EXPECT_EQ(english.cy, japanese.cy) << "dialog " << id;
        EXPECT_STRNE(english.caption, japanese.caption) << "dialog " << id;
        ASSERT_EQ(english.items.size(), japanese.items.size()) << "dialog " << id;
        for (size_t i = 0; i < english.items.size(); ++i)
        {
            const DialogItem& e = english.items[i];
            const DialogItem& j = japanese.items[i];
            EXPECT_EQ(e.id, j.id) << "dialog " << id << " item " << i;
            EXPECT_STREQ(e.className, j.className) << "dialog " << id << " item " << i;
            EXPECT_EQ(e.style, j.style) << "dialog " << id << " item " << i;
            EXPECT_EQ(e.exStyle, j.exStyle) << "dialog " << id << " item " << i;
            EXPECT_TRUE(e.x == j.x && e.y == j.y && e.cx == j.cx && e.cy == j.cy) << "dialog " << id << " item " << i;
        }
    }
}

TEST_F(JapaneseModuleTest, MainCaptionStringIsTheMainDialogCaptionInEachModule)
{
    for (HMODULE hModule : { English(), Japanese() })
    {
        const CString caption = StringOf(hModule, IDS_MAIN_CAPTION);
        EXPECT_FALSE(caption.IsEmpty());
        EXPECT_STREQ(caption, ReadDialogTemplate(hModule, IDD_SOFTWAREINFO_DIALOG).caption);
    }
}

TEST_F(JapaneseModuleTest, TextsAreCompiledCharacterForCharacter)
{
    EXPECT_STREQ(kJapaneseMainCaption, StringOf(Japanese(), IDS_MAIN_CAPTION));
    EXPECT_STREQ(kJapaneseSoftwareHeading, StringOf(Japanese(), IDS_COLUMN_SOFTWARE));
    EXPECT_STREQ(kJapaneseDescriptionHeading, StringOf(Japanese(), IDS_COLUMN_DESCRIPTION));
    // "ソフトウェア情報のバージョン情報", "ソフトウェア情報 バージョン ".
    EXPECT_STREQ(L"\u30BD\u30D5\u30C8\u30A6\u30A7\u30A2\u60C5\u5831\u306E\u30D0\u30FC\u30B8\u30E7\u30F3\u60C5\u5831",
                 StringOf(Japanese(), IDS_ABOUTBOX));
    EXPECT_STREQ(L"\u30BD\u30D5\u30C8\u30A6\u30A7\u30A2\u60C5\u5831 \u30D0\u30FC\u30B8\u30E7\u30F3 ",
                 StringOf(Japanese(), IDS_VERSION_PREFIX));
    // "コピー(&C)\tCtrl+C".
    EXPECT_STREQ(L"\u30B3\u30D4\u30FC(&C)\tCtrl+C", StringOf(Japanese(), IDS_COPY));
    // "名前を付けて一覧を保存(&S)…\tCtrl+S".
    EXPECT_STREQ(L"\u540D\u524D\u3092\u4ED8\u3051\u3066\u4E00\u89A7\u3092\u4FDD\u5B58(&S)\u2026\tCtrl+S",
                 StringOf(Japanese(), IDS_SAVE_AS));
    // The search box's name (its label) and its cue text.
    const DialogTemplate main = ReadDialogTemplate(Japanese(), IDD_SOFTWAREINFO_DIALOG);
    ASSERT_GT(main.items.size(), 1u);
    EXPECT_STREQ(kJapaneseSearch, main.items[1].text);
    EXPECT_STREQ(kJapaneseSearch, StringOf(Japanese(), IDS_SEARCH_CUE));
    // "システム情報".
    EXPECT_STREQ(L"\u30B7\u30B9\u30C6\u30E0\u60C5\u5831", ReadDialogTemplate(Japanese(), IDD_ABOUTBOX).caption);
}

TEST_F(JapaneseModuleTest, AboutBoxTextsFitTheirControls)
{
    CModelessDialog box(Japanese(), IDD_ABOUTBOX);
    ASSERT_NE(nullptr, box.Handle());
    HWND hVersion = GetDlgItem(box.Handle(), IDC_VERSION);
    ASSERT_NE(nullptr, hVersion);
    // The version line shows the prefix and then a version as long as the
    // one the layout holds.
    const CString placeholder = WindowText(hVersion);
    SetWindowTextW(hVersion,
                   StringOf(Japanese(), IDS_VERSION_PREFIX) + placeholder.Mid(placeholder.ReverseFind(L' ') + 1));

    CClientDC hdc(box.Handle());
    CSelectedObject font(hdc, reinterpret_cast<HGDIOBJ>(SendMessageW(box.Handle(), WM_GETFONT, 0, 0)));
    int measured = 0;
    for (HWND hChild = GetWindow(box.Handle(), GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT))
    {
        const CString text = WindowText(hChild);
        if (text.IsEmpty() || (GetWindowLongW(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            continue;
        RECT client;
        GetClientRect(hChild, &client);
        SIZE extent = {};
        GetTextExtentPoint32W(hdc, text, text.GetLength(), &extent);
        EXPECT_LE(extent.cx, client.right) << text.GetString();
        EXPECT_LE(extent.cy, client.bottom) << text.GetString();
        ++measured;
    }
    EXPECT_EQ(3, measured);
}

TEST_F(JapaneseModuleTest, DialogFontDrawsEveryCharacterOfTheHeadingsAndCaption)
{
    CModelessDialog dlg(Japanese(), IDD_SOFTWAREINFO_DIALOG);
    ASSERT_NE(nullptr, dlg.Handle());
    HFONT hFont = reinterpret_cast<HFONT>(SendMessageW(dlg.Handle(), WM_GETFONT, 0, 0));
    ASSERT_NE(nullptr, hFont);
    // U+0378 is assigned to no character: every font draws it as its
    // missing-glyph box, as it draws any other character it lacks.
    const std::vector<DWORD> missing = GlyphPixels(hFont, L'\u0378');
    const std::vector<DWORD> blank = GlyphPixels(hFont, L' ');
    ASSERT_FALSE(missing.empty());
    for (const CString& text : { StringOf(Japanese(), IDS_MAIN_CAPTION), StringOf(Japanese(), IDS_COLUMN_SOFTWARE),
                                 StringOf(Japanese(), IDS_COLUMN_DESCRIPTION) })
    {
        for (int i = 0; i < text.GetLength(); ++i)
        {
            const std::vector<DWORD> glyph = GlyphPixels(hFont, text[i]);
            EXPECT_TRUE(glyph != missing && glyph != blank) << "U+" << std::hex << static_cast<unsigned>(text[i]);
        }
    }
}
