#include "DelimitedText.h"
#include "Utf8Text.h"

#include <algorithm>
#include <string_view>

namespace
{
using CAppendCell = void (*)(std::wstring& strOut, std::wstring_view cell);

std::wstring_view View(const CString& str)
{
    return std::wstring_view(str.GetString(), static_cast<size_t>(str.GetLength()));
}

// The lines of the list, each handed to the sink whole as it is made.
template <typename Sink>
void MakeLines(const CListHeadings& headings, const CCatalogue& rows, wchar_t chSeparator, CAppendCell pfnAppendCell,
               Sink sink)
{
    std::wstring strLine;
    const auto line = [&](const CString& strFirst, const CString& strSecond) {
        strLine.clear();
        pfnAppendCell(strLine, View(strFirst));
        strLine += chSeparator;
        pfnAppendCell(strLine, View(strSecond));
        strLine += L"\r\n";
        sink(strLine);
    };
    line(headings.m_strName, headings.m_strDescription);
    for (const CProduct& row : rows)
        line(row.m_strName, row.m_strDescription);
}

// Every cell's characters, each line's separator and end: what a list of
// plain cells takes, and little less than one of quoted ones.
size_t PlainLength(const CListHeadings& headings, const CCatalogue& rows)
{
    return static_cast<size_t>(headings.m_strName.GetLength() + headings.m_strDescription.GetLength()) + 3 +
           RoomForRows(rows, 3);
}

std::wstring DelimitedText(const CListHeadings& headings, const CCatalogue& rows, wchar_t chSeparator,
                           CAppendCell pfnAppendCell)
{
    std::wstring strText;
    strText.reserve(PlainLength(headings, rows));
    MakeLines(headings, rows, chSeparator, pfnAppendCell, [&](const std::wstring& strLine) { strText += strLine; });
    return strText;
}

// The lines in UTF-8 after a byte-order mark, each encoded as it is made:
// the file is the one large piece of memory.
std::string DelimitedFile(const CListHeadings& headings, const CCatalogue& rows, wchar_t chSeparator,
                          CAppendCell pfnAppendCell)
{
    std::string strFile = kUtf8ByteOrderMark;
    strFile.reserve(strFile.size() + PlainLength(headings, rows));
    MakeLines(headings, rows, chSeparator, pfnAppendCell,
              [&](const std::wstring& strLine) { AppendUtf8(strFile, strLine.data(), strLine.size()); });
    return strFile;
}

bool NeedsQuotes(wchar_t ch)
{
    return ch == L',' || ch == L'"' || ch == L'\r' || ch == L'\n';
}

void AppendCommaSeparatedField(std::wstring& strOut, std::wstring_view cell)
{
    if (std::none_of(cell.begin(), cell.end(), NeedsQuotes))
    {
        strOut += cell;
        return;
    }
    strOut += L'"';
    // The text up to each quote and past it in one piece, the quote doubled.
    for (size_t nFrom = 0; nFrom < cell.size();)
    {
        const size_t nQuote = std::min(cell.find(L'"', nFrom), cell.size());
        strOut += cell.substr(nFrom, nQuote - nFrom);
        if (nQuote < cell.size())
            strOut += L"\"\"";
        nFrom = nQuote + 1;
    }
    strOut += L'"';
}

bool BreaksTheLine(wchar_t ch)
{
    return ch == L'\t' || ch == L'\r' || ch == L'\n';
}

void AppendTabSeparatedCell(std::wstring& strOut, std::wstring_view cell)
{
    // The text between the breaks in one piece.
    for (auto it = cell.begin(); it != cell.end();)
    {
        const auto itBreak = std::find_if(it, cell.end(), BreaksTheLine);
        strOut.append(it, itBreak);
        if (itBreak == cell.end())
            break;
        strOut += L' ';
        it = itBreak + 1;
    }
}
}

std::string CommaSeparatedFile(const CListHeadings& headings, const CCatalogue& rows)
{
    return DelimitedFile(headings, rows, L',', AppendCommaSeparatedField);
}

CString TabSeparatedText(const CListHeadings& headings, const CCatalogue& rows)
{
    const std::wstring strText = DelimitedText(headings, rows, L'\t', AppendTabSeparatedCell);
    return CString(strText.data(), static_cast<int>(strText.size()));
}

std::string TabSeparatedFile(const CListHeadings& headings, const CCatalogue& rows)
{
    return DelimitedFile(headings, rows, L'\t', AppendTabSeparatedCell);
}
