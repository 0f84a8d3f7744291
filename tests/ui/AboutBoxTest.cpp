// The About box and the main dialog's system-menu command that opens it.
#include <AboutBox.h>
#include <DialogDriver.h>
#include <LoadedLibrary.h>
#include <ProgramRunner.h>
#include <ResourceModule.h>
#include <SoftwareInfoDialog.h>
#include <TestFolders.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace
{
// The product version in this release's version resource.
const wchar_t kReleaseVersion[] = L"2.0.00.01120";
const wchar_t kAboutCaption[] = L"System Information";
const wchar_t kProgramName[] = L"ZelSoftwareInfo.exe";

CString ProgramPath()
{
    return DistFolder() + L"\\" + kProgramName;
}

CString VersionPrefix()
{
    CString prefix;
    prefix.LoadString(IDS_VERSION_PREFIX);
    return prefix;
}

// A module mapped for its file name and resources; none of its code runs.
class CMappedModule : public CLoadedLibrary
{
public:
    explicit CMappedModule(const CString& path) : CLoadedLibrary(path, DONT_RESOLVE_DLL_REFERENCES) {}
};

// For the scope, the framework takes the application's instance and its
// resources from the given modules.
class CFrameworkModules
{
public:
    CFrameworkModules(HINSTANCE hInstance, HINSTANCE hResource) : m_saved(*AfxGetModuleState())
    {
        AfxGetModuleState()->m_hCurrentInstanceHandle = hInstance;
        AfxGetModuleState()->m_hCurrentResourceHandle = hResource;
    }
    ~CFrameworkModules() { *AfxGetModuleState() = m_saved; }
    CFrameworkModules(const CFrameworkModules&) = delete;
    CFrameworkModules& operator=(const CFrameworkModules&) = delete;

private:
    AFX_MODULE_STATE m_saved;
};

// What control 1004 shows when the box runs; the box closes with OK.
CString ShownVersionLine(CAboutBox& box)
{
    CString line;
    const INT_PTR result = RunDialog(box, [&](HWND hBox) {
        EXPECT_STREQ(kAboutCaption, WindowText(hBox));
        line = WindowText(GetDlgItem(hBox, IDC_VERSION));
        SendMessageW(GetDlgItem(hBox, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(IDOK, result);
    return line;
}

// The line a box shows when built while the application's instance is hInstance.
CString VersionLineFor(HINSTANCE hInstance)
{
    CFrameworkModules modules(hInstance, AfxGetResourceHandle());
    CAboutBox box;
    return ShownVersionLine(box);
}

class AboutBoxTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadResourceModule()); }
};
}

TEST_F(AboutBoxTest, ShowsThePrefixFollowedDirectlyByTheProgramsProductVersion)
{
    CMappedModule program(ProgramPath());
    ASSERT_NE(nullptr, program.Handle());
    const CString prefix = VersionPrefix();
    ASSERT_FALSE(prefix.IsEmpty());
    EXPECT_STREQ(prefix + kReleaseVersion, VersionLineFor(program.Handle()));
}

TEST_F(AboutBoxTest, WithoutThePrefixStringShowsTheVersionAlone)
{
    CMappedModule program(ProgramPath());
    ASSERT_NE(nullptr, program.Handle());
    // While the box is built, neither the resource module nor the instance
    // holds string 141; it is shown from the real resource module.
    auto modules = std::make_unique<CFrameworkModules>(program.Handle(), program.Handle());
    CAboutBox box;
    modules.reset();
    EXPECT_STREQ(kReleaseVersion, ShownVersionLine(box));
}

TEST_F(AboutBoxTest, VersionUnderAnotherCodePageGivesThePrefixAlone)
{
    const CString dll = BinFolder() + L"\\OtherCodePageVersion.dll";
    CString otherCodePage;
    AppendProductVersion(otherCodePage, dll);
    EXPECT_STREQ(L"", otherCodePage);

    CMappedModule module(dll);
    ASSERT_NE(nullptr, module.Handle());
    EXPECT_STREQ(VersionPrefix(), VersionLineFor(module.Handle()));
}

TEST_F(AboutBoxTest, AppendsToWhatTheLineHoldsAndLeavesItOnFailure)
{
    CString line(L"label ");
    AppendProductVersion(line, ProgramPath());
    EXPECT_STREQ(CString(L"label ") + kReleaseVersion, line);

    CString missing(L"label ");
    AppendProductVersion(missing, DistFolder() + L"\\no-such-file.exe");
    EXPECT_STREQ(L"label ", missing);

    // A module with no version resource at all: the test itself.
    CString unversioned(L"label ");
    AppendProductVersion(unversioned, AfxGetModuleFileName(nullptr));
    EXPECT_STREQ(L"label ", unversioned);
}

namespace
{
// A copy of the program at a full path of exactly nLength characters, in
// folders made below root; empty when it cannot be placed.
CString PlaceProgramAtPathLength(const CString& root, int nLength)
{
    const CString name = CString(L"\\") + kProgramName;
    CString folder = root;
    int remaining = nLength - root.GetLength() - name.GetLength();
    while (remaining > 0)
    {
        // Each folder adds a backslash and at least one character.
        int segment = std::min(remaining, 100);
        if (remaining - segment == 1)
            --segment;
        folder += CString(L"\\") + std::wstring(static_cast<size_t>(segment - 1), L'x').c_str();
        if (!CreateDirectoryW(CString(L"\\\\?\\") + folder, nullptr))
            return CString();
        remaining -= segment;
    }
    const CString path = folder + name;
    return CopyFileTo(ProgramPath(), CString(L"\\\\?\\") + path) ? path : CString();
}

int ModulePathLength(HMODULE hModule)
{
    std::vector<wchar_t> path(1024);
    return static_cast<int>(GetModuleFileNameW(hModule, path.data(), static_cast<DWORD>(path.size())));
}
}

TEST_F(AboutBoxTest, APathThatFillsTheBufferGivesThePrefixAlone)
{
    const CString prefix = VersionPrefix();
    struct Case
    {
        int nLength;
        CString expected;
    };
    // 259 characters and the terminating NUL fit the 260 of the buffer.
    for (const Case& c : { Case{ 259, prefix + kReleaseVersion }, Case{ 260, prefix }, Case{ 300, prefix } })
    {
        CTempFolder root;
        const CString path = PlaceProgramAtPathLength(root.Path(), c.nLength);
        ASSERT_FALSE(path.IsEmpty()) << c.nLength;
        // What a cut buffer would hold names a copy of the program too, so
        // only the length check keeps the version out.
        if (c.nLength > MAX_PATH - 1)
        {
            ASSERT_TRUE(CopyFileTo(ProgramPath(), CString(L"\\\\?\\") + path.Left(MAX_PATH - 1)));
        }
        {
            CMappedModule program(CString(L"\\\\?\\") + path);
            ASSERT_NE(nullptr, program.Handle()) << c.nLength;
            ASSERT_EQ(c.nLength, ModulePathLength(program.Handle()));
            EXPECT_STREQ(c.expected, VersionLineFor(program.Handle())) << c.nLength;
        }
        // The file itself is readable through its full path.
        CString direct;
        AppendProductVersion(direct, CString(L"\\\\?\\") + path);
        EXPECT_STREQ(kReleaseVersion, direct) << c.nLength;
        EXPECT_TRUE(RemoveTree(CString(L"\\\\?\\") + root.Path()));
    }
}

namespace
{
// The main dialog as start-up runs it: the application's main window.
INT_PTR RunMainDialog(const std::function<void(HWND hDlg)>& body)
{
    CWinApp app(L"ui_tests");
    CSoftwareInfoDialog dlg;
    app.m_pMainWnd = &dlg;
    return RunDialog(dlg, body);
}

CString MenuItemText(HMENU hMenu, int position)
{
    wchar_t text[128] = {};
    GetMenuStringW(hMenu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return CString(text);
}
}

TEST_F(AboutBoxTest, SystemMenuEndsWithASeparatorAndTheAboutItem)
{
    RunMainDialog([](HWND hDlg) {
        HMENU hMenu = GetSystemMenu(hDlg, FALSE);
        ASSERT_NE(nullptr, hMenu);
        const int count = GetMenuItemCount(hMenu);
        ASSERT_GE(count, 2);
        MENUITEMINFOW separator = {};
        separator.cbSize = sizeof(separator);
        separator.fMask = MIIM_FTYPE;
        ASSERT_TRUE(GetMenuItemInfoW(hMenu, static_cast<UINT>(count - 2), TRUE, &separator));
        EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
        EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), GetMenuItemID(hMenu, count - 1));
        EXPECT_STREQ(L"About Software Information", MenuItemText(hMenu, count - 1));
    });
}

