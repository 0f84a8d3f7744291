#include "DelimitedText.h"
#include "Utf8Text.h"

#include <string_view>

namespace
{
CString Line(const CString& strFirst, const CString& strSecond, wchar_t chSeparator, CString (*pfnCell)(CString))
{
    return pfnCell(strFirst) + chSeparator + pfnCell(strSecond) + L"\r\n";
}

CString DelimitedText(const CListHeadings& headings, const CCatalogue& rows, wchar_t chSeparator,
                      CString (*pfnCell)(CString))
{
    CString strText = Line(headings.m_strName, headings.m_strDescription, chSeparator, pfnCell);
    for (const CProduct& row : rows)
        strText += Line(row.m_strName, row.m_strDescription, chSeparator, pfnCell);
    return strText;
}

std::string Utf8FileOf(const CString& strText)
{
    std::string strFile = kUtf8ByteOrderMark;
    strFile.reserve(strFile.size() + static_cast<size_t>(strText.GetLength()));
    AppendUtf8(strFile, strText);
    return strFile;
}

CString CommaSeparatedField(CString strText)
{
    const std::wstring_view text(strText.GetString(), static_cast<size_t>(strText.GetLength()));
    if (text.find_first_of(L",\"\r\n") == std::wstring_view::npos)
        return strText;
    strText.Replace(L"\"", L"\"\"");
    return L"\"" + strText + L"\"";
}

CString TabSeparatedCell(CString strText)
{
    for (LPCWSTR pszBreak : { L"\t", L"\r", L"\n" })
        strText.Replace(pszBreak, L" ");
    return strText;
}
}

std::string CommaSeparatedFile(const CListHeadings& headings, const CCatalogue& rows)
{
    return Utf8FileOf(DelimitedText(headings, rows, L',', CommaSeparatedField));
}

CString TabSeparatedText(const CListHeadings& headings, const CCatalogue& rows)
{
    return DelimitedText(headings, rows, L'\t', TabSeparatedCell);
}

std::string TabSeparatedFile(const CListHeadings& headings, const CCatalogue& rows)
{
    return Utf8FileOf(TabSeparatedText(headings, rows));
}
