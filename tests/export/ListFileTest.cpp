// Each format's bytes for the texts that need care: one table per format,
// each row a cell's text and what the file holds for it.
#include <DelimitedText.h>
#include <HtmlList.h>
#include <JsonList.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace std::string_literals;
using namespace std::string_view_literals;

namespace
{
const std::string kBom = "\xEF\xBB\xBF";
// U+FFFD in UTF-8.
const std::string kFffd = "\xEF\xBF\xBD";

const CListHeadings kHeadings = { L"Software Information", L"Software", L"Description" };

struct CCellCase
{
    const char* m_pszWhat;
    std::wstring_view m_text;
    std::string m_expected;
};

CString Text(std::wstring_view text)
{
    return CString(text.data(), static_cast<int>(text.size()));
}

// Each case's text as the description of a one-row list ("n" its name):
// the file holds the case's bytes between before and after.
template <typename Writer>
void ExpectEachCell(std::initializer_list<CCellCase> cases, const std::string& before, const std::string& after,
                    Writer write)
{
    for (const CCellCase& c : cases)
        EXPECT_EQ(before + c.m_expected + after, write(CCatalogue{ { L"n", Text(c.m_text) } })) << c.m_pszWhat;
}

const std::string kHtmlHead = "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n";
const std::string kHtmlStyle = "\r\n<style>\r\n"
                               "body { font-family: sans-serif; }\r\n"
                               "table { border-collapse: collapse; }\r\n"
                               "th, td { border: 1px solid #999; padding: 2px 8px; text-align: left; vertical-align: "
                               "top; }\r\n"
                               "</style>\r\n</head>\r\n<body>\r\n";
const std::string kHtmlEnd = "</tbody>\r\n</table>\r\n</body>\r\n</html>\r\n";
}

TEST(CommaSeparatedFile, EachCellAsRfc4180WantsIt)
{
    ExpectEachCell(
        {
            { "plain", L"Photo Studio", "Photo Studio" },
            { "a comma quotes", L"a,b", "\"a,b\"" },
            { "a quote is doubled", L"say \"hi\"", "\"say \"\"hi\"\"\"" },
            { "CR LF quotes", L"a\r\nb", "\"a\r\nb\"" },
            { "LF alone quotes", L"a\nb", "\"a\nb\"" },
            { "CR alone quotes", L"a\rb", "\"a\rb\"" },
            { "a tab does not quote", L"a\tb", "a\tb" },
            { "other controls stay", L"\x01\x0b\x0c\x1f\x7f\x85"sv, "\x01\x0b\x0c\x1f\x7f\xC2\x85"s },
            { "NUL stays", L"a\0b"sv, "a\0b"s },
            { "Japanese", L"\u30AB\u30E1\u30E9", "\xE3\x82\xAB\xE3\x83\xA1\xE3\x83\xA9" },
            // Shared by every format: UTF-8 cannot hold a surrogate without its pair.
            { "a lone high surrogate", L"a\xD800z", "a" + kFffd + "z" },
            { "a lone low surrogate", L"\xDC00", kFffd },
            { "a pair the wrong way round", L"\xDC00\xD800", kFffd + kFffd },
            { "a high surrogate at the end", L"a\xD83D", "a" + kFffd },
        },
        kBom + "Software,Description\r\nn,", "\r\n",
        [](const CCatalogue& rows) { return CommaSeparatedFile(kHeadings, rows); });
}

TEST(CommaSeparatedFile, HeadingsAreFieldsTooAndRowsKeepTheirOrder)
{
    const CListHeadings headings = { L"Caption", L"Name, full", L"Description" };
    const CCatalogue rows = { { L"b", L"2" }, { L"a", L"1" } };
    EXPECT_EQ(kBom + "\"Name, full\",Description\r\nb,2\r\na,1\r\n", CommaSeparatedFile(headings, rows));
    EXPECT_EQ(kBom + "Software,Description\r\n", CommaSeparatedFile(kHeadings, {}));
}

