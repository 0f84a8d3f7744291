#pragma once
// The main window: the modal "Software Information" dialog with the list of
// factory-installed software. The list sorts by either heading (a click, or
// its context menu) and shows only the products that hold what is typed in
// the search box (Ctrl+F); the dialog scales with the DPI of the monitor it
// is on, can be made larger than its layout, comes back at the place, size
// and sort it had when it last closed, and copies the list as it shows it
// (Ctrl+C or the list's context menu) or saves it to a file (Ctrl+S or the
// context menu). A halt request bound to it ends it with whatever it has
// open.
#include "CatalogueView.h"
#include "DialogMemory.h"
#include "DialogShortcuts.h"
#include "HaltRequest.h"
#include "ListSaveDialog.h"
#include "SearchBox.h"

#include <CorvelControls.h>
#include <CorvelDialog.h>
#include <CorvelListCtrl.h>
#include <CorvelSizer.h>

#include <optional>

class CSoftwareInfoDialog : public CorvelDialog2
{
public:
    // pHalt (not owned, may be NULL) is bound while the window exists.
    explicit CSoftwareInfoDialog(CWnd* pParent = nullptr, CHaltRequest* pHalt = nullptr);
    ~CSoftwareInfoDialog() override;

    // Lists the catalogue's products in place of those listed before, in
    // the list's sort, as far as they hold the search text.
    void LoadCatalogue(CCatalogue catalogue);
    // What the list shows, in its order.
    const CCatalogueView& View() const { return m_view; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnOkClicked();
    void OnListItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSearchChanged();
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnClose(WPARAM wParam, LPARAM lParam);
    LRESULT OnHalt(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
    void OnCopy();
    void OnSaveAs();
    void OnFind();
    void OnSortBySoftware();
    void OnSortByDescription();
    void OnSortAscending();
    void OnSortDescending();
    void OnSize(UINT nType, int cx, int cy);
    void OnGetMinMaxInfo(MINMAXINFO* pInfo);
    BOOL OnEraseBkgnd(HDC hDC);

    DECLARE_MESSAGE_MAP()

    // The window's icons, in the sizes the system uses at the DPI.
    void SetWindowIcons(UINT nDpi);
    void SizeColumns();
    void SortView(const CSortOrder& order);
    // Searches for the box's text unless the view shows it already; a key
    // that comes meanwhile interrupts the search, which goes on after it.
    void SearchNow();
    // The product of the focused row, if a row has the focus.
    std::optional<size_t> FocusedProduct() const;
    // The list shows the view anew, the product that had the focus focused
    // and in sight where it still shows, the top of the list otherwise.
    void ShowView(std::optional<size_t> focused);
    // The window's size at the layout's client size.
    SIZE LayoutWindowSize() const;
    void RestorePlace(const CDialogMemory& memory);
    CDialogMemory PlaceToKeep() const;

    HICON m_hIcon;
    CorvelButton2 m_btnOK;
    CorvelListCtrl m_list;
    CorvelGroupBox m_group;
    CSearchBox m_searchBox;
    CIconHandle m_bigIcon;
    CIconHandle m_smallIcon;
    CDialogShortcuts m_shortcuts;
    CHaltRequest* m_pHalt;
    CorvelSizer m_sizer;
    CCatalogueView m_view;
    CListSaveDialog m_saveDialog;
    // The frame's size: the window's less its client area's.
    SIZE m_sizeFrame = {};
    // Screen coordinates less the workspace coordinates the window's
    // placement is given in (they differ by the task bar's room).
    POINT m_ptWorkspaceOffset = {};
    // Set once the dialog took its place: only then is its place kept.
    bool m_bPlaced = false;
};
