#include "SoftwareInfoDialog.h"
#include "AboutBox.h"
#include "ListCopy.h"

#include <CatalogueLocations.h>
#include <CataloguePreparation.h>
#include <CauseReport.h>
#include <CorvelAPI.h>
#include <resource.h>

#include <windowsx.h>

#include <algorithm>

namespace
{
// The list's columns, left to right: the heading's string and the
// product's text shown in it.
struct CCatalogueColumn
{
    UINT m_nHeadingId;
    CString CProduct::*m_pText;
};

const CCatalogueColumn kColumns[] = {
    { IDS_COLUMN_SOFTWARE, &CProduct::m_strName },
    { IDS_COLUMN_DESCRIPTION, &CProduct::m_strDescription },
};

// Where the context menu opens from the keyboard, on the screen: below the
// focused row's visible part, within the list; at the list's top left
// without a focused row.
POINT KeyboardMenuPoint(const CListCtrl& list)
{
    POINT point = { 0, 0 };
    const int nItem = list.GetNextItem(-1, LVNI_FOCUSED);
    RECT rcRow = { LVIR_BOUNDS, 0, 0, 0 };
    if (nItem >= 0 && list.SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&rcRow)))
    {
        RECT rcClient;
        list.GetClientRect(&rcClient);
        point.x = std::max(rcRow.left, rcClient.left);
        point.y = std::clamp(rcRow.bottom, rcClient.top, rcClient.bottom);
    }
    ClientToScreen(list.m_hWnd, &point);
    return point;
}

// How each control follows the client area as it grows past the layout.
struct CAnchor
{
    int m_nID;
    bool m_bGrows; // larger by the growth; otherwise moved by it
};

const CAnchor kAnchors[] = {
    { IDC_SOFTWARE_GROUP, true },
    { IDC_SOFTWARE_LIST, true },
    { IDOK, false },
};
}

CSoftwareInfoDialog::CSoftwareInfoDialog(CWnd* pParent, CHaltRequest* pHalt)
    : CorvelDialog2(IDD_SOFTWAREINFO_DIALOG, pParent),
      m_hIcon(LoadIconW(AfxFindResourceHandle(MAKEINTRESOURCEW(IDR_MAINFRAME), RT_GROUP_ICON),
                        MAKEINTRESOURCEW(IDR_MAINFRAME))),
      m_pHalt(pHalt)
{
}

CSoftwareInfoDialog::~CSoftwareInfoDialog()
{
    if (m_pHalt)
        m_pHalt->Unbind();
}

void CSoftwareInfoDialog::DoDataExchange(CDataExchange* pDX)
{
    CorvelDialog2::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDC_SOFTWARE_LIST, m_list);
    DDX_Control(pDX, IDC_SOFTWARE_GROUP, m_group);
}

