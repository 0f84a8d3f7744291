#pragma once
// Profile (INI) files in tests: written in the two encodings the profile
// functions read, and read back with buffers far larger than anything the
// tests write.
#include <afxwin.h>

#include <initializer_list>
#include <string>
#include <vector>

// In the ANSI code page; true on success.
bool WriteAnsiIni(const CString& path, const CString& text);
// In UTF-16LE with a byte-order mark; true on success.
bool WriteUtf16Ini(const CString& path, const CString& text);
// In UTF-8 with a byte-order mark; true on success.
bool WriteUtf8Ini(const CString& path, const CString& text);
// In UTF-16BE with a byte-order mark; true on success.
bool WriteUtf16BigEndianIni(const CString& path, const CString& text);

// Sets the file's last write time an hour back. Wine's profile functions
// read a file written in the last two seconds anew on every call; one
// backdated is read once and kept while its time stays.
bool BackdateFile(const CString& path);

std::vector<CString> ProfileSectionNames(const CString& path);
// The same names, each ended by a line break: one text to compare whole.
std::wstring ProfileSectionList(const CString& path);
CString ProfileValue(const CString& path, LPCWSTR section, LPCWSTR key);
// A value ProfileValue is to read ("<missing>" for a key that is not there).
struct CProfileValue
{
    LPCWSTR section;
    LPCWSTR key;
    LPCWSTR value;
};
// Compares each value, one expectation a value.
void ExpectProfileValues(const CString& path, std::initializer_list<CProfileValue> values);
// What GetPrivateProfileStringW gives with an empty default and a buffer of
// size characters.
CString ProfileString(const CString& path, LPCWSTR section, LPCWSTR key, DWORD size = 1 << 16);
// The file's first bytes are a UTF-16LE byte-order mark.
bool StartsWithUtf16Bom(const CString& path);
// The whole UTF-16 text of a file, its byte-order mark included.
std::wstring Utf16FileText(const CString& path);
