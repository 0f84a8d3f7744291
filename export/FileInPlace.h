#pragma once
// A file written whole or not at all, where the user named it.
#include <afxwin.h>

#include <string>

// Writes the bytes to a new file beside the target (in its folder, under a
// name of its own) and then puts that file in the target's place, so that
// the target is either what it was or the whole new file. The program runs
// elevated and the name may come from anyone's command line: nothing is
// written, replaced or removed through a link (NoLinkFile.h), and a folder
// or device at the name is never replaced. True on success; on failure the
// failed call's error is the thread's last error.
bool SaveFileInPlace(const CString& strPath, const std::string& strBytes);
