#pragma once
// The text of a profile (INI) file, decoded as the profile functions decode
// it and handed over line by line.
#include <NoLinkFile.h>
#include <afxwin.h>

#include <functional>
#include <string_view>

// How much of the file is read at a time.
const size_t kProfilePieceBytes = 1 << 16;

using CProfileLineHandler = std::function<void(std::wstring_view line)>;

// Hands over every line of the file in order, without its line break (CR LF,
// LF or CR). The text is UTF-8 after a UTF-8 byte-order mark, UTF-16 after a
// UTF-16 one of either byte order, and otherwise in the ANSI code page. The
// file is read a piece at a time: only a piece of it and the line being
// handed over stand in memory, whatever its size. Only an ordinary disk
// file is read, never through a link (NoLinkFile.h), and never past the size
// it had when opened. false when the file cannot be read, or not to its end,
// with the cause as the thread's last error.
bool ReadProfileLines(const CFileInFolder& file, const CProfileLineHandler& onLine);
// The same for a file opened to read (OpenFileToRead), from where it stands
// to at most cbSize bytes further.
bool ReadProfileLines(HANDLE hFile, ULONGLONG cbSize, const CProfileLineHandler& onLine);
