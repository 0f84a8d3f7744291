// The first start on a machine without a catalogue, and the starts after it,
// with the built program and a factory volume made reachable by the volume
// library from the program folder's Hdv.ini.
#include <DebugOutputMonitor.h>
#include <DialogDriver.h>
#include <FactoryVolume.h>
#include <HostCommand.h>
#include <ModelFiles.h>
#include <ProfileFiles.h>
#include <ProgramRunner.h>
#include <TestFolders.h>
#include <resource.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace
{
const DWORD kFirstStartTimeout = 60000;
const wchar_t kLetter = L'F';

class FirstRunTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        RemoveTree(DataFolder());
        ASSERT_TRUE(DriveGoes(kLetter));
        ASSERT_TRUE(CopyFolderFiles(DistFolder(), m_program.Path()));
        CreateDirectoryW(m_volume / L"idf", nullptr);
        CreateDirectoryW(m_volume / L"idf\\Model", nullptr);
        WriteHdvIni(m_program / L"Hdv.ini", m_volume.Path(), L"F");
    }

    void TearDown() override { RemoveTree(DataFolder()); }

    static CString Data(LPCWSTR name) { return DataFolder() + L"\\" + name; }

    void WriteModel(const std::vector<ModelModule>& modules) const
    {
        ASSERT_TRUE(WriteModelFile(m_volume / L"idf\\Model\\PCMODEL_XML.xml", modules));
    }

    // Starts the program (from folder, the program folder when empty, named
    // on its command line as commandName), waits for its dialog and closes
    // it again; the number of rows the list showed, or -1 when no dialog
    // appeared. Any other window the process shows first (the shell's
    // report of a tool it could not start) is closed and counted in
    // m_otherWindows.
    int RowsShown(const CString& folder = CString(), const CString& commandName = CString())
    {
        CProgramRunner program(m_program / L"ZelSoftwareInfo.exe", CString(),
                               folder.IsEmpty() ? m_program.Path() : folder, nullptr, nullptr, commandName);
        HWND hDlg = nullptr;
        std::vector<HWND> others;
        for (DWORD waited = 0; !hDlg && waited < m_timeout && program.WaitForExit(0) == STILL_ACTIVE; waited += 50)
        {
            for (HWND hWnd : program.VisibleWindows())
            {
                if (WindowText(hWnd) == kMainCaption)
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
        EXPECT_TRUE(DriveGoes(kLetter)) << "the volume is withdrawn";
    }

    CTempFolder m_program;
    CTempFolder m_volume;
    int m_otherWindows = 0;
    DWORD m_timeout = kFirstStartTimeout;
};

// 300 products whose names take far more than 2,048 characters in all.
TEST_F(FirstRunTest, TheFirstStartBuildsTheCatalogueAndLaterStartsReadIt)
{
    std::vector<ModelModule> modules;
    for (int i = 0; i < 300; ++i)
        modules.push_back({ "Factory product with a long name number " + std::to_string(i), "Does its job." });
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
    WriteModel({ { "Photo Studio", "Edit photos." } });
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
    WriteModel({ { "Photo Studio", "Edit photos." } });
    ASSERT_TRUE(DeleteFileW(m_program / L"Hdv.ini"));

    EXPECT_EQ(0, RowsShown());
    EXPECT_TRUE(PathExists(DataFolder()));
    EXPECT_FALSE(PathExists(Data(L"apps.ini")));

    WriteHdvIni(m_program / L"Hdv.ini", m_volume.Path(), nullptr);
    EXPECT_EQ(1, RowsShown());
}

TEST_F(FirstRunTest, WithoutUnicodeExeTheIntermediatesAreStillRemoved)
{
    WriteModel({ { "Photo Studio", "Edit photos." } });
    ASSERT_TRUE(DeleteFileW(m_program / L"Unicode.exe"));

    EXPECT_EQ(0, RowsShown());
    EXPECT_EQ(0, m_otherWindows) << "nothing was started that could fail";
    EXPECT_FALSE(PathExists(Data(L"apps.ini")));
    ExpectNoIntermediates();
}

TEST_F(FirstRunTest, AHaltEndsTheProgramWhileTheShellReportsAUnicodeExeThatIsNoProgram)
{
    WriteModel({ { "Photo Studio", "Edit photos." } });
    ASSERT_TRUE(WriteFileBytes(m_program / L"Unicode.exe", "no program", 10));
    CProgramRunner program(m_program / L"ZelSoftwareInfo.exe", CString(), m_program.Path());
    // The shell's report comes before the dialog, which the first start holds back.
    ASSERT_TRUE(PumpMessagesUntil([&] { return !program.VisibleWindows().empty(); }, kFirstStartTimeout));
    ASSERT_TRUE(VisibleWindowsOf(program.ProcessId(), kMainCaption).empty());

    CProgramRunner halt(m_program / L"ZelSoftwareInfo.exe", L"/halt", m_program.Path());
    EXPECT_EQ(0u, halt.WaitForExit(kProgramTimeout));
    EXPECT_EQ(0u, program.WaitForExit(kProgramTimeout));
}

TEST_F(FirstRunTest, AMalformedModelFileGivesAnEmptyList)
{
    const char model[] = "<?xml version=\"1.0\"?>\n<Model><Module id=\"M1\"><CustomerLabel>Photo</Model>\n";
    ASSERT_TRUE(WriteFileBytes(m_volume / L"idf\\Model\\PCMODEL_XML.xml", model, sizeof(model) - 1));

    EXPECT_EQ(0, RowsShown());
    EXPECT_FALSE(PathExists(Data(L"apps.ini")));
    ExpectNoIntermediates();
}

// The first start on a machine set up wrongly in one way, as a user meets
// it: how many rows the list shows, the cause left for a debugger, and what
// must hold afterwards. The program never changes the set of drive letters.
class FirstStartFaultTest : public FirstRunTest
{
public:
    struct Case
    {
        const char* name;
        std::function<void(FirstStartFaultTest&)> arrange;
        int rows;
        const char* cause;
        std::function<void(FirstStartFaultTest&)> check;
    };

    void UseHdvIni(LPCWSTR source, LPCWSTR letter) const
    {
        WriteHdvIni(m_program / L"Hdv.ini", source ? CString(source) : m_volume.Path(), letter);
    }
    // A drive letter of the user's own, leading to source (the factory
    // folder when null), defined by another process that keeps it.
    void UsersOwnDrive(LPCWSTR source, LPCWSTR letter)
    {
        m_users.Configure(source ? CString(source) : m_volume.Path(), letter);
        ASSERT_TRUE(m_users.Activate());
    }
    void ModelOfTwo() const { WriteModel({ { "Photo Studio", "Edit photos." }, { "Mail", "Read mail." } }); }

    CFactoryVolume m_users;
    CTempFolder m_downloads;
    CString m_startFolder;
    CString m_commandName;
    CDebugOutputMonitor m_monitor;
};

void PrintTo(const FirstStartFaultTest::Case& c, std::ostream* os)
{
    *os << c.name;
}

class FirstStartFault : public FirstStartFaultTest, public ::testing::WithParamInterface<FirstStartFaultTest::Case>
{
};

TEST_P(FirstStartFault, ShowsTheDialogAndLeavesTheMachineAsItWas)
{
    const Case& c = GetParam();
    ASSERT_TRUE(m_monitor.Started());
    ModelOfTwo();
    c.arrange(*this);
    const DWORD drives = GetLogicalDrives();

    EXPECT_EQ(c.rows, RowsShown(m_startFolder, m_commandName));

    EXPECT_TRUE(DrivesBecome(drives)) << std::hex << drives << " became " << GetLogicalDrives()
                                      << ": no drive letter is removed or left behind\n"
                                      << m_monitor.Text();
    EXPECT_EQ(0, m_otherWindows);
    EXPECT_FALSE(PathExists(Data(L"modules.ini")));
    EXPECT_FALSE(PathExists(Data(L"temp.ini")));
    if (c.cause)
    {
        EXPECT_NE(std::string::npos, m_monitor.Text().find(c.cause)) << m_monitor.Text();
    }
    if (c.check)
        c.check(*this);
}

const FirstStartFaultTest::Case kFaults[] = {
    { "SystemDriveAsTheFactoryDrive", [](FirstStartFaultTest& t) { t.UseHdvIni(L"C:\\", L"C"); }, 0,
      "Letter=C is not a drive letter from D to Z",
      [](FirstStartFaultTest&) { EXPECT_TRUE(PathExists(L"C:\\windows")); } },
    { "FreeLetterBeforeD", [](FirstStartFaultTest& t) { t.UseHdvIni(nullptr, L"A"); }, 0,
      "Letter=A is not a drive letter from D to Z", nullptr },
    // The build makes idf\root a host link out of the volume's folder, to a
    // folder with a model file of its own.
    { "LinkOutOfTheFactoryVolume",
      [](FirstStartFaultTest& t) {
          const CString linkOut = BinFolder().Left(BinFolder().ReverseFind(L'\\')) + L"\\tests\\app\\linkout";
          ASSERT_TRUE(PathExists(linkOut + L"\\volume\\idf\\root\\")) << "the link is missing";
          ASSERT_TRUE(WriteModelFile(linkOut + L"\\volume\\idf\\Model\\PCMODEL_XML.xml",
                                     { { "Photo Studio", "Edit photos." }, { "Mail", "Read mail." } }));
          ASSERT_TRUE(WriteModelFile(linkOut + L"\\elsewhere\\OTHER_XML.xml",
                                     { { "Maps", "Find the way." }, { "Music", "Play." }, { "Notes", "Write." } }));
          t.UseHdvIni(linkOut + L"\\volume", L"F");
      },
      2, nullptr, nullptr },
    { "LetterOfTheUsersOwnLeadingToTheFactoryFolder",
      [](FirstStartFaultTest& t) {
          t.UsersOwnDrive(nullptr, L"M");
          t.UseHdvIni(nullptr, L"M");
      },
      2, nullptr, [](FirstStartFaultTest&) { EXPECT_TRUE(PathExists(L"M:\\idf")); } },
    { "NoLetterWhileDIsTheUsersOwnLeadingToTheFactoryFolder",
      [](FirstStartFaultTest& t) {
          t.UsersOwnDrive(nullptr, L"D");
          t.UseHdvIni(nullptr, nullptr);
      },
      2, nullptr, [](FirstStartFaultTest&) { EXPECT_TRUE(PathExists(L"D:\\idf")); } },
    { "LetterInUseElsewhere", [](FirstStartFaultTest& t) { t.UsersOwnDrive(t.m_downloads.Path(), L"F"); }, 0,
      "drive F: is in use",
      [](FirstStartFaultTest& t) {
          EXPECT_FALSE(PathExists(t.Data(L"apps.ini")));
          ASSERT_TRUE(t.m_users.Release());
          EXPECT_EQ(2, t.RowsShown()) << "the next start tries again";
      } },
    { "HdvIniMissing", [](FirstStartFaultTest& t) { DeleteFileW(t.m_program / L"Hdv.ini"); }, 0, "Hdv.ini is missing",
      nullptr },
    { "UnicodeExeOnlyInTheFolderTheProgramWasStartedFrom",
      [](FirstStartFaultTest& t) {
          DeleteFileW(t.m_program / L"Unicode.exe");
          ASSERT_TRUE(CopyFileTo(BinFolder() + L"\\UnicodeToolProbe.exe", t.m_downloads / L"Unicode.exe"));
          t.m_startFolder = t.m_downloads.Path();
          t.m_commandName = L"ZelSoftwareInfo.exe";
      },
      0, "Unicode.exe is not a file",
      [](FirstStartFaultTest& t) { EXPECT_FALSE(PathExists(t.m_downloads / L"run.txt")) << "the stranger ran"; } },
    { "UnicodeExeIsAFolder",
      [](FirstStartFaultTest& t) {
          DeleteFileW(t.m_program / L"Unicode.exe");
          CreateDirectoryW(t.m_program / L"Unicode.exe", nullptr);
      },
      0, "Unicode.exe is not a file", nullptr },
    { "TempIniLeftByAnInterruptedStart",
      [](FirstStartFaultTest&) {
          CreateDirectoryW(DataFolder(), nullptr);
          ASSERT_TRUE(WriteAnsiIni(FirstStartFaultTest::Data(L"temp.ini"),
                                   L"[Old Product]\r\nCustomerDescription=an older model's\r\n"));
      },
      2, nullptr, nullptr },
    // A drive of the user's own, with a model file of its own, defined
    // before the first start at a letter before the factory volume's.
    { "AUsersDriveWithAnIdfFolder",
      [](FirstStartFaultTest& t) {
          CreateDirectoryW(t.m_downloads / L"idf", nullptr);
          CreateDirectoryW(t.m_downloads / L"idf\\Model", nullptr);
          ASSERT_TRUE(WriteModelFile(t.m_downloads / L"idf\\Model\\PCMODEL_XML.xml",
                                     { { "Planted", "Not the factory's." }, { "Maps", "x" }, { "Music", "y" } }));
          t.UsersOwnDrive(t.m_downloads.Path(), L"D");
      },
      2, nullptr,
      [](FirstStartFaultTest& t) {
          EXPECT_TRUE(PathExists(L"D:\\idf")) << "the user's drive stays";
          // Before its folder goes.
          EXPECT_TRUE(t.m_users.Release());
      } },
    { "ModulesWithTheSameOrEmptyIds",
      [](FirstStartFaultTest& t) {
          const char model[] =
              "<?xml version=\"1.0\"?>\n<Model>"
              "<Module "
              "id=\"A\"><CustomerLabel>Photo</CustomerLabel><CustomerDescription>p</CustomerDescription></Module>"
              "<Module "
              "id=\"A\"><CustomerLabel>Mail</CustomerLabel><CustomerDescription>m</CustomerDescription></Module>"
              "<Module "
              "id=\"a\"><CustomerLabel>Maps</CustomerLabel><CustomerDescription>w</CustomerDescription></Module>"
              "<Module "
              "id=\"\"><CustomerLabel>Music</CustomerLabel><CustomerDescription>s</CustomerDescription></Module>"
              "<Module><CustomerLabel>Notes</CustomerLabel><CustomerDescription>n</CustomerDescription></Module>"
              "</Model>\n";
          ASSERT_TRUE(WriteFileBytes(t.m_volume / L"idf\\Model\\PCMODEL_XML.xml", model, sizeof(model) - 1));
      },
      5, nullptr, nullptr },
};

INSTANTIATE_TEST_SUITE_P(Table, FirstStartFault, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<FirstStartFaultTest::Case>& info) {
                             return std::string(info.param.name);
                         });

