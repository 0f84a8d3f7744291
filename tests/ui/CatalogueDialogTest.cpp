#include <DialogDriver.h>
#include <ProfileFiles.h>
#include <ProgramRunner.h>
#include <ResourceModule.h>
#include <SoftwareInfoDialog.h>
#include <TestFolders.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <utility>
#include <vector>

namespace
{
using Rows = std::vector<std::pair<CString, CString>>;

// The main dialog's catalogue step, with apps.ini in the data folder.
class CatalogueDialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadResourceModule()); }

    void SetUp() override
    {
        CreateDirectoryW(DataFolder(), nullptr);
        DeleteFileW(AppsIni());
    }

    void TearDown() override { RemoveTree(DataFolder()); }

    static CString AppsIni() { return DataFolder() + L"\\apps.ini"; }

    // The rows the real dialog shows, name and description.
    static Rows ShownRows()
    {
        Rows rows;
        CSoftwareInfoDialog dlg;
        RunDialog(dlg, [&](HWND hDlg) { rows = ListRows(GetCurrentProcess(), GetDlgItem(hDlg, IDC_SOFTWARE_LIST)); });
        return rows;
    }

    static void ExpectRows(const Rows& shown, const Rows& expected)
    {
        ASSERT_EQ(expected.size(), shown.size());
        for (size_t i = 0; i < expected.size(); ++i)
        {
            EXPECT_STREQ(expected[i].first, shown[i].first) << "row " << i;
            EXPECT_STREQ(expected[i].second, shown[i].second) << "row " << i;
        }
    }
};
}

TEST_F(CatalogueDialogTest, NoFileOrAnEmptyFileShowsNoRows)
{
    EXPECT_TRUE(ShownRows().empty());
    ASSERT_TRUE(WriteFileBytes(AppsIni(), "", 0));
    EXPECT_TRUE(ShownRows().empty());
}

TEST_F(CatalogueDialogTest, RowsAreSortedByNameIgnoringCaseEqualNamesInFileOrder)
{
    // The profile functions find sections regardless of case, so Tool and
    // TOOL share the first one's description.
    ASSERT_TRUE(WriteAnsiIni(AppsIni(), L"[beta]\r\nCustomerDescription=Second\r\n"
                                        L"[Tool]\r\nCustomerDescription=Tools\r\n"
                                        L"[Alpha]\r\nCustomerDescription=First\r\n"
                                        L"[TOOL]\r\nCustomerDescription=Tools\r\n"
                                        L"[gamma]\r\nCustomerDescription=Third\r\n"));
    ExpectRows(ShownRows(), { { L"Alpha", L"First" },
                              { L"beta", L"Second" },
                              { L"gamma", L"Third" },
                              { L"Tool", L"Tools" },
                              { L"TOOL", L"Tools" } });
}

TEST_F(CatalogueDialogTest, ProductsWithoutADescriptionAreLeftOutOtherKeysIgnored)
{
    ASSERT_TRUE(WriteAnsiIni(AppsIni(), L"[Blank]\r\nCustomerDescription=   \t \r\n"
                                        L"[Empty]\r\nCustomerDescription=\r\n"
                                        L"[LabelOnly]\r\nLabel=Shown nowhere\r\n"
                                        L"[Kept]\r\nLabel=Not shown\r\nCustomerDescription=Shown\r\nVersion=2\r\n"
                                        L"[NoKeys]\r\n"));
    ExpectRows(ShownRows(), { { L"Kept", L"Shown" } });
}

TEST_F(CatalogueDialogTest, DescriptionsLoseOuterBlanksAndTabsKeepInnerOnes)
{
    ASSERT_TRUE(WriteAnsiIni(AppsIni(), L"[Tabs]\r\nCustomerDescription=\t  Office  suite\t with  tools \t\r\n"));
    ExpectRows(ShownRows(), { { L"Tabs", L"Office  suite\t with  tools" } });
}

TEST_F(CatalogueDialogTest, LongDescriptionsAreCutTo1023CharactersBeforeTrimming)
{
    const CString long1030 = CString(L'a', 1030);
    // The cut falls in a run of blanks, which the trimming then removes.
    const CString blanksAtCut = CString(L'b', 1020) + CString(L' ', 10) + L"tail";
    ASSERT_TRUE(WriteAnsiIni(AppsIni(), L"[Long]\r\nCustomerDescription=" + long1030 +
                                            L"\r\n[Blanks]\r\nCustomerDescription=" + blanksAtCut + L"\r\n"));
    ExpectRows(ShownRows(), { { L"Blanks", CString(L'b', 1020) }, { L"Long", CString(L'a', 1023) } });
}

TEST_F(CatalogueDialogTest, AnsiAndUtf16FilesShowTheirNamesIntact)
{
    const CString ansi = L"[Caf\x00E9 Manager]\r\nCustomerDescription=Men\x00FC and r\x00E9sum\x00E9\r\n";
    ASSERT_TRUE(WriteAnsiIni(AppsIni(), ansi));
    ExpectRows(ShownRows(), { { L"Caf\x00E9 Manager", L"Men\x00FC and r\x00E9sum\x00E9" } });

    // Japanese: "soft" in katakana, "setting tool" in kanji.
    const CString japanese = L"\x30BD\x30D5\x30C8";
    const CString description = L"\x8A2D\x5B9A\x30C4\x30FC\x30EB";
    ASSERT_TRUE(WriteUtf16Ini(AppsIni(), L"[Zeta]\r\nCustomerDescription=Last\r\n[" + japanese +
                                             L"]\r\nCustomerDescription=" + description +
                                             L"\r\n"
                                             L"[Caf\x00E9]\r\nCustomerDescription=First\r\n"));
    ExpectRows(ShownRows(), { { L"Caf\x00E9", L"First" }, { L"Zeta", L"Last" }, { japanese, description } });
}

TEST_F(CatalogueDialogTest, EveryProductOfALongCatalogueIsShownInOrder)
{
    // 400 names of about thirty characters: far more than 2,048 characters
    // of section names, written from the greatest name down.
    CString text;
    Rows expected;
    for (int i = 399; i >= 0; --i)
    {
        wchar_t name[64], description[32];
        wsprintfW(name, L"%s Product Suite %04d Edition", i % 2 ? L"Office" : L"office", i);
        wsprintfW(description, L"Description %d", i);
        text += CString(L"[") + name + L"]\r\nCustomerDescription=" + description + L"\r\n";
        expected.emplace(expected.begin(), name, description);
    }
    ASSERT_TRUE(WriteAnsiIni(AppsIni(), text));
    ExpectRows(ShownRows(), expected);
}
