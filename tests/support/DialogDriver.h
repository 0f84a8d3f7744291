#pragma once
// Runs a real modal dialog and drives it from inside its own modal loop.
#include <afxwin.h>

#include <functional>

// Runs dlg.DoModal(); once the dialog's window exists and has been shown,
// body(hDlg) runs on the same thread, inside the modal loop. If the dialog
// is still open when body returns, it is closed with WM_CLOSE. Returns what
// DoModal returned.
INT_PTR RunDialog(CDialog& dlg, const std::function<void(HWND hDlg)>& body);

// Runs action(). Each time a visible dialog with the caption (any dialog
// when caption is NULL) shows on this thread meanwhile (a modal loop that
// action starts), body(hBox) runs inside that dialog's loop, and the dialog
// is then closed with WM_CLOSE if still open. Returns how many such dialogs
// showed.
int HandleDialogsDuring(LPCWSTR caption, const std::function<void()>& action,
                        const std::function<void(HWND hBox)>& body);

// Lets the dialog's thread handle what is queued (clicks, keys, commands)
// and whatever handling it queues in turn, until the queue is empty.
void PumpMessages();
// Handles this thread's messages, waiting for more, until condition() holds
// or the time is up; whether it held.
bool PumpMessagesUntil(const std::function<bool()>& condition, DWORD milliseconds = 10000);

// The text of a window, of this process or another.
CString WindowText(HWND hWnd);
// The state of the GUI thread that runs the window (any process's): its
// focus, its menu and move loops; all zero when it cannot be read.
GUITHREADINFO GuiThreadOf(HWND hWnd);
