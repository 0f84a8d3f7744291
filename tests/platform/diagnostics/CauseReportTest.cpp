#include <CauseReport.h>

#include <gtest/gtest.h>

namespace
{
bool StartsWith(const std::wstring& text, const std::wstring& start)
{
    return text.compare(0, start.size(), start) == 0;
}
}

TEST(CauseLine, EndsInTheErrorCodeAndTheSystemsTextOnOneLine)
{
    const struct
    {
        DWORD error;
        LPCWSTR start; // what the system's text follows, or the whole line
        bool hasText;
    } rows[] = {
        { ERROR_SUCCESS, L"Hdv: drive F: could not be removed", false },
        { ERROR_ACCESS_DENIED, L"Hdv: drive F: could not be removed (error 5: ", true },
        { static_cast<DWORD>(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)),
          L"Hdv: drive F: could not be removed (error 0x80070002: ", true },
        // An application's own code, which the system has no text for.
        { 0x20000001, L"Hdv: drive F: could not be removed (error 536870913)", false },
    };
    for (const auto& row : rows)
    {
        const std::wstring line = CauseLine(L"Hdv", L"drive F: could not be removed", row.error);
        if (row.hasText)
        {
            EXPECT_TRUE(StartsWith(line, row.start)) << line;
            EXPECT_GT(line.size(), wcslen(row.start) + 2) << line;
            EXPECT_EQ(L".)", line.substr(line.size() - 2)) << line;
        }
        else
            EXPECT_EQ(row.start, line);
        EXPECT_EQ(std::wstring::npos, line.find_first_of(L"\r\n")) << line;
    }
}
