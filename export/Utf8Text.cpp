#include "Utf8Text.h"

namespace
{
bool IsHighSurrogate(char32_t ch)
{
    return ch >= 0xD800 && ch <= 0xDBFF;
}
bool IsLowSurrogate(char32_t ch)
{
    return ch >= 0xDC00 && ch <= 0xDFFF;
}
char Byte(char32_t value)
{
    return static_cast<char>(static_cast<unsigned char>(value));
}
}

char32_t NextCodePoint(const wchar_t* pch, size_t nLength, size_t& nIndex)
{
    const char32_t ch = pch[nIndex++];
    if (IsHighSurrogate(ch) && nIndex < nLength && IsLowSurrogate(pch[nIndex]))
        return 0x10000 + ((ch - 0xD800) << 10) + (static_cast<char32_t>(pch[nIndex++]) - 0xDC00);
    return IsHighSurrogate(ch) || IsLowSurrogate(ch) ? kReplacementCharacter : ch;
}

void AppendCodePoint(std::string& strOut, char32_t cp)
{
    if (cp < 0x80)
        strOut += Byte(cp);
    else if (cp < 0x800)
    {
        strOut += Byte(0xC0 | (cp >> 6));
        strOut += Byte(0x80 | (cp & 0x3F));
    }
    else if (cp < 0x10000)
    {
        strOut += Byte(0xE0 | (cp >> 12));
        strOut += Byte(0x80 | ((cp >> 6) & 0x3F));
        strOut += Byte(0x80 | (cp & 0x3F));
    }
    else
    {
        strOut += Byte(0xF0 | (cp >> 18));
        strOut += Byte(0x80 | ((cp >> 12) & 0x3F));
        strOut += Byte(0x80 | ((cp >> 6) & 0x3F));
        strOut += Byte(0x80 | (cp & 0x3F));
    }
}

void AppendUtf8(std::string& strOut, const CString& strText)
{
    const size_t nLength = static_cast<size_t>(strText.GetLength());
    for (size_t i = 0; i < nLength;)
        AppendCodePoint(strOut, NextCodePoint(strText.GetString(), nLength, i));
}

std::string Utf8Of(const CString& strText)
{
    std::string strOut;
    strOut.reserve(static_cast<size_t>(strText.GetLength()));
    AppendUtf8(strOut, strText);
    return strOut;
}
