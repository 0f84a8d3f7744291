// Saving the list from the main dialog: the format a file's name asks for,
// the name offered first, and the message box of a save that failed.
#include <DialogDriver.h>
#include <ListSave.h>
#include <ListSaveDialog.h>
#include <ProgramRunner.h>
#include <ResourceModule.h>
#include <SoftwareInfoDialog.h>
#include <TestFolders.h>

#include <gtest/gtest.h>

TEST(ListFormatOf, TheNameAsksForTheFormatOfItsExtensionAmongTheTypesOtherwiseTheTypeChosenDoes)
{
    const struct
    {
        LPCWSTR path;
        EListFormat chosen;
        EListFormat expected;
    } cases[] = {
        { L"C:\\Lists\\list.csv", EListFormat::Json, EListFormat::CommaSeparated },
        { L"C:\\Lists\\list.txt", EListFormat::Html, EListFormat::TabSeparated },
        { L"C:\\Lists\\list.html", EListFormat::CommaSeparated, EListFormat::Html },
        { L"C:\\Lists\\LIST.JSON", EListFormat::TabSeparated, EListFormat::Json },
        // Not an extension of the types.
        { L"C:\\Lists\\list.htm", EListFormat::Json, EListFormat::Json },
        { L"C:\\Lists\\list.csv.bak", EListFormat::Html, EListFormat::Html },
        // No extension: a dot in a folder's name is none.
        { L"C:\\Lists.csv\\list", EListFormat::TabSeparated, EListFormat::TabSeparated },
        { L"C:\\Lists\\list", EListFormat::Html, EListFormat::Html },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, ListFormatOf(c.path, c.chosen)) << testing::PrintToString(std::wstring(c.path));
}

TEST(DefaultListFileName, IsTheCaptionWithEachCharacterAFileNameCannotHoldMadeASpace)
{
    EXPECT_STREQ(L"Software Information", DefaultListFileName(L"Software Information"));
    EXPECT_STREQ(L"\u30BD\u30D5\u30C8", DefaultListFileName(L"\u30BD\u30D5\u30C8"));
    EXPECT_STREQ(L"a b c d e f g h i j", DefaultListFileName(L"a\\b/c:d*e?f\"g<h>i|j"));
}

// The box says where the list was to go and why it did not, in the
// system's words and with the error's code; the dialog owns it, so that a
// halt ends it with the dialog.
TEST(ListSaveFailure, ABoxOwnedByTheDialogSaysWhereAndWhyAndNothingIsWritten)
{
    ASSERT_TRUE(LoadResourceModule());
    const CTempFolder folder;
    const CString path = folder / L"missing\\list.csv";
    wchar_t reason[256] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_PATH_NOT_FOUND, 0, reason,
                   256, nullptr);
    CString expected = L"The list could not be saved as\r\n" + path + L"\r\n\r\n" + reason;
    expected.TrimRight();
    expected += L" (error 3)";

    CSoftwareInfoDialog dlg;
    RunDialog(dlg, [&](HWND hDlg) {
        bool saved = true;
        HWND hOwner = nullptr;
        CString text;
        EXPECT_EQ(1, HandleDialogsDuring(
                         kMainCaption, [&] { saved = SaveListFile(hDlg, kMainCaption, path, "bytes"); },
                         [&](HWND hBox) {
                             text = MessageBoxText(hBox);
                             hOwner = GetWindow(hBox, GW_OWNER);
                         }));
        EXPECT_FALSE(saved);
        EXPECT_STREQ(expected, text);
        EXPECT_EQ(hDlg, hOwner);
    });
    EXPECT_FALSE(PathExists(folder / L"missing"));
}