// The one case that takes a minute: a tool that never ends holds the dialog
// back for that long only, keeps its temp.ini, and the next start, with the
// tool mended, builds the catalogue afresh.
TEST_F(FirstStartFaultTest, AToolThatNeverEndsHoldsTheDialogBackForAMinuteOnly)
{
    ModelOfTwo();
    ASSERT_TRUE(CopyFileTo(BinFolder() + L"\\HangingTool.exe", m_program / L"Unicode.exe"));
    const CKernelHandle release(CreateEventW(nullptr, TRUE, FALSE, L"SoftwareInfoTest-ReleaseTool"));
    m_timeout = 2 * kFirstStartTimeout;

    EXPECT_EQ(0, RowsShown());
    EXPECT_TRUE(PathExists(Data(L"temp.ini"))) << "left to the tool";
    EXPECT_NE(std::string::npos, m_monitor.Text().find("has not ended within a minute"));

    SetEvent(release.get());
    // Its file can be replaced once the released tool has ended.
    ASSERT_TRUE(PumpMessagesUntil(
        [&] { return CopyFileTo(BinFolder() + L"\\Unicode.exe", m_program / L"Unicode.exe"); }, kFirstStartTimeout))
        << "the tool has ended";
    m_timeout = kFirstStartTimeout;
    EXPECT_EQ(2, RowsShown());
    EXPECT_FALSE(PathExists(Data(L"temp.ini")));
}
}

