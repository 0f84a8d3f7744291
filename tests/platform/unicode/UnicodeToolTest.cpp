#include "ProfileFiles.h"
#include "ProgramRunner.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct ToolResult
{
    DWORD exitCode = STILL_ACTIVE;
    std::string error;
};

class UnicodeToolTest : public ::testing::Test
{
protected:
    CTempFolder m_folder;
    CString m_temp = m_folder / L"temp.ini";
    CString m_apps = m_folder / L"apps.ini";

    // Runs the built tool with its standard error going to a file.
    ToolResult Run(const CString& arguments)
    {
        const CString errorFile = m_folder / L"stderr.txt";
        SECURITY_ATTRIBUTES inherit = { sizeof(inherit), nullptr, TRUE };
        ToolResult result;
        {
            const CFileHandle error(
                CreateFileW(errorFile, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr));
            result.exitCode = CProgramRunner(BinFolder() + L"\\Unicode.exe", arguments, CString(), nullptr, error.get())
                                  .WaitForExit(60000);
        }
        result.error = ReadFileBytes(errorFile);
        return result;
    }
    ToolResult Convert() { return Run(CString(L"\"") + m_temp + L"\" \"" + m_apps + L"\""); }

    void WriteUtf16(const CString& path, const std::wstring& text) { ASSERT_TRUE(WriteUtf16Ini(path, text.c_str())); }
    // A failed run reports one line and leaves an existing apps.ini as it was.
    void ExpectFailureLeavesAppsAlone(const ToolResult& result, const std::string& before)
    {
        EXPECT_NE(0u, result.exitCode);
        EXPECT_NE(STILL_ACTIVE, result.exitCode);
        ASSERT_FALSE(result.error.empty());
        EXPECT_EQ(result.error.size() - 2, result.error.find("\r\n"));
        EXPECT_EQ(before, ReadFileBytes(m_apps));
    }
};

