#pragma once
// Ctrl+C anywhere in a dialog, whichever of its controls has the focus:
// while installed, the key sends the dialog WM_COMMAND with a command ID.
// It works inside the dialog's own modal loop, which has no accelerators,
// through the thread's message filter; one dialog per thread.
#include <afxwin.h>

class CCopyShortcut
{
public:
    CCopyShortcut() = default;
    ~CCopyShortcut();
    CCopyShortcut(const CCopyShortcut&) = delete;
    CCopyShortcut& operator=(const CCopyShortcut&) = delete;

    // false (with the cause in the debugger output) when the filter could
    // not be installed.
    bool Install(HWND hDlg, UINT nCommandID);

private:
    CHookHandle m_hook;
};
