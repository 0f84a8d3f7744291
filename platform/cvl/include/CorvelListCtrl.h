#pragma once
// CorvelListCtrl: the skinned report list. Its rows are owner-drawn: the
// item text in column 0, sub-item 1 in column 1, banded rows, the skin's
// selection colour and the focus frame.
#include <afxwin.h>

class CorvelListCtrl : public CListCtrl
{
public:
    // Applies the skin to the bound list: row height and extended styles.
    void Corvel();

protected:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

private:
    UINT m_nRowHeight = 0;
};
