// CProfileFile against the platform's profile functions: the same questions
// about the same generated files, every answer compared.
#include <ProfileFile.h>
#include <ProfileFiles.h>
#include <ProfileShapes.h>
#include <TestFolders.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{
std::vector<CString> PlatformSectionNames(const CString& path)
{
    std::vector<CString> names;
    for (const CString& name : ProfileSectionNames(path))
        if (!name.IsEmpty())
            names.push_back(name);
    return names;
}

CString Upper(CString s)
{
    std::wstring text(s.GetString());
    CharUpperBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text.c_str();
}

// Every section name the platform lists and every name the generator uses,
// also in upper case and padded with blanks, each with every key.
void ExpectSameAnswers(const CString& path, const std::wstring& text)
{
    CProfileFile file;
    file.Load(path);
    const std::vector<CString> names = PlatformSectionNames(path);
    const std::vector<CString> readerNames = file.SectionNames();
    ASSERT_EQ(names.size(), readerNames.size()) << "section names of\n" << ShownText(text);
    for (size_t i = 0; i < names.size(); ++i)
        ASSERT_STREQ(names[i], readerNames[i]) << "section name " << i;
    std::set<std::wstring> sections;
    for (const CString& name : names)
        sections.insert(name.GetString());
    for (const std::wstring& name : kShapeSections)
        sections.insert(name);
    for (const std::wstring& name : std::set<std::wstring>(sections))
    {
        sections.insert(Upper(name.c_str()).GetString());
        sections.insert(L" " + name + L"\t");
    }
    for (const std::wstring& section : sections)
        for (const std::wstring& key : kShapeKeys)
        {
            const CString value = file.GetString(section.c_str(), key.c_str());
            ASSERT_STREQ(ProfileString(path, section.c_str(), key.c_str()), value)
                << "[" << ShownText(section) << "] " << ShownText(key) << " in\n"
                << ShownText(text);
            // In the catalogue's buffer of 1,024 characters.
            ASSERT_STREQ(ProfileString(path, section.c_str(), key.c_str(), 1024),
                         file.GetString(section.c_str(), key.c_str(), 1024))
                << "[" << ShownText(section) << "] " << ShownText(key) << " cut, in\n"
                << ShownText(text);
        }
}

class ProfileFileTest : public ::testing::Test
{
protected:
    // A new name for every file: the platform may keep a file it has read.
    CString NextPath()
    {
        wchar_t name[32];
        wsprintfW(name, L"f%04d.ini", m_next++);
        return m_folder / name;
    }

    // 150 generated files from the first seed on, written by write, each
    // asked of both.
    void ExpectSameAnswersAboutGeneratedFiles(unsigned nFirstSeed, bool (*write)(const CString&, const CString&))
    {
        for (unsigned seed = nFirstSeed; seed < nFirstSeed + 150; ++seed)
        {
            const std::wstring text = CProfileShapes(seed).File(40);
            const CString path = NextPath();
            ASSERT_TRUE(write(path, CString(text.c_str(), static_cast<int>(text.size()))));
            SCOPED_TRACE(testing::Message() << "seed " << seed);
            ExpectSameAnswers(path, text);
            if (HasFatalFailure())
                return;
        }
    }

    CTempFolder m_folder;
    int m_next = 0;
};
}

TEST_F(ProfileFileTest, AnswersAsThePlatformAboutGeneratedAnsiFiles)
{
    ExpectSameAnswersAboutGeneratedFiles(1, WriteAnsiIni);
}

TEST_F(ProfileFileTest, AnswersAsThePlatformAboutGeneratedUtf16Files)
{
    ExpectSameAnswersAboutGeneratedFiles(1001, WriteUtf16Ini);
}

