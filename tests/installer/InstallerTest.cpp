// The package as a user meets it: msiexec installs, upgrades and removes it
// in the test prefix, and the installed program starts from its shortcut.
#include <AfxBinding.h>
#include <JapaneseTexts.h>
#include <ProfileFiles.h>
#include <ProgramRunner.h>
#include <TestFolders.h>

#include <msi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
const DWORD kMsiexecTimeout = 120000;
const DWORD kStartTimeout = 20000;
const wchar_t kProductName[] = L"Software Information";

// A path given relative to the build tree's root, which holds bin/.
CString BuildTreePath(LPCWSTR relative)
{
    CString path = BinFolder() + L"\\..\\" + relative;
    path.Replace(L"/", L"\\");
    return path;
}

const CString kPackage = BuildTreePath(L"" SI_PACKAGE);
const CString kNextPackage = BuildTreePath(L"" SI_NEXT_PACKAGE);

CString ShellFolder(int csidl)
{
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

CString InstallFolder()
{
    return ShellFolder(CSIDL_PROGRAM_FILES) + L"\\Marbek Corporation\\Software Information";
}

CString DataParentFolder()
{
    return ShellFolder(CSIDL_COMMON_APPDATA) + L"\\Marbek Corporation";
}

// The Start menu shows the shortcuts of both Programs folders. Windows
// Installer puts a per-machine package's shortcut in the common one, wine 8
// in the installing user's.
std::vector<CString> StartMenuShortcuts()
{
    std::vector<CString> shortcuts;
    for (int csidl : { CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS })
    {
        const CString path = ShellFolder(csidl) + L"\\Software Information.lnk";
        if (PathExists(path))
            shortcuts.push_back(path);
    }
    return shortcuts;
}

// The exit code of msiexec with these arguments.
DWORD Msiexec(const CString& arguments)
{
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    CProgramRunner msiexec(CString(system) + L"\\msiexec.exe", arguments);
    return msiexec.WaitForExit(kMsiexecTimeout);
}

// properties: PROPERTY=value pairs for the command line.
DWORD Install(const CString& package, const CString& properties = CString())
{
    return Msiexec(L"/i \"" + package + L"\" /qn " + properties);
}

DWORD Uninstall(const CString& package)
{
    return Msiexec(L"/x \"" + package + L"\" /qn");
}

// Names of the files (not folders) in a folder, sorted.
std::vector<std::wstring> FilesIn(const CString& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    const CFindHandle find(FindFirstFileW(folder + L"\\*", &data));
    if (!find)
        return names;
    do
    {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(data.cFileName);
    } while (FindNextFileW(find.get(), &data));
    std::sort(names.begin(), names.end());
    return names;
}

// Which shipped resource module the installation holds as SoftInfoRes.dll:
// "English", "Japanese", or "neither".
std::string InstalledResourceModule()
{
    const std::string installed = ReadFileBytes(InstallFolder() + L"\\SoftInfoRes.dll");
    if (installed.empty())
        return "neither";
    if (installed == ReadFileBytes(DistFolder() + L"\\SoftInfoRes.dll"))
        return "English";
    if (installed == ReadFileBytes(DistFolder() + L"\\ja-JP\\SoftInfoRes.dll"))
        return "Japanese";
    return "neither";
}

struct CInstalledProduct
{
    CString code;
    CString version;
};

// The installed products of this name, as Windows Installer knows them.
std::vector<CInstalledProduct> InstalledProducts()
{
    std::vector<CInstalledProduct> products;
    wchar_t code[39] = {};
    for (DWORD i = 0; MsiEnumProductsW(i, code) == ERROR_SUCCESS; ++i)
    {
        wchar_t value[256] = {};
        DWORD size = sizeof(value) / sizeof(value[0]);
        if (MsiGetProductInfoW(code, INSTALLPROPERTY_INSTALLEDPRODUCTNAME, value, &size) != ERROR_SUCCESS ||
            CString(value) != kProductName)
            continue;
        size = sizeof(value) / sizeof(value[0]);
        MsiGetProductInfoW(code, INSTALLPROPERTY_VERSIONSTRING, value, &size);
        products.push_back({ code, value });
    }
    return products;
}

std::vector<std::wstring> InstalledVersions()
{
    std::vector<std::wstring> versions;
    for (const CInstalledProduct& product : InstalledProducts())
        versions.push_back(product.version.GetString());
    return versions;
}

// The program a shortcut starts; empty when it cannot be read.
CString ShortcutTarget(const CString& link)
{
    CString target;
    CComPtr<IShellLinkW> shellLink;
    if (FAILED(
            CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, shellLink.ReceiveVoid())))
        return target;
    CComPtr<IPersistFile> file;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, file.ReceiveVoid())))
    {
        wchar_t path[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(link, STGM_READ)) && SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0)))
            target = path;
    }
    return target;
}

// Each test starts without the data's parent folder, as on a machine the
// program was never on, and leaves the prefix as it found it: nothing of the
// program installed and the folder the test environment made back in place.
class InstallerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveFileW(DataParentFolder(), SavedDataParentFolder()));
        ASSERT_TRUE(InstalledProducts().empty());
    }

    void TearDown() override
    {
        for (const CInstalledProduct& product : InstalledProducts())
            Msiexec(L"/x " + product.code + L" /qn");
        if (PathExists(SavedDataParentFolder()))
        {
            RemoveTree(DataParentFolder());
            MoveFileW(SavedDataParentFolder(), DataParentFolder());
        }
    }

    static CString SavedDataParentFolder() { return DataParentFolder() + L" (before the installer test)"; }

    const COleSession m_ole;
};
}

