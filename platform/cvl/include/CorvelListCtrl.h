#pragma once
// CorvelListCtrl: the skinned report list. Its rows are owner-drawn: the
// item text in column 0, sub-item 1 in column 1, banded rows, the skin's
// selection colour and the focus frame. Row height, cell margins and the
// columns' automatic widths follow the list's font and DPI.
#include <afxwin.h>

class CorvelListCtrl : public CListCtrl
{
public:
    // Applies the skin to the bound list: row height and extended styles.
    void Corvel();

protected:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void UpdateRowHeight();
    // The width that shows every cell of the column whole, with the heading
    // too when bUseHeader; the last column then also fills the list.
    int FittingWidth(int nColumn, bool bUseHeader);
    int CellPadding() const;

    UINT m_nRowHeight = 0;
};
