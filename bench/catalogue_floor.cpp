// The catalogue benches' floor: what showing, sorting and searching a
// catalogue costs with nothing but the platform's own controls and
// functions. It shows a dialog laid out as the main dialog whose platform
// list view (same styles) takes the rows, one draw call a cell, and fits
// both columns by the list's own LVSCW_AUTOSIZE_USEHEADER rule. A click on a
// heading sorts the list by its column (LVM_SORTITEMSEX with
// CompareStringEx), the next one the other way; a change of the search box
// inserts the rows that hold its text anew (FindNLSStringEx), sorted as the
// list was.
//   catalogue_floor.exe rows FILE     the rows of FILE, UTF-16LE lines of
//                                     name TAB description, in display order
//   catalogue_floor.exe profile FILE  the products of the catalogue file FILE
//                                     as the profile functions read them
#include <AfxHandle.h>

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
const int kListId = 1000;
const int kSearchId = 1006;

struct CRow
{
    std::wstring m_strName;
    std::wstring m_strDescription;
};

// The rows as read, and the list's sort.
struct CFloor
{
    std::vector<CRow> m_rows;
    int m_nColumn = 0;
    bool m_bDescending = false;
};
CFloor g_floor;

std::vector<CRow> ReadRows(LPCWSTR pszPath)
{
    std::vector<CRow> rows;
    CFileHandle file(CreateFileW(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    const DWORD cbSize = file ? GetFileSize(file.get(), nullptr) : 0;
    std::wstring text(cbSize / sizeof(wchar_t), L'\0');
    DWORD cbRead = 0;
    if (text.empty() || !ReadFile(file.get(), &text[0], cbSize, &cbRead, nullptr))
        return rows;
    for (size_t start = 0; start < text.size();)
    {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        const size_t tab = text.find(L'\t', start);
        if (tab < end)
            rows.push_back({ text.substr(start, tab - start), text.substr(tab + 1, end - tab - 1) });
        start = end + 1;
    }
    return rows;
}

std::wstring Trimmed(const wchar_t* psz)
{
    std::wstring s(psz);
    const size_t first = s.find_first_not_of(L" \t\r\n");
    if (first == std::wstring::npos)
        return std::wstring();
    return s.substr(first, s.find_last_not_of(L" \t\r\n") - first + 1);
}

// Every question the program asks of the file, through the profile functions.
std::vector<CRow> ReadProfile(LPCWSTR pszPath)
{
    std::vector<wchar_t> names(4096);
    DWORD cchNames;
    while ((cchNames = GetPrivateProfileSectionNamesW(names.data(), static_cast<DWORD>(names.size()), pszPath)) ==
           names.size() - 2)
        names.resize(names.size() * 2);
    std::vector<CRow> rows;
    wchar_t value[1024];
    for (const wchar_t* pName = names.data(); pName < names.data() + cchNames && *pName; pName += wcslen(pName) + 1)
    {
        GetPrivateProfileStringW(pName, L"CustomerDescription", L"", value, 1024, pszPath);
        std::wstring strDescription = Trimmed(value);
        if (!strDescription.empty())
            rows.push_back({ pName, strDescription });
    }
    std::stable_sort(rows.begin(), rows.end(), [](const CRow& a, const CRow& b) {
        return CompareStringOrdinal(a.m_strName.c_str(), -1, b.m_strName.c_str(), -1, TRUE) == CSTR_LESS_THAN;
    });
    return rows;
}

// A cell's text as the list holds it.
int ItemText(HWND hList, int nItem, int nColumn, wchar_t (&text)[1024])
{
    LVITEMW item = {};
    item.iSubItem = nColumn;
    item.pszText = text;
    item.cchTextMax = 1024;
    return static_cast<int>(
        SendMessageW(hList, LVM_GETITEMTEXTW, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
}

int CALLBACK CompareItems(LPARAM nItem1, LPARAM nItem2, LPARAM lParamSort)
{
    HWND hList = reinterpret_cast<HWND>(lParamSort);
    wchar_t text1[1024], text2[1024];
    const int nLength1 = ItemText(hList, static_cast<int>(nItem1), g_floor.m_nColumn, text1);
    const int nLength2 = ItemText(hList, static_cast<int>(nItem2), g_floor.m_nColumn, text2);
    const int nCompared = CompareStringEx(LOCALE_NAME_USER_DEFAULT, LINGUISTIC_IGNORECASE, text1, nLength1, text2,
                                          nLength2, nullptr, nullptr, 0) -
                          CSTR_EQUAL;
    return g_floor.m_bDescending ? -nCompared : nCompared;
}

bool Holds(const std::wstring& strText, const std::wstring& strSought)
{
    return FindNLSStringEx(LOCALE_NAME_USER_DEFAULT,
                           FIND_FROMSTART | LINGUISTIC_IGNORECASE | NORM_IGNOREWIDTH | NORM_IGNOREKANATYPE,
                           strText.c_str(), static_cast<int>(strText.size()), strSought.c_str(),
                           static_cast<int>(strSought.size()), nullptr, nullptr, nullptr, 0) >= 0;
}

// The rows that hold the text (every row for none), in the list's sort.
void InsertRows(HWND hList, const std::wstring& strSought)
{
    SendMessageW(hList, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hList, LVM_DELETEALLITEMS, 0, 0);
    SendMessageW(hList, LVM_SETITEMCOUNT, g_floor.m_rows.size(), 0);
    int nItem = 0;
    for (const CRow& row : g_floor.m_rows)
    {
        if (!strSought.empty() && !Holds(row.m_strName, strSought) && !Holds(row.m_strDescription, strSought))
            continue;
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = nItem++;
        item.pszText = const_cast<LPWSTR>(row.m_strName.c_str());
        const WPARAM nRow =
            static_cast<WPARAM>(SendMessageW(hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        item.iSubItem = 1;
        item.pszText = const_cast<LPWSTR>(row.m_strDescription.c_str());
        SendMessageW(hList, LVM_SETITEMTEXTW, nRow, reinterpret_cast<LPARAM>(&item));
    }
    if (g_floor.m_nColumn != 0 || g_floor.m_bDescending)
        SendMessageW(hList, LVM_SORTITEMSEX, reinterpret_cast<WPARAM>(hList), reinterpret_cast<LPARAM>(&CompareItems));
    SendMessageW(hList, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hList, nullptr, TRUE);
}

void FillList(HWND hList)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = 100;
    column.pszText = const_cast<LPWSTR>(L"Software");
    SendMessageW(hList, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    column.iSubItem = 1;
    column.pszText = const_cast<LPWSTR>(L"Description");
    SendMessageW(hList, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));

    InsertRows(hList, std::wstring());
    SendMessageW(hList, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
    SendMessageW(hList, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
}

// The first click on a heading sorts by its column ascending, the next one
// descending; the arrow shows which.
void SortByColumn(HWND hList, int nColumn)
{
    g_floor.m_bDescending = nColumn == g_floor.m_nColumn && !g_floor.m_bDescending;
    g_floor.m_nColumn = nColumn;
    SendMessageW(hList, LVM_SORTITEMSEX, reinterpret_cast<WPARAM>(hList), reinterpret_cast<LPARAM>(&CompareItems));
    HWND hHeader = reinterpret_cast<HWND>(SendMessageW(hList, LVM_GETHEADER, 0, 0));
    for (int nOther = 0; nOther < 2; ++nOther)
    {
        HDITEMW item = {};
        item.mask = HDI_FORMAT;
        SendMessageW(hHeader, HDM_GETITEMW, static_cast<WPARAM>(nOther), reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (nOther == nColumn)
            item.fmt |= g_floor.m_bDescending ? HDF_SORTDOWN : HDF_SORTUP;
        SendMessageW(hHeader, HDM_SETITEMW, static_cast<WPARAM>(nOther), reinterpret_cast<LPARAM>(&item));
    }
}

void DrawRow(const DRAWITEMSTRUCT& draw)
{
    FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(draw.hDC, TRANSPARENT);
    for (int nColumn = 0; nColumn < 2; ++nColumn)
    {
        RECT rcCell = {};
        rcCell.top = nColumn;
        rcCell.left = LVIR_LABEL;
        SendMessageW(draw.hwndItem, LVM_GETSUBITEMRECT, draw.itemID, reinterpret_cast<LPARAM>(&rcCell));
        wchar_t text[1024];
        const int nLength = ItemText(draw.hwndItem, static_cast<int>(draw.itemID), nColumn, text);
        DrawTextW(draw.hDC, text, nLength, &rcCell,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

std::wstring WindowText(HWND hWnd)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hWnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hWnd, &text[0], static_cast<int>(text.size()))));
    return text;
}

INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_INITDIALOG:
        SendDlgItemMessageW(hDlg, kSearchId, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"Search"));
        FillList(GetDlgItem(hDlg, kListId));
        return TRUE;
    case WM_DRAWITEM:
        DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_NOTIFY:
    {
        const NMLISTVIEW* pNotify = reinterpret_cast<const NMLISTVIEW*>(lParam);
        if (pNotify->hdr.idFrom == kListId && pNotify->hdr.code == LVN_COLUMNCLICK)
            SortByColumn(pNotify->hdr.hwndFrom, pNotify->iSubItem);
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == kSearchId && HIWORD(wParam) == EN_CHANGE)
            InsertRows(GetDlgItem(hDlg, kListId), WindowText(reinterpret_cast<HWND>(lParam)));
        else if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(hDlg, LOWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        EndDialog(hDlg, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}
}

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    const CLocalMemory<LPWSTR*> argv(CommandLineToArgvW(GetCommandLineW(), &argc));
    if (!argv || argc != 3)
        return 2;
    g_floor.m_rows = lstrcmpW(argv.get()[1], L"profile") == 0 ? ReadProfile(argv.get()[2]) : ReadRows(argv.get()[2]);
    InitCommonControls();
    DialogBoxParamW(hInstance, MAKEINTRESOURCEW(1), nullptr, &DialogProc, 0);
    return 0;
}