BEGIN_MESSAGE_MAP(CSoftwareInfoDialog, CorvelDialog2)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDOK, OnOkClicked)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_SOFTWARE_LIST, OnListItemChanged)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
ON_MESSAGE(WM_CONTEXTMENU, OnContextMenu)
ON_MESSAGE(WM_CLOSE, OnClose)
ON_COMMAND(IDM_COPY, OnCopy)
ON_MESSAGE(CHaltRequest::kMessage, OnHalt)
ON_WM_SIZE()
ON_WM_GETMINMAXINFO()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CSoftwareInfoDialog::OnInitDialog()
{
    // A halt asked for before the window existed ends it before it shows,
    // and before a first start begins.
    if (m_pHalt && m_pHalt->Bind(m_hWnd))
    {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    AbstractDialog::OnInitDialog();
    // The places the dialog's layout gives its controls, for resizing at
    // any DPI.
    m_template = ReadDialogTemplate(AfxFindResourceHandle(MAKEINTRESOURCEW(IDD_SOFTWAREINFO_DIALOG), RT_DIALOG),
                                    IDD_SOFTWAREINFO_DIALOG);
    if (!m_template.valid)
        ReportCause(kProgramSource, L"the main dialog cannot be resized, its template cannot be read");

    if (CMenu* pSysMenu = GetSystemMenu(FALSE))
    {
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.IsEmpty())
        {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }

    const UINT nDpi = CorvelWindowDpi(m_hWnd);
    SetWindowIcons(nDpi);
    m_copyShortcut.Install(m_hWnd, IDM_COPY);

    m_list.Corvel();

    for (int nColumn = 0; nColumn < static_cast<int>(ARRAYSIZE(kColumns)); ++nColumn)
    {
        CString heading;
        heading.LoadString(kColumns[nColumn].m_nHeadingId);
        m_list.InsertColumn(nColumn, heading, LVCFMT_LEFT, CorvelScale(100, nDpi), nColumn);
    }

    LoadCatalogue(ObtainCatalogue(GetCatalogueLocations(), EShellReports::Shown));

    SizeColumns();
    return TRUE;
}

void CSoftwareInfoDialog::SizeColumns()
{
    for (int nColumn = 0; nColumn < static_cast<int>(ARRAYSIZE(kColumns)); ++nColumn)
        m_list.SetColumnWidth(nColumn, LVSCW_AUTOSIZE_USEHEADER);
}

SIZE CSoftwareInfoDialog::LayoutSize() const
{
    RECT rc = { 0, 0, m_template.cx, m_template.cy };
    MapDialogRect(m_hWnd, &rc);
    return { rc.right, rc.bottom };
}

void CSoftwareInfoDialog::Layout(int cx, int cy)
{
    if (!m_template.valid || !m_list.m_hWnd)
        return;
    const SIZE layout = LayoutSize();
    const int dx = std::max(0, cx - static_cast<int>(layout.cx));
    const int dy = std::max(0, cy - static_cast<int>(layout.cy));
    HDWP hDefer = BeginDeferWindowPos(static_cast<int>(ARRAYSIZE(kAnchors)));
    for (const CAnchor& anchor : kAnchors)
    {
        const auto item = std::find_if(m_template.items.begin(), m_template.items.end(),
                                       [&](const DialogItem& candidate) { return candidate.id == anchor.m_nID; });
        if (item == m_template.items.end())
            continue;
        // Place and size each mapped on its own, as the dialog manager does.
        RECT rc = { item->x, item->y, item->cx, item->cy };
        MapDialogRect(m_hWnd, &rc);
        rc.right += rc.left;
        rc.bottom += rc.top;
        if (anchor.m_bGrows)
        {
            rc.right += dx;
            rc.bottom += dy;
        }
        else
            OffsetRect(&rc, dx, dy);
        if (hDefer)
            hDefer = DeferWindowPos(hDefer, GetDlgItem(m_hWnd, anchor.m_nID), nullptr, rc.left, rc.top,
                                    rc.right - rc.left, rc.bottom - rc.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (hDefer)
        EndDeferWindowPos(hDefer);
    // The face, the size grip and the group frame, which draws no
    // background of its own, are drawn anew; the list and OK draw their own.
    InvalidateRect(m_hWnd, nullptr, TRUE);
    InvalidateRect(m_group.m_hWnd, nullptr, FALSE);
}

void CSoftwareInfoDialog::OnSize(UINT nType, int cx, int cy)
{
    Default();
    if (nType != SIZE_MINIMIZED)
        Layout(cx, cy);
}

void CSoftwareInfoDialog::OnGetMinMaxInfo(MINMAXINFO* pInfo)
{
    Default();
    if (!m_template.valid)
        return;
    // No smaller than the layout: the client size plus the frame's.
    RECT rcWindow, rcClient;
    GetWindowRect(m_hWnd, &rcWindow);
    GetClientRect(&rcClient);
    const SIZE layout = LayoutSize();
    pInfo->ptMinTrackSize.x = layout.cx + (rcWindow.right - rcWindow.left) - rcClient.right;
    pInfo->ptMinTrackSize.y = layout.cy + (rcWindow.bottom - rcWindow.top) - rcClient.bottom;
}

BOOL CSoftwareInfoDialog::OnEraseBkgnd(HDC hDC)
{
    // The list and OK paint every pixel of their own: left out, they do not
    // flash in the face's colour while the dialog is resized.
    const int nSaved = SaveDC(hDC);
    for (HWND hChild : { m_list.m_hWnd, m_btnOK.m_hWnd })
    {
        RECT rc;
        GetWindowRect(hChild, &rc);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        ExcludeClipRect(hDC, rc.left, rc.top, rc.right, rc.bottom);
    }
    const BOOL bErased = AbstractDialog::OnEraseBkgnd(hDC);
    RestoreDC(hDC, nSaved);
    return bErased;
}

void CSoftwareInfoDialog::SetWindowIcons(UINT nDpi)
{
    // The icon group holds 16, 32 and 48 pixel images: the system takes the
    // one nearest to the size and scales it. The system metrics are those of
    // the system DPI.
    const UINT nSystemDpi = CorvelSystemDpi();
    HINSTANCE hModule = AfxFindResourceHandle(MAKEINTRESOURCEW(IDR_MAINFRAME), RT_GROUP_ICON);
    auto load = [&](int nMetric) {
        const int nSize = MulDiv(GetSystemMetrics(nMetric), static_cast<int>(nDpi), static_cast<int>(nSystemDpi));
        return static_cast<HICON>(LoadImageW(hModule, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, nSize, nSize, 0));
    };
    m_bigIcon.reset(load(SM_CXICON));
    m_smallIcon.reset(load(SM_CXSMICON));
    SetIcon(m_bigIcon ? m_bigIcon.get() : m_hIcon, TRUE);
    SetIcon(m_smallIcon ? m_smallIcon.get() : m_hIcon, FALSE);
}

LRESULT CSoftwareInfoDialog::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    // With per-monitor awareness version 2 the dialog manager scales the
    // template's layout and font here (the list then measures its rows
    // anew); what the program sizes in pixels follows. The system always
    // suggests a place on a monitor; a message sent by another program
    // without one changes nothing. (Posted ones never get here: see
    // CPostedPointerFilter.)
    const RECT* pSuggested = reinterpret_cast<const RECT*>(lParam);
    if (!pSuggested || IsRectEmpty(pSuggested) || !MonitorFromRect(pSuggested, MONITOR_DEFAULTTONULL))
        return 0;
    Default();
    SetWindowPos(m_hWnd, nullptr, pSuggested->left, pSuggested->top, pSuggested->right - pSuggested->left,
                 pSuggested->bottom - pSuggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowIcons(HIWORD(wParam));
    SizeColumns();
    return 0;
}

LRESULT CSoftwareInfoDialog::OnContextMenu(WPARAM wParam, LPARAM lParam)
{
    HWND hClicked = reinterpret_cast<HWND>(wParam);
    if (hClicked != m_list.m_hWnd && !IsChild(m_list.m_hWnd, hClicked))
        return Default();

    POINT point = { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
    // From the keyboard (Shift+F10, the menu key) the point is (-1, -1).
    if (point.x == -1 && point.y == -1)
        point = KeyboardMenuPoint(m_list);
    CString text;
    text.LoadString(IDS_COPY);
    CMenuHandle menu(CreatePopupMenu());
    if (!menu || !AppendMenuW(menu.get(), MF_STRING, IDM_COPY, text))
        return 0;
    // The chosen item comes back as WM_COMMAND.
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, m_hWnd, nullptr);
    return 0;
}

LRESULT CSoftwareInfoDialog::OnClose(WPARAM, LPARAM)
{
    // A menu's loop (the context menu, or the menu mode that F10 or Alt
    // alone starts) hands a close on and goes on until a key or a click
    // ends it: the dialog, hidden by then, could not end its own loop.
    EndMenu();
    return Default();
}

LRESULT CSoftwareInfoDialog::OnHalt(WPARAM, LPARAM)
{
    // Any program may post the message: only a request raised here counts.
    if (m_pHalt && m_pHalt->IsRaised())
        CHaltRequest::CarryOut(m_hWnd);
    return 0;
}

void CSoftwareInfoDialog::OnCopy()
{
    if (!CopyTextToClipboard(m_hWnd, ListText(m_list)))
        MessageBeep(MB_ICONWARNING);
}

void CSoftwareInfoDialog::OnSysCommand(UINT nID, LPARAM)
{
    // The low four bits of a system command are the system's own.
    if ((nID & 0xFFF0) == IDM_ABOUTBOX)
    {
        CAboutBox dlgAbout;
        dlgAbout.DoModal();
    }
    else
        Default();
}

void CSoftwareInfoDialog::OnPaint()
{
    if (!IsIconic())
    {
        AbstractDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    const int x = (rect.right - rect.left - cxIcon + 1) / 2;
    const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CSoftwareInfoDialog::OnQueryDragIcon()
{
    return m_hIcon;
}

void CSoftwareInfoDialog::OnOkClicked()
{
    // The list is for reading only: OK simply closes, as a cancel.
    OnCancel();
}

void CSoftwareInfoDialog::OnListItemChanged(NMHDR*, LRESULT* pResult)
{
    // No row stays selected. The list tells of changes to a row's text too,
    // so this may come for every row loaded: asking for the count first
    // keeps each answer as cheap with thousands of rows as with one.
    // Clearing raises this notification again, which then finds nothing
    // selected.
    if (m_list.GetSelectedCount() > 0)
        m_list.SetItemState(-1, 0, LVIS_SELECTED);
    *pResult = 0;
}

void CSoftwareInfoDialog::LoadCatalogue(const CCatalogue& catalogue)
{
    // The list makes room for every row at once and takes each at its end,
    // already in order; it redraws once at the end, not for every row.
    m_list.SetRedraw(FALSE);
    // The list has no sorting style, so each row lands where it is put.
    const int nFirst = m_list.GetItemCount();
    m_list.SetItemCount(nFirst + static_cast<int>(catalogue.size()));
    for (size_t i = 0; i < catalogue.size(); ++i)
    {
        const int nRow = nFirst + static_cast<int>(i);
        m_list.InsertItem(LVIF_TEXT, nRow, catalogue[i].*kColumns[0].m_pText, 0, 0, 0, 0);
        for (int nColumn = 1; nColumn < static_cast<int>(ARRAYSIZE(kColumns)); ++nColumn)
            m_list.SetItemText(nRow, nColumn, catalogue[i].*kColumns[nColumn].m_pText);
    }
    m_list.SetRedraw(TRUE);
    m_list.Invalidate();
}
