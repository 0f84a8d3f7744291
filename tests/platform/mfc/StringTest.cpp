#include <afxwin.h>

#include <gtest/gtest.h>

TEST(CStringTrim, RemovesBlanksTabsAndLineBreaksAtBothEndsOnly)
{
    CString text(L" \t Photo  Studio \r\n");
    text.Trim();
    EXPECT_STREQ(L"Photo  Studio", text);

    CString blank(L" \t ");
    EXPECT_TRUE(blank.Trim().IsEmpty());
}

TEST(CStringReplace, RemovesEveryOccurrenceAndCountsThem)
{
    CString path(L"C:\\a\\ZelSoftwareInfo.exeZelSoftwareInfo.exe");
    EXPECT_EQ(2, path.Replace(L"ZelSoftwareInfo.exe", L""));
    EXPECT_STREQ(L"C:\\a\\", path);
}

TEST(CStringReplace, IsCaseSensitiveAndIgnoresEmptyPattern)
{
    CString path(L"C:\\zelsoftwareinfo.EXE");
    EXPECT_EQ(0, path.Replace(L"ZelSoftwareInfo.exe", L""));
    EXPECT_EQ(0, path.Replace(L"", L"x"));
    EXPECT_STREQ(L"C:\\zelsoftwareinfo.EXE", path);
}

TEST(CStringReplace, DoesNotRescanReplacementText)
{
    CString text(L"aaa");
    EXPECT_EQ(3, text.Replace(L"a", L"aa"));
    EXPECT_STREQ(L"aaaaaa", text);
}

TEST(CStringCompareNoCase, FoldsToLowerCaseSoUnderscoreSortsBeforeLetters)
{
    EXPECT_EQ(0, CString(L"Tool").CompareNoCase(L"TOOL"));
    EXPECT_LT(CString(L"A_x").CompareNoCase(L"Ab"), 0); // '_' (0x5F) < 'b' (0x62)
    EXPECT_GT(CString(L"beta").CompareNoCase(L"Alpha"), 0);
    EXPECT_LT(CString(L"Alpha").CompareNoCase(L"alphabet"), 0);
}

TEST(CStringCompareNoCase, FoldsBeyondBasicLatin)
{
    EXPECT_EQ(0, CString(L"\u00C9COLE").CompareNoCase(L"\u00E9cole"));     // É / é
    EXPECT_EQ(0, CString(L"\u0424\u0410").CompareNoCase(L"\u0444\u0430")); // Cyrillic
}

TEST(CStringFind, FindsSubstringsFromAStart)
{
    CString text(L"\"C:\\Program Files\\x.exe\" /halt");
    EXPECT_EQ(26, text.Find(L"halt"));
    EXPECT_EQ(-1, text.Find(L"halt", 40));
}

TEST(CStringMid, ClampsToTheString)
{
    CString text(L"abcdef");
    EXPECT_STREQ(L"cd", text.Mid(2, 2));
    EXPECT_STREQ(L"ef", text.Mid(4, 10));
    EXPECT_STREQ(L"", text.Mid(9));
    EXPECT_STREQ(L"ab", text.Left(2));
}

TEST(CStringLoadString, MissingStringLeavesTheTextUnchanged)
{
    CString text(L"before");
    EXPECT_FALSE(text.LoadString(54321));
    EXPECT_STREQ(L"before", text);
}

TEST(CStringReverseFind, FindsTheLastOccurrence)
{
    CString path(L"B:\\bin\\tests.exe");
    EXPECT_EQ(6, path.ReverseFind(L'\\'));
    EXPECT_EQ(12, path.ReverseFind(L'.'));
    EXPECT_EQ(-1, path.ReverseFind(L'/'));
    EXPECT_EQ(-1, CString().ReverseFind(L'\\'));
}
