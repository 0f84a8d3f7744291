#pragma once
// Keyboard shortcuts anywhere in a dialog, whichever of its controls has the
// focus: while installed, Ctrl with one of the keys sends the dialog
// WM_COMMAND with the key's command ID, and the key goes no further. They
// work inside the dialog's own modal loop, which has no accelerators,
// through the thread's message filter; one dialog per thread.
#include <afxwin.h>

#include <vector>

// Ctrl and the key (a virtual-key code) sends the command.
struct CDialogShortcut
{
    UINT m_nKey;
    UINT m_nCommandID;
};

class CDialogShortcuts
{
public:
    CDialogShortcuts() = default;
    ~CDialogShortcuts();
    CDialogShortcuts(const CDialogShortcuts&) = delete;
    CDialogShortcuts& operator=(const CDialogShortcuts&) = delete;

    // false (with the cause in the debugger output) when the filter could
    // not be installed.
    bool Install(HWND hDlg, std::vector<CDialogShortcut> shortcuts);

private:
    CHookHandle m_hook;
};
