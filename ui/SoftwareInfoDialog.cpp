#include "SoftwareInfoDialog.h"
#include "AboutBox.h"
#include "ListCopy.h"
#include "ListSave.h"

#include <CatalogueLocations.h>
#include <CataloguePreparation.h>
#include <CorvelAPI.h>
#include <resource.h>

#include <windowsx.h>

#include <algorithm>
#include <iterator>

namespace
{
// How each control follows the client area as it grows past the layout.
const CorvelAnchoredControl kAnchors[] = {
    { IDC_SOFTWARE_GROUP, kAnchorAll },
    { IDC_SEARCH_BOX, kAnchorLeft | kAnchorTop | kAnchorRight },
    { IDC_SOFTWARE_LIST, kAnchorAll },
    { IDOK, kAnchorRight | kAnchorBottom },
};

const CDialogShortcut kShortcuts[] = {
    { 'C', IDM_COPY },
    { 'F', IDM_FIND },
    { 'S', IDM_SAVE_AS },
};

// The search that a key interrupted goes on after it, on this timer.
const UINT_PTR kSearchTimer = 1;

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

bool AppendMenuString(HMENU hMenu, UINT nFlags, UINT_PTR nID, UINT nTextID)
{
    CString text;
    text.LoadString(nTextID);
    return AppendMenuW(hMenu, MF_STRING | nFlags, nID, text) != FALSE;
}

// The sort entry of the list's context menu: the column and the direction,
// each a choice of its own with the current one marked.
CMenuHandle SortMenu(const CSortOrder& order)
{
    CMenuHandle menu(CreatePopupMenu());
    if (!menu || !AppendMenuString(menu.get(), 0, IDM_SORT_SOFTWARE, IDS_SORT_SOFTWARE) ||
        !AppendMenuString(menu.get(), 0, IDM_SORT_DESCRIPTION, IDS_SORT_DESCRIPTION) ||
        !AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr) ||
        !AppendMenuString(menu.get(), 0, IDM_SORT_ASCENDING, IDS_SORT_ASCENDING) ||
        !AppendMenuString(menu.get(), 0, IDM_SORT_DESCENDING, IDS_SORT_DESCENDING))
        return CMenuHandle();
    CheckMenuRadioItem(menu.get(), IDM_SORT_SOFTWARE, IDM_SORT_DESCRIPTION,
                       order.m_column == CCatalogueColumn::Software ? IDM_SORT_SOFTWARE : IDM_SORT_DESCRIPTION,
                       MF_BYCOMMAND);
    CheckMenuRadioItem(menu.get(), IDM_SORT_ASCENDING, IDM_SORT_DESCENDING,
                       order.m_bDescending ? IDM_SORT_DESCENDING : IDM_SORT_ASCENDING, MF_BYCOMMAND);
    return menu;
}

// A key press already waiting, which may change the search text again.
bool IsKeyWaiting()
{
    MSG msg;
    return PeekMessageW(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE | PM_NOYIELD) != FALSE;
}
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
    DDX_Control(pDX, IDC_SEARCH_BOX, m_searchBox);
}

