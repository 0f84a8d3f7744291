#include "CorvelListCtrl.h"
#include "CorvelAPI.h"
#include "CorvelDrawing.h"

#include <algorithm>
#include <iterator>

namespace
{
// Margins at 96 DPI: left and right of a cell's text, above and below a row's.
const int kCellPadding = 6;
const int kRowPadding = 8;
// Half the width of the sort arrow the skin draws, at 96 DPI.
const int kArrowHalfWidth = 4;

int TextWidth(HDC hdc, const CString& text)
{
    SIZE extent = {};
    GetTextExtentPoint32W(hdc, text, text.GetLength(), &extent);
    return extent.cx;
}

// Whether a key (no mouse button) is down as the thread handles its
// current message.
bool IsKeyDown()
{
    BYTE keys[256] = {};
    if (!GetKeyboardState(keys))
        return false;
    for (int nKey = 0; nKey < 256; ++nKey)
    {
        const bool bButton = nKey == VK_LBUTTON || nKey == VK_RBUTTON || nKey == VK_MBUTTON || nKey == VK_XBUTTON1 ||
                             nKey == VK_XBUTTON2;
        if (!bButton && (keys[nKey] & 0x80))
            return true;
    }
    return false;
}

// "Underline access keys" in the system's settings: the cues always show.
bool AlwaysShowsKeyboardCues()
{
    BOOL bAlways = FALSE;
    return SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &bAlways, 0) && bAlways;
}
}

void CorvelListCtrl::Corvel()
{
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    UpdateRowHeight();
    m_bFocusHidden = (SendMessage(WM_QUERYUISTATE) & UISF_HIDEFOCUS) != 0;
    ApplyColours();
}

void CorvelListCtrl::ShowRows(const ICorvelListRows* pRows)
{
    m_pRows = pRows;
    SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(pRows ? pRows->RowCount() : 0), LVSICF_NOSCROLL);
    Invalidate(FALSE);
}

LPCWSTR CorvelListCtrl::CellText(int nRow, int nColumn) const
{
    return m_pRows && nRow >= 0 && nRow < m_pRows->RowCount() ? m_pRows->CellText(nRow, nColumn) : L"";
}

void CorvelListCtrl::SetEmptyText(const CString& strText)
{
    if (m_strEmptyText == strText)
        return;
    m_strEmptyText = strText;
    if (GetItemCount() == 0)
        Invalidate(FALSE);
}

void CorvelListCtrl::ShowSortArrow(int nColumn, bool bDescending)
{
    HWND hHeader = Header();
    for (int nOther = 0, nColumns = GetColumnCount(); nOther < nColumns; ++nOther)
    {
        HDITEMW item = {};
        item.mask = HDI_FORMAT;
        ::SendMessageW(hHeader, HDM_GETITEMW, static_cast<WPARAM>(nOther), reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (nOther == nColumn)
            item.fmt |= bDescending ? HDF_SORTDOWN : HDF_SORTUP;
        ::SendMessageW(hHeader, HDM_SETITEMW, static_cast<WPARAM>(nOther), reinterpret_cast<LPARAM>(&item));
    }
}

void CorvelListCtrl::ApplyColours()
{
    // Below the last row the list shows its own background.
    const CorvelColours colours = CorvelCurrentColours();
    SendMessage(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(colours.row));
    m_tip.ApplyColours(colours);
    CorvelThemeScrollBars(m_hWnd);
    CorvelThemeScrollBars(Header());
}

HWND CorvelListCtrl::Header() const
{
    return reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
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
            nText = std::max(nText, TextWidth(dc, CellText(nItem, nColumn)));
    }

    return nText + 2 * CellPadding();
}

int CorvelListCtrl::RestOfList(int nColumn) const
{
    RECT rcClient;
    GetClientRect(&rcClient);
    int nRest = rcClient.right - rcClient.left;
    for (int nOther = 0; nOther < nColumn; ++nOther)
        nRest -= GetColumnWidth(nOther);
    return nRest;
}

