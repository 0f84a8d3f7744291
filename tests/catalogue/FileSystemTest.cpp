#include <FileSystem.h>
#include <TestFolders.h>

#include <gtest/gtest.h>

TEST(FileSystemTest, FileExistsForAnyEntryDirectoryExistsOnlyForDirectories)
{
    CTempFolder folder;
    const CString file = folder / L"apps.ini";
    ASSERT_TRUE(WriteFileBytes(file, "[A]\r\n", 5));

    EXPECT_TRUE(FileExists(folder.Path()));
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(folder / L"missing.ini"));

    EXPECT_TRUE(DirectoryExists(folder.Path()));
    EXPECT_FALSE(DirectoryExists(file));
    EXPECT_FALSE(DirectoryExists(folder / L"missing"));
}

TEST(FileSystemTest, EnsureDataFolderCreatesOnlyTheLastComponent)
{
    CTempFolder folder;
    const CString parent = folder / L"Marbek Corporation";
    const CString data = parent + L"\\Quenta Central";

    EnsureDataFolder(data);
    EXPECT_FALSE(FileExists(parent));
    EXPECT_FALSE(FileExists(data));

    ASSERT_TRUE(CreateDirectoryW(parent, nullptr));
    EnsureDataFolder(data);
    EXPECT_TRUE(DirectoryExists(data));
}

TEST(FileSystemTest, EnsureDataFolderLeavesAnExistingFolderOrAFileInTheWayAlone)
{
    CTempFolder folder;
    const CString data = folder / L"Quenta Central";
    ASSERT_TRUE(CreateDirectoryW(data, nullptr));
    ASSERT_TRUE(WriteFileBytes(data + L"\\apps.ini", "[A]\r\n", 5));
    EnsureDataFolder(data);
    EXPECT_TRUE(FileExists(data + L"\\apps.ini"));

    const CString blocked = folder / L"blocked";
    ASSERT_TRUE(WriteFileBytes(blocked, "x", 1));
    EnsureDataFolder(blocked);
    EXPECT_TRUE(FileExists(blocked));
    EXPECT_FALSE(DirectoryExists(blocked));
}
