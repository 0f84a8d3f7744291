// CProfileFile against the platform's profile functions: the same questions
// about the same generated files, every answer compared.
#include <ProfileFile.h>
#include <ProfileKeyValues.h>
#include <ProfileFiles.h>
#include <ProfileShapes.h>
#include <ProfileText.h>
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

// Every section name the platform lists and the names given, each with
// every key given; the generator's names and keys, also in upper case and
// padded with blanks, unless others are given.
void ExpectSameAnswers(const CString& path, const std::wstring& text,
                       const std::vector<std::wstring>& askedSections = kShapeSections,
                       const std::vector<std::wstring>& keys = kShapeKeys)
{
    CProfileFile file;
    file.Load(path);
    const std::vector<CString> names = PlatformSectionNames(path);
    const std::vector<CString> readerNames = file.SectionNames();
    ASSERT_EQ(names.size(), readerNames.size()) << "section names of\n" << ShownText(text);
    for (size_t i = 0; i < names.size(); ++i)
        ASSERT_STREQ(names[i], readerNames[i]) << "section name " << i;
    std::set<std::wstring> sections;
    // No name at all asks about the lines before the first section.
    sections.insert(std::wstring());
    for (const CString& name : names)
        sections.insert(name.GetString());
    for (const std::wstring& name : askedSections)
        sections.insert(name);
    if (&askedSections == &kShapeSections)
        for (const std::wstring& name : std::set<std::wstring>(sections))
        {
            sections.insert(Upper(name.c_str()).GetString());
            sections.insert(L" " + name + L"\t");
        }
    for (const std::wstring& key : keys)
    {
        // The catalogue's reader of one key, which keeps nothing else.
        CProfileKeyValues values;
        values.Load(path, key.c_str(), 1024);
        ASSERT_EQ(readerNames, values.SectionNames()) << "section names of\n" << ShownText(text);
        for (const std::wstring& section : sections)
        {
            // In the catalogue's buffer of 1,024 characters, and in one of
            // 65,536 where that one was filled.
            const DWORD cchLarge = 1 << 16;
            const CString cut = ProfileString(path, section.c_str(), key.c_str(), 1024);
            const CString whole =
                cut.GetLength() < 1022 ? cut : ProfileString(path, section.c_str(), key.c_str(), cchLarge);
            ASSERT_STREQ(whole, file.GetString(section.c_str(), key.c_str(), cchLarge))
                << "[" << ShownText(section) << "] " << ShownText(key) << " in\n"
                << ShownText(text);
            ASSERT_STREQ(cut, file.GetString(section.c_str(), key.c_str(), 1024))
                << "[" << ShownText(section) << "] " << ShownText(key) << " cut, in\n"
                << ShownText(text);
            ASSERT_STREQ(cut, values.GetString(section.c_str()))
                << "[" << ShownText(section) << "] " << ShownText(key) << " alone, in\n"
                << ShownText(text);
        }
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

    CTempFolder m_folder;
    int m_next = 0;
};

// Every encoding the profile functions tell apart, each with its own files:
// the bytes of its byte-order mark and of the characters 'x' and CR.
struct CEncodingCase
{
    const char* m_id;
    const char* m_name;
    bool (*m_write)(const CString&, const CString&);
    unsigned m_firstSeed;
    size_t m_cbMark;
    size_t m_cbUnit;
};

const CEncodingCase kEncodings[] = {
    { "Ansi", "ANSI", WriteAnsiIni, 1, 0, 1 },
    { "Utf16", "UTF-16LE", WriteUtf16Ini, 1001, 2, 2 },
    { "Utf8", "UTF-8 with a byte-order mark", WriteUtf8Ini, 3001, 3, 1 },
    { "Utf16BigEndian", "UTF-16BE", WriteUtf16BigEndianIni, 4001, 2, 2 },
};

// The comparisons in one encoding, each encoding a test of its own: CTest
// runs them side by side (tests/platform/inifile/CMakeLists.txt).
class ProfileFileEncodingTest : public ProfileFileTest, public ::testing::WithParamInterface<CEncodingCase>
{
protected:
    void SetUp() override
    {
        // A run meant for another ANSI code page says which.
        wchar_t codePage[16] = {};
        if (GetEnvironmentVariableW(L"SI_ANSI_CODE_PAGE", codePage, 16))
        {
            ASSERT_EQ(static_cast<UINT>(_wtoi(codePage)), GetACP());
        }
    }

    // The file as the encoding writes it, backdated so that the platform
    // reads it once, not for every question.
    void Write(const CString& path, const std::wstring& text)
    {
        ASSERT_TRUE(GetParam().m_write(path, CString(text.c_str(), static_cast<int>(text.size()))));
        ASSERT_TRUE(BackdateFile(path));
    }
};
}

