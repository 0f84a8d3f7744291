#pragma once
// A single question about a profile (INI) file, answered from one reading
// of the whole file (CProfileFile).
#include <afxwin.h>

// The value of a key, or empty when there is none.
CString ReadProfileValue(const CString& strPath, const CString& strSection, const CString& strKey);
