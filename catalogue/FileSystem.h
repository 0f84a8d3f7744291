#pragma once
// The file-system test the factory search needs.
#include <afxwin.h>

// True when a directory exists at the path.
bool DirectoryExists(CString strPath);
