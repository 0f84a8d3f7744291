#pragma once
// CWnd: a window object attached to an HWND. Attached windows are
// subclassed, so every message passes through WindowProc and the message
// maps before the window's original procedure sees it.
#include "AfxMessageMap.h"
#include "AfxString.h"

class CDataExchange;
class CMenu;

// The text of any window, as CWnd::GetWindowText reads it.
void AfxGetWindowText(HWND hWnd, CString& rString);

class CWnd
{
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    operator HWND() const { return m_hWnd; }
    // The window object attached to the handle, or NULL; only windows of
    // the calling thread are found, as only their own thread handles them.
    static CWnd* FromHandlePermanent(HWND hWnd);

    BOOL SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow();
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void GetWindowText(CString& rString) const { AfxGetWindowText(m_hWnd, rString); }
    void SetRedraw(BOOL bRedraw = TRUE) { ::SendMessageW(m_hWnd, WM_SETREDRAW, static_cast<WPARAM>(bRedraw), 0); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    // The window's system menu; a temporary object valid while the menu lives.
    CMenu* GetSystemMenu(BOOL bRevert) const;

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Default processing of the message being handled.
    LRESULT Default();

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Messages the parent passes back to the control they are about (owner
    // drawing, WM_NOTIFY) before its own message map sees them; TRUE when
    // the control handled it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

private:
    void Detach();

    WNDPROC m_pfnSuper = nullptr;
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
