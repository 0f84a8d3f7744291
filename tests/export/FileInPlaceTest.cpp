// A file written beside its target and put in its place: what is at the
// name before, and what is there after.
#include <FileInPlace.h>
#include <HostCommand.h>
#include <NoLinkFile.h>
#include <TestFolders.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
const std::string kNew = "the new list\r\n";
const std::string kOld = "what was there before, longer than the new list\r\n";

bool WriteOld(const CString& path)
{
    return WriteFileBytes(path, kOld.data(), kOld.size());
}

// The names in a folder, but for "." and "..".
std::vector<CString> Names(const CString& folder)
{
    std::vector<CString> names;
    WIN32_FIND_DATAW data;
    const CFindHandle find(FindFirstFileW(folder + L"\\*", &data));
    if (find)
        do
            if (wcscmp(data.cFileName, L".") && wcscmp(data.cFileName, L".."))
                names.push_back(data.cFileName);
        while (FindNextFileW(find.get(), &data));
    return names;
}

CString ShortPath(const CString& path)
{
    wchar_t buffer[MAX_PATH] = {};
    return GetShortPathNameW(path, buffer, MAX_PATH) ? CString(buffer) : CString();
}

CString PlantedAsideName()
{
    wchar_t name[64];
    wsprintfW(name, L"~SoftwareInfo-%lu-0.tmp", GetCurrentProcessId());
    return name;
}

struct CPlaceCase
{
    const char* m_pszWhat;
    // Prepares the folder (and the one elsewhere); the target's path.
    std::function<CString(const CTempFolder& folder, const CTempFolder& elsewhere)> m_prepare;
    bool m_bWritten;
    DWORD m_dwError; // the error of a failure, when the case names one
    // What the folder and the one elsewhere hold afterwards, by name.
    std::vector<CString> m_folderNames;
    std::vector<CString> m_elsewhereNames;
};
}

TEST(SaveFileInPlace, WritesWholeOrLeavesWhatIsAtTheNameAsItWas)
{
    const CPlaceCase cases[] = {
        { "nothing at the name",
          [](const CTempFolder& f, const CTempFolder&) { return f / L"list.csv"; },
          true,
          0,
          { L"list.csv" },
          {} },
        { "a file at the name is replaced whole",
          [](const CTempFolder& f, const CTempFolder&) { return WriteOld(f / L"list.csv") ? f / L"list.csv" : L""; },
          true,
          0,
          { L"list.csv" },
          {} },
        { "a folder at the name stays",
          [](const CTempFolder& f, const CTempFolder&) {
              CreateDirectoryW(f / L"list.csv", nullptr);
              return f / L"list.csv";
          },
          false,
          0,
          { L"list.csv" },
          {} },
        { "a link at the name is not followed",
          [](const CTempFolder& f, const CTempFolder& e) {
              WriteOld(e / L"other.csv");
              MakeHostLink(f / L"list.csv", e / L"other.csv");
              return f / L"list.csv";
          },
          false,
          kErrorLeadsElsewhere,
          { L"list.csv" },
          { L"other.csv" } },
        { "a folder on the way that is a link",
          [](const CTempFolder& f, const CTempFolder& e) {
              MakeHostLink(f / L"linked", e.Path());
              return f / L"linked\\list.csv";
          },
          false,
          kErrorLeadsElsewhere,
          { L"linked" },
          {} },
        { "the folder by its short name",
          [](const CTempFolder& f, const CTempFolder&) {
              CreateDirectoryW(f / L"A long folder name", nullptr);
              const CString shortPath = ShortPath(f / L"A long folder name");
              return shortPath.Find(L"A long folder name") < 0 ? shortPath + L"\\list.csv" : CString();
          },
          true,
          0,
          { L"A long folder name" },
          {} },
        { "a name the new file would take is left alone",
          [](const CTempFolder& f, const CTempFolder&) {
              WriteOld(f / PlantedAsideName());
              return f / L"list.csv";
          },
          true,
          0,
          { L"list.csv", PlantedAsideName() },
          {} },
    };
    for (const CPlaceCase& c : cases)
    {
        SCOPED_TRACE(c.m_pszWhat);
        const CTempFolder folder, elsewhere;
        const CString target = c.m_prepare(folder, elsewhere);
        ASSERT_FALSE(target.IsEmpty());
        const bool bWritten = SaveFileInPlace(target, kNew);
        const DWORD dwError = GetLastError();
        EXPECT_EQ(c.m_bWritten, bWritten);
        if (c.m_dwError)
        {
            EXPECT_EQ(c.m_dwError, dwError);
        }
        // The file at the name is the new one whole, or what was there.
        const std::string content = ReadFileBytes(target);
        if (c.m_bWritten)
        {
            EXPECT_EQ(kNew, content);
        }
        else if (!content.empty())
        {
            EXPECT_EQ(kOld, content);
        }
        if (!c.m_elsewhereNames.empty())
        {
            EXPECT_EQ(kOld, ReadFileBytes(elsewhere / L"other.csv")) << "what a link leads to stays";
        }
        // Nothing left beside it.
        EXPECT_EQ(c.m_folderNames, Names(folder.Path()));
        EXPECT_EQ(c.m_elsewhereNames, Names(elsewhere.Path()));
        RemoveOnHost(folder / L"list.csv");
        RemoveOnHost(folder / L"linked");
    }
}
