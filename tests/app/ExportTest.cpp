// The export switches with the built program, as a script runs them: the
// files, the exit codes and the reasons on the error stream, alone and while
// the dialog runs.
#include <CoverWindow.h>
#include <DebugOutputMonitor.h>
#include <DialogDriver.h>
#include <JapaneseTexts.h>
#include <ProfileFiles.h>
#include <ProgramRunner.h>
#include <RunningProgramTest.h>
#include <TestFolders.h>

#include <gtest/gtest.h>

#include <string>

namespace
{
const std::string kBom = "\xEF\xBB\xBF";
// Two products, listed by name: "Mail", then "Photo Studio, Deluxe".
const wchar_t kTwoProducts[] = L"[Photo Studio, Deluxe]\r\nCustomerDescription=Edits \"photos\"\r\n"
                               L"[Mail]\r\nCustomerDescription=Reads mail.\r\n";
const wchar_t kNoProduct[] = L"[Driver Pack]\r\nLabel=Installed, without a description\r\n";
const std::string kCommaSeparated =
    kBom + "Software,Description\r\nMail,Reads mail.\r\n\"Photo Studio, Deluxe\",\"Edits \"\"photos\"\"\"\r\n";

CString DistProgram()
{
    return DistFolder() + L"\\ZelSoftwareInfo.exe";
}

class ExportTest : public RunningProgramTest
{
protected:
    void SetUp() override { RemoveTree(DataFolder()); }
    void TearDown() override
    {
        RunningProgramTest::TearDown();
        RemoveTree(DataFolder());
    }

    // apps.ini with the text; none when it is null.
    static void PutCatalogue(LPCWSTR text)
    {
        RemoveTree(DataFolder());
        if (!text)
            return;
        CreateDirectoryW(DataFolder(), nullptr);
        ASSERT_TRUE(WriteUtf16Ini(DataFolder() + L"\\apps.ini", text));
    }

