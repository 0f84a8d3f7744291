#include "SearchBox.h"

#include <commctrl.h>

namespace
{
bool IsKey(const MSG* pMsg, UINT nKey)
{
    return pMsg && pMsg->message == WM_KEYDOWN && pMsg->wParam == nKey;
}
}

void CSearchBox::SetCueText(const CString& strText)
{
    // Shown while the box has the focus too, until something is typed.
    SendMessage(EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(strText.GetString()));
}

CString CSearchBox::Text() const
{
    CString strText;
    GetWindowText(strText);
    return strText;
}

LRESULT CSearchBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_GETDLGCODE:
    {
        // Escape and Enter are the box's own while it holds text; otherwise
        // the dialog's, as in any other control.
        const LRESULT lCode = CorvelEdit::WindowProc(message, wParam, lParam);
        const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
        const bool bOwnKey = IsKey(pMsg, VK_ESCAPE) || IsKey(pMsg, VK_RETURN);
        return bOwnKey && GetWindowTextLengthW(m_hWnd) > 0 ? lCode | DLGC_WANTMESSAGE : lCode;
    }
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE && GetWindowTextLengthW(m_hWnd) > 0)
        {
            // The box tells its dialog of the change, as of any other.
            SetWindowTextW(m_hWnd, L"");
            return 0;
        }
        if (wParam == VK_RETURN && GetWindowTextLengthW(m_hWnd) > 0)
        {
            ::SendMessageW(GetParent(m_hWnd), WM_NEXTDLGCTL, 0, FALSE);
            return 0;
        }
        break;
    case WM_CHAR:
        // Their characters would only make the box beep.
        if (wParam == VK_ESCAPE || wParam == VK_RETURN)
            return 0;
        break;
    default:
        break;
    }
    return CorvelEdit::WindowProc(message, wParam, lParam);
}
