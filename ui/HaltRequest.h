#pragma once
// A request to end the program: raised on any thread (the instance guard's
// watcher) and carried out on the main dialog's thread. It reaches the
// dialog as a posted window message, which every modal loop on the thread
// (a menu, the move or size loop, the About box, a message box) dispatches;
// a thread message such as WM_QUIT would be taken by the innermost of them.
// Raised before the dialog exists, it is kept until the dialog binds it.
#include <afxwin.h>

#include <atomic>

class CHaltRequest
{
public:
    // The message that tells the bound window; posted without parameters.
    static const UINT kMessage = WM_APP + 1;

    // Any thread: records the request and tells the bound window, if any.
    void Raise();
    // The window's thread: from now on a request tells hWnd. True when one
    // was raised already, so the window is to end at once.
    bool Bind(HWND hWnd);
    // No window is told any more.
    void Unbind();
    bool IsRaised() const;

    // On hDlg's thread: ends an open menu, the move or size loop and every
    // other dialog of the thread (the About box, a message box, the shell's
    // report of a tool it could not start, which has no owner), then hDlg
    // itself.
    static void CarryOut(HWND hDlg);

private:
    // Both sequentially consistent: whether the window binds before or
    // after the request, at least one side sees the other.
    std::atomic<bool> m_bRaised{ false };
    std::atomic<HWND> m_hWnd{ nullptr };
};