TEST_F(InstallerTest, InstallsAProgramThatStartsFromItsShortcutAndUninstallKeepsTheCatalogue)
{
    const std::vector<std::wstring> shipped = FilesIn(DistFolder());
    ASSERT_FALSE(shipped.empty());
    ASSERT_EQ(0u, Install(kPackage));

    EXPECT_EQ(std::vector<std::wstring>{ L"" SI_PACKAGE_VERSION }, InstalledVersions());
    EXPECT_EQ(shipped, FilesIn(InstallFolder()));
    EXPECT_FALSE(PathExists(InstallFolder() + L"\\Hdv.ini")) << "the machine's maker supplies it";
    EXPECT_EQ("English", InstalledResourceModule()) << "the test prefix's system language is English";
    EXPECT_TRUE(PathExists(DataParentFolder()));
    const std::vector<CString> shortcuts = StartMenuShortcuts();
    ASSERT_EQ(1u, shortcuts.size());
    const CString program = ShortcutTarget(shortcuts.front());
    ASSERT_EQ(0, program.CompareNoCase(InstallFolder() + L"\\ZelSoftwareInfo.exe")) << program.GetString();

    const CString dataFolder = DataParentFolder() + L"\\Quenta Central";
    const CString catalogue = dataFolder + L"\\apps.ini";
    ASSERT_TRUE(CreateDirectoryW(dataFolder, nullptr));
    ASSERT_TRUE(WriteAnsiIni(catalogue, L"[Quenta Recovery Centre]\r\nCustomerDescription=Restores the computer\r\n"
                                        L"[Marbek Camera Assistant]\r\nCustomerDescription=Takes pictures\r\n"));
    {
        CProgramRunner running(program);
        HWND hDlg = running.WaitForWindow(kProductName, kStartTimeout);
        ASSERT_NE(nullptr, hDlg);
        HWND hList = FindWindowExW(hDlg, nullptr, L"SysListView32", nullptr);
        EXPECT_EQ(2, SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0));
        PostMessageW(hDlg, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(0u, running.WaitForExit(10000));
    }

    ASSERT_EQ(0u, Uninstall(kPackage));
    EXPECT_TRUE(InstalledProducts().empty());
    EXPECT_FALSE(PathExists(InstallFolder()));
    EXPECT_TRUE(StartMenuShortcuts().empty());
    EXPECT_EQ(2u, ProfileSectionNames(catalogue).size());
}

TEST_F(InstallerTest, NewerPackageReplacesTheOlderOneAndAnOlderOneIsRefused)
{
    const std::vector<std::wstring> shipped = FilesIn(DistFolder());
    ASSERT_EQ(0u, Install(kPackage));
    ASSERT_EQ(0u, Install(kNextPackage));

    EXPECT_EQ(std::vector<std::wstring>{ L"" SI_NEXT_PACKAGE_VERSION }, InstalledVersions());
    EXPECT_EQ(shipped, FilesIn(InstallFolder()));
    EXPECT_EQ(1u, StartMenuShortcuts().size());

    EXPECT_NE(0u, Install(kPackage));
    EXPECT_EQ(std::vector<std::wstring>{ L"" SI_NEXT_PACKAGE_VERSION }, InstalledVersions());

    ASSERT_EQ(0u, Uninstall(kNextPackage));
    EXPECT_TRUE(InstalledProducts().empty());
    EXPECT_FALSE(PathExists(InstallFolder()));
    EXPECT_TRUE(StartMenuShortcuts().empty());
}

TEST_F(InstallerTest, InstallsTheJapaneseModuleWhenJapaneseIsChosenAndUninstallRemovesIt)
{
    const std::vector<std::wstring> shipped = FilesIn(DistFolder());
    ASSERT_EQ(0u, Install(kPackage, L"RESOURCELANGUAGE=1041"));

    EXPECT_EQ(shipped, FilesIn(InstallFolder()));
    EXPECT_EQ("Japanese", InstalledResourceModule());
    {
        CProgramRunner running(InstallFolder() + L"\\ZelSoftwareInfo.exe");
        HWND hDlg = running.WaitForWindow(kJapaneseMainCaption, kStartTimeout);
        ASSERT_NE(nullptr, hDlg);
        PostMessageW(hDlg, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(0u, running.WaitForExit(10000));
    }

    ASSERT_EQ(0u, Uninstall(kPackage));
    EXPECT_TRUE(InstalledProducts().empty());
    EXPECT_FALSE(PathExists(InstallFolder()));
}

// Runs in the ordinary test prefix (English) and once more in a Japanese one
// (tests/installer/CMakeLists.txt): without RESOURCELANGUAGE the system's
// language decides, and RESOURCELANGUAGE overrides it either way.
TEST_F(InstallerTest, SystemLanguageChoosesTheModuleUnlessTheCommandLineDoes)
{
    const bool japaneseSystem = PRIMARYLANGID(GetSystemDefaultLangID()) == LANG_JAPANESE;
    ASSERT_EQ(0u, Install(kPackage));
    EXPECT_EQ(japaneseSystem ? "Japanese" : "English", InstalledResourceModule());
    ASSERT_EQ(0u, Uninstall(kPackage));

    ASSERT_EQ(0u, Install(kPackage, japaneseSystem ? L"RESOURCELANGUAGE=1033" : L"RESOURCELANGUAGE=1041"));
    EXPECT_EQ(japaneseSystem ? "English" : "Japanese", InstalledResourceModule());
}
