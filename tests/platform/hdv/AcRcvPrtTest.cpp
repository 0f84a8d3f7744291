#include "ProgramRunner.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

#include <cstring>

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

bool DriveExists(wchar_t letter)
{
    return (GetLogicalDrives() & (1u << (letter - L'A'))) != 0;
}

CString Root(wchar_t letter)
{
    return CString(letter) + L":\\";
}

// A folder holding the library, a program that uses it as the main program
// does, and its Hdv.ini; and a factory volume's content: idf\<marker>.
class CVolumeSetup
{
public:
    explicit CVolumeSetup(LPCWSTR marker)
    {
        CreateDirectoryW(m_volume / L"idf", nullptr);
        WriteFileBytes(m_volume.Path() + L"\\idf\\" + marker, "x", 1);
        CopyFileTo(BinFolder() + L"\\Hdv.dll", m_library / L"Hdv.dll");
        CopyFileTo(BinFolder() + L"\\HdvProbe.exe", m_library / L"HdvProbe.exe");
    }

    const CString& Volume() const { return m_volume.Path(); }
    void WriteIni(const char* text) const { WriteFileBytes(m_library / L"Hdv.ini", text, std::strlen(text)); }
    void Configure(const CString& source, LPCWSTR letter) const
    {
        DeleteFileW(m_library / L"Hdv.ini");
        WritePrivateProfileStringW(L"FactoryVolume", L"Source", source, m_library / L"Hdv.ini");
        if (letter)
            WritePrivateProfileStringW(L"FactoryVolume", L"Letter", letter, m_library / L"Hdv.ini");
    }
    void Configure(LPCWSTR letter) const { Configure(Volume(), letter); }
    // True when Initialize and the command's operation both returned nonzero.
    bool Run(LPCWSTR command) const
    {
        CProgramRunner probe(m_library / L"HdvProbe.exe", command);
        return probe.WaitForExit(60000) == 1;
    }

private:
    CTempFolder m_library;
    CTempFolder m_volume;
};

// A letter no test prefix uses.
const wchar_t kLetter = L'Q';

TEST(AcRcvPrtTest, InitializeNeedsHdvIniNamingAnExistingFolder)
{
    CVolumeSetup setup(L"a.txt");
    EXPECT_FALSE(setup.Run(L"initialize")) << "no Hdv.ini";

    setup.WriteIni("[FactoryVolume]\r\nLetter=Q\r\n");
    EXPECT_FALSE(setup.Run(L"initialize")) << "no Source";

    setup.Configure(setup.Volume() + L"\\absent", L"Q");
    EXPECT_FALSE(setup.Run(L"initialize")) << "missing folder";

    setup.Configure(setup.Volume() + L"\\idf\\a.txt", L"Q");
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
    EXPECT_TRUE(IsFolder(Root(kLetter) + L"idf"));
    EXPECT_TRUE(IsFile(Root(kLetter) + L"idf\\a.txt"));

    EXPECT_TRUE(setup.Run(L"disable"));
    EXPECT_FALSE(IsFolder(Root(kLetter) + L"idf"));
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
    EXPECT_TRUE(IsFile(Root(kLetter) + L"idf\\owner.txt"));

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
    EXPECT_TRUE(IsFile(Root(expected) + L"idf\\a.txt"));

    EXPECT_TRUE(setup.Run(L"disable"));
    EXPECT_FALSE(DriveExists(expected));
}
}