BEGIN_MESSAGE_MAP(CSoftwareInfoDialog, CorvelDialog2)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDOK, OnOkClicked)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_SOFTWARE_LIST, OnListItemChanged)
ON_NOTIFY(LVN_COLUMNCLICK, IDC_SOFTWARE_LIST, OnColumnClick)
ON_EN_CHANGE(IDC_SEARCH_BOX, OnSearchChanged)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
ON_MESSAGE(WM_CONTEXTMENU, OnContextMenu)
ON_MESSAGE(WM_CLOSE, OnClose)
ON_MESSAGE(WM_TIMER, OnTimer)
ON_MESSAGE(WM_DESTROY, OnDestroy)
ON_COMMAND(IDM_COPY, OnCopy)
ON_COMMAND(IDM_FIND, OnFind)
ON_COMMAND(IDM_SAVE_AS, OnSaveAs)
ON_COMMAND(IDM_SORT_SOFTWARE, OnSortBySoftware)
ON_COMMAND(IDM_SORT_DESCRIPTION, OnSortByDescription)
ON_COMMAND(IDM_SORT_ASCENDING, OnSortAscending)
ON_COMMAND(IDM_SORT_DESCENDING, OnSortDescending)
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
    m_sizer.Attach(m_hWnd, IDD_SOFTWAREINFO_DIALOG, { std::begin(kAnchors), std::end(kAnchors) });

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
    m_shortcuts.Install(m_hWnd, { std::begin(kShortcuts), std::end(kShortcuts) });
    CString strCue;
    strCue.LoadString(IDS_SEARCH_CUE);
    m_searchBox.SetCueText(strCue);

    m_list.Corvel();
    for (int nColumn = 0; nColumn < kCatalogueColumns; ++nColumn)
        m_list.InsertColumn(nColumn, CCatalogueView::Heading(nColumn), LVCFMT_LEFT, CorvelScale(100, nDpi), nColumn);

    // The list opens in the sort it last had, or the catalogue's.
    RECT rcWindow, rcClient;
    GetWindowRect(m_hWnd, &rcWindow);
    GetClientRect(&rcClient);
    m_sizeFrame = { rcWindow.right - rcWindow.left - rcClient.right, rcWindow.bottom - rcWindow.top - rcClient.bottom };
    CDialogMemory defaults;
    defaults.m_ptTopLeft = { rcWindow.left, rcWindow.top };
    const CDialogMemory memory = RecallDialog(defaults);
    m_view.SortBy(memory.m_order);
    LoadCatalogue(ObtainCatalogue(GetCatalogueLocations(), EShellReports::Shown));
    SizeColumns();
    RestorePlace(memory);
    return TRUE;
}

void CSoftwareInfoDialog::SizeColumns()
{
    for (int nColumn = 0; nColumn < kCatalogueColumns; ++nColumn)
        m_list.SetColumnWidth(nColumn, LVSCW_AUTOSIZE_USEHEADER);
}

SIZE CSoftwareInfoDialog::LayoutWindowSize() const
{
    // Without its layout the dialog keeps the size it has.
    RECT rcWindow;
    GetWindowRect(m_hWnd, &rcWindow);
    if (!m_sizer.IsAttached())
        return { rcWindow.right - rcWindow.left, rcWindow.bottom - rcWindow.top };
    const SIZE layout = m_sizer.LayoutSize();
    return { layout.cx + m_sizeFrame.cx, layout.cy + m_sizeFrame.cy };
}

void CSoftwareInfoDialog::RestorePlace(const CDialogMemory& memory)
{
    // The room over the layout at this DPI; a window moved to a monitor of
    // another scale is told by the system, and scales with it.
    const int nDpi = static_cast<int>(CorvelWindowDpi(m_hWnd));
    const SIZE layout = LayoutWindowSize();
    const SIZE size = { layout.cx + MulDiv(memory.m_sizeExtra.cx, nDpi, USER_DEFAULT_SCREEN_DPI),
                        layout.cy + MulDiv(memory.m_sizeExtra.cy, nDpi, USER_DEFAULT_SCREEN_DPI) };
    const RECT rcWanted = { memory.m_ptTopLeft.x, memory.m_ptTopLeft.y, memory.m_ptTopLeft.x + size.cx,
                            memory.m_ptTopLeft.y + size.cy };
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromRect(&rcWanted, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT rc = FitOnWorkArea(memory.m_ptTopLeft, size, layout, monitor.rcWork);
    RECT rcWindow;
    GetWindowRect(m_hWnd, &rcWindow);
    if (!EqualRect(&rc, &rcWindow))
        SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(m_hWnd, &placement);
    m_ptWorkspaceOffset = { rc.left - placement.rcNormalPosition.left, rc.top - placement.rcNormalPosition.top };
    if (memory.m_bMaximized)
        ShowWindow(m_hWnd, SW_SHOWMAXIMIZED);
    m_bPlaced = true;
}

CDialogMemory CSoftwareInfoDialog::PlaceToKeep() const
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(m_hWnd, &placement);
    RECT rcNormal = placement.rcNormalPosition;
    OffsetRect(&rcNormal, m_ptWorkspaceOffset.x, m_ptWorkspaceOffset.y);
    const int nDpi = static_cast<int>(CorvelWindowDpi(m_hWnd));
    const SIZE layout = LayoutWindowSize();
    CDialogMemory memory;
    memory.m_ptTopLeft = { rcNormal.left, rcNormal.top };
    memory.m_sizeExtra = {
        MulDiv(std::max(0L, rcNormal.right - rcNormal.left - layout.cx), USER_DEFAULT_SCREEN_DPI, nDpi),
        MulDiv(std::max(0L, rcNormal.bottom - rcNormal.top - layout.cy), USER_DEFAULT_SCREEN_DPI, nDpi),
    };
    memory.m_bMaximized = IsZoomed(m_hWnd) || (IsIconic() && (placement.flags & WPF_RESTORETOMAXIMIZED));
    memory.m_order = m_view.Order();
    return memory;
}

