#include <DialogTemplate.h>
#include <LoadedLibrary.h>
#include <ResourceModule.h>
#include <TestFolders.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <commctrl.h>

namespace
{
void ExpectItem(const DialogItem& item, int id, LPCWSTR className, LPCWSTR text, DWORD style, short x, short y,
                short cx, short cy)
{
    EXPECT_EQ(id, item.id);
    // Class names are case-insensitive; resource compilers differ in the case they store.
    EXPECT_EQ(0, item.className.CompareNoCase(className)) << "control " << id;
    EXPECT_STREQ(text, item.text);
    EXPECT_EQ(style, item.style) << "control " << id;
    EXPECT_EQ(0u, item.exStyle);
    EXPECT_EQ(x, item.x);
    EXPECT_EQ(y, item.y);
    EXPECT_EQ(cx, item.cx);
    EXPECT_EQ(cy, item.cy);
}

void ExpectTahomaEight(const DialogTemplate& dlg)
{
    EXPECT_STREQ(L"Tahoma", dlg.typeface);
    EXPECT_EQ(8, dlg.pointSize);
    EXPECT_EQ(0, dlg.weight);
    EXPECT_EQ(0, dlg.italic);
    EXPECT_EQ(1, dlg.charset);
    EXPECT_STREQ(L"", dlg.menu);
    EXPECT_STREQ(L"", dlg.windowClass);
}
}

TEST(ResourceModuleTemplates, MainDialogMatchesItsLayout)
{
    ASSERT_TRUE(LoadResourceModule());
    DialogTemplate dlg = ReadDialogTemplate(AfxGetResourceHandle(), IDD_SOFTWAREINFO_DIALOG);
    ASSERT_TRUE(dlg.valid);
    // A sizing border and a maximise box beside the modal frame.
    EXPECT_EQ(0x90CD00C0u, dlg.style);
    EXPECT_EQ(static_cast<DWORD>(WS_EX_APPWINDOW), dlg.exStyle);
    EXPECT_EQ(0, dlg.x);
    EXPECT_EQ(0, dlg.y);
    EXPECT_EQ(319, dlg.cx);
    EXPECT_EQ(256, dlg.cy);
    EXPECT_STREQ(L"Software Information", dlg.caption);
    ExpectTahomaEight(dlg);
    ASSERT_EQ(5u, dlg.items.size());
    ExpectItem(dlg.items[0], IDOK, L"Button", L"OK", 0x50010001, 262, 229, 50, 16);
    // The search box's label right before it, which names it for screen readers.
    ExpectItem(dlg.items[1], IDC_SEARCH_LABEL, L"Static", L"Search", 0x50000000, 14, 23, 34, 8);
    ExpectItem(dlg.items[2], IDC_SEARCH_BOX, L"Edit", L"", 0x50810080, 50, 20, 255, 14);
    // Owner data, owner-drawn, one row at a time, no sorting style.
    ExpectItem(dlg.items[3], IDC_SOFTWARE_LIST, L"SysListView32", L"", 0x50011C05, 14, 38, 291, 174);
    ExpectItem(dlg.items[4], IDC_SOFTWARE_GROUP, L"Button", L"Software Information", 0x50000007, 7, 7, 305, 207);
}

TEST(ResourceModuleTemplates, AboutBoxMatchesItsLayout)
{
    ASSERT_TRUE(LoadResourceModule());
    DialogTemplate dlg = ReadDialogTemplate(AfxGetResourceHandle(), IDD_ABOUTBOX);
    ASSERT_TRUE(dlg.valid);
    EXPECT_EQ(0x80C800C0u, dlg.style);
    EXPECT_EQ(0u, dlg.exStyle);
    EXPECT_EQ(258, dlg.cx);
    EXPECT_EQ(55, dlg.cy);
    EXPECT_STREQ(L"System Information", dlg.caption);
    ExpectTahomaEight(dlg);
    ASSERT_EQ(4u, dlg.items.size());
    ExpectItem(dlg.items[0], -1, L"Static", L"#128", 0x50000003, 11, 17, 20, 20);
    ExpectItem(dlg.items[1], IDC_VERSION, L"Static", L"System Information Version 1.0.00.09300", 0x50020080, 40, 10,
               153, 8);
    EXPECT_EQ(0x50020000u, dlg.items[2].style);
    EXPECT_FALSE(dlg.items[2].text.IsEmpty());
    ExpectItem(dlg.items[3], IDOK, L"Button", L"OK", 0x50030001, 198, 7, 50, 16);
}