namespace
{
// Every file of a folder with its bytes.
std::map<std::wstring, std::string> FolderContent(const CString& folder)
{
    std::map<std::wstring, std::string> content;
    WIN32_FIND_DATAW data;
    if (const CFindHandle find{ FindFirstFileW(folder + L"\\*", &data) })
        do
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                content[data.cFileName] = ReadFileBytes(folder + L"\\" + data.cFileName);
        while (FindNextFileW(find.get(), &data));
    return content;
}
}

// What a standard user may have prepared below ProgramData before an
// administrator's first start, with host links standing in for junctions and
// symbolic links: the program follows none of them, changes nothing on
// their other side, and shows an empty list.
TEST_F(FirstRunTest, NoLinkInTheDataFolderIsFollowed)
{
    WriteModel({ { "Photo Studio", "Edit photos." } });
    const struct
    {
        LPCWSTR name;   // the link in the data folder; empty: the folder itself
        LPCWSTR target; // in the other folder, or on the host
        bool hostTarget;
    } rows[] = {
        { L"", L"", false },
        { L"temp.ini", L"other.ini", false },
        { L"modules.ini", L"other.ini", false },
        { L"apps.ini", L"other.ini", false },
        { L"apps.ini", L"/dev/zero", true },
    };
    for (const auto& row : rows)
    {
        CTempFolder elsewhere;
        for (LPCWSTR name : { L"other.ini", L"modules.ini", L"temp.ini" })
            ASSERT_TRUE(WriteAnsiIni(elsewhere / name, L"[Planted]\r\nCustomerDescription=Not ours.\r\n"));
        const auto before = FolderContent(elsewhere.Path());
        ASSERT_TRUE(RemoveOnHost(DataFolder()));
        if (!*row.name)
            ASSERT_TRUE(MakeHostLink(DataFolder(), elsewhere.Path()));
        else
        {
            ASSERT_TRUE(CreateDirectoryW(DataFolder(), nullptr));
            ASSERT_TRUE(MakeHostLink(Data(row.name), row.hostTarget ? CString(row.target) : elsewhere / row.target,
                                     row.hostTarget));
        }

        EXPECT_EQ(0, RowsShown()) << row.name << " -> " << row.target;
        EXPECT_TRUE(before == FolderContent(elsewhere.Path())) << row.name << " -> " << row.target;
        // The link goes, never what it leads to.
        ASSERT_TRUE(RemoveOnHost(DataFolder()));
    }
}

