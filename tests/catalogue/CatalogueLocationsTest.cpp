#include <CatalogueLocations.h>

#include <gtest/gtest.h>

TEST(CatalogueLocationsTest, AreTheFixedDataFolderAndItsThreeFiles)
{
    const CatalogueLocations locations = GetCatalogueLocations();
    EXPECT_STREQ(L"c:\\programdata\\Marbek Corporation\\Quenta Central", locations.m_strDataFolder);
    EXPECT_STREQ(L"c:\\programdata\\Marbek Corporation\\Quenta Central\\modules.ini", locations.m_strModulesIni);
    EXPECT_STREQ(L"c:\\programdata\\Marbek Corporation\\Quenta Central\\temp.ini", locations.m_strTempIni);
    EXPECT_STREQ(L"c:\\programdata\\Marbek Corporation\\Quenta Central\\apps.ini", locations.m_strAppsIni);
}

TEST(ExecutableFolderTest, IsCutOutOfTheCommandLine)
{
    struct Case
    {
        LPCWSTR commandLine;
        LPCWSTR folder;
    };
    const Case cases[] = {
        // Quoted, with arguments behind the closing quote.
        { L"\"C:\\Program Files\\Tools\\ZelSoftwareInfo.exe\" /halt", L"C:\\Program Files\\Tools" },
        { L"\"C:\\Program Files\\Tools\\ZelSoftwareInfo.exe\"", L"C:\\Program Files\\Tools" },
        // Unquoted: the first token ends at the first blank.
        { L"C:\\Tools\\ZelSoftwareInfo.exe /halt", L"C:\\Tools" },
        { L"C:\\Tools\\ZelSoftwareInfo.exe", L"C:\\Tools" },
        { L"ZelSoftwareInfo.exe /halt", L"" },
        // No closing quote: everything after the opening one.
        { L"\"C:\\Program Files\\Tools\\ZelSoftwareInfo.exe", L"C:\\Program Files\\Tools" },
        { L"\"C:\\Tools\\ZelSoftwareInfo.exe /halt", L"C:\\Tools\\ /hal" },
        // Run under another name, or with the name in another case: only
        // the last character goes.
        { L"C:\\Tools\\Other.exe /halt", L"C:\\Tools\\Other.ex" },
        { L"\"C:\\Tools\\zelsoftwareinfo.exe\"", L"C:\\Tools\\zelsoftwareinfo.ex" },
        // Nothing to cut.
        { L"", L"" },
        { L"\"", L"" },
        { L"\"\" /halt", L"" },
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.folder, GetExecutableFolder(c.commandLine)) << "command line: " << c.commandLine;
}
