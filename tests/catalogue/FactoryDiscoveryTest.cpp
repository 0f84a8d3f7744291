#include "FactoryDiscovery.h"
#include "FactoryVolumeActivation.h"
#include "FileSystem.h"

#include "FactoryVolume.h"
#include "HostCommand.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace
{
// Creates entries under root in the order given: names ending in a
// backslash are folders, the others one-byte files.
void BuildTree(const CString& root, const std::vector<LPCWSTR>& entries)
{
    for (LPCWSTR entry : entries)
    {
        const CString path = root + L"\\" + entry;
        if (path[path.GetLength() - 1] == L'\\')
            CreateDirectoryW(path.Left(path.GetLength() - 1), nullptr);
        else
            WriteFileBytes(path, "x", 1);
    }
}

// Letters the test prefix leaves free.
const wchar_t kFirst = L'E';
const wchar_t kSecond = L'G';

DWORD DriveBit(wchar_t letter)
{
    return 1u << (letter - L'A');
}

// The factory drive's letter, and its idf folder when one may give the model.
CString FactoryLetter(DWORD appeared, CString* idf = nullptr)
{
    std::unique_ptr<CNoLinkFolder> folder;
    const CString letter = FindFactoryDriveLetter(appeared, folder);
    if (idf)
        *idf = folder ? folder->Path() : CString();
    return letter;
}

class FactoryDriveLetterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(DriveGoes(kFirst));
        ASSERT_TRUE(DriveGoes(kSecond));
        for (wchar_t letter = L'D'; letter <= L'Z'; ++letter)
            ASSERT_FALSE(DirectoryExists(CString(letter) + L":\\idf"))
                << "the test prefix has " << char(letter) << ":\\idf";
    }

    // Makes the volume's content reachable under the letter.
    static void Activate(CFactoryVolume& volume, wchar_t letter)
    {
        const wchar_t text[] = { letter, L'\0' };
        volume.Configure(text);
        ASSERT_TRUE(volume.Activate());
    }
};

// What the volumes on the first and the second letter hold (the second
// made reachable first; "idf@" a host link to a folder idf beside the
// volume), which of them appeared with the activation, and the letter the
// search answers with the idf folder it gives (empty: none).
struct TwoVolumes
{
    const char* name;
    std::vector<LPCWSTR> first;
    std::vector<LPCWSTR> second;
    DWORD appeared;
    LPCWSTR letter;
    LPCWSTR idf;
};

void PrintTo(const TwoVolumes& volumes, std::ostream* os)
{
    *os << volumes.name;
}

class FactoryDriveLetterOf : public FactoryDriveLetterTest, public ::testing::WithParamInterface<TwoVolumes>
{
};

TEST_P(FactoryDriveLetterOf, IsTheFirstLetterWithAnIdfFolder)
{
    CFactoryVolume second, first;
    BuildTree(second.Content(), GetParam().second);
    BuildTree(first.Content(), GetParam().first);
    CTempFolder elsewhere;
    for (const CFactoryVolume* volume : { &first, &second })
        if (PathExists(*volume / L"idf@"))
        {
            ASSERT_TRUE(RemoveOnHost(*volume / L"idf@"));
            ASSERT_TRUE(MakeHostLink(*volume / L"idf", elsewhere.Path()));
        }
    Activate(second, kSecond);
    Activate(first, kFirst);

    CString idf;
    EXPECT_EQ(CString(GetParam().letter), FactoryLetter(GetParam().appeared, &idf));
    EXPECT_EQ(CString(GetParam().idf), idf);
}

const TwoVolumes kTwoVolumes[] = {
    { "TheFirstLetterWins", { L"idf\\" }, { L"idf\\" }, 0, L"E", L"E:\\idf" },
    { "AFileNamedIdfDoesNotCount", { L"idf" }, { L"idf\\" }, 0, L"G", L"G:\\idf" },
    // A drive of the user's own comes before the one activation made.
    { "TheLetterThatAppearedWins", { L"idf\\" }, { L"idf\\" }, DriveBit(kSecond), L"G", L"G:\\idf" },
    { "AnAppearedLetterWithoutIdfFindsNoDrive", { L"idf\\" }, { L"data\\" }, DriveBit(kSecond), L"", L"" },
    { "ALinkedIdfIsPassedOver", { L"idf@" }, { L"idf\\" }, 0, L"G", L"G:\\idf" },
    { "ALinkedIdfThatAppearedGivesNoModel", { L"idf@" }, { L"idf\\" }, DriveBit(kFirst), L"E", L"" },
};