LRESULT CorvelListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lHandled = 0;
    if (OnFocusMessage(message, wParam, lParam, &lHandled) || OnTipMessage(message, wParam, lParam, &lHandled))
        return lHandled;
    if (message == LVM_SETCOLUMNWIDTH)
    {
        // The list's own automatic widths leave margins fixed in pixels;
        // the rows here are drawn with margins that grow with the DPI.
        const int cx = static_cast<short>(LOWORD(lParam));
        if (cx == LVSCW_AUTOSIZE || cx == LVSCW_AUTOSIZE_USEHEADER)
        {
            const int nColumn = static_cast<int>(wParam);
            int nWidth = FittingWidth(nColumn, cx == LVSCW_AUTOSIZE_USEHEADER);
            // The heading's rule: the last column also fills the list, now
            // and whenever the list's size changes.
            if (cx == LVSCW_AUTOSIZE_USEHEADER && nColumn == GetColumnCount() - 1)
            {
                m_nLastColumnFit = nWidth;
                nWidth = std::max(nWidth, RestOfList(nColumn));
            }
            lParam = MAKELPARAM(nWidth, 0);
        }
    }
    if (message == WM_NOTIFY && DrawsHeading(reinterpret_cast<NMHDR*>(lParam), &lHandled))
        return lHandled;
    if (message == WM_PAINT && PaintEmptyArea())
        return 0;
    const LRESULT lResult = CListCtrl::WindowProc(message, wParam, lParam);
    switch (message)
    {
    case WM_SETFONT:
        // A new font (the dialog scaled to another DPI) brings new row heights.
        UpdateRowHeight();
        break;
    case WM_SIZE:
        FillWithLastColumn();
        break;
    case WM_SYSCOLORCHANGE:
        ApplyColours();
        break;
    default:
        break;
    }
    return lResult;
}

void CorvelListCtrl::FillWithLastColumn()
{
    const int nLast = GetColumnCount() - 1;
    if (m_nLastColumnFit <= 0 || nLast < 0)
        return;
    const int nWidth = std::max(m_nLastColumnFit, RestOfList(nLast));
    if (nWidth != GetColumnWidth(nLast))
        CListCtrl::WindowProc(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nLast), MAKELPARAM(nWidth, 0));
}

bool CorvelListCtrl::DrawsHeading(const NMHDR* pNMHDR, LRESULT* pResult)
{
    if (pNMHDR->code != NM_CUSTOMDRAW || pNMHDR->hwndFrom != Header())
        return false;
    const CorvelColours colours = CorvelCurrentColours();
    if (!colours.bDrawsControls)
        return false;
    const NMCUSTOMDRAW* pDraw = reinterpret_cast<const NMCUSTOMDRAW*>(pNMHDR);
    switch (pDraw->dwDrawStage)
    {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        return true;
    case CDDS_ITEMPREPAINT:
    {
        const int nColumn = static_cast<int>(pDraw->dwItemSpec);
        HDITEMW item = {};
        item.mask = HDI_FORMAT;
        ::SendMessageW(Header(), HDM_GETITEMW, static_cast<WPARAM>(nColumn), reinterpret_cast<LPARAM>(&item));
        DrawHeadingCell(pDraw->hdc, pDraw->rc, GetColumnHeading(nColumn), item.fmt, colours);
        *pResult = CDRF_SKIPDEFAULT;
        return true;
    }
    case CDDS_POSTPAINT:
    {
        // Right of the last column, where the heading has no item.
        RECT rcRest;
        ::GetClientRect(Header(), &rcRest);
        RECT rcLast = {};
        const int nCount = static_cast<int>(::SendMessageW(Header(), HDM_GETITEMCOUNT, 0, 0));
        if (nCount > 0)
            ::SendMessageW(Header(), HDM_GETITEMRECT, static_cast<WPARAM>(nCount - 1),
                           reinterpret_cast<LPARAM>(&rcLast));
        rcRest.left = rcLast.right;
        if (rcRest.right > rcRest.left)
            DrawHeadingCell(pDraw->hdc, rcRest, CString(), 0, colours);
        *pResult = CDRF_DODEFAULT;
        return true;
    }
    default:
        return false;
    }
}

