#include "HaltRequest.h"

namespace
{
bool IsOwnedBy(HWND hWnd, HWND hOwner)
{
    for (HWND hAbove = GetWindow(hWnd, GW_OWNER); hAbove; hAbove = GetWindow(hAbove, GW_OWNER))
        if (hAbove == hOwner)
            return true;
    return false;
}

// A message box is a dialog too: EndDialog ends its loop as it ends the
// About box's.
BOOL CALLBACK EndOwnedDialog(HWND hWnd, LPARAM lParam)
{
    if (GetClassLongPtrW(hWnd, GCW_ATOM) == reinterpret_cast<ULONG_PTR>(WC_DIALOG) &&
        IsOwnedBy(hWnd, reinterpret_cast<HWND>(lParam)))
        EndDialog(hWnd, IDCANCEL);
    return TRUE;
}
}

void CHaltRequest::Raise()
{
    m_bRaised = true;
    if (HWND hWnd = m_hWnd)
        PostMessageW(hWnd, kMessage, 0, 0);
}

bool CHaltRequest::Bind(HWND hWnd)
{
    m_hWnd = hWnd;
    return m_bRaised;
}

void CHaltRequest::Unbind()
{
    m_hWnd = nullptr;
}

bool CHaltRequest::IsRaised() const
{
    return m_bRaised;
}

void CHaltRequest::CarryOut(HWND hDlg)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    const bool bMoving = GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_INMOVESIZE);
    EndMenu();
    if (bMoving)
    {
        // Windows ends the move or size loop when its window loses the
        // capture. Wine's loop (wine 8) ends only on a button or a key:
        // Escape, which puts the window back where it was.
        SendMessageW(info.hwndMoveSize, WM_CANCELMODE, 0, 0);
        PostMessageW(info.hwndMoveSize, WM_KEYDOWN, VK_ESCAPE, 0);
    }
    // Each loop ends when control comes back to it: the innermost first,
    // then the main dialog's own.
    EnumThreadWindows(GetCurrentThreadId(), &EndOwnedDialog, reinterpret_cast<LPARAM>(hDlg));
    EndDialog(hDlg, IDCANCEL);
}