// Sequences of writes from an empty UTF-16 file, as the conversion makes
// temp.ini: the files come out the same, character for character.
TEST_F(ProfileFileTest, WritesAsWritePrivateProfileStringW)
{
    for (unsigned seed = 2001; seed <= 2060; ++seed)
    {
        CProfileShapes shapes(seed);
        const CString platformPath = NextPath(), readerPath = NextPath();
        ASSERT_TRUE(WriteUtf16Ini(platformPath, L""));
        CProfileFile file;
        file.Load(readerPath);
        const int writes = 1 + shapes.Below(30);
        for (int i = 0; i < writes; ++i)
        {
            const CString section = shapes.Pick(kShapeSections).c_str();
            const CString key = shapes.Pick(kShapeKeys).c_str();
            // Trimmed, as the conversion writes values.
            CString value = shapes.Value().c_str();
            value.Trim();
            ASSERT_TRUE(WritePrivateProfileStringW(section, key, value, platformPath));
            file.SetString(section, key, value);
        }
        ASSERT_TRUE(file.Save(readerPath));
        ASSERT_EQ(ShownText(Utf16FileText(platformPath)), ShownText(Utf16FileText(readerPath))) << "seed " << seed;
    }
}

namespace
{
struct CAnswerCase
{
    LPCWSTR m_text;
    LPCWSTR m_section;
    LPCWSTR m_key;
    LPCWSTR m_expected;
};

// The first three are Windows' answers as the conformance tests of wine's
// profile functions record them; the rest pin the answers to the odd shapes
// (a line without '=', a key before any section, quotes and blanks, a
// second section differing in case, CR line ends).
const CAnswerCase kAnswers[] = {
    { L"[ section1 ]\r\nname1=val1\r\n", L"section1", L"name1", L"val1" },
    { L"[s]\r\nname2=\"val2\"\r\n", L"s", L"name2", L"val2" },
    { L"[s]\r\nname1=val1\r\n", L"s", L"NaMe1", L"val1" },
    { L"[s]\r\nname3\r\nname3=val3\r\n", L"s", L"name3", L"" },
    { L"key=before\r\n[s]\r\n", L"s", L"key", L"" },
    { L"[s]\r\nk = ' spaced ' \r\n", L"s", L"k", L" spaced " },
    { L"[s]\r\nk=\"open\r\n", L"s", L"k", L"\"open" },
    { L"[Tool]\r\nk=first\r\n[TOOL]\r\nk=second\r\nj=only\r\n", L"tool", L"j", L"" },
    { L"[s]\rk=cr\r", L"s", L"k", L"cr" },
};
}

TEST_F(ProfileFileTest, AnswersAsRecorded)
{
    for (const CAnswerCase& answer : kAnswers)
    {
        const CString path = NextPath();
        ASSERT_TRUE(WriteAnsiIni(path, answer.m_text));
        CProfileFile file;
        EXPECT_TRUE(file.Load(path));
        EXPECT_STREQ(answer.m_expected, file.GetString(answer.m_section, answer.m_key)) << answer.m_text;
    }
}

TEST_F(ProfileFileTest, SectionNamesAreTrimmedAndCutAtANul)
{
    const CString path = NextPath();
    ASSERT_TRUE(WriteUtf16Ini(path, CString(L"[ section1 ]\n[sec\0tion2]\n[]\n[Section1]\n", 40)));
    CProfileFile file;
    file.Load(path);
    const std::vector<CString> names = file.SectionNames();
    ASSERT_EQ(3u, names.size());
    EXPECT_STREQ(L"section1", names[0]);
    EXPECT_STREQ(L"sec", names[1]);
    EXPECT_STREQ(L"Section1", names[2]);
}

// A value of exactly 1,023 characters in quotes, read with a buffer of
// 1,024, loses its last character here, as the platform's reading does.
TEST_F(ProfileFileTest, AQuotedValueFillingTheBufferLosesItsLastCharacter)
{
    const CString path = NextPath();
    ASSERT_TRUE(WriteAnsiIni(path, L"[s]\r\nk=\"" + CString(L'q', 1023) + L"\"\r\n"));
    CProfileFile file;
    file.Load(path);
    EXPECT_STREQ(CString(L'q', 1022), file.GetString(L"s", L"k", 1024));
    EXPECT_STREQ(CString(L'q', 1023), file.GetString(L"s", L"k"));
}
