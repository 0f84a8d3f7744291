#pragma once
// Reading one value of a catalogue file (modules.ini, apps.ini).
#include <afxwin.h>

// The key's value, read into a buffer of 1,024 characters (so at most 1,023
// arrive, longer values are cut) and then trimmed; empty when missing.
CString ReadCatalogueValue(const CString& strPath, const CString& strSection, LPCWSTR pszKey);
