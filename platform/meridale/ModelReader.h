#pragma once
// Reads the factory model file with the platform's XML reader.
#include <UnicodeIniFile.h>

// Fills ini with the model's modules: S_OK, or the error of the call that
// failed when the file cannot be read or is not well-formed XML (DTDs are
// refused).
HRESULT ReadModelFile(const CString& strModelPath, CUnicodeIniFile& ini);
