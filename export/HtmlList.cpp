#include "HtmlList.h"
#include "Utf8Text.h"

namespace
{
bool MayStandInHtml(char32_t cp)
{
    const bool bControl = cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
    const bool bWhiteSpace = cp == L'\t' || cp == L'\n' || cp == 0x0C || cp == L'\r';
    const bool bNoncharacter = (cp >= 0xFDD0 && cp <= 0xFDEF) || (cp & 0xFFFE) == 0xFFFE;
    return (!bControl || bWhiteSpace) && !bNoncharacter;
}

void AppendEscaped(std::string& strOut, const CString& strText)
{
    const size_t nLength = static_cast<size_t>(strText.GetLength());
    for (size_t i = 0; i < nLength;)
    {
        const char32_t cp = NextCodePoint(strText.GetString(), nLength, i);
        switch (cp)
        {
        case L'&':
            strOut += "&amp;";
            break;
        case L'<':
            strOut += "&lt;";
            break;
        case L'>':
            strOut += "&gt;";
            break;
        case L'"':
            strOut += "&quot;";
            break;
        default:
            AppendCodePoint(strOut, MayStandInHtml(cp) ? cp : kReplacementCharacter);
        }
    }
}

void AppendElement(std::string& strOut, const char* pszTag, const CString& strText)
{
    strOut += std::string("<") + pszTag + ">";
    AppendEscaped(strOut, strText);
    strOut += std::string("</") + pszTag + ">";
}

void AppendRow(std::string& strOut, const char* pszCellTag, const CString& strName, const CString& strDescription)
{
    strOut += "<tr>";
    AppendElement(strOut, pszCellTag, strName);
    AppendElement(strOut, pszCellTag, strDescription);
    strOut += "</tr>\r\n";
}
}

std::string HtmlListFile(const CListHeadings& headings, const CCatalogue& rows)
{
    std::string strOut = "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n";
    // A row's tags take some 30 bytes.
    strOut.reserve(strOut.size() + 512 + RoomForRows(rows, 32));
    AppendElement(strOut, "title", headings.m_strCaption);
    strOut += "\r\n<style>\r\n"
              "body { font-family: sans-serif; }\r\n"
              "table { border-collapse: collapse; }\r\n"
              "th, td { border: 1px solid #999; padding: 2px 8px; text-align: left; vertical-align: top; }\r\n"
              "</style>\r\n</head>\r\n<body>\r\n";
    AppendElement(strOut, "h1", headings.m_strCaption);
    strOut += "\r\n<table>\r\n<thead>\r\n";
    AppendRow(strOut, "th", headings.m_strName, headings.m_strDescription);
    strOut += "</thead>\r\n<tbody>\r\n";
    for (const CProduct& row : rows)
        AppendRow(strOut, "td", row.m_strName, row.m_strDescription);
    strOut += "</tbody>\r\n</table>\r\n</body>\r\n</html>\r\n";
    return strOut;
}
