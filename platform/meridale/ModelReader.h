#pragma once
// Reads the factory model file with the platform's XML reader.
#include <UnicodeIniFile.h>

// Fills ini with the model's modules; false when the file cannot be read or
// is not well-formed XML (DTDs are refused).
bool ReadModelFile(const CString& strModelPath, CUnicodeIniFile& ini);
