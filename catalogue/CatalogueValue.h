#pragma once
// Reading one value of a catalogue file (modules.ini, apps.ini).
#include <afxwin.h>

class CProfileFile;

// The key's value as a buffer of 1,024 characters takes it (so at most
// 1,023 arrive, longer values are cut), then trimmed; empty when missing.
CString CatalogueValue(const CProfileFile& file, const CString& strSection, LPCWSTR pszKey);
