#include "HaltRequest.h"

namespace
{
// A message box is a dialog too: EndDialog ends its loop as it ends the
// About box's.
BOOL CALLBACK EndOtherDialog(HWND hWnd, LPARAM lParam)
{
    if (hWnd != reinterpret_cast<HWND>(lParam) &&
        GetClassLongPtrW(hWnd, GCW_ATOM) == reinterpret_cast<ULONG_PTR>(WC_DIALOG))
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
    EnumThreadWindows(GetCurrentThreadId(), &EndOtherDialog, reinterpret_cast<LPARAM>(hDlg));
    EndDialog(hDlg, IDCANCEL);
}
