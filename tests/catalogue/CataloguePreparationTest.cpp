#include "CataloguePreparation.h"
#include "FactoryDiscovery.h"
#include "TrustedFolders.h"

#include "FactoryVolume.h"
#include "ModelFiles.h"
#include "ProfileFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// The lines of the probe's run.txt (UTF-16, one fact per line).
std::vector<CString> ProbeRecord(const CString& folder)
{
    const std::string bytes = ReadFileBytes(folder + L"\\run.txt");
    const CString text(reinterpret_cast<LPCWSTR>(bytes.data()), static_cast<int>(bytes.size() / sizeof(wchar_t)));
    std::vector<CString> lines;
    CString line;
    for (int i = 0; i < text.GetLength(); ++i)
    {
        if (text[i] == L'\n')
        {
            lines.push_back(line);
            line.Empty();
        }
        else
            line += text[i];
    }
    return lines;
}

class ConvertModulesToTempTest : public ::testing::Test
{
protected:
    CTempFolder m_folder;
    CString m_modules = m_folder / L"modules.ini";
    CString m_temp = m_folder / L"temp.ini";
};

TEST_F(ConvertModulesToTempTest, OneSectionPerLabelTheLaterDescriptionWinsWhateverTheCase)
{
    ASSERT_TRUE(WriteUtf16Ini(m_modules, L"[M1]\r\nCustomerLabel=Photo Studio\r\nCustomerDescription=first\r\n"
                                         L"[M2]\r\nCustomerLabel=Mail\r\nCustomerDescription=mail\r\n"
                                         L"[M3]\r\nCustomerLabel=PHOTO studio\r\nCustomerDescription=second\r\n"
                                         L"Version=2\r\n"));

    ConvertModulesToTemp(m_modules, m_temp);

    EXPECT_EQ(L"Photo Studio\nMail\n", ProfileSectionList(m_temp));
    EXPECT_STREQ(L"second", ProfileValue(m_temp, L"Photo Studio", L"CustomerDescription"));
    EXPECT_STREQ(L"<missing>", ProfileValue(m_temp, L"Photo Studio", L"Version"));
}

TEST_F(ConvertModulesToTempTest, LabelsAndDescriptionsAreTrimmedAndEmptyLabelsDropped)
{
    ASSERT_TRUE(WriteUtf16Ini(m_modules,
                              L"[Blank]\r\nCustomerLabel=   \r\nCustomerDescription=lost\r\n"
                              L"[NoLabel]\r\nCustomerDescription=lost too\r\n"
                              L"[Padded]\r\nCustomerLabel=  \t Tool Box \t\r\nCustomerDescription= \t does things  \r\n"
                              L"[NoDescription]\r\nCustomerLabel=Bare\r\n"));

    ConvertModulesToTemp(m_modules, m_temp);

    EXPECT_EQ(L"Tool Box\nBare\n", ProfileSectionList(m_temp));
    EXPECT_STREQ(L"does things", ProfileValue(m_temp, L"Tool Box", L"CustomerDescription"));
    EXPECT_STREQ(L"", ProfileValue(m_temp, L"Bare", L"CustomerDescription")) << "written, and empty";
}

TEST_F(ConvertModulesToTempTest, LongValuesAreCutTo1023CharactersThenTrimmed)
{
    const CString label = CString(L'a', 1020) + L"   " + CString(L'b', 10);
    const CString description = CString(L'd', 3000);
    ASSERT_TRUE(WriteUtf16Ini(m_modules,
                              L"[M1]\r\nCustomerLabel=" + label + L"\r\nCustomerDescription=" + description + L"\r\n"));

    ConvertModulesToTemp(m_modules, m_temp);

    EXPECT_EQ(std::wstring(1020, L'a') + L"\n", ProfileSectionList(m_temp));
    EXPECT_STREQ(CString(L'd', 1023), ProfileValue(m_temp, CString(L'a', 1020), L"CustomerDescription"));
}

// The names of 300 sections take far more than 2,048 characters: every one
// of them reaches temp.ini.
TEST_F(ConvertModulesToTempTest, EverySectionIsConvertedHoweverLongTheListOfNames)
{
    CString text;
    wchar_t section[64];
    for (int i = 0; i < 300; ++i)
    {
        wsprintfW(section, L"Module-with-a-rather-long-identifier-%03d", i);
        text += CString(L"[") + section + L"]\r\nCustomerLabel=Product " + section + L"\r\n";
    }
    ASSERT_TRUE(WriteUtf16Ini(m_modules, text));

    ConvertModulesToTemp(m_modules, m_temp);

    const std::vector<CString> names = ProfileSectionNames(m_temp);
    ASSERT_EQ(300u, names.size());
    EXPECT_STREQ(L"Product Module-with-a-rather-long-identifier-000", names.front());
    EXPECT_STREQ(L"Product Module-with-a-rather-long-identifier-299", names.back());
}

