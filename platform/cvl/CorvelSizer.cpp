#include "CorvelSizer.h"

#include <CauseReport.h>

#include <algorithm>
#include <iterator>

namespace
{
// One edge pair: anchored at both ends the control grows, at the far end
// only it moves, otherwise it stays.
void Follow(LONG& nNear, LONG& nFar, bool bNear, bool bFar, int nGrowth)
{
    if (bFar)
        nFar += nGrowth;
    if (bFar && !bNear)
        nNear += nGrowth;
}

// Group frames draw no background of their own: moved or grown, they are
// drawn anew whole.
bool IsGroupFrame(HWND hWnd)
{
    wchar_t className[16] = {};
    GetClassNameW(hWnd, className, static_cast<int>(std::size(className)));
    return lstrcmpiW(className, L"Button") == 0 && (GetWindowLongW(hWnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}
}

RECT CorvelAnchoredRect(const RECT& rcLayout, UINT nAnchors, SIZE growth)
{
    RECT rc = rcLayout;
    Follow(rc.left, rc.right, (nAnchors & kAnchorLeft) != 0, (nAnchors & kAnchorRight) != 0, growth.cx);
    Follow(rc.top, rc.bottom, (nAnchors & kAnchorTop) != 0, (nAnchors & kAnchorBottom) != 0, growth.cy);
    return rc;
}

bool CorvelSizer::Attach(HWND hDlg, UINT nIDTemplate, std::vector<CorvelAnchoredControl> controls)
{
    m_hDlg = hDlg;
    m_controls = std::move(controls);
    m_template = ReadDialogTemplate(AfxFindResourceHandle(MAKEINTRESOURCEW(nIDTemplate), RT_DIALOG), nIDTemplate);
    if (!m_template.valid)
        ReportCause(kProgramSource, L"a dialog cannot be resized, its template cannot be read");
    return m_template.valid;
}

SIZE CorvelSizer::LayoutSize() const
{
    RECT rc = { 0, 0, m_template.cx, m_template.cy };
    MapDialogRect(m_hDlg, &rc);
    return { rc.right, rc.bottom };
}

RECT CorvelSizer::LayoutRect(const DialogItem& item) const
{
    // Place and size each mapped on its own, as the dialog manager does.
    RECT rc = { item.x, item.y, item.cx, item.cy };
    MapDialogRect(m_hDlg, &rc);
    rc.right += rc.left;
    rc.bottom += rc.top;
    return rc;
}

void CorvelSizer::Arrange(int cx, int cy) const
{
    if (!m_template.valid)
        return;
    const SIZE layout = LayoutSize();
    const SIZE growth = { std::max(0, cx - static_cast<int>(layout.cx)),
                          std::max(0, cy - static_cast<int>(layout.cy)) };
    HDWP hDefer = BeginDeferWindowPos(static_cast<int>(m_controls.size()));
    for (const CorvelAnchoredControl& control : m_controls)
    {
        const auto item = std::find_if(m_template.items.begin(), m_template.items.end(),
                                       [&](const DialogItem& candidate) { return candidate.id == control.m_nID; });
        HWND hControl = GetDlgItem(m_hDlg, control.m_nID);
        if (item == m_template.items.end() || !hControl)
            continue;
        const RECT rc = CorvelAnchoredRect(LayoutRect(*item), control.m_nAnchors, growth);
        if (hDefer)
            hDefer = DeferWindowPos(hDefer, hControl, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                                    SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (hDefer)
        EndDeferWindowPos(hDefer);
    // The face and the size grip are drawn anew; the controls draw their
    // own, but for group frames.
    InvalidateRect(m_hDlg, nullptr, TRUE);
    for (const CorvelAnchoredControl& control : m_controls)
    {
        HWND hControl = GetDlgItem(m_hDlg, control.m_nID);
        if (hControl && IsGroupFrame(hControl))
            InvalidateRect(hControl, nullptr, FALSE);
    }
}

void CorvelSizer::LimitTracking(MINMAXINFO* pInfo) const
{
    if (!m_template.valid)
        return;
    // The layout's client size plus the frame's.
    RECT rcWindow, rcClient;
    GetWindowRect(m_hDlg, &rcWindow);
    GetClientRect(m_hDlg, &rcClient);
    const SIZE layout = LayoutSize();
    pInfo->ptMinTrackSize.x = layout.cx + (rcWindow.right - rcWindow.left) - rcClient.right;
    pInfo->ptMinTrackSize.y = layout.cy + (rcWindow.bottom - rcWindow.top) - rcClient.bottom;
}