TEST_F(AboutBoxTest, AboutCommandsOpenTheBoxOverTheMainDialogOthersDoNot)
{
    RunMainDialog([](HWND hDlg) {
        for (WPARAM command : { 0x0010, 0x001F, 0x0020 })
        {
            const int shown = HandleDialogsDuring(
                kAboutCaption, [&] { SendMessageW(hDlg, WM_SYSCOMMAND, command, 0); },
                [&](HWND hBox) {
                    EXPECT_EQ(hDlg, GetWindow(hBox, GW_OWNER));
                    EXPECT_FALSE(IsWindowEnabled(hDlg)) << "the box is modal";
                });
            EXPECT_EQ(command == 0x0020 ? 0 : 1, shown) << "command " << command;
            EXPECT_TRUE(IsWindowVisible(hDlg));
            EXPECT_TRUE(IsWindowEnabled(hDlg)) << "command " << command;
        }
    });
}

TEST_F(AboutBoxTest, OpeningTwiceShowsTheSameLineAndTheMainDialogRunsOn)
{
    std::vector<CString> lines;
    const INT_PTR result = RunMainDialog([&](HWND hDlg) {
        const int shown = HandleDialogsDuring(
            kAboutCaption,
            [&] {
                PostMessageW(hDlg, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
                PumpMessages();
                PostMessageW(hDlg, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
                PumpMessages();
            },
            [&](HWND hBox) {
                lines.push_back(WindowText(GetDlgItem(hBox, IDC_VERSION)));
                SendMessageW(GetDlgItem(hBox, IDOK), BM_CLICK, 0, 0);
            });
        EXPECT_EQ(2, shown);
        // Still answering: the OK button ends it as before.
        SendMessageW(GetDlgItem(hDlg, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(IDCANCEL, result);
    ASSERT_EQ(2u, lines.size());
    EXPECT_STREQ(VersionPrefix(), lines[0]) << "the test has no version resource";
    EXPECT_STREQ(lines[0], lines[1]);
}

// The close box is covered by MainDialogTest.EveryWayOfEndingReturnsCancel.
TEST_F(AboutBoxTest, MinimiseAndRestoreKeepTheirDefaults)
{
    RunMainDialog([](HWND hDlg) {
        SendMessageW(hDlg, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_TRUE(IsIconic(hDlg));
        SendMessageW(hDlg, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_FALSE(IsIconic(hDlg));
        EXPECT_TRUE(IsWindowVisible(hDlg));
    });
}

TEST(AboutBoxProgram, ShowsTheReleaseVersionLineOverTheMainWindow)
{
    CProgramRunner program(ProgramPath());
    ASSERT_TRUE(program.Started());
    HWND hMain = program.WaitForWindow(L"Software Information", 20000);
    ASSERT_NE(nullptr, hMain);
    PostMessageW(hMain, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND hBox = program.WaitForWindow(kAboutCaption, 10000);
    ASSERT_NE(nullptr, hBox);
    EXPECT_STREQ(L"Software Information Version 2.0.00.01120", WindowText(GetDlgItem(hBox, IDC_VERSION)));
    EXPECT_EQ(hMain, GetWindow(hBox, GW_OWNER));
    EXPECT_FALSE(IsWindowEnabled(hMain));

    PostMessageW(hBox, WM_COMMAND, IDOK, 0);
    PumpMessagesUntil([&] { return !IsWindowVisible(hBox); }, 5000);
    EXPECT_FALSE(IsWindowVisible(hBox));
    EXPECT_TRUE(IsWindowEnabled(hMain));
    PostMessageW(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, program.WaitForExit(10000));
}
