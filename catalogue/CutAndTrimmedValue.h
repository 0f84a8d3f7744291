#pragma once
// Reading one value of a catalogue file (modules.ini, apps.ini) as the
// catalogue takes it: cut to its buffer, then trimmed.
#include <afxwin.h>

class CProfileFile;

// The buffer the catalogue's values are read with: at most 1,023
// characters of a value arrive.
const size_t kCatalogueValueBuffer = 1024;

// The key's value as the catalogue's buffer takes it (longer values are
// cut), then trimmed; empty when missing.
CString ReadCutAndTrimmedValue(const CProfileFile& file, const CString& strSection, LPCWSTR pszKey);