TEST_P(ProfileFileEncodingTest, AnswersAsThePlatformAboutGeneratedFiles)
{
    const CEncodingCase& encoding = GetParam();
    for (unsigned seed = encoding.m_firstSeed; seed < encoding.m_firstSeed + 150; ++seed)
    {
        const std::wstring text = CProfileShapes(seed).File(40);
        const CString path = NextPath();
        ASSERT_NO_FATAL_FAILURE(Write(path, text));
        SCOPED_TRACE(testing::Message() << encoding.m_name << ", seed " << seed);
        ExpectSameAnswers(path, text);
        if (HasFatalFailure())
            return;
    }
}

// Files read in pieces: wherever the end of the first piece falls in a
// section header, a value of characters of several bytes or a line break, or
// when a line is longer than a piece, the answers are the platform's.
TEST_P(ProfileFileEncodingTest, AnswersAsThePlatformWhereThePiecesOfAFileMeet)
{
    const CEncodingCase& encoding = GetParam();
    const std::wstring tail =
        L"\r\n[Caf\u00e9\u5199]\r\nCustomerDescription=\u00e9\u5199\u00e9\r\n[Beta]\r\nLabel=b\r\n";
    // The filler's line ends where the first piece does, then a unit later
    // each time, through the tail.
    const size_t nFill = (kProfilePieceBytes - encoding.m_cbMark) / encoding.m_cbUnit - 3;
    for (size_t nShift = 0; nShift <= 16; ++nShift)
    {
        const std::wstring text = L"[Alpha]\r\nLabel=" + std::wstring(nFill - 14 + nShift, L'x') + tail;
        const CString path = NextPath();
        ASSERT_NO_FATAL_FAILURE(Write(path, text));
        SCOPED_TRACE(testing::Message() << encoding.m_name << ", shifted by " << nShift);
        ExpectSameAnswers(path, text, {}, { L"Label", L"CustomerDescription" });
        if (HasFatalFailure())
            return;
    }
    const std::wstring longLine = L"[Alpha]\r\nLabel=" + std::wstring(kProfilePieceBytes * 3 / 2, L'y') + L"z" + tail;
    const CString path = NextPath();
    ASSERT_NO_FATAL_FAILURE(Write(path, longLine));
    SCOPED_TRACE(testing::Message() << encoding.m_name << ", a line longer than a piece");
    ExpectSameAnswers(path, longLine, {}, { L"Label", L"CustomerDescription" });
}

INSTANTIATE_TEST_SUITE_P(EveryEncoding, ProfileFileEncodingTest, ::testing::ValuesIn(kEncodings),
                         [](const ::testing::TestParamInfo<CEncodingCase>& info) { return info.param.m_id; });

// Sequences of writes, as the conversion makes temp.ini, to an empty UTF-16
// file and to generated ones (NULs after blanks in headers and keys among
// them): the files come out the same, character for character.
TEST_F(ProfileFileTest, WritesAsWritePrivateProfileStringW)
{
    for (unsigned seed = 2001; seed <= 2200; ++seed)
    {
        CProfileShapes shapes(seed);
        const std::wstring generated = seed % 2 ? shapes.File(20) : std::wstring();
        const CString text(generated.c_str(), static_cast<int>(generated.size()));
        const CString platformPath = NextPath(), readerPath = NextPath();
        ASSERT_TRUE(WriteUtf16Ini(platformPath, text));
        ASSERT_TRUE(WriteUtf16Ini(readerPath, text));
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
        ASSERT_EQ(ShownText(Utf16FileText(platformPath)), ShownText(Utf16FileText(readerPath)))
            << "seed " << seed << ", from\n"
            << ShownText(generated);
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