TEST_F(ConvertModulesToTempTest, ANewTempIniKeepsCharactersOutsideTheAnsiCodePage)
{
    ASSERT_TRUE(WriteUtf16Ini(m_modules, L"[M1]\r\nCustomerLabel=\u5199\u771f \u00e9\u00df\r\n"
                                         L"CustomerDescription=\u7de8\u96c6 \u2013 \u0161\r\n"));

    ConvertModulesToTemp(m_modules, m_temp);

    EXPECT_TRUE(StartsWithUtf16Bom(m_temp));
    EXPECT_STREQ(L"\u7de8\u96c6 \u2013 \u0161",
                 ProfileValue(m_temp, L"\u5199\u771f \u00e9\u00df", L"CustomerDescription"));
}

TEST_F(ConvertModulesToTempTest, WithoutModulesIniNoTempIniIsMade)
{
    ConvertModulesToTemp(m_modules, m_temp);
    EXPECT_FALSE(PathExists(m_temp));
}

// The program folder of this process, whose Unicode.exe is the probe that
// records how it was started; what the probe leaves goes with the object.
class CProbedProgramFolder
{
public:
    CProbedProgramFolder() : m_folder(InProcessProgramFolder())
    {
        Clear();
        CopyFileTo(BinFolder() + L"\\UnicodeToolProbe.exe", m_folder + L"\\Unicode.exe");
    }
    ~CProbedProgramFolder() { Clear(); }
    const CString& Path() const { return m_folder; }
    CString operator/(LPCWSTR name) const { return m_folder + L"\\" + name; }
    bool ToolRan() const { return PathExists(*this / L"run.txt"); }
    std::vector<CString> Record() const { return ProbeRecord(m_folder); }

private:
    void Clear() const
    {
        for (LPCWSTR name : { L"Unicode.exe", L"run.txt", L"temp-seen.ini" })
            DeleteFileW(*this / name);
    }

    CString m_folder;
};

TEST(RunUnicodeToolLeftRunningTest, StartsTheToolInTheProgramFolderOnTheTwoQuotedPathsAndWaits)
{
    const CatalogueLocations defaults = GetCatalogueLocations();
    CProbedProgramFolder program;
    const CNoLinkFolder programFolder(program.Path());

    EXPECT_FALSE(
        RunUnicodeToolLeftRunning(programFolder, defaults.m_strTempIni, defaults.m_strAppsIni, EShellReports::Shown));

    const std::vector<CString> record = program.Record();
    ASSERT_GE(record.size(), 2u) << "the tool has ended when the call returns";
    EXPECT_STREQ(L"\"c:\\programdata\\Marbek Corporation\\Quenta Central\\temp.ini\" "
                 L"\"c:\\programdata\\Marbek Corporation\\Quenta Central\\apps.ini\"",
                 record[0]);
    EXPECT_EQ(0, record[1].CompareNoCase(program.Path()));
}

// The pipeline on a data folder of its own, with the volume library beside
// this test program configured to give the factory volume the letter E.
class PrepareCatalogueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_strModelFile.Empty();
        m_locations.m_strDataFolder = m_base / L"Quenta Central";
        m_locations.m_strModulesIni = m_locations.m_strDataFolder + L"\\modules.ini";
        m_locations.m_strTempIni = m_locations.m_strDataFolder + L"\\temp.ini";
        m_locations.m_strAppsIni = m_locations.m_strDataFolder + L"\\apps.ini";
        m_locations.m_strExeFolder = m_program.Path();
        CreateDirectoryW(m_volume / L"idf", nullptr);
        CreateDirectoryW(m_volume / L"idf\\Model", nullptr);
        ASSERT_TRUE(DriveGoes(L'E'));
    }

    void UseVolume() { m_library.Configure(m_volume.Path(), L"E"); }
    void WriteModel(const std::vector<ModelModule>& modules)
    {
        ASSERT_TRUE(WriteModelFile(m_volume / L"idf\\Model\\PCMODEL_XML.xml", modules));
    }
    CString Data(LPCWSTR name) const { return m_locations.m_strDataFolder + L"\\" + name; }
    // The data folder made, judged and prepared, as a start does.
    void Prepare() const
    {
        const CDataFolder data(m_locations.m_strDataFolder);
        ASSERT_TRUE(data.IsTrusted());
        PrepareCatalogue(data.Folder(), m_locations, EShellReports::Shown);
    }

    CTempFolder m_base;
    CTempFolder m_volume;
    CProbedProgramFolder m_program;
    CImportedVolumeLibrary m_library;
    CatalogueLocations m_locations;
};

TEST_F(PrepareCatalogueTest, TheToolSeesOnlyTheConvertedTempIniAndBothIntermediatesGoAfterwards)
{
    UseVolume();
    WriteModel({ { "Photo Studio", "Edit photos." },
                 { "", "no label" },
                 { "  Mail  ", "Read mail." },
                 { "photo studio", "Edit and organise photos." } });

    Prepare();

    const std::vector<CString> record = m_program.Record();
    ASSERT_EQ(5u, record.size()) << "the tool ran";
    EXPECT_STREQ(L"modules.ini absent", record[2]);
    EXPECT_STREQ(L"temp.ini present", record[3]);
    EXPECT_STREQ(L"apps.ini absent", record[4]);
    const CString seen = m_program / L"temp-seen.ini";
    EXPECT_EQ(L"Photo Studio\nMail\n", ProfileSectionList(seen));
    EXPECT_STREQ(L"Edit and organise photos.", ProfileValue(seen, L"Photo Studio", L"CustomerDescription"));

    EXPECT_FALSE(PathExists(Data(L"modules.ini")));
    EXPECT_FALSE(PathExists(Data(L"temp.ini")));
    EXPECT_TRUE(DriveGoes(L'E')) << "the volume is withdrawn";
}

