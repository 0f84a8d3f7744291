#pragma once
// UTF-8 as the list's files hold it, from the program's UTF-16 text, one
// code point at a time. A surrogate without its pair, which UTF-8 cannot
// hold, becomes U+FFFD (the replacement character), so every file is valid
// UTF-8 whatever the text.
#include <afxwin.h>

#include <string>

const char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";
const char32_t kReplacementCharacter = 0xFFFD;

// The code point at nIndex (U+FFFD for a lone surrogate); nIndex moves past it.
char32_t NextCodePoint(const wchar_t* pch, size_t nLength, size_t& nIndex);
void AppendCodePoint(std::string& strOut, char32_t cp);
// The whole text, encoded.
void AppendUtf8(std::string& strOut, const wchar_t* pch, size_t nLength);
std::string Utf8Of(const CString& strText);
