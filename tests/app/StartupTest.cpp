// The built program, started as a user would start it.
#include <ProgramRunner.h>
#include <TestFolders.h>

#include <gtest/gtest.h>

namespace
{
const DWORD kStartTimeout = 20000;

CString ProgramIn(const CString& folder)
{
    return folder + L"\\ZelSoftwareInfo.exe";
}

// The program folder without its resource module.
void CopyProgramWithoutResources(const CString& folder)
{
    ASSERT_TRUE(CopyFolderFiles(DistFolder(), folder));
    ASSERT_TRUE(DeleteFileW(folder + L"\\SoftInfoRes.dll"));
}
}

// No module, or a module that loads but holds no dialogs (a DLL of the
// program folder put in its place).
TEST(Startup, WithoutAUsableResourceModuleShowsOnlyTheMissingDllBox)
{
    for (LPCWSTR substitute : { static_cast<LPCWSTR>(nullptr), L"Meridale.dll" })
    {
        SCOPED_TRACE(substitute ? substitute : L"no module");
        CTempFolder folder;
        CopyProgramWithoutResources(folder.Path());
        if (substitute)
        {
            ASSERT_TRUE(CopyFileTo(folder / substitute, folder / L"SoftInfoRes.dll"));
        }
        CProgramRunner program(ProgramIn(folder.Path()), CString(), folder.Path());
        ASSERT_TRUE(program.Started());

        HWND hBox = program.WaitForWindow(L"ZelSoftwareInfo", kStartTimeout);
        ASSERT_NE(nullptr, hBox);
        EXPECT_STREQ(L"Missing DLL.  Please reinstall the software.", MessageBoxText(hBox));
        EXPECT_EQ(1u, program.VisibleWindows().size());
        EXPECT_EQ(nullptr, program.WaitForWindow(kMainCaption, 0));

        PostMessageW(hBox, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(0u, program.WaitForExit(10000));
    }
}

TEST(Startup, ShowsTheMainDialogAndEndsWhenItCloses)
{
    CProgramRunner program(ProgramIn(DistFolder()));
    ASSERT_TRUE(program.Started());
    HWND hDlg = program.WaitForWindow(kMainCaption, kStartTimeout);
    ASSERT_NE(nullptr, hDlg);
    PostMessageW(hDlg, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0u, program.WaitForExit(10000));
    EXPECT_TRUE(program.VisibleWindows().empty());
}

TEST(Startup, NeverRunsCodeFromAResourceModuleFoundOnTheSearchPath)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const CString marker = CString(temp) + L"planted-resource-module-ran.txt";
    DeleteFileW(marker);

    CTempFolder folder;
    CopyProgramWithoutResources(folder.Path());
    ASSERT_TRUE(CopyFileTo(BinFolder() + L"\\PlantedResourceModule.dll", folder / L"SoftInfoRes.dll"));
    {
        CProgramRunner program(ProgramIn(folder.Path()), CString(), folder.Path());
        HWND hDlg = program.WaitForWindow(kMainCaption, kStartTimeout);
        ASSERT_NE(nullptr, hDlg) << "the planted module's resources still serve";
        PostMessageW(hDlg, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, program.WaitForExit(10000));
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(marker));
}
