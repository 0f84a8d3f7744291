#include "UnicodeIniFile.h"
#include "Utf16TextFile.h"

#include <cwctype>

namespace
{
void AppendOneLine(std::wstring& text, const CString& s)
{
    for (int i = 0; i < s.GetLength(); ++i)
    {
        const wchar_t ch = s[i];
        text += (ch == L'\r' || ch == L'\n') ? L' ' : ch;
    }
}

bool NeedsQuotes(const CString& value)
{
    if (value.IsEmpty())
        return false;
    for (wchar_t ch : {value[0], value[value.GetLength() - 1]})
        if (ch == L'"' || ch == L'\'' || iswspace(ch))
            return true;
    return false;
}
}

void CUnicodeIniFile::AddSection(const CString& name)
{
    m_text += L'[';
    AppendOneLine(m_text, name);
    m_text += L"]\r\n";
}

void CUnicodeIniFile::AddValue(const CString& key, const CString& value)
{
    AppendOneLine(m_text, key);
    m_text += L'=';
    const bool quoted = NeedsQuotes(value);
    if (quoted)
        m_text += L'"';
    AppendOneLine(m_text, value);
    if (quoted)
        m_text += L'"';
    m_text += L"\r\n";
}

bool CUnicodeIniFile::Save(const CString& path) const
{
    return SaveUtf16Text(path, m_text);
}
