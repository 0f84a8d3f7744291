#include "FactoryVolume.h"

#include <gtest/gtest.h>

namespace
{
bool IsFolder(const CString& path)
{
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const CString& path)
{
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A factory volume whose content is idf\<marker>.
class CVolumeSetup : public CFactoryVolume
{
public:
    explicit CVolumeSetup(LPCWSTR marker)
    {
        CreateDirectoryW(*this / L"idf", nullptr);
        WriteFileBytes(Content() + L"\\idf\\" + marker, "x", 1);
    }
};

// A letter no test prefix uses.
const wchar_t kLetter = L'Q';

TEST(AcRcvPrtTest, InitializeNeedsHdvIniNamingAnExistingFolder)
{
    CVolumeSetup setup(L"a.txt");
    EXPECT_FALSE(setup.Run(L"initialize")) << "no Hdv.ini";

    setup.WriteIni("[FactoryVolume]\r\nLetter=Q\r\n");
    EXPECT_FALSE(setup.Run(L"initialize")) << "no Source";

    setup.Configure(setup.Content() + L"\\absent", L"Q");
    EXPECT_FALSE(setup.Run(L"initialize")) << "missing folder";

    setup.Configure(setup.Content() + L"\\idf\\a.txt", L"Q");
    EXPECT_FALSE(setup.Run(L"initialize")) << "a file";

    setup.Configure(L"7");
    EXPECT_FALSE(setup.Run(L"initialize")) << "not a drive letter";

    setup.Configure(nullptr);
    EXPECT_TRUE(setup.Run(L"initialize")) << "folder, no letter";

    setup.Configure(L"q:");
    EXPECT_TRUE(setup.Run(L"initialize")) << "letter with colon";
}

TEST(AcRcvPrtTest, ActivateMakesTheFolderReachableAndDisableWithdrawsIt)
{
    ASSERT_FALSE(DriveExists(kLetter));
    CVolumeSetup setup(L"a.txt");
    setup.Configure(L"Q");

    ASSERT_TRUE(setup.Run(L"activate"));
    EXPECT_TRUE(IsFolder(DriveRoot(kLetter) + L"idf"));
    EXPECT_TRUE(IsFile(DriveRoot(kLetter) + L"idf\\a.txt"));

    EXPECT_TRUE(setup.Run(L"disable"));
    EXPECT_FALSE(IsFolder(DriveRoot(kLetter) + L"idf"));
    EXPECT_FALSE(DriveExists(kLetter));
    EXPECT_FALSE(setup.Run(L"disable")) << "nothing left to withdraw";
}

TEST(AcRcvPrtTest, ALetterThatLeadsElsewhereIsNeitherTakenNorWithdrawn)
{
    ASSERT_FALSE(DriveExists(kLetter));
    CVolumeSetup owner(L"owner.txt");
    owner.Configure(L"Q");
    CVolumeSetup other(L"other.txt");
    other.Configure(L"Q");
    ASSERT_TRUE(owner.Run(L"activate"));

    EXPECT_FALSE(other.Run(L"activate"));
    EXPECT_FALSE(other.Run(L"disable"));
    EXPECT_TRUE(IsFile(DriveRoot(kLetter) + L"idf\\owner.txt"));

    EXPECT_TRUE(owner.Run(L"disable"));
    EXPECT_FALSE(DriveExists(kLetter));
}

TEST(AcRcvPrtTest, WithoutALetterTheFirstFreeFromDIsUsed)
{
    wchar_t expected = L'\0';
    for (wchar_t letter = L'Z'; letter >= L'D'; --letter)
        if (!DriveExists(letter))
            expected = letter;
    ASSERT_NE(L'\0', expected);
    CVolumeSetup setup(L"a.txt");
    setup.Configure(nullptr);

    ASSERT_TRUE(setup.Run(L"activate"));
    EXPECT_TRUE(IsFile(DriveRoot(expected) + L"idf\\a.txt"));

    EXPECT_TRUE(setup.Run(L"disable"));
    EXPECT_FALSE(DriveExists(expected));
}
}
