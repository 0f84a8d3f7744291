#include <CatalogueLocations.h>
#include <TestFolders.h>

#include <gtest/gtest.h>

TEST(CatalogueLocationsTest, AreTheFixedDataFolderAndItsThreeFiles)
{
    const CatalogueLocations locations = GetCatalogueLocations();
    EXPECT_STREQ(DataFolder(), locations.m_strDataFolder);
    EXPECT_STREQ(DataFolder() + L"\\modules.ini", locations.m_strModulesIni);
    EXPECT_STREQ(DataFolder() + L"\\temp.ini", locations.m_strTempIni);
    EXPECT_STREQ(DataFolder() + L"\\apps.ini", locations.m_strAppsIni);
}

// The command line plays no part (the first-start suite starts the program
// under a misleading one).
TEST(ExecutableFolderTest, IsTheFolderOfTheModuleFile)
{
    const CString folder = GetCatalogueLocations().m_strExeFolder;
    EXPECT_EQ(0, folder.CompareNoCase(BinFolder())) << folder.GetString();
    EXPECT_NE(L'\\', folder[folder.GetLength() - 1]);
}