void CorvelListCtrl::DrawHeadingCell(HDC hdc, RECT rc, const CString& text, int nFormat,
                                     const CorvelColours& colours) const
{
    CBrushHandle fill(CreateSolidBrush(colours.heading));
    FillRect(hdc, &rc, fill.get());
    // A line under the heading and one between columns.
    const int nLine = CorvelScale(1, CorvelWindowDpi(m_hWnd));
    CBrushHandle line(CreateSolidBrush(colours.frame));
    const RECT rcBottom = { rc.left, rc.bottom - nLine, rc.right, rc.bottom };
    const RECT rcRight = { rc.right - nLine, rc.top, rc.right, rc.bottom };
    FillRect(hdc, &rcBottom, line.get());
    FillRect(hdc, &rcRight, line.get());
    // Lined up with the cells' text.
    rc.left += CellPadding();
    rc.right -= CellPadding();
    if (nFormat & (HDF_SORTUP | HDF_SORTDOWN))
    {
        // The sort arrow at the right end, pointing up for ascending.
        const int nHalf = CorvelScale(kArrowHalfWidth, CorvelWindowDpi(m_hWnd));
        const int x = rc.right - nHalf;
        const int y = (rc.top + rc.bottom) / 2;
        const int nTip = (nFormat & HDF_SORTUP) ? -nHalf / 2 : nHalf / 2;
        const POINT arrow[] = { { x - nHalf, y - nTip }, { x + nHalf, y - nTip }, { x, y + nTip } };
        CBrushHandle fillArrow(CreateSolidBrush(colours.headingText));
        CGdiHandle<HPEN> outline(CreatePen(PS_SOLID, 1, colours.headingText));
        CSelectedObject brush(hdc, fillArrow.get());
        CSelectedObject pen(hdc, outline.get());
        Polygon(hdc, arrow, static_cast<int>(std::size(arrow)));
        rc.right -= 2 * nHalf + CellPadding();
    }
    CorvelDrawText(Header(), hdc, text, rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS,
                   colours.headingText);
}

bool CorvelListCtrl::PaintEmptyArea()
{
    if (m_strEmptyText.IsEmpty() || GetItemCount() > 0)
        return false;
    CPaintDC dc(this);
    const CorvelColours colours = CorvelCurrentColours();
    // Below the heading, on the rows' background.
    RECT rc, rcHeader = {};
    GetClientRect(&rc);
    if (IsWindowVisible(Header()))
        ::GetClientRect(Header(), &rcHeader);
    rc.top += rcHeader.bottom;
    CBrushHandle background(CreateSolidBrush(colours.row));
    FillRect(dc, &rc, background.get());
    // A row's height down, as if in the first row, centred.
    rc.top += static_cast<int>(m_nRowHeight) / 2;
    InflateRect(&rc, -CellPadding(), 0);
    CorvelDrawText(m_hWnd, dc, m_strEmptyText, rc, DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX, colours.text);
    return true;
}

BOOL CorvelListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = message == WM_NOTIFY ? reinterpret_cast<const NMHDR*>(lParam) : nullptr;
    if (pNMHDR && pNMHDR->code == LVN_GETDISPINFOW)
    {
        // Someone asked the list for a cell's text.
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(lParam)->item;
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
            lstrcpynW(item.pszText, CellText(item.iItem, item.iSubItem), item.cchTextMax);
        *pResult = 0;
        return TRUE;
    }
    if (pNMHDR && pNMHDR->code == LVN_ODFINDITEMW)
    {
        *pResult = FindRow(*reinterpret_cast<const NMLVFINDITEMW*>(lParam));
        return TRUE;
    }
    return CListCtrl::OnChildNotify(message, wParam, lParam, pResult);
}

