#include <FileSystem.h>
#include <TestFolders.h>

#include <gtest/gtest.h>

TEST(FileSystemTest, DirectoryExistsOnlyForDirectories)
{
    CTempFolder folder;
    const CString file = folder / L"apps.ini";
    ASSERT_TRUE(WriteFileBytes(file, "[A]\r\n", 5));

    EXPECT_TRUE(DirectoryExists(folder.Path()));
    EXPECT_FALSE(DirectoryExists(file));
    EXPECT_FALSE(DirectoryExists(folder / L"missing"));
}
