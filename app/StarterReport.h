#pragma once
// Reasons an export gives whoever started it: a script reads them on its
// console or in the error stream it gave the program, besides the cause
// line that reaches a debugger.
#include <windows.h>

#include <string>

// The cause line (CauseReport.h), written for a debugger and to the
// starter: to the standard error stream when the starter gave one (a file
// or a pipe), else to the console of the process that started this one,
// when it has one (the program is no console program: it attaches to it).
void ReportToStarter(const std::wstring& strCause, DWORD dwError = ERROR_SUCCESS);