namespace
{
// What a file the program loads as a library leaves when its code runs
// (PlantedResourceModule.dll).
CString LoadedMarker()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return CString(temp) + L"planted-resource-module-ran.txt";
}
}

// A copy of the program in a folder a standard user reaches through a link
// of his own, beside his own tool and libraries: started from there, it
// starts and loads none of them, not even to show its version.
TEST_F(FirstRunTest, StartedThroughAFolderLinkItTakesNoToolOrLibraryFromThere)
{
    WriteModel({ { "Photo Studio", "Edit photos." } });
    ASSERT_TRUE(CopyFileTo(BinFolder() + L"\\UnicodeToolProbe.exe", m_program / L"Unicode.exe"));
    for (LPCWSTR library : { L"Hdv.dll", L"Meridale.dll", L"VERSION.dll", L"COMCTL32.dll" })
        ASSERT_TRUE(CopyFileTo(BinFolder() + L"\\PlantedResourceModule.dll", m_program / library));
    DeleteFileW(LoadedMarker());
    CTempFolder users;
    const CString linked = users / L"Software Information";
    ASSERT_TRUE(MakeHostLink(linked, m_program.Path()));
    CDebugOutputMonitor monitor;
    ASSERT_TRUE(monitor.Started());
    {
        CProgramRunner program(linked + L"\\ZelSoftwareInfo.exe", CString(), linked);
        const HWND hDlg = program.WaitForWindow(kMainCaption, kFirstStartTimeout);
        ASSERT_NE(nullptr, hDlg);
        EXPECT_EQ(0, SendDlgItemMessageW(hDlg, IDC_SOFTWARE_LIST, LVM_GETITEMCOUNT, 0, 0));
        PostMessageW(hDlg, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        const HWND hAbout = program.WaitForWindow(L"System Information", kProgramTimeout);
        ASSERT_NE(nullptr, hAbout);
        PostMessageW(hAbout, WM_CLOSE, 0, 0);
        ASSERT_TRUE(PumpMessagesUntil([&] { return !IsWindow(hAbout); }, kProgramTimeout));
        PostMessageW(hDlg, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, program.WaitForExit(kProgramTimeout));
    }
    EXPECT_FALSE(PathExists(m_program / L"run.txt")) << "the tool ran";
    EXPECT_FALSE(PathExists(LoadedMarker())) << "a library of the folder was loaded";
    EXPECT_FALSE(PathExists(Data(L"apps.ini")));
    EXPECT_NE(std::string::npos, monitor.Text().find("is a link; the first start does not run")) << monitor.Text();
    ASSERT_TRUE(RemoveOnHost(linked));
}

// A process watching the data folder exchanges it for a link to another
// folder as soon as the first start writes there: nothing on the link's
// other side changes, however far the start had come.
TEST_F(FirstRunTest, TheDataFolderExchangedForALinkDuringTheFirstStartLeavesItsOtherSideAlone)
{
    WriteModel({ { "Photo Studio", "Edit photos." }, { "Mail", "Read mail." } });
    ASSERT_TRUE(CreateDirectoryW(DataFolder(), nullptr));
    CTempFolder victim, watcher;
    for (LPCWSTR name : { L"temp.ini", L"apps.ini", L"modules.ini", L"temp.ini.new" })
        ASSERT_TRUE(WriteAnsiIni(victim / name, L"[Victim]\r\nCustomerDescription=Not the program's.\r\n"));
    const auto before = FolderContent(victim.Path());
    const CString original = DataFolder() + L".original";
    ASSERT_TRUE(RunOnHost(L"inotifywait -e create --include 'temp[.]ini[.]new$' " + QuotedUnixPath(DataFolder()) +
                          L" >/dev/null 2>" + QuotedUnixPath(watcher / L"ready") + L" && mv " +
                          QuotedUnixPath(DataFolder()) + L" " + QuotedUnixPath(original) + L" && ln -s " +
                          QuotedUnixPath(victim.Path()) + L" " + QuotedUnixPath(DataFolder()) + L" && touch " +
                          QuotedUnixPath(watcher / L"swapped") + L" & true"));
    ASSERT_TRUE(PumpMessagesUntil(
        [&] { return ReadFileBytes(watcher / L"ready").find("Watches established") != std::string::npos; },
        kProgramTimeout));

    EXPECT_GE(RowsShown(), 0);

    const bool swapped = PumpMessagesUntil([&] { return PathExists(watcher / L"swapped"); }, kProgramTimeout);
    if (!swapped)
        RunOnHost(L"pkill -f " + QuotedUnixPath(DataFolder()));
    EXPECT_TRUE(swapped) << "the folder was exchanged";
    const auto after = FolderContent(victim.Path());
    for (const auto& [name, bytes] : after)
        EXPECT_TRUE(before.count(name) && before.at(name) == bytes)
            << "changed or new: " << std::string(name.begin(), name.end());
    for (const auto& [name, bytes] : before)
        EXPECT_TRUE(after.count(name)) << "gone: " << std::string(name.begin(), name.end());
    ASSERT_TRUE(RemoveOnHost(DataFolder()));
    RemoveTree(original);
}

// Where the dialog lets the shell report a tool it cannot start, an export,
// which shows no window, ends with the list it has.
TEST_F(FirstRunTest, AnExportsFirstStartShowsNoReportOfAUnicodeExeThatIsNoProgram)
{
    WriteModel({ { "Photo Studio", "Edit photos." } });
    ASSERT_TRUE(WriteFileBytes(m_program / L"Unicode.exe", "no program", 10));
    const CTempFolder out;
    CProgramRunner program(m_program / L"ZelSoftwareInfo.exe", L"/scomma \"" + (out / L"list.csv") + L"\"");
    EXPECT_EQ(1u, program.WaitForExit(kFirstStartTimeout)) << "written without a product";
    EXPECT_TRUE(PathExists(out / L"list.csv"));
    ExpectNoIntermediates();
}

TEST_F(FirstRunTest, AnExportWithoutACatalogueRunsTheFirstStartFirst)
{
    WriteModel({ { "Photo Studio", "Edit photos." }, { "Mail", "Read mail." } });
    const CTempFolder out;
    CProgramRunner program(m_program / L"ZelSoftwareInfo.exe", L"/sjson \"" + (out / L"list.json") + L"\"");
    EXPECT_EQ(0u, program.WaitForExit(kFirstStartTimeout));
    EXPECT_EQ("[\n  {\n    \"name\": \"Mail\",\n    \"description\": \"Read mail.\"\n  },\n"
              "  {\n    \"name\": \"Photo Studio\",\n    \"description\": \"Edit photos.\"\n  }\n]\n",
              ReadFileBytes(out / L"list.json"));
    EXPECT_EQ(2u, ProfileSectionNames(Data(L"apps.ini")).size());
    ExpectNoIntermediates();
}
