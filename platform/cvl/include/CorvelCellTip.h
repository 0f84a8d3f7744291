#pragma once
// The list's tip for cells whose text does not show whole (narrower than
// the text, or running past the list's edge). With the mouse over such a
// cell, the cell's whole text. From the keyboard, after the tooltip's usual
// pause on a row with such a cell, the row's whole text, a cell a line,
// below the row. One tooltip window serves both, made when the pointer or
// the keyboard first comes to the list, not with it; its texts are made
// when it asks for them, for the one cell or row.
#include <afxwin.h>

class CorvelListCtrl;
struct CorvelColours;

class CorvelCellTip
{
public:
    explicit CorvelCellTip(CorvelListCtrl& list) : m_list(list) {}

    void Destroy();
    // The tip's background and text in the scheme's colours, now and when
    // the window is made.
    void ApplyColours(const CorvelColours& colours);
    // A mouse message of the list: the tip follows the cell under the pointer.
    void FollowPointer(UINT message, WPARAM wParam, LPARAM lParam);
    // The focused row was reached from the keyboard: its tip shows after the pause.
    void ScheduleRowTip();
    void HideRowTip();
    // Messages the list receives for the tip; true when the message was one.
    bool OnTimer(UINT_PTR nIDEvent);
    bool OnNotify(NMHDR* pNMHDR);
    HWND Handle() const { return m_tip.get(); }

private:
    // The tooltip window for the bound list, made the first time; false
    // when it was refused, which is not asked again.
    bool Create();
    TTTOOLINFOW Tool(UINT_PTR nID) const;
    void ShowRowTip();
    // The row's cells a line each when one of them is cut short, else empty.
    CString RowText(int nItem) const;
    // The cell's text when it is cut short, else empty.
    CString CutText(int nItem, int nColumn) const;
    RECT CellBounds(int nItem, int nColumn) const;

    CorvelListCtrl& m_list;
    CWindowHandle m_tip;
    // The cell under the pointer.
    int m_nItem = -1;
    int m_nColumn = -1;
    // The text the tooltip last asked for; it copies it at once.
    CString m_strText;
    COLORREF m_background = CLR_INVALID;
    COLORREF m_text = CLR_INVALID;
    bool m_bRefused = false;
};