TEST_F(UnicodeToolTest, CopiesDescriptionsFromAnAnsiFileThePlatformWrote)
{
    ASSERT_TRUE(WritePrivateProfileStringW(L"Photo Studio", L"CustomerDescription", L"Edit photos.", m_temp));
    ASSERT_TRUE(WritePrivateProfileStringW(L"Photo Studio", L"CustomerLabel", L"not copied", m_temp));
    ASSERT_TRUE(WritePrivateProfileStringW(L"Disc Player", L"CustomerDescription", L"", m_temp));
    ASSERT_TRUE(WritePrivateProfileStringW(L"No Description", L"Other", L"x", m_temp));
    ASSERT_NE(0xFF, static_cast<unsigned char>(ReadFileBytes(m_temp)[0]));

    ASSERT_EQ(0u, Convert().exitCode);

    EXPECT_TRUE(StartsWithUtf16Bom(m_apps));
    EXPECT_EQ(L"Photo Studio\nDisc Player\nNo Description\n", ProfileSectionList(m_apps));
    ExpectProfileValues(m_apps, { { L"Photo Studio", L"CustomerDescription", L"Edit photos." },
                                  { L"Photo Studio", L"CustomerLabel", L"<missing>" },
                                  { L"Disc Player", L"CustomerDescription", L"" },
                                  { L"No Description", L"CustomerDescription", L"" } });
    EXPECT_EQ(GetFileAttributesW(m_apps + L".new"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(UnicodeToolTest, KeepsJapaneseFromAUtf16File)
{
    WriteUtf16(m_temp, L"[\u5199\u771f\u30b9\u30bf\u30b8\u30aa]\r\n"
                       L"CustomerDescription=\u5199\u771f\u3092\u7de8\u96c6\u3057\u307e\u3059\u3002\r\n");

    ASSERT_EQ(0u, Convert().exitCode);

    EXPECT_EQ(L"\u5199\u771f\u30b9\u30bf\u30b8\u30aa\n", ProfileSectionList(m_apps));
    EXPECT_STREQ(L"\u5199\u771f\u3092\u7de8\u96c6\u3057\u307e\u3059\u3002",
                 ProfileValue(m_apps, L"\u5199\u771f\u30b9\u30bf\u30b8\u30aa", L"CustomerDescription"));
}

TEST_F(UnicodeToolTest, CopiesEverySectionAndWholeValuesBeyondFixedBuffers)
{
    std::wstring text;
    const std::wstring longValue(5000, L'd');
    for (int i = 0; i < 300; ++i)
    {
        wchar_t name[64];
        wsprintfW(name, L"Product with a rather long name number %03d", i);
        text += std::wstring(L"[") + name + L"]\r\nCustomerDescription=" + (i == 299 ? longValue : L"v") + L"\r\n";
    }
    WriteUtf16(m_temp, text);

    ASSERT_EQ(0u, Convert().exitCode);

    const std::vector<CString> names = ProfileSectionNames(m_apps);
    ASSERT_EQ(300u, names.size());
    EXPECT_STREQ(L"Product with a rather long name number 299", names[299]);
    EXPECT_STREQ(longValue.c_str(), ProfileValue(m_apps, names[299], L"CustomerDescription"));
}

TEST_F(UnicodeToolTest, AwkwardNamesAndValuesReadBackUnchanged)
{
    WriteUtf16(m_temp, L"[a]b]\r\nCustomerDescription=bracket\r\n"
                       L"[x=y]\r\nCustomerDescription=equals\r\n"
                       L"[;not a comment]\r\nCustomerDescription=semicolon\r\n"
                       L"[quoted]\r\nCustomerDescription=\"\"inner\"\"\r\n"
                       L"[padded]\r\nCustomerDescription=\"  blanks  \"\r\n");

    ASSERT_EQ(0u, Convert().exitCode);

    const std::vector<CString> before = ProfileSectionNames(m_temp);
    const std::vector<CString> after = ProfileSectionNames(m_apps);
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i)
    {
        EXPECT_STREQ(before[i], after[i]);
        EXPECT_STREQ(ProfileValue(m_temp, before[i], L"CustomerDescription"),
                     ProfileValue(m_apps, after[i], L"CustomerDescription"));
    }
}

TEST_F(UnicodeToolTest, FileWithoutSectionsGivesAnEmptyCatalogue)
{
    WriteUtf16(m_temp, L"; nothing here\r\n");

    ASSERT_EQ(0u, Convert().exitCode);

    EXPECT_TRUE(StartsWithUtf16Bom(m_apps));
    EXPECT_TRUE(ProfileSectionNames(m_apps).empty());
}

TEST_F(UnicodeToolTest, MissingInputFailsAndLeavesAppsAlone)
{
    const char existing[] = "[Kept]\r\nCustomerDescription=old\r\n";
    ASSERT_TRUE(WriteFileBytes(m_apps, existing, sizeof(existing) - 1));

    ExpectFailureLeavesAppsAlone(Convert(), existing);
    ExpectFailureLeavesAppsAlone(Run(CString(L"\"") + m_folder.Path() + L"\" \"" + m_apps + L"\""), existing);
}

TEST_F(UnicodeToolTest, WrongArgumentsFailAndLeaveAppsAlone)
{
    const char existing[] = "[Kept]\r\nCustomerDescription=old\r\n";
    ASSERT_TRUE(WriteFileBytes(m_apps, existing, sizeof(existing) - 1));
    WriteUtf16(m_temp, L"[New]\r\nCustomerDescription=new\r\n");
    const CString quotedTemp = CString(L"\"") + m_temp + L"\"";
    const CString quotedApps = CString(L"\"") + m_apps + L"\"";

    for (const CString& arguments :
         { CString(), quotedTemp, quotedTemp + L" " + quotedApps + L" extra", quotedTemp + L" \"\"" })
    {
        SCOPED_TRACE(static_cast<LPCWSTR>(arguments));
        ExpectFailureLeavesAppsAlone(Run(arguments), existing);
    }
}

TEST_F(UnicodeToolTest, UnwritableOutputFails)
{
    WriteUtf16(m_temp, L"[New]\r\nCustomerDescription=new\r\n");

    const ToolResult result = Run(CString(L"\"") + m_temp + L"\" \"" + (m_folder / L"absent\\apps.ini") + L"\"");

    EXPECT_NE(0u, result.exitCode);
    EXPECT_FALSE(result.error.empty());
}
}
