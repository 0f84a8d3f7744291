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

namespace
{
// Writes the code point's bytes at p; past them.
char* Encode(char* p, char32_t cp)
{
    if (cp < 0x80)
        *p++ = Byte(cp);
    else if (cp < 0x800)
    {
        *p++ = Byte(0xC0 | (cp >> 6));
        *p++ = Byte(0x80 | (cp & 0x3F));
    }
    else if (cp < 0x10000)
    {
        *p++ = Byte(0xE0 | (cp >> 12));
        *p++ = Byte(0x80 | ((cp >> 6) & 0x3F));
        *p++ = Byte(0x80 | (cp & 0x3F));
    }
    else
    {
        *p++ = Byte(0xF0 | (cp >> 18));
        *p++ = Byte(0x80 | ((cp >> 12) & 0x3F));
        *p++ = Byte(0x80 | ((cp >> 6) & 0x3F));
        *p++ = Byte(0x80 | (cp & 0x3F));
    }
    return p;
}
}

void AppendCodePoint(std::string& strOut, char32_t cp)
{
    char bytes[4];
    strOut.append(bytes, static_cast<size_t>(Encode(bytes, cp) - bytes));
}

namespace
{
size_t EncodedLength(char32_t cp)
{
    return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
}
}

void AppendUtf8(std::string& strOut, const wchar_t* pch, size_t nLength)
{
    // Counted first, so that the string takes no more memory than the bytes
    // need: fresh memory costs more to touch than the text to read twice.
    size_t nBytes = 0;
    for (size_t i = 0; i < nLength;)
        nBytes += EncodedLength(NextCodePoint(pch, nLength, i));
    const size_t nStart = strOut.size();
    strOut.resize(nStart + nBytes);
    char* p = &strOut[nStart];
    for (size_t i = 0; i < nLength;)
        p = Encode(p, NextCodePoint(pch, nLength, i));
}

std::string Utf8Of(const CString& strText)
{
    std::string strOut;
    strOut.reserve(static_cast<size_t>(strText.GetLength()));
    AppendUtf8(strOut, strText.GetString(), static_cast<size_t>(strText.GetLength()));
    return strOut;
}

size_t RoomForRows(const CCatalogue& rows, size_t nPerRow)
{
    size_t nLength = 0;
    for (const CProduct& row : rows)
        nLength += static_cast<size_t>(row.m_strName.GetLength() + row.m_strDescription.GetLength()) + nPerRow;
    return nLength;
}
