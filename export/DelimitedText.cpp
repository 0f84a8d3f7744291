#include "DelimitedText.h"
#include "Utf8Text.h"

#include <string_view>

namespace
{
using CAppendCell = void (*)(std::wstring& strOut, std::wstring_view cell);

std::wstring_view View(const CString& str)
{
    return std::wstring_view(str.GetString(), static_cast<size_t>(str.GetLength()));
}

void AppendLine(std::wstring& strOut, const CString& strFirst, const CString& strSecond, wchar_t chSeparator,
                CAppendCell pfnAppendCell)
{
    pfnAppendCell(strOut, View(strFirst));
    strOut += chSeparator;
    pfnAppendCell(strOut, View(strSecond));
    strOut += L"\r\n";
}

std::wstring DelimitedText(const CListHeadings& headings, const CCatalogue& rows, wchar_t chSeparator,
                           CAppendCell pfnAppendCell)
{
    std::wstring strText;
    AppendLine(strText, headings.m_strName, headings.m_strDescription, chSeparator, pfnAppendCell);
    for (const CProduct& row : rows)
        AppendLine(strText, row.m_strName, row.m_strDescription, chSeparator, pfnAppendCell);
    return strText;
}

std::string Utf8FileOf(const std::wstring& strText)
{
    std::string strFile = kUtf8ByteOrderMark;
    strFile.reserve(strFile.size() + strText.size() + strText.size() / 8);
    AppendUtf8(strFile, strText.data(), strText.size());
    return strFile;
}

void AppendCommaSeparatedField(std::wstring& strOut, std::wstring_view cell)
{
    if (cell.find_first_of(L",\"\r\n") == std::wstring_view::npos)
    {
        strOut += cell;
        return;
    }
    strOut += L'"';
    for (const wchar_t ch : cell)
        strOut += ch == L'"' ? L"\"\"" : std::wstring_view(&ch, 1);
    strOut += L'"';
}

void AppendTabSeparatedCell(std::wstring& strOut, std::wstring_view cell)
{
    for (const wchar_t ch : cell)
        strOut += ch == L'\t' || ch == L'\r' || ch == L'\n' ? L' ' : ch;
}
}

std::string CommaSeparatedFile(const CListHeadings& headings, const CCatalogue& rows)
{
    return Utf8FileOf(DelimitedText(headings, rows, L',', AppendCommaSeparatedField));
}

CString TabSeparatedText(const CListHeadings& headings, const CCatalogue& rows)
{
    const std::wstring strText = DelimitedText(headings, rows, L'\t', AppendTabSeparatedCell);
    return CString(strText.data(), static_cast<int>(strText.size()));
}

std::string TabSeparatedFile(const CListHeadings& headings, const CCatalogue& rows)
{
    return Utf8FileOf(DelimitedText(headings, rows, L'\t', AppendTabSeparatedCell));
}
