#pragma once
// UTF-8 as the list's files hold it, from the program's UTF-16 text, one
// code point at a time. A surrogate without its pair, which UTF-8 cannot
// hold, becomes U+FFFD (the replacement character), so every file is valid
// UTF-8 whatever the text.
#include <Catalogue.h>
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

// Room to reserve for a file of the rows: their names and descriptions as
// they take in UTF-8 when they are ASCII, and nPerRow more for each row's
// markup. Reserved whole, the file is never copied as it grows: fresh
// memory costs more to touch than the text to count.
size_t RoomForRows(const CCatalogue& rows, size_t nPerRow);