TEST(ResourceModuleStrings, HoldEveryTextTheProgramUses)
{
    ASSERT_TRUE(LoadResourceModule());
    const struct
    {
        UINT id;
        LPCWSTR text;
    } strings[] = {
        { IDS_ABOUTBOX, L"About Software Information" },
        { IDS_COLUMN_SOFTWARE, L"Software" },
        { IDS_COLUMN_DESCRIPTION, L"Description" },
        { IDS_COPY, L"&Copy\tCtrl+C" },
        { IDS_SEARCH_CUE, L"Search" },
        { IDS_NO_MATCH, L"No software matches the search." },
        { IDS_SORT_BY, L"Sort &by" },
        { IDS_SORT_SOFTWARE, L"&Software" },
        { IDS_SORT_DESCRIPTION, L"D&escription" },
        { IDS_SORT_ASCENDING, L"&Ascending" },
        { IDS_SORT_DESCENDING, L"&Descending" },
        { IDS_MAIN_CAPTION, L"Software Information" },
        { IDS_MISSING_DLL, L"Missing DLL.  Please reinstall the software." },
    };
    for (const auto& s : strings)
    {
        CString text;
        EXPECT_TRUE(text.LoadString(s.id)) << s.id;
        EXPECT_STREQ(s.text, text) << s.id;
    }
    CString prefix;
    ASSERT_TRUE(prefix.LoadString(IDS_VERSION_PREFIX));
    EXPECT_EQ(L' ', prefix[prefix.GetLength() - 1]);
}

TEST(ResourceModuleIcons, ApplicationIconHasThreeSizesInTwoColourDepths)
{
    ASSERT_TRUE(LoadResourceModule());
    HINSTANCE hModule = AfxGetResourceHandle();
    HRSRC hRes = FindResourceW(hModule, MAKEINTRESOURCEW(IDR_MAINFRAME), RT_GROUP_ICON);
    ASSERT_NE(nullptr, hRes);
    const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(hModule, hRes)));
    ASSERT_NE(nullptr, p);
    const WORD count = *reinterpret_cast<const WORD*>(p + 4);
    ASSERT_EQ(6, count);
    int found = 0;
    for (WORD i = 0; i < count; ++i)
    {
        const BYTE* entry = p + 6 + i * 14; // GRPICONDIRENTRY
        const int size = entry[0];
        const WORD bits = *reinterpret_cast<const WORD*>(entry + 6);
        if ((size == 48 || size == 32 || size == 16) && (bits == 8 || bits == 32))
            ++found;
    }
    EXPECT_EQ(6, found);
}

namespace
{
std::string ResourceBytes(HMODULE hModule, LPCWSTR type, UINT id)
{
    HRSRC hRes = FindResourceW(hModule, MAKEINTRESOURCEW(id), type);
    const char* p = hRes ? static_cast<const char*>(LockResource(LoadResource(hModule, hRes))) : nullptr;
    return p ? std::string(p, SizeofResource(hModule, hRes)) : std::string();
}
}

TEST(ProgramFile, CarriesTheEnglishDialogsStringsAndIconButNotCaptionStringOrVersionPrefix)
{
    const DWORD flags = LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE;
    CLoadedLibrary program(DistFolder() + L"\\ZelSoftwareInfo.exe", flags);
    CLoadedLibrary module(DistFolder() + L"\\SoftInfoRes.dll", flags);
    ASSERT_TRUE(program.Handle() && module.Handle());
    for (UINT id : { IDD_ABOUTBOX, IDD_SOFTWAREINFO_DIALOG })
    {
        const std::string bytes = ResourceBytes(program.Handle(), RT_DIALOG, id);
        EXPECT_FALSE(bytes.empty()) << "dialog " << id;
        EXPECT_EQ(ResourceBytes(module.Handle(), RT_DIALOG, id), bytes) << "dialog " << id;
    }
    EXPECT_EQ(ResourceBytes(module.Handle(), RT_GROUP_ICON, IDR_MAINFRAME),
              ResourceBytes(program.Handle(), RT_GROUP_ICON, IDR_MAINFRAME));
    for (UINT id : { IDS_ABOUTBOX, IDS_APP_DESCRIPTION, IDS_COLUMN_SOFTWARE, IDS_COLUMN_DESCRIPTION,
                     IDS_FACTORY_SOFTWARE, IDS_COPY, IDS_SEARCH_CUE, IDS_NO_MATCH, IDS_SORT_BY, IDS_SORT_SOFTWARE,
                     IDS_SORT_DESCRIPTION, IDS_SORT_ASCENDING, IDS_SORT_DESCENDING, IDS_MODEL, IDS_MISSING_DLL })
    {
        EXPECT_FALSE(StringOf(program.Handle(), id).IsEmpty()) << "string " << id;
        EXPECT_STREQ(StringOf(module.Handle(), id), StringOf(program.Handle(), id)) << "string " << id;
    }
    for (UINT id : { IDS_VERSION_PREFIX, IDS_MAIN_CAPTION })
        EXPECT_STREQ(L"", StringOf(program.Handle(), id)) << "string " << id;
}