INSTANTIATE_TEST_SUITE_P(Table, FactoryDriveLetterOf, ::testing::ValuesIn(kTwoVolumes),
                         [](const ::testing::TestParamInfo<TwoVolumes>& info) { return std::string(info.param.name); });

TEST_F(FactoryDriveLetterTest, WithoutAFactoryDriveTheAnswerIsC)
{
    CFactoryVolume volume;
    BuildTree(volume.Content(), { L"data\\", L"data\\idf\\" });
    Activate(volume, kFirst);
    ASSERT_TRUE(CreateDirectoryW(L"C:\\idf", nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);

    CString idf;
    EXPECT_EQ(CString(L"C"), FactoryLetter(0, &idf));
    EXPECT_EQ(CString(L"C:\\idf"), idf);
    RemoveTree(L"C:\\idf");
}

TEST(FactoryVolumeActivationTest, AnUnusableLibraryActivatesNothingAndMakesNoDrive)
{
    CImportedVolumeLibrary library;
    ASSERT_TRUE(DriveGoes(kFirst));

    EXPECT_FALSE(CFactoryVolumeActivation().IsActive()) << "no Hdv.ini";
    library.Configure(L"C:\\no such folder", L"E");
    EXPECT_FALSE(CFactoryVolumeActivation().IsActive()) << "Source missing";
    EXPECT_FALSE(DriveExists(kFirst));
}

TEST(FactoryVolumeActivationTest, TheIdfFolderIsReachableUntilTheActivationGoes)
{
    CImportedVolumeLibrary library;
    CTempFolder content;
    BuildTree(content.Path(), { L"idf\\", L"idf\\Model\\", L"idf\\Model\\PC-XML.xml" });
    library.Configure(content.Path(), L"E");

    {
        const DWORD before = GetLogicalDrives();
        const CFactoryVolumeActivation volume;
        ASSERT_TRUE(volume.IsActive());
        EXPECT_EQ(DriveBit(kFirst), GetLogicalDrives() & ~before) << "the letter defined is seen at once";
        EXPECT_EQ(CString(L"E"), FactoryLetter(GetLogicalDrives() & ~before));
        g_strModelFile.Empty();
        FindModelFile(L"E:\\idf", L"XML");
        EXPECT_EQ(CString(L"E:\\idf\\Model\\PC-XML.xml"), g_strModelFile);
    }
    EXPECT_TRUE(DriveGoes(kFirst));
    EXPECT_EQ(CString(L"C"), FactoryLetter(0));
}

class FindModelFileTest : public ::testing::Test
{
protected:
    void SetUp() override { g_strModelFile.Empty(); }
    CString Idf() const { return m_volume / L"idf"; }
    void Build(const std::vector<LPCWSTR>& entries) const { BuildTree(m_volume.Path(), entries); }

    CTempFolder m_volume;
};

// A tree under idf and the model file the walk chooses in it.
struct ModelTree
{
    const char* name;
    std::vector<LPCWSTR> entries;
    LPCWSTR chosen;
};

void PrintTo(const ModelTree& tree, std::ostream* os)
{
    *os << tree.name;
}

class FindModelFileIn : public FindModelFileTest, public ::testing::WithParamInterface<ModelTree>
{
};

TEST_P(FindModelFileIn, ChoosesTheLastMatchingFile)
{
    Build(GetParam().entries);

    FindModelFile(Idf(), L"XML");

    EXPECT_EQ(Idf() + GetParam().chosen, g_strModelFile);
}

// The walk takes a folder's entries in the platform's order; NTFS and wine
// both return them sorted by their upper-case names, which the first two
// trees rely on: the later match in that depth-first order wins.
const ModelTree kModelTrees[] = {
    { "AMatchInALaterSubfolderReplacesOneAtTheTop",
      { L"idf\\", L"idf\\MODEL.XML", L"idf\\sub\\", L"idf\\sub\\XML-list.txt" },
      L"\\sub\\XML-list.txt" },
    { "AMatchAfterAnEarlierSubfolderReplacesTheOneInIt",
      { L"idf\\", L"idf\\Data\\", L"idf\\Data\\XML-list.txt", L"idf\\MODEL.XML" },
      L"\\MODEL.XML" },
    { "ThePatternMatchesCaseSensitivelyAnywhereInTheName",
      { L"idf\\", L"idf\\model.xml", L"idf\\a\\", L"idf\\a\\XMLdata", L"idf\\b\\", L"idf\\b\\Xml.txt" },
      L"\\a\\XMLdata" },
    { "FoldersAreEnteredButNeverChosen",
      { L"idf\\", L"idf\\XML\\", L"idf\\XML\\deeper\\", L"idf\\XML\\deeper\\PC_XML.dat", L"idf\\ZXML\\" },
      L"\\XML\\deeper\\PC_XML.dat" },
};

INSTANTIATE_TEST_SUITE_P(Table, FindModelFileIn, ::testing::ValuesIn(kModelTrees),
                         [](const ::testing::TestParamInfo<ModelTree>& info) { return std::string(info.param.name); });

TEST_F(FindModelFileTest, HiddenAndSystemFilesAndNamesWithoutADotCount)
{
    Build({ L"idf\\", L"idf\\MODELXML" });
    SetFileAttributesW(Idf() + L"\\MODELXML", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

    FindModelFile(Idf(), L"XML");

    EXPECT_EQ(Idf() + L"\\MODELXML", g_strModelFile);
    SetFileAttributesW(Idf() + L"\\MODELXML", FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FindModelFileTest, NothingFoundLeavesThePathAsItWas)
{
    Build({ L"idf\\", L"idf\\empty\\" });
    FindModelFile(Idf(), L"XML");
    EXPECT_TRUE(g_strModelFile.IsEmpty()) << "empty idf";

    FindModelFile(m_volume / L"absent", L"XML");
    EXPECT_TRUE(g_strModelFile.IsEmpty()) << "missing folder";

    g_strModelFile = L"C:\\earlier\\MODEL.XML";
    FindModelFile(Idf(), L"XML");
    EXPECT_EQ(CString(L"C:\\earlier\\MODEL.XML"), g_strModelFile);
}

// The build makes idf\Model a host link to a folder outside idf, which wine
// reports as a reparse point, as Windows does a junction.
TEST_F(FindModelFileTest, AModelFileBehindAFolderLinkIsFound)
{
    const CString buildRoot = BinFolder().Left(BinFolder().ReverseFind(L'\\'));
    const CString idf = buildRoot + L"\\tests\\catalogue\\linked\\idf";
    WIN32_FIND_DATAW data;
    const CFindHandle find(FindFirstFileW(idf + L"\\Model", &data));
    ASSERT_TRUE(find != nullptr) << "the link is missing";
    ASSERT_NE(0u, data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);

    FindModelFile(idf, L"XML");

    EXPECT_EQ(idf + L"\\Model\\PCMODEL_XML.xml", g_strModelFile);
}

// The build makes idf\sub\back a host link to idf itself. The walk must end,
// and the match met through the link must not replace the real one.
TEST_F(FindModelFileTest, ALinkBackUpTheTreeEndsTheWalk)
{
    const CString buildRoot = BinFolder().Left(BinFolder().ReverseFind(L'\\'));
    const CString idf = buildRoot + L"\\tests\\catalogue\\linkloop\\idf";
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(idf + L"\\sub\\back\\PC-XML.dat")) << "the link is missing";

    FindModelFile(idf, L"XML");

    EXPECT_EQ(idf + L"\\PC-XML.dat", g_strModelFile);
}
}