LRESULT CSoftwareInfoDialog::OnDestroy(WPARAM, LPARAM)
{
    if (m_bPlaced)
        KeepDialog(PlaceToKeep());
    return Default();
}

void CSoftwareInfoDialog::OnSize(UINT nType, int cx, int cy)
{
    Default();
    if (nType == SIZE_MINIMIZED)
        return;
    RECT rcWindow;
    GetWindowRect(m_hWnd, &rcWindow);
    m_sizeFrame = { rcWindow.right - rcWindow.left - cx, rcWindow.bottom - rcWindow.top - cy };
    m_sizer.Arrange(cx, cy);
}

void CSoftwareInfoDialog::OnGetMinMaxInfo(MINMAXINFO* pInfo)
{
    Default();
    m_sizer.LimitTracking(pInfo);
}

BOOL CSoftwareInfoDialog::OnEraseBkgnd(HDC hDC)
{
    // The list, the search box and OK paint every pixel of their own: left
    // out, they do not flash in the face's colour while the dialog is
    // resized.
    const int nSaved = SaveDC(hDC);
    for (HWND hChild : { m_list.m_hWnd, m_btnOK.m_hWnd, m_searchBox.m_hWnd })
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
    // At the system DPI the application icon has the big size already.
    m_bigIcon.reset(nDpi == nSystemDpi ? nullptr : load(SM_CXICON));
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
    CMenuHandle menu(CreatePopupMenu());
    CMenuHandle sortMenu = SortMenu(m_view.Order());
    CString strSortBy;
    strSortBy.LoadString(IDS_SORT_BY);
    if (!menu || !sortMenu || !AppendMenuString(menu.get(), 0, IDM_COPY, IDS_COPY) ||
        !AppendMenuString(menu.get(), 0, IDM_SAVE_AS, IDS_SAVE_AS) ||
        !AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr) ||
        !AppendMenuW(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(sortMenu.get()), strSortBy))
        return 0;
    // The menu destroys the submenu it holds.
    sortMenu.release();
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
    if (!m_pHalt || !m_pHalt->IsRaised())
        return 0;
    // The Save dialog is told as its interface asks; ended as every other
    // dialog of the thread too, in case the shell runs its loop otherwise.
    m_saveDialog.Close();
    CHaltRequest::CarryOut(m_hWnd);
    return 0;
}

void CSoftwareInfoDialog::OnCopy()
{
    // Ctrl+C in the search box copies what is selected there.
    DWORD dwStart = 0, dwEnd = 0;
    if (GetFocus() == m_searchBox.m_hWnd)
    {
        m_searchBox.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
        if (dwStart != dwEnd)
        {
            m_searchBox.SendMessage(WM_COPY);
            return;
        }
    }
    if (!CopyTextToClipboard(m_hWnd, ListText(m_view)))
        MessageBeep(MB_ICONWARNING);
}

