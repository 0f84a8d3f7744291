// Folders opened without a link on their path, and their files used by the
// folder's handle: host links stand in for the junctions and symbolic links
// a standard user makes.
#include <HostCommand.h>
#include <NoLinkFile.h>
#include <TestFolders.h>
#include <Utf16TextFile.h>

#include <gtest/gtest.h>

// a\b\c below a temporary folder, one of its components (or none) a host
// link to a folder elsewhere that holds the same: the walk stops at the link.
TEST(NoLinkFolder, OpensOnlyAPathWithoutALink)
{
    const struct
    {
        const char* name;
        LPCWSTR link; // "": none
        LPCWSTR stoppedAt;
    } rows[] = {
        { "no link", L"", L"" },
        { "the folder above its parent", L"a", L"a" },
        { "its parent", L"b", L"a\\b" },
        { "the folder itself", L"c", L"a\\b\\c" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CTempFolder base, elsewhere;
        ASSERT_TRUE(CreateDirectoryW(elsewhere / L"b", nullptr) && CreateDirectoryW(elsewhere / L"b\\c", nullptr));
        ASSERT_TRUE(CreateDirectoryW(elsewhere / L"c", nullptr));
        CString path = base.Path();
        for (LPCWSTR component : { L"a", L"b", L"c" })
        {
            path += CString(L"\\") + component;
            if (CString(component) != row.link)
            {
                ASSERT_TRUE(CreateDirectoryW(path, nullptr));
                continue;
            }
            // To a folder that holds what the path goes on with.
            ASSERT_TRUE(MakeHostLink(path, CString(component) == L"a" ? elsewhere.Path() : elsewhere / component));
            break;
        }

        const CNoLinkFolder folder(base / L"a\\b\\c");

        EXPECT_EQ(!*row.stoppedAt, folder.IsOpen());
        if (folder.IsOpen())
        {
            const CString final = folder.FinalPath();
            EXPECT_EQ(0, final.Mid(final.GetLength() - 6).CompareNoCase(L"\\a\\b\\c")) << final.GetString();
        }
        else
        {
            EXPECT_EQ(kErrorLeadsElsewhere, folder.Error());
            EXPECT_EQ(0, folder.StoppedAt().CompareNoCase(base / row.stoppedAt)) << folder.StoppedAt().GetString();
        }
    }
}

// The folder exchanged for a link after it was opened and judged, as a
// process watching it would: whatever is done in it afterwards is done in
// the folder that was opened, or not at all, never on the link's other side.
TEST(NoLinkFolder, WhatIsDoneInAnOpenFolderIsNeverDoneWhereALinkPutInItsPlaceLeads)
{
    CTempFolder base, victim;
    const CString data = base / L"data";
    const CString original = base / L"original";
    ASSERT_TRUE(CreateDirectoryW(data, nullptr));
    // A file of each name the program uses there, beside the victim's own.
    const LPCWSTR names[] = { L"apps.ini", L"apps.ini.new", L"temp.ini", L"temp.ini.new", L"gone.ini" };
    for (LPCWSTR name : names)
        ASSERT_TRUE(WriteFileBytes(victim / name, "victim's", 8));
    for (LPCWSTR name : { L"apps.ini", L"temp.ini", L"gone.ini" })
        ASSERT_TRUE(WriteFileBytes(data + L"\\" + name, "ours", 4));
    const CNoLinkFolder folder(data);
    ASSERT_TRUE(folder.IsOpen());
    CFileHandle aside(CreateNewFile(CFileInFolder(folder, L"temp.ini.new")));
    ASSERT_TRUE(aside);

    ASSERT_TRUE(RunOnHost(L"mv " + QuotedUnixPath(data) + L" " + QuotedUnixPath(original)));
    ASSERT_TRUE(MakeHostLink(data, victim.Path()));

    // Windows renames and deletes by the handles. Wine renames by paths, so
    // there a file is written where it stands instead; it deletes by path
    // too, but only what is still the file it opened; and a file it makes
    // through the handle has no final path, so it is taken back. None of
    // this reaches the victim.
    const char text[] = "new";
    WriteWholeInPlace(std::move(aside), CFileInFolder(folder, L"temp.ini"), { { text, 3 } });
    RemoveFile(CFileInFolder(folder, L"gone.ini"));
    SaveUtf16Text(CFileInFolder(folder, L"apps.ini"), L"[Planted]\r\n");
    CreateNewFile(CFileInFolder(folder, L"made.ini"));

    for (LPCWSTR name : names)
        EXPECT_EQ("victim's", ReadFileBytes(victim / name)) << name;
    EXPECT_FALSE(PathExists(victim / L"made.ini"));
    ASSERT_TRUE(RemoveOnHost(data));
}
