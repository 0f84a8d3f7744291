#pragma once
// Reads profile (INI) files whole, in whatever encoding the platform accepts:
// the buffers grow until nothing is cut.
#include <afxwin.h>

// Every non-empty section name, in file order.
void ReadSectionNames(const CString& path, CStringArray& names);
// The value of a key, or empty when there is none.
CString ReadProfileValue(const CString& path, const CString& section, const CString& key);
