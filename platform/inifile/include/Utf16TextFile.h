#pragma once
// Whole text files in UTF-16LE with a byte-order mark.
#include <NoLinkFile.h>

#include <string>

// Writes the text beside the target and renames it into place, so the
// target is either the old file or the whole new one; never through a link
// (NoLinkFile.h). true on success; on failure the failed call's error is the
// thread's last error.
bool SaveUtf16Text(const CFileInFolder& file, const std::wstring& strText);
