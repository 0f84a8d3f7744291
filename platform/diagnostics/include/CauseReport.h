#pragma once
// Causes of failures the user cannot see: one line each through
// OutputDebugStringW, which a debugger or DebugView shows, "<source>:
// <cause>". After a failed call the line ends in that call's error code and
// the system's text for it, "(error 5: Access is denied.)": the first thing
// a support engineer asks for. The program, its framework and skin, and
// every stand-in report this way, each under its own source.
#include <windows.h>

#include <string>

// The source of the program's own lines, its framework's and its skin's.
inline constexpr wchar_t kProgramSource[] = L"SoftwareInfo";

// The system's text for the error, in the user's language, without the
// line break it ends in; empty where the system has none.
std::wstring SystemErrorText(DWORD dwError);
// The error's code: in decimal, or in hex for an HRESULT ("0x80070005").
std::wstring ErrorCodeText(DWORD dwError);
// "(error <code>: <the system's text>)", the code in decimal, or in hex for
// an HRESULT; "(error <code>)" where the system has no text for it.
std::wstring ErrorNote(DWORD dwError);
// "<pszSource>: <pszCause>", without a line end; after a failed call (its
// error in dwError) "<pszSource>: <pszCause> <ErrorNote>".
std::wstring CauseLine(LPCWSTR pszSource, LPCWSTR pszCause, DWORD dwError = ERROR_SUCCESS);
// Writes the cause's line for a debugger.
void ReportCause(LPCWSTR pszSource, LPCWSTR pszCause, DWORD dwError = ERROR_SUCCESS);