TEST(TabSeparatedFile, EachCellStaysOneCellOfOneLine)
{
    ExpectEachCell(
        {
            { "a tab becomes a space", L"a\tb", "a b" },
            { "CR LF becomes two spaces", L"a\r\nb", "a  b" },
            { "commas and quotes stay", L"a,\"b\"", "a,\"b\"" },
            { "other controls stay", L"\x01\x0b\x0c\x1f\x7f"sv, "\x01\x0b\x0c\x1f\x7f"s },
            { "NUL stays", L"a\0b"sv, "a\0b"s },
            { "a lone surrogate", L"\xD800", "\xEF\xBF\xBD" },
        },
        kBom + "Software\tDescription\r\nn\t", "\r\n",
        [](const CCatalogue& rows) { return TabSeparatedFile(kHeadings, rows); });
}

// What Copy puts on the clipboard: UTF-16, where a lone surrogate can stay.
TEST(TabSeparatedText, IsTheCopiedTextHeadingsFirst)
{
    const CListHeadings headings = { L"Caption", L"Soft\tware", L"Description" };
    EXPECT_STREQ(L"Soft ware\tDescription\r\nn\ta b \xD800\r\n",
                 TabSeparatedText(headings, { { L"n", L"a\nb\t\xD800" } }));
}

TEST(HtmlListFile, EveryTextIsEscapedAndWhatHtmlCannotHoldIsReplaced)
{
    const std::string fffd3 = kFffd + kFffd + kFffd;
    ExpectEachCell(
        {
            { "markup characters", L"&<>\"", "&amp;&lt;&gt;&quot;" },
            { "markup stays text", L"</td><script>", "&lt;/td&gt;&lt;script&gt;" },
            { "tab, LF, FF and CR stay",
              L"a\tb\nc\x0c"
              L"d\re",
              "a\tb\nc\x0c"
              "d\re" },
            { "NUL and other C0 controls", L"\0\x01\x08\x0b\x0e\x1f"sv, kFffd + fffd3 + kFffd + kFffd },
            { "DEL and C1 controls", L"\x7f\x80\x9f", fffd3 },
            { "noncharacters", L"\xFDD0\xFDEF\xFFFE", fffd3 },
            { "more noncharacters", L"\xFFFF\xD83F\xDFFE\xDBFF\xDFFF", fffd3 },
            { "their neighbours stay", L"\xA0\xFDCF\xFDF0\xFFFD", "\xC2\xA0\xEF\xB7\x8F\xEF\xB7\xB0\xEF\xBF\xBD" },
            { "a lone surrogate", L"a\xDFFF", "a" + kFffd },
        },
        kHtmlHead + "<title>Software Information</title>" + kHtmlStyle +
            "<h1>Software "
            "Information</h1>\r\n<table>\r\n<thead>\r\n<tr><th>Software</th><th>Description</th></tr>\r\n</"
            "thead>\r\n<tbody>\r\n<tr><td>n</td><td>",
        "</td></tr>\r\n" + kHtmlEnd, [](const CCatalogue& rows) { return HtmlListFile(kHeadings, rows); });
}

TEST(JsonListFile, EveryCharacterIsKeptEscapedWhereJsonWantsIt)
{
    ExpectEachCell(
        {
            { "quote and backslash", L"a\"b\\c", "a\\\"b\\\\c" },
            { "tab, LF, CR", L"\t\n\r", "\\t\\n\\r" },
            { "other controls", L"\x01\x0b\x1f", "\\u0001\\u000b\\u001f" },
            { "NUL", L"a\0b"sv, "a\\u0000b" },
            { "DEL and C1 stay", L"\x7f\x85", "\x7f\xC2\x85" },
            { "a surrogate pair", L"\xD83D\xDE00", "\xF0\x9F\x98\x80" },
            { "a lone surrogate", L"a\xD800", "a\xEF\xBF\xBD" },
        },
        "[\n  {\n    \"name\": \"n\",\n    \"description\": \"", "\"\n  }\n]\n", JsonListFile);
}

TEST(JsonListFile, AnEmptyListIsAnEmptyArray)
{
    EXPECT_EQ("[]\n", JsonListFile({}));
}
