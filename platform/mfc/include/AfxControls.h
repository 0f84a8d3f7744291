#pragma once
// Common-control and button window classes.
#include "AfxWnd.h"

#include <commctrl.h>

class CButton : public CWnd
{
};

class CListCtrl : public CWnd
{
public:
    int InsertColumn(int nCol, LPCWSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    int InsertItem(UINT nMask, int nItem, LPCWSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam);
    BOOL SetItemText(int nItem, int nSubItem, LPCWSTR lpszText);
    // nItem -1: every row.
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    int GetItemCount() const;
    UINT GetSelectedCount() const;
    // The next row after nItem (-1: from the first) with the LVNI_ flags'
    // state, or -1.
    int GetNextItem(int nItem, int nFlags) const;
    // Makes room for nItems rows at once, before they are inserted.
    void SetItemCount(int nItems);
    CString GetItemText(int nItem, int nSubItem) const;
    int GetColumnWidth(int nCol) const;
    // The number of columns and a column's heading, from the list's header.
    int GetColumnCount() const;
    CString GetColumnHeading(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);

protected:
    // Owner-drawn rows: the parent passes WM_DRAWITEM and WM_MEASUREITEM back here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