void CSoftwareInfoDialog::OnSaveAs()
{
    // The rows as the list shows them, in its sort and as far as they hold
    // the search text.
    const CListHeadings headings = CCatalogueView::Headings();
    CString strPath;
    EListFormat format = EListFormat::CommaSeparated;
    if (m_saveDialog.Ask(m_hWnd, DefaultListFileName(headings.m_strCaption), strPath, format))
        SaveListFile(m_hWnd, headings.m_strCaption, strPath, ListFile(format, headings, m_view.ShownRows()));
}

void CSoftwareInfoDialog::OnFind()
{
    // As Tab brings the focus: the box's text selected, to type over.
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_searchBox.m_hWnd), TRUE);
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

void CSoftwareInfoDialog::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    // The first click on a heading sorts by it ascending, the next one
    // reverses the order.
    const auto column = static_cast<CCatalogueColumn>(reinterpret_cast<const NMLISTVIEW*>(pNMHDR)->iSubItem);
    const CSortOrder& current = m_view.Order();
    SortView({ column, column == current.m_column && !current.m_bDescending });
    *pResult = 0;
}

void CSoftwareInfoDialog::OnSortBySoftware()
{
    if (m_view.Order().m_column != CCatalogueColumn::Software)
        SortView({ CCatalogueColumn::Software, false });
}

void CSoftwareInfoDialog::OnSortByDescription()
{
    if (m_view.Order().m_column != CCatalogueColumn::Description)
        SortView({ CCatalogueColumn::Description, false });
}

void CSoftwareInfoDialog::OnSortAscending()
{
    SortView({ m_view.Order().m_column, false });
}

void CSoftwareInfoDialog::OnSortDescending()
{
    SortView({ m_view.Order().m_column, true });
}

void CSoftwareInfoDialog::SortView(const CSortOrder& order)
{
    const std::optional<size_t> focused = FocusedProduct();
    m_view.SortBy(order);
    ShowView(focused);
}

void CSoftwareInfoDialog::OnSearchChanged()
{
    KillTimer(m_hWnd, kSearchTimer);
    SearchNow();
}

LRESULT CSoftwareInfoDialog::OnTimer(WPARAM wParam, LPARAM)
{
    if (wParam != kSearchTimer)
        return Default();
    KillTimer(m_hWnd, kSearchTimer);
    SearchNow();
    return 0;
}

void CSoftwareInfoDialog::SearchNow()
{
    const CString strText = m_searchBox.Text();
    if (strText == m_view.SearchText())
        return;
    const std::optional<size_t> focused = FocusedProduct();
    // Timers come after the keys: the search goes on once they are handled.
    if (!m_view.Search(strText, &IsKeyWaiting))
    {
        SetTimer(m_hWnd, kSearchTimer, USER_TIMER_MINIMUM, nullptr);
        return;
    }
    ShowView(focused);
}

std::optional<size_t> CSoftwareInfoDialog::FocusedProduct() const
{
    const int nRow = m_list.FocusedItem();
    if (nRow < 0 || nRow >= m_view.RowCount())
        return std::nullopt;
    return m_view.ProductAt(nRow);
}

void CSoftwareInfoDialog::ShowView(std::optional<size_t> focused)
{
    m_list.ShowRows(&m_view);
    const int nRow = focused ? m_view.RowOf(*focused) : -1;
    m_list.SetItemState(-1, 0, LVIS_FOCUSED);
    if (nRow >= 0)
        m_list.SetItemState(nRow, LVIS_FOCUSED, LVIS_FOCUSED);
    if (m_view.RowCount() > 0)
        m_list.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(std::max(nRow, 0)), FALSE);
    CString strNoMatch;
    if (m_view.RowCount() == 0 && !m_view.SearchText().IsEmpty())
        strNoMatch.LoadString(IDS_NO_MATCH);
    m_list.SetEmptyText(strNoMatch);
    m_list.ShowSortArrow(static_cast<int>(m_view.Order().m_column), m_view.Order().m_bDescending);
}

void CSoftwareInfoDialog::LoadCatalogue(CCatalogue catalogue)
{
    m_view.Load(std::move(catalogue));
    ShowView(std::nullopt);
}
