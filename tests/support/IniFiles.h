#pragma once
// Writes profile (INI) files in the two encodings the profile functions read.
#include <afxwin.h>

// In the ANSI code page; true on success.
bool WriteAnsiIni(const CString& path, const CString& text);
// In UTF-16LE with a byte-order mark; true on success.
bool WriteUtf16Ini(const CString& path, const CString& text);
