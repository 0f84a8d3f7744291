#pragma once
// CorvelListCtrl: the skinned report list. It holds no text of its own (the
// template gives it LVS_OWNERDATA): it shows the rows it is given, and
// answers for them whoever asks the list for an item's text, and its
// type-ahead. Its rows are owner-drawn: every column's text in its cell,
// banded rows, the skin's selection colour and the focus frame. Row height, cell margins and the columns' automatic
// widths follow the list's font and DPI; the last column, sized by the heading's rule, also fills the list as its size
// changes. In the dark scheme the skin draws the heading too, and the list's background follows the scheme. Reached
// with the keyboard, the first visible row takes the focus; the focus frame follows the keyboard cues (hidden after a
// click until a key is pressed), and cells cut short show their whole text in a tip (CorvelCellTip). The heading shows
// the system's sort arrow, drawn by the skin in the dark scheme; an empty list can say why in its empty area.
#include "CorvelAPI.h"
#include "CorvelCellTip.h"

#include <afxwin.h>

// The rows a list shows, in display order.
class ICorvelListRows
{
public:
    virtual int RowCount() const = 0;
    // The text of a cell; valid while the rows stay as they are.
    virtual LPCWSTR CellText(int nRow, int nColumn) const = 0;

protected:
    ~ICorvelListRows() = default;
};

class CorvelListCtrl : public CListCtrl
{
public:
    CorvelListCtrl() : m_tip(*this) {}

    // Applies the skin to the bound list: row height, extended styles, the
    // keyboard cues' state and colours; the tip for cells cut short comes
    // when it is first needed.
    void Corvel();

    // Shows the rows (not owned; NULL for none), anew after every change of
    // them: the list takes their count and draws them again, keeping its
    // scroll position. Their focus and place are the caller's to set.
    void ShowRows(const ICorvelListRows* pRows);
    LPCWSTR CellText(int nRow, int nColumn) const;
    // What the empty list says in its empty area; nothing when empty.
    void SetEmptyText(const CString& strText);
    // The sort arrow on the column's heading, up (ascending) or down, and on
    // no other.
    void ShowSortArrow(int nColumn, bool bDescending);

    // The row with the focus, -1 when none has it.
    int FocusedItem() const;
    // Whether the focus frame shows (the keyboard cues are on).
    bool ShowsFocus() const { return !m_bFocusHidden; }
    // The margin left and right of a cell's text, at the list's DPI.
    int CellPadding() const;

protected:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    void UpdateRowHeight();
    // The scheme's background, tip colours and scroll bars.
    void ApplyColours();
    HWND Header() const;
    // The width that shows every cell of the column whole, with the heading
    // too when bUseHeader.
    int FittingWidth(int nColumn, bool bUseHeader);
    // The list's width less the columns left of the column.
    int RestOfList(int nColumn) const;
    void FillWithLastColumn();
    // The heading's custom drawing while the skin draws the controls; true
    // when it handled the notification, with its result in *pResult.
    bool DrawsHeading(const NMHDR* pNMHDR, LRESULT* pResult);
    void DrawHeadingCell(HDC hdc, RECT rc, const CString& text, int nFormat, const CorvelColours& colours) const;
    // The empty list's area with its text, when it has one; true when it
    // painted.
    bool PaintEmptyArea();
    // The row from nStart on (round to the start) whose first cell is, or
    // starts with, the text, as the list's type-ahead asks; -1 when none.
    int FindRow(const NMLVFINDITEMW& find) const;

    // The keyboard focus and its cues, then the tip: each true when it
    // handled the message whole, with its result in *pResult.
    bool OnFocusMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    bool OnTipMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void FocusFirstVisibleRow();
    // Shows (a key was pressed) or hides (the mouse was used) the focus
    // frame, for the whole dialog where the system keeps the cues.
    void ShowFocusCues(bool bShow);
    void SetFocusHidden(bool bHidden);
    void DrawFocusFrame(HDC hdc, RECT rcFrame, COLORREF colour) const;

    UINT m_nRowHeight = 0;
    // The last column's fitted width, once the heading's rule sized it.
    int m_nLastColumnFit = 0;
    bool m_bFocusHidden = false;
    const ICorvelListRows* m_pRows = nullptr;
    CString m_strEmptyText;
    CorvelCellTip m_tip;
};
