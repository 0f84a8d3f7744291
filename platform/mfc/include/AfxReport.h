#pragma once
// Causes of failures the user cannot see: one line each through
// OutputDebugStringW, which a debugger or DebugView shows, "<source>:
// <cause>". The program, its framework and every stand-in report this way.
#include "AfxString.h"

// "<pszSource>: <strCause>", without a line end.
CString AfxCauseLine(LPCWSTR pszSource, const CString& strCause);
// Writes the cause's line for a debugger.
void AfxReportCause(LPCWSTR pszSource, const CString& strCause);
// The same for the program's own failures (and its framework's): "SoftwareInfo".
void AfxReportCause(const CString& strCause);
