#pragma once
// The clipboard in tests, and the keyboard shortcut that fills it.
#include <afxwin.h>

// Empties the clipboard; true on success.
bool EmptyTheClipboard();
// The clipboard's Unicode text; empty when it holds none.
CString ClipboardText();
// Presses Ctrl+C on the keyboard, for the foreground window's focus.
void PressCtrlC();
// Handles this thread's messages until the clipboard holds text or the time
// is up; the text, or empty.
CString WaitForClipboardText(DWORD milliseconds);
