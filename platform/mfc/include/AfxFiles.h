#pragma once
// The framework's module paths.
#include "AfxString.h"

// The full file name of a module (NULL: the executable), however long;
// empty when it cannot be read.
CString AfxGetModuleFileName(HMODULE hModule);
