// The first start on a machine without a catalogue, and the starts after it,
// with the built program and a factory volume made reachable by the volume
// library from the program folder's Hdv.ini.
#include <DialogDriver.h>
#include <FactoryVolume.h>
#include <ModelFiles.h>
#include <ProfileFiles.h>
#include <ProgramRunner.h>
#include <TestFolders.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
const DWORD kTimeout = 60000;
const wchar_t kCaption[] = L"Software Information";
const wchar_t kLetter = L'F';

class FirstRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RemoveTree(DataFolder());
        ASSERT_FALSE(DriveExists(kLetter));
        ASSERT_TRUE(CopyFolderFiles(DistFolder(), m_program.Path()));
        CreateDirectoryW(m_volume / L"idf", nullptr);
        CreateDirectoryW(m_volume / L"idf\\Model", nullptr);
        WriteHdvIni(m_program / L"Hdv.ini", m_volume.Path(), L"F");
    }

    void TearDown() override { RemoveTree(DataFolder()); }

    static CString DataFolder() { return L"c:\\programdata\\Marbek Corporation\\Quenta Central"; }
    static CString Data(LPCWSTR name) { return DataFolder() + L"\\" + name; }

    void WriteModel(const std::vector<ModelModule>& modules) const
    {
        ASSERT_TRUE(WriteModelFile(m_volume / L"idf\\Model\\PCMODEL_XML.xml", modules));
    }

    // Starts the program, waits for its dialog and closes it again; the
    // number of rows the list showed, or -1 when no dialog appeared. Any
    // other window the process shows first (the shell's report of a tool
    // it could not start) is closed and counted in m_otherWindows.
    int RowsShown()
    {
        CProgramRunner program(m_program / L"ZelSoftwareInfo.exe", CString(), m_program.Path());
        HWND hDlg = nullptr;
        std::vector<HWND> others;
        for (DWORD waited = 0; !hDlg && waited < kTimeout && program.WaitForExit(0) == STILL_ACTIVE; waited += 50)
        {
            for (HWND hWnd : program.VisibleWindows())
            {
                if (WindowText(hWnd) == kCaption)
                    hDlg = hWnd;
                else if (std::find(others.begin(), others.end(), hWnd) == others.end())
                {
                    others.push_back(hWnd);
                    PostMessageW(hWnd, WM_CLOSE, 0, 0);
                }
            }
            Sleep(50);
        }
        m_otherWindows += static_cast<int>(others.size());
        if (!hDlg)
            return -1;
        const int rows = static_cast<int>(SendDlgItemMessageW(hDlg, IDC_SOFTWARE_LIST, LVM_GETITEMCOUNT, 0, 0));
        PostMessageW(hDlg, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, program.WaitForExit(10000));
        return rows;
    }

    void ExpectNoIntermediates() const
    {
        EXPECT_FALSE(PathExists(Data(L"modules.ini")));
        EXPECT_FALSE(PathExists(Data(L"temp.ini")));
        EXPECT_FALSE(DriveExists(kLetter)) << "the volume is withdrawn";
    }

    CTempFolder m_program;
    CTempFolder m_volume;
    int m_otherWindows = 0;
};

// 300 products whose names take far more than 2,048 characters in all.
TEST_F(FirstRunTest, TheFirstStartBuildsTheCatalogueAndLaterStartsReadIt)
{
    std::vector<ModelModule> modules;
    for (int i = 0; i < 300; ++i)
        modules.push_back({"Factory product with a long name number " + std::to_string(i), "Does its job."});
    WriteModel(modules);

    EXPECT_EQ(300, RowsShown());
    EXPECT_EQ(0, m_otherWindows);
    EXPECT_EQ(300u, ProfileSectionNames(Data(L"apps.ini")).size());
    ExpectNoIntermediates();

    ASSERT_TRUE(DeleteFileW(m_program / L"Hdv.ini"));
    EXPECT_EQ(300, RowsShown()) << "from apps.ini alone";
}

TEST_F(FirstRunTest, WithACatalogueTheDataFolderStaysAsItWas)
{
    WriteModel({{"Photo Studio", "Edit photos."}});
    CreateDirectoryW(DataFolder(), nullptr);
    ASSERT_TRUE(WriteUtf16Ini(Data(L"apps.ini"), L"[Mail]\r\nCustomerDescription=Read mail.\r\n"
                                                 L"[Maps]\r\nCustomerDescription=Find the way.\r\n"));
    ASSERT_TRUE(WriteAnsiIni(Data(L"temp.ini"), L"[Leftover]\r\nCustomerDescription=x\r\n"));
    const std::string apps = ReadFileBytes(Data(L"apps.ini"));
    const std::string temp = ReadFileBytes(Data(L"temp.ini"));

    EXPECT_EQ(2, RowsShown());
    EXPECT_EQ(apps, ReadFileBytes(Data(L"apps.ini")));
    EXPECT_EQ(temp, ReadFileBytes(Data(L"temp.ini")));
    EXPECT_FALSE(PathExists(Data(L"modules.ini")));
}

TEST_F(FirstRunTest, WithoutHdvIniTheListStaysEmptyAndTheNextStartTriesAgain)
{
    WriteModel({{"Photo Studio", "Edit photos."}});
    ASSERT_TRUE(DeleteFileW(m_program / L"Hdv.ini"));

    EXPECT_EQ(0, RowsShown());
    EXPECT_TRUE(PathExists(DataFolder()));
    EXPECT_FALSE(PathExists(Data(L"apps.ini")));

    WriteHdvIni(m_program / L"Hdv.ini", m_volume.Path(), nullptr);
    EXPECT_EQ(1, RowsShown());
}

TEST_F(FirstRunTest, WithoutUnicodeExeTheIntermediatesAreStillRemoved)
{
    WriteModel({{"Photo Studio", "Edit photos."}});
    ASSERT_TRUE(DeleteFileW(m_program / L"Unicode.exe"));

    EXPECT_EQ(0, RowsShown());
    EXPECT_EQ(1, m_otherWindows) << "the shell reports the missing tool";
    EXPECT_FALSE(PathExists(Data(L"apps.ini")));
    ExpectNoIntermediates();
}

TEST_F(FirstRunTest, AMalformedModelFileGivesAnEmptyList)
{
    const char model[] = "<?xml version=\"1.0\"?>\n<Model><Module id=\"M1\"><CustomerLabel>Photo</Model>\n";
    ASSERT_TRUE(WriteFileBytes(m_volume / L"idf\\Model\\PCMODEL_XML.xml", model, sizeof(model) - 1));

    EXPECT_EQ(0, RowsShown());
    EXPECT_FALSE(PathExists(Data(L"apps.ini")));
    ExpectNoIntermediates();
}
}
