#pragma once
// The main window: the modal "Software Information" dialog with the list of
// factory-installed software. It scales with the DPI of the monitor it is
// on, can be made larger than its layout (the group frame and the list grow,
// OK keeps to the bottom-right corner), and copies the list (Ctrl+C or the
// list's context menu). A halt request bound to it ends it with whatever it
// has open.
#include "CopyShortcut.h"
#include "DialogTemplate.h"
#include "HaltRequest.h"

#include <Catalogue.h>
#include <CorvelControls.h>
#include <CorvelDialog.h>
#include <CorvelListCtrl.h>

class CSoftwareInfoDialog : public CorvelDialog2
{
public:
    // pHalt (not owned, may be NULL) is bound while the window exists.
    explicit CSoftwareInfoDialog(CWnd* pParent = nullptr, CHaltRequest* pHalt = nullptr);
    ~CSoftwareInfoDialog() override;

    // Adds a row for every product, after the rows already there, in the
    // catalogue's order (by name without regard to case).
    void LoadCatalogue(const CCatalogue& catalogue);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnOkClicked();
    void OnListItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnClose(WPARAM wParam, LPARAM lParam);
    LRESULT OnHalt(WPARAM wParam, LPARAM lParam);
    void OnCopy();
    void OnSize(UINT nType, int cx, int cy);
    void OnGetMinMaxInfo(MINMAXINFO* pInfo);
    BOOL OnEraseBkgnd(HDC hDC);

    DECLARE_MESSAGE_MAP()

    // The window's icons, in the sizes the system uses at the DPI.
    void SetWindowIcons(UINT nDpi);
    void SizeColumns();
    // The template's client size at the dialog's current font (its DPI).
    SIZE LayoutSize() const;
    // The controls at the template's places, those that grow made larger
    // and OK moved by what the client area has over the layout.
    void Layout(int cx, int cy);

    HICON m_hIcon;
    CorvelButton2 m_btnOK;
    CorvelListCtrl m_list;
    CorvelGroupBox m_group;
    CIconHandle m_bigIcon;
    CIconHandle m_smallIcon;
    CCopyShortcut m_copyShortcut;
    CHaltRequest* m_pHalt;
    DialogTemplate m_template;
};
