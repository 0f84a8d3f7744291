#include "AfxWnd.h"
#include "AfxDataExchange.h"
#include "AfxMenu.h"

#include <unordered_map>
#include <vector>

namespace
{
// The window objects of this thread's windows, found for every message
// they receive: a window property would cost a call to the window server
// (wine's wineserver) each time, which made filling a list of thousands of
// rows several times slower than the list itself.
thread_local std::unordered_map<HWND, CWnd*> t_windows;

// The message being handled on this thread, for CWnd::Default.
struct CurrentMessage
{
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
thread_local CurrentMessage t_current = {};
}

CWnd::~CWnd()
{
    if (m_hWnd)
        UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    const auto found = hWnd ? t_windows.find(hWnd) : t_windows.end();
    return found == t_windows.end() ? nullptr : found->second;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd))
        return FALSE;
    t_windows[hWnd] = this;
    m_hWnd = hWnd;
    m_pfnSuper =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = m_hWnd;
    if (hWnd && m_pfnSuper)
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    Detach();
    return hWnd;
}

void CWnd::Detach()
{
    if (m_hWnd)
        t_windows.erase(m_hWnd);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

void AfxGetWindowText(HWND hWnd, CString& rString)
{
    std::vector<wchar_t> text(static_cast<size_t>(::GetWindowTextLengthW(hWnd)) + 1);
    const int nLength = ::GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()));
    rString = CString(text.data(), nLength);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

LRESULT CWnd::Default()
{
    return DefWindowProc(t_current.message, t_current.wParam, t_current.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

namespace
{
bool EntryMatches(const AFX_MSGMAP_ENTRY& entry, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (entry.nMessage != message)
        return false;
    if (message == WM_COMMAND)
        return entry.nCode == HIWORD(wParam) && entry.nID == LOWORD(wParam);
    if (message == WM_NOTIFY)
    {
        const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        return pNMHDR && entry.nCode == pNMHDR->code && entry.nID == pNMHDR->idFrom;
    }
    return true;
}

// The control that an owner-drawing message or a notification of the
// parent is about.
HWND NotifyingControl(HWND hParent, UINT message, LPARAM lParam)
{
    if (message == WM_NOTIFY)
        return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    if (message == WM_DRAWITEM)
        return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    if (message == WM_MEASUREITEM)
        return ::GetDlgItem(hParent, static_cast<int>(reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlID));
    return nullptr;
}
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CWnd* pChild = FromHandlePermanent(NotifyingControl(m_hWnd, message, lParam)))
    {
        if (pChild->OnChildNotify(message, wParam, lParam, pResult))
            return TRUE;
    }
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry && pEntry->pfn; ++pEntry)
        {
            if (EntryMatches(*pEntry, message, wParam, lParam) && pEntry->pfn(this, wParam, lParam, pResult))
                return TRUE;
        }
    }
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, nullptr } };
    static const AFX_MSGMAP messageMap = { nullptr, &entries[0] };
    return &messageMap;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return DefWindowProcW(hWnd, message, wParam, lParam);

    const CurrentMessage saved = t_current;
    t_current = { hWnd, message, wParam, lParam };
    LRESULT lResult = pWnd->WindowProc(message, wParam, lParam);
    t_current = saved;

    // The window is gone: the object no longer refers to it.
    if (message == WM_NCDESTROY)
        pWnd->Detach();
    return lResult;
}
