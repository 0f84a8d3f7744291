#include "CorvelListCtrl.h"
#include "CorvelAPI.h"

namespace
{
const int kCellPadding = 6;

UINT RowHeightFor(HWND hList)
{
    HDC hdc = GetDC(hList);
    HGDIOBJ hOld = SelectObject(hdc, reinterpret_cast<HGDIOBJ>(SendMessageW(hList, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm = {};
    GetTextMetricsW(hdc, &tm);
    SelectObject(hdc, hOld);
    ReleaseDC(hList, hdc);
    return static_cast<UINT>(tm.tmHeight + 8);
}
}

void CorvelListCtrl::Corvel()
{
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    m_nRowHeight = RowHeightFor(m_hWnd);
    // The list asks its parent for the row height when its size is set.
    RECT rc;
    GetWindowRect(m_hWnd, &rc);
    SetWindowPos(m_hWnd, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CorvelListCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (m_nRowHeight)
        lpMeasureItemStruct->itemHeight = m_nRowHeight;
}

void CorvelListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const CorvelColours colours = CorvelCurrentColours();
    HDC hdc = lpDrawItemStruct->hDC;
    const int nItem = static_cast<int>(lpDrawItemStruct->itemID);
    const RECT rcRow = lpDrawItemStruct->rcItem;
    const bool bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;

    COLORREF background = bSelected ? colours.selection : (nItem % 2 ? colours.alternateRow : colours.row);
    HBRUSH hBrush = CreateSolidBrush(background);
    FillRect(hdc, &rcRow, hBrush);
    DeleteObject(hBrush);

    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, bSelected ? colours.selectionText : colours.text);
    HGDIOBJ hOldFont = SelectObject(hdc, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));

    // Cells follow the header's columns, from the row's (scrolled) left edge.
    HWND hHeader = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    const int nColumns = hHeader ? static_cast<int>(::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0)) : 0;
    int x = rcRow.left;
    for (int nColumn = 0; nColumn < nColumns; ++nColumn)
    {
        const int nWidth = GetColumnWidth(nColumn);
        RECT rcCell = { x + kCellPadding, rcRow.top, x + nWidth - kCellPadding, rcRow.bottom };
        x += nWidth;
        if (rcCell.right <= rcCell.left)
            continue;
        CString text = GetItemText(nItem, nColumn);
        DrawTextW(hdc, text, text.GetLength(), &rcCell,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    SelectObject(hdc, hOldFont);

    if ((lpDrawItemStruct->itemState & ODS_FOCUS) && GetFocus() == m_hWnd)
        DrawFocusRect(hdc, &rcRow);
}
