#include "UnicodeIniFile.h"
#include "Utf16TextFile.h"

#include <cwctype>

namespace
{
void AppendOneLine(std::wstring& strText, const CString& strLine)
{
    for (int i = 0; i < strLine.GetLength(); ++i)
    {
        const wchar_t ch = strLine[i];
        strText += (ch == L'\r' || ch == L'\n') ? L' ' : ch;
    }
}

bool NeedsQuotes(const CString& strValue)
{
    if (strValue.IsEmpty())
        return false;
    for (wchar_t ch : { strValue[0], strValue[strValue.GetLength() - 1] })
        if (ch == L'"' || ch == L'\'' || iswspace(ch))
            return true;
    return false;
}
}

void CUnicodeIniFile::AddSection(const CString& strName)
{
    m_text += L'[';
    AppendOneLine(m_text, strName);
    m_text += L"]\r\n";
}

void CUnicodeIniFile::AddValue(const CString& strKey, const CString& strValue)
{
    AppendOneLine(m_text, strKey);
    m_text += L'=';
    const bool quoted = NeedsQuotes(strValue);
    if (quoted)
        m_text += L'"';
    AppendOneLine(m_text, strValue);
    if (quoted)
        m_text += L'"';
    m_text += L"\r\n";
}

bool CUnicodeIniFile::Save(const CFileInFolder& file) const
{
    return SaveUtf16Text(file, m_text);
}
