#include "CorvelCellTip.h"
#include "CorvelAPI.h"
#include "CorvelListCtrl.h"

#include <CauseReport.h>

#include <windowsx.h>

#include <algorithm>

namespace
{
const UINT_PTR kPointerTool = 1;
const UINT_PTR kRowTool = 2;
// The pause before the row's tip, on the list's window, apart from the
// list's own timers.
const UINT_PTR kRowTipTimer = 0x7469;
}

TTTOOLINFOW CorvelCellTip::Tool(UINT_PTR nID) const
{
    TTTOOLINFOW tool = {};
    // The size comctl32 5 knows: it refuses tools of the later, larger size.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = m_list.m_hWnd;
    tool.uId = nID;
    return tool;
}

bool CorvelCellTip::Create()
{
    if (m_tip || m_bRefused)
        return !m_bRefused;
    m_tip.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_list.m_hWnd, nullptr,
                                nullptr, nullptr));
    if (!m_tip)
    {
        ReportCause(kProgramSource, L"cells cut short have no tip, the tooltip window was refused", GetLastError());
        m_bRefused = true;
        return false;
    }
    for (const UINT_PTR nID : { kPointerTool, kRowTool })
    {
        TTTOOLINFOW tool = Tool(nID);
        tool.uFlags = nID == kRowTool ? TTF_TRACK | TTF_ABSOLUTE : 0;
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(m_tip.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(m_tip.get(), TTM_SETTIPBKCOLOR, m_background, 0);
    SendMessageW(m_tip.get(), TTM_SETTIPTEXTCOLOR, m_text, 0);
    return true;
}

void CorvelCellTip::ApplyColours(const CorvelColours& colours)
{
    m_background = colours.tip;
    m_text = colours.tipText;
    if (!m_tip)
        return;
    SendMessageW(m_tip.get(), TTM_SETTIPBKCOLOR, m_background, 0);
    SendMessageW(m_tip.get(), TTM_SETTIPTEXTCOLOR, m_text, 0);
}

void CorvelCellTip::Destroy()
{
    KillTimer(m_list.m_hWnd, kRowTipTimer);
    m_tip.reset();
}

void CorvelCellTip::FollowPointer(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!Create())
        return;
    MSG msg = { m_list.m_hWnd, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {} };
    const DWORD dwPos = GetMessagePos();
    msg.pt = { GET_X_LPARAM(dwPos), GET_Y_LPARAM(dwPos) };
    if (message == WM_MOUSEMOVE)
    {
        LVHITTESTINFO hit = {};
        hit.pt = { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
        m_list.SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        const int nColumn = hit.iItem >= 0 ? hit.iSubItem : -1;
        if (hit.iItem != m_nItem || nColumn != m_nColumn)
        {
            // The tooltip keeps to a tool the pointer stays in, wherever its
            // rectangle goes: out of the old cell first, it starts afresh.
            TTTOOLINFOW tool = Tool(kPointerTool);
            SendMessageW(m_tip.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
            SendMessageW(m_tip.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
            m_nItem = hit.iItem;
            m_nColumn = nColumn;
            if (m_nItem >= 0)
            {
                tool.rect = CellBounds(m_nItem, m_nColumn);
                SendMessageW(m_tip.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
            }
        }
    }
    SendMessageW(m_tip.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void CorvelCellTip::ScheduleRowTip()
{
    HideRowTip();
    if (Create())
        SetTimer(m_list.m_hWnd, kRowTipTimer,
                 static_cast<UINT>(SendMessageW(m_tip.get(), TTM_GETDELAYTIME, TTDT_INITIAL, 0)), nullptr);
}

void CorvelCellTip::HideRowTip()
{
    KillTimer(m_list.m_hWnd, kRowTipTimer);
    if (!m_tip)
        return;
    TTTOOLINFOW tool = Tool(kRowTool);
    SendMessageW(m_tip.get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

bool CorvelCellTip::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kRowTipTimer)
        return false;
    KillTimer(m_list.m_hWnd, kRowTipTimer);
    ShowRowTip();
    return true;
}

void CorvelCellTip::ShowRowTip()
{
    const int nItem = m_list.FocusedItem();
    if (GetFocus() != m_list.m_hWnd || !m_list.ShowsFocus() || nItem < 0 || RowText(nItem).IsEmpty())
        return;
    // Below the row, lined up with the text of its visible part.
    RECT rcClient;
    m_list.GetClientRect(&rcClient);
    const RECT rcRow = CellBounds(nItem, 0);
    POINT point = { std::max(rcRow.left, rcClient.left) + m_list.CellPadding(), rcRow.bottom };
    ClientToScreen(m_list.m_hWnd, &point);
    SendMessageW(m_tip.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(point.x, point.y));
    TTTOOLINFOW tool = Tool(kRowTool);
    SendMessageW(m_tip.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

bool CorvelCellTip::OnNotify(NMHDR* pNMHDR)
{
    if (!m_tip || pNMHDR->hwndFrom != m_tip.get() || pNMHDR->code != TTN_GETDISPINFOW)
        return false;
    NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
    if (pNMHDR->idFrom == kRowTool)
    {
        const int nItem = m_list.FocusedItem();
        m_strText = nItem >= 0 ? RowText(nItem) : CString();
    }
    else
        m_strText = m_nItem >= 0 ? CutText(m_nItem, m_nColumn) : CString();
    // Lines as wide as the list at the most; an empty text shows no tip.
    RECT rcClient;
    m_list.GetClientRect(&rcClient);
    SendMessageW(m_tip.get(), TTM_SETMAXTIPWIDTH, 0, rcClient.right - rcClient.left);
    pInfo->lpszText = const_cast<LPWSTR>(m_strText.GetString());
    pInfo->hinst = nullptr;
    return true;
}

CString CorvelCellTip::RowText(int nItem) const
{
    CString strText;
    bool bCut = false;
    for (int nColumn = 0, nColumns = m_list.GetColumnCount(); nColumn < nColumns; ++nColumn)
    {
        bCut = bCut || !CutText(nItem, nColumn).IsEmpty();
        strText += (nColumn ? L"\r\n" : L"") + CString(m_list.CellText(nItem, nColumn));
    }
    return bCut ? strText : CString();
}

CString CorvelCellTip::CutText(int nItem, int nColumn) const
{
    const CString strText = m_list.CellText(nItem, nColumn);
    SIZE extent = {};
    {
        CClientDC dc(m_list.m_hWnd);
        CSelectedObject font(dc, reinterpret_cast<HGDIOBJ>(m_list.SendMessage(WM_GETFONT)));
        GetTextExtentPoint32W(dc, strText, strText.GetLength(), &extent);
    }
    // The text starts after the cell's margin; the list shows it as far as
    // the margin on the right or its own edge, whichever comes first.
    RECT rcClient;
    m_list.GetClientRect(&rcClient);
    const RECT rcCell = CellBounds(nItem, nColumn);
    const int nLeft = rcCell.left + m_list.CellPadding();
    const int nRight =
        std::min(static_cast<int>(rcCell.right) - m_list.CellPadding(), static_cast<int>(rcClient.right));
    return nLeft < rcClient.left || nLeft + extent.cx > nRight ? strText : CString();
}

RECT CorvelCellTip::CellBounds(int nItem, int nColumn) const
{
    // The cells follow the header's columns from the row's (scrolled) left
    // edge, as the list draws them.
    RECT rc = { LVIR_BOUNDS, 0, 0, 0 };
    m_list.SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&rc));
    for (int nOther = 0; nOther < nColumn; ++nOther)
        rc.left += m_list.GetColumnWidth(nOther);
    rc.right = rc.left + m_list.GetColumnWidth(nColumn);
    return rc;
}
