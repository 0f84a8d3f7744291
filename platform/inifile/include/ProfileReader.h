#pragma once
// Single questions about a profile (INI) file, each answered from one
// reading of the whole file (CProfileFile).
#include <afxwin.h>

// Every non-empty section name, in file order.
void ReadSectionNames(const CString& strPath, CStringArray& names);
// The value of a key, or empty when there is none.
CString ReadProfileValue(const CString& strPath, const CString& strSection, const CString& strKey);
