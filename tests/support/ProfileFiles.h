#pragma once
// Reading profile (INI) files back in tests, with buffers far larger than
// anything the tests write.
#include <afxwin.h>

#include <vector>

std::vector<CString> ProfileSectionNames(const CString& path);
CString ProfileValue(const CString& path, LPCWSTR section, LPCWSTR key);
// The file's first bytes are a UTF-16LE byte-order mark.
bool StartsWithUtf16Bom(const CString& path);