    // Runs the program with the arguments, "{out}" in them standing for the
    // output folder; its exit code, and in m_errors what it wrote to the
    // error stream it was given.
    DWORD Export(const CString& arguments, const CString& program = DistProgram())
    {
        CString args = arguments;
        args.Replace(L"{out}", m_out.Path());
        SECURITY_ATTRIBUTES inherit = { sizeof(inherit), nullptr, TRUE };
        // A file of its own each time: a handle a process inherits may stay
        // open a moment after it ends.
        const CString errorsPath = m_streams / (L"errors" + std::to_wstring(++m_nRuns) + L".txt").c_str();
        DWORD dwExit = STILL_ACTIVE;
        {
            const CFileHandle errors(CreateFileW(errorsPath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                 &inherit, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
            EXPECT_TRUE(errors);
            CProgramRunner runner(program, args, CString(), nullptr, errors.get());
            dwExit = runner.WaitForExit(kProgramTimeout);
        }
        m_errors = ReadFileBytes(errorsPath);
        return dwExit;
    }

    CTempFolder m_out;
    CTempFolder m_streams;
    std::string m_errors;
    int m_nRuns = 0;
};

struct CExportCase
{
    const char* m_pszWhat;
    LPCWSTR m_pszArguments;
    LPCWSTR m_pszCatalogue; // apps.ini; none when null
    DWORD m_dwExit;
    LPCWSTR m_pszFile;       // in the output folder; null: nothing is written there
    std::string m_content;   // what the file holds, or a part of it (HTML)
    const char* m_pszReason; // on the error stream and for a debugger; null: nothing is said
};
}

TEST_F(ExportTest, EachCommandLineGivesItsExitCodeAndFile)
{
    const CExportCase cases[] = {
        { "comma-separated", L"/scomma \"{out}\\list.csv\"", kTwoProducts, 0, L"list.csv", kCommaSeparated, nullptr },
        { "tab-separated, the switch in capitals after '-'", L"-STAB \"{out}\\list.txt\"", kTwoProducts, 0, L"list.txt",
          kBom + "Software\tDescription\r\nMail\tReads mail.\r\nPhoto Studio, Deluxe\tEdits \"photos\"\r\n", nullptr },
        { "HTML", L"/shtml \"{out}\\list.html\"", kTwoProducts, 0, L"list.html",
          "<tbody>\r\n<tr><td>Mail</td><td>Reads mail.</td></tr>\r\n"
          "<tr><td>Photo Studio, Deluxe</td><td>Edits &quot;photos&quot;</td></tr>\r\n</tbody>",
          nullptr },
        { "JSON", L"/sjson \"{out}\\list.json\"", kTwoProducts, 0, L"list.json",
          "[\n  {\n    \"name\": \"Mail\",\n    \"description\": \"Reads mail.\"\n  },\n  {\n"
          "    \"name\": \"Photo Studio, Deluxe\",\n    \"description\": \"Edits \\\"photos\\\"\"\n  }\n]\n",
          nullptr },
        { "two files at once", L"/sjson \"{out}\\list.json\" /scomma \"{out}\\list.csv\"", kTwoProducts, 0, L"list.csv",
          kCommaSeparated, nullptr },
        { "a switch without its file name", L"/scomma", kTwoProducts, 2, nullptr, "",
          "/scomma needs the name of the file to write" },
        { "a folder that is not there", L"/scomma \"{out}\\missing\\list.csv\"", kTwoProducts, 3, nullptr, "",
          "\\missing\\list.csv (error 3:" },
        { "one file written, the other not", L"/scomma \"{out}\\list.csv\" /sjson \"{out}\\missing\\list.json\"",
          kTwoProducts, 3, L"list.csv", kCommaSeparated, "\\missing\\list.json" },
        { "a catalogue without a product", L"/scomma \"{out}\\list.csv\"", kNoProduct, 1, L"list.csv",
          kBom + "Software,Description\r\n", "apps.ini holds no product" },
        { "no catalogue, and no factory volume to build one", L"/scomma \"{out}\\list.csv\"", nullptr, 1, L"list.csv",
          kBom + "Software,Description\r\n", "the first start built none" },
    };
    CDebugOutputMonitor monitor;
    ASSERT_TRUE(monitor.Started());
    for (const CExportCase& c : cases)
    {
        SCOPED_TRACE(c.m_pszWhat);
        PutCatalogue(c.m_pszCatalogue);
        const size_t nDebugBefore = monitor.Text().size();
        EXPECT_EQ(c.m_dwExit, Export(c.m_pszArguments));
        if (c.m_pszFile)
        {
            const std::string content = ReadFileBytes(m_out / c.m_pszFile);
            if (c.m_pszFile == std::wstring(L"list.html"))
                EXPECT_NE(std::string::npos, content.find(c.m_content)) << content;
            else
                EXPECT_EQ(c.m_content, content);
        }
        else
            EXPECT_FALSE(PathExists(m_out / L"list.csv"));
        if (c.m_pszReason)
        {
            EXPECT_NE(std::string::npos, m_errors.find(c.m_pszReason)) << m_errors;
            EXPECT_TRUE(PumpMessagesUntil(
                [&] { return monitor.Text().find(c.m_pszReason, nDebugBefore) != std::string::npos; }));
        }
        else
            EXPECT_EQ("", m_errors);
        DeleteFileW(m_out / L"list.csv");
        DeleteFileW(m_out / L"list.json");
    }
}

// It neither activates the running dialog nor takes its place.
TEST_F(ExportTest, AnExportWhileTheDialogRunsLeavesItAlone)
{
    PutCatalogue(kTwoProducts);
    StartProgram(DistProgram(), kMainCaption);
    CCoverWindow cover;
    ASSERT_EQ(cover.Handle(), GetForegroundWindow());

    EXPECT_EQ(0u, Export(L"/scomma \"{out}\\list.csv\""));
    EXPECT_EQ(kCommaSeparated, ReadFileBytes(m_out / L"list.csv"));
    EXPECT_EQ(STILL_ACTIVE, m_first->WaitForExit(0));
    EXPECT_EQ(std::vector<HWND>{ m_hFirst }, m_first->VisibleWindows());
    // An activation the export had asked for would reach the dialog's
    // thread before this message does.
    SendMessageW(m_hFirst, WM_NULL, 0, 0);
    EXPECT_EQ(cover.Handle(), GetForegroundWindow());
}

TEST_F(ExportTest, HaltGoesFirstAndTheExportStillRuns)
{
    PutCatalogue(kTwoProducts);
    StartProgram(DistProgram(), kMainCaption);
    EXPECT_EQ(0u, Export(L"/scomma \"{out}\\list.csv\" /halt"));
    EXPECT_EQ(kCommaSeparated, ReadFileBytes(m_out / L"list.csv"));
    EXPECT_EQ(0u, m_first->WaitForExit(kProgramTimeout));
}

// The headings and the title come from the resource module; without one,
// an export shows no message, says why and writes the program's own.
TEST_F(ExportTest, TheHeadingsAreTheResourceModulesOrTheProgramsOwnWithoutOne)
{
    PutCatalogue(kTwoProducts);
    const CTempFolder japanese, without;
    ASSERT_TRUE(CopyFolderFiles(DistFolder(), japanese.Path()));
    ASSERT_TRUE(CopyFileTo(DistFolder() + L"\\ja-JP\\SoftInfoRes.dll", japanese / L"SoftInfoRes.dll"));
    ASSERT_TRUE(CopyFolderFiles(DistFolder(), without.Path()));
    ASSERT_TRUE(DeleteFileW(without / L"SoftInfoRes.dll"));

    EXPECT_EQ(0u, Export(L"/shtml \"{out}\\list.html\"", japanese / L"ZelSoftwareInfo.exe"));
    const std::string html = ReadFileBytes(m_out / L"list.html");
    for (const CString& text : { L"<title>" + CString(kJapaneseMainCaption) + L"</title>",
                                 L"<tr><th>" + CString(kJapaneseSoftwareHeading) + L"</th><th>" +
                                     kJapaneseDescriptionHeading + L"</th></tr>" })
    {
        std::string utf8(static_cast<size_t>(text.GetLength()) * 3, '\0');
        utf8.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text, text.GetLength(), &utf8[0],
                                                            static_cast<int>(utf8.size()), nullptr, nullptr)));
        EXPECT_NE(std::string::npos, html.find(utf8)) << html;
    }

    EXPECT_EQ(0u, Export(L"/shtml \"{out}\\list.html\"", without / L"ZelSoftwareInfo.exe"));
    EXPECT_NE(std::string::npos,
              ReadFileBytes(m_out / L"list.html").find("<title>Software Information</title>\r\n<style>"));
    EXPECT_NE(std::string::npos,
              ReadFileBytes(m_out / L"list.html").find("<tr><th>Software</th><th>Description</th></tr>"));
    EXPECT_NE(std::string::npos, m_errors.find("SoftInfoRes.dll is missing")) << m_errors;
}