TEST_F(PrepareCatalogueTest, AFirstRunWithTheRealToolLeavesOnlyAppsIni)
{
    ASSERT_TRUE(CopyFileTo(BinFolder() + L"\\Unicode.exe", m_program / L"Unicode.exe"));
    UseVolume();
    WriteModel(
        { { u8"\u5199\u771f\u30b9\u30bf\u30b8\u30aa", u8"\u5199\u771f\u3092\u7de8\u96c6\u3057\u307e\u3059\u3002" },
          { "Mail", "Read mail." } });

    Prepare();

    const CString apps = Data(L"apps.ini");
    EXPECT_EQ(L"\u5199\u771f\u30b9\u30bf\u30b8\u30aa\nMail\n", ProfileSectionList(apps));
    EXPECT_STREQ(L"\u5199\u771f\u3092\u7de8\u96c6\u3057\u307e\u3059\u3002",
                 ProfileValue(apps, L"\u5199\u771f\u30b9\u30bf\u30b8\u30aa", L"CustomerDescription"));
    EXPECT_FALSE(PathExists(Data(L"modules.ini")));
    EXPECT_FALSE(PathExists(Data(L"temp.ini")));
}

TEST_F(PrepareCatalogueTest, WithAppsIniPresentNothingIsCalledAndNothingChanges)
{
    UseVolume();
    WriteModel({ { "Photo Studio", "Edit photos." } });
    CreateDirectoryW(m_locations.m_strDataFolder, nullptr);
    ASSERT_TRUE(WriteUtf16Ini(Data(L"apps.ini"), L"[Kept]\r\nCustomerDescription=as it was\r\n"));
    ASSERT_TRUE(WriteAnsiIni(Data(L"temp.ini"), L"[Leftover]\r\nCustomerDescription=x\r\n"));
    const std::string apps = ReadFileBytes(Data(L"apps.ini"));
    const std::string temp = ReadFileBytes(Data(L"temp.ini"));

    Prepare();

    EXPECT_EQ(apps, ReadFileBytes(Data(L"apps.ini")));
    EXPECT_EQ(temp, ReadFileBytes(Data(L"temp.ini")));
    EXPECT_FALSE(PathExists(Data(L"modules.ini"))) << "the model-code library was not called";
    EXPECT_FALSE(m_program.ToolRan());
    EXPECT_TRUE(g_strModelFile.IsEmpty()) << "the volume was not searched";
}

TEST_F(PrepareCatalogueTest, WithoutAUsableVolumeLibraryOnlyTheDataFolderIsMade)
{
    WriteModel({ { "Photo Studio", "Edit photos." } });

    Prepare();

    EXPECT_TRUE(PathExists(m_locations.m_strDataFolder));
    EXPECT_FALSE(PathExists(Data(L"modules.ini")));
    EXPECT_FALSE(PathExists(Data(L"temp.ini")));
    EXPECT_FALSE(PathExists(Data(L"apps.ini")));
    EXPECT_FALSE(m_program.ToolRan());
}

TEST_F(PrepareCatalogueTest, WithoutAModelFileTheToolStillRunsOnNothing)
{
    UseVolume();
    ASSERT_TRUE(WriteModelFile(m_volume / L"idf\\Model\\model.xml", { { "Photo Studio", "Edit photos." } }));

    Prepare();

    EXPECT_TRUE(g_strModelFile.IsEmpty());
    const std::vector<CString> record = m_program.Record();
    ASSERT_EQ(5u, record.size());
    EXPECT_STREQ(L"temp.ini absent", record[3]);
    EXPECT_FALSE(PathExists(Data(L"modules.ini")));
    EXPECT_FALSE(PathExists(Data(L"apps.ini")));
}

// A model without labels converts to nothing: the tool must not get the
// products of an interrupted start instead.
TEST_F(PrepareCatalogueTest, ALeftoverTempIniIsRemovedBeforeTheConversion)
{
    UseVolume();
    WriteModel({ { "", "no label" } });
    CreateDirectoryW(m_locations.m_strDataFolder, nullptr);
    ASSERT_TRUE(WriteAnsiIni(Data(L"temp.ini"), L"[Old Product]\r\nCustomerDescription=an older model's\r\n"));

    Prepare();

    const std::vector<CString> record = m_program.Record();
    ASSERT_EQ(5u, record.size()) << "the tool ran";
    EXPECT_STREQ(L"temp.ini absent", record[3]);
}
}
