#pragma once
// The model-code library: writes modules.ini from the factory model file.
#include <afxwin.h>

#ifdef MERIDALE_BUILD
#define MERIDALE_API extern "C" __declspec(dllexport)
#else
#define MERIDALE_API extern "C" __declspec(dllimport)
#endif

// Writes strIniPath from the model file at strModelPath: one section per Module
// (named by its id; when that is empty or already taken, compared without
// regard to case, by "Module" + its 1-based position), one key per child
// element holding its text. TRUE on success; on any failure (empty or
// missing path, unreadable or malformed file) nothing is written.
MERIDALE_API BOOL MakeIniFromMcode(CString strIniPath, CString strModelPath);
