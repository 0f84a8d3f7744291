#pragma once
// Reading the section names of a profile (INI) file.
#include <afxwin.h>

// Appends the file's non-empty section names to names, in file order. The
// whole list is read, however long; a missing or unreadable file adds nothing.
void ReadSectionNames(const CString& strIniFile, CStringArray& names);
