#include "CorvelListCtrl.h"
#include "CorvelAPI.h"

#include <algorithm>

namespace
{
// Margins at 96 DPI: left and right of a cell's text, above and below a row's.
const int kCellPadding = 6;
const int kRowPadding = 8;

int TextWidth(HDC hdc, const CString& text)
{
    SIZE extent = {};
    GetTextExtentPoint32W(hdc, text, text.GetLength(), &extent);
    return extent.cx;
}
}

void CorvelListCtrl::Corvel()
{
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    UpdateRowHeight();
}

int CorvelListCtrl::CellPadding() const
{
    return CorvelScale(kCellPadding, CorvelWindowDpi(m_hWnd));
}

void CorvelListCtrl::UpdateRowHeight()
{
    TEXTMETRICW tm = {};
    {
        CClientDC dc(m_hWnd);
        CSelectedObject font(dc, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
        GetTextMetricsW(dc, &tm);
    }
    m_nRowHeight = static_cast<UINT>(tm.tmHeight + CorvelScale(kRowPadding, CorvelWindowDpi(m_hWnd)));
    // The list asks its parent for the row height when told its size has
    // changed. Told directly: SetWindowPos with the same size would tell it
    // nothing.
    RECT rc;
    GetWindowRect(m_hWnd, &rc);
    WINDOWPOS position = {};
    position.hwnd = m_hWnd;
    position.cx = rc.right - rc.left;
    position.cy = rc.bottom - rc.top;
    position.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
}

int CorvelListCtrl::FittingWidth(int nColumn, bool bUseHeader)
{
    int nText = 0;
    {
        CClientDC dc(m_hWnd);
        CSelectedObject font(dc, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
        nText = bUseHeader ? TextWidth(dc, GetColumnHeading(nColumn)) : 0;
        for (int nItem = 0, nCount = GetItemCount(); nItem < nCount; ++nItem)
            nText = std::max(nText, TextWidth(dc, GetItemText(nItem, nColumn)));
    }

    int nWidth = nText + 2 * CellPadding();
    const int nColumns = GetColumnCount();
    if (bUseHeader && nColumn == nColumns - 1)
    {
        RECT rcClient;
        GetClientRect(&rcClient);
        int nRest = rcClient.right - rcClient.left;
        for (int nOther = 0; nOther < nColumn; ++nOther)
            nRest -= GetColumnWidth(nOther);
        nWidth = std::max(nWidth, nRest);
    }
    return nWidth;
}

LRESULT CorvelListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == LVM_SETCOLUMNWIDTH)
    {
        // The list's own automatic widths leave margins fixed in pixels;
        // the rows here are drawn with margins that grow with the DPI.
        const int cx = static_cast<short>(LOWORD(lParam));
        if (cx == LVSCW_AUTOSIZE || cx == LVSCW_AUTOSIZE_USEHEADER)
        {
            const int nColumn = static_cast<int>(wParam);
            lParam = MAKELPARAM(FittingWidth(nColumn, cx == LVSCW_AUTOSIZE_USEHEADER), 0);
        }
    }
    const LRESULT lResult = CListCtrl::WindowProc(message, wParam, lParam);
    // A new font (the dialog scaled to another DPI) brings new row heights.
    if (message == WM_SETFONT)
        UpdateRowHeight();
    return lResult;
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
    CBrushHandle brush(CreateSolidBrush(background));
    FillRect(hdc, &rcRow, brush.get());

    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, bSelected ? colours.selectionText : colours.text);
    {
        CSelectedObject font(hdc, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
        // Cells follow the header's columns, from the row's (scrolled) left edge.
        const int nPadding = CellPadding();
        const int nColumns = GetColumnCount();
        int x = rcRow.left;
        for (int nColumn = 0; nColumn < nColumns; ++nColumn)
        {
            const int nWidth = GetColumnWidth(nColumn);
            RECT rcCell = { x + nPadding, rcRow.top, x + nWidth - nPadding, rcRow.bottom };
            x += nWidth;
            if (rcCell.right <= rcCell.left)
                continue;
            CString text = GetItemText(nItem, nColumn);
            DrawTextW(hdc, text, text.GetLength(), &rcCell,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
    }

    if ((lpDrawItemStruct->itemState & ODS_FOCUS) && GetFocus() == m_hWnd)
        DrawFocusRect(hdc, &rcRow);
}