int CorvelListCtrl::FindRow(const NMLVFINDITEMW& find) const
{
    const int nCount = m_pRows ? m_pRows->RowCount() : 0;
    const UINT flags = find.lvfi.flags;
    if (!(flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz || nCount == 0)
        return -1;
    const int nLength = lstrlenW(find.lvfi.psz);
    const int nStart = find.iStart >= 0 && find.iStart < nCount ? find.iStart : 0;
    for (int nStep = 0; nStep < nCount; ++nStep)
    {
        const int nRow = (nStart + nStep) % nCount;
        if (nRow < nStart && !(flags & LVFI_WRAP))
            break;
        LPCWSTR pszCell = CellText(nRow, 0);
        // As the list compares its own items: without regard to case.
        const bool bFound = (flags & LVFI_PARTIAL)
                                ? lstrlenW(pszCell) >= nLength &&
                                      CompareStringOrdinal(pszCell, nLength, find.lvfi.psz, nLength, TRUE) == CSTR_EQUAL
                                : CompareStringOrdinal(pszCell, -1, find.lvfi.psz, -1, TRUE) == CSTR_EQUAL;
        if (bFound)
            return nRow;
    }
    return -1;
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
            DrawTextW(hdc, CellText(nItem, nColumn), -1, &rcCell,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
    }

    if ((lpDrawItemStruct->itemState & ODS_FOCUS) && GetFocus() == m_hWnd && ShowsFocus())
        DrawFocusFrame(hdc, rcRow, colours.focus);
}

void CorvelListCtrl::DrawFocusFrame(HDC hdc, RECT rcFrame, COLORREF colour) const
{
    // Within the visible part of the row, so that all four sides show.
    RECT rcClient;
    GetClientRect(&rcClient);
    rcFrame.left = std::max(rcFrame.left, rcClient.left);
    rcFrame.right = std::min(rcFrame.right, rcClient.right);
    // The system's focus border, in pixels at 96 DPI.
    UINT nWidth = 1;
    UINT nHeight = 1;
    SystemParametersInfoW(SPI_GETFOCUSBORDERWIDTH, 0, &nWidth, 0);
    SystemParametersInfoW(SPI_GETFOCUSBORDERHEIGHT, 0, &nHeight, 0);
    const UINT nDpi = CorvelWindowDpi(m_hWnd);
    CorvelFrameRect(hdc, rcFrame, CorvelScale(static_cast<int>(nWidth), nDpi),
                    CorvelScale(static_cast<int>(nHeight), nDpi), colour);
}

bool CorvelListCtrl::OnFocusMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_SETFOCUS:
        *pResult = CListCtrl::WindowProc(message, wParam, lParam);
        // Windows shows the cues when Tab or an arrow key brings the focus
        // (WM_UPDATEUISTATE); wine's dialog manager does not.
        if (IsKeyDown())
            ShowFocusCues(true);
        FocusFirstVisibleRow();
        m_tip.ScheduleRowTip();
        return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    {
        ShowFocusCues(true);
        // Arrows, Home, End, pages and type-ahead move the focus; the row's
        // tip follows.
        const int nFocused = FocusedItem();
        *pResult = CListCtrl::WindowProc(message, wParam, lParam);
        if (FocusedItem() != nFocused)
            m_tip.ScheduleRowTip();
        return true;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        ShowFocusCues(false);
        return false;
    case WM_UPDATEUISTATE:
        if ((HIWORD(wParam) & UISF_HIDEFOCUS) && (LOWORD(wParam) == UIS_SET || LOWORD(wParam) == UIS_CLEAR))
            SetFocusHidden(LOWORD(wParam) == UIS_SET);
        return false;
    default:
        return false;
    }
}

bool CorvelListCtrl::OnTipMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        m_tip.HideRowTip();
        m_tip.FollowPointer(message, wParam, lParam);
        return false;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        m_tip.FollowPointer(message, wParam, lParam);
        return false;
    case WM_KILLFOCUS:
    case WM_MOUSEWHEEL:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_CONTEXTMENU:
        m_tip.HideRowTip();
        return false;
    case WM_TIMER:
        return m_tip.OnTimer(wParam);
    case WM_NOTIFY:
        return m_tip.OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_NOTIFYFORMAT:
        // The tooltip asks in which form to notify the list.
        if (!m_tip.Handle() || reinterpret_cast<HWND>(wParam) != m_tip.Handle())
            return false;
        *pResult = NFR_UNICODE;
        return true;
    case WM_DESTROY:
        m_tip.Destroy();
        return false;
    default:
        return false;
    }
}

int CorvelListCtrl::FocusedItem() const
{
    return GetNextItem(-1, LVNI_FOCUSED);
}

void CorvelListCtrl::FocusFirstVisibleRow()
{
    if (GetItemCount() == 0 || FocusedItem() >= 0)
        return;
    // The focus state only: nothing gets selected.
    SetItemState(static_cast<int>(SendMessage(LVM_GETTOPINDEX)), LVIS_FOCUSED, LVIS_FOCUSED);
}

void CorvelListCtrl::ShowFocusCues(bool bShow)
{
    if (!bShow && AlwaysShowsKeyboardCues())
        return;
    if (ShowsFocus() == bShow)
        return;
    // Windows keeps the cues for the whole dialog and tells every control
    // (WM_UPDATEUISTATE); wine keeps none, so the list keeps its own too.
    SendMessage(WM_CHANGEUISTATE, MAKEWPARAM(bShow ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS));
    SetFocusHidden(!bShow);
}

void CorvelListCtrl::SetFocusHidden(bool bHidden)
{
    if (m_bFocusHidden == bHidden)
        return;
    m_bFocusHidden = bHidden;
    const int nFocused = FocusedItem();
    if (nFocused >= 0)
        SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(nFocused), nFocused);
}
