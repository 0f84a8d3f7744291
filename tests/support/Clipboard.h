#pragma once
// The clipboard in tests, and the keyboard shortcuts that fill it or find.
#include <afxwin.h>

#include <thread>

// Empties the clipboard; true on success.
bool EmptyTheClipboard();
// The clipboard's Unicode text; empty when it holds none.
CString ClipboardText();
// Presses Ctrl and the key (Ctrl+C, Ctrl+F) on the keyboard, for the
// foreground window's focus.
void PressCtrlWith(WORD key);
// Handles this thread's messages until the clipboard holds text or the time
// is up; the text, or empty.
CString WaitForClipboardText(DWORD milliseconds);

// The clipboard held open by a thread of its own, as by another program:
// from construction until the time is up, or until the object goes with
// INFINITE.
class CClipboardHolder
{
public:
    explicit CClipboardHolder(DWORD milliseconds);
    ~CClipboardHolder();
    CClipboardHolder(const CClipboardHolder&) = delete;
    CClipboardHolder& operator=(const CClipboardHolder&) = delete;

private:
    CKernelHandle m_hOpened;
    CKernelHandle m_hRelease;
    std::thread m_thread;
};
