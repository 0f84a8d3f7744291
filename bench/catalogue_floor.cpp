// The catalogue bench's floor: what showing a catalogue costs with nothing
// but the platform's own controls and functions. It shows a dialog laid out
// as the main dialog whose platform list view (same styles) takes the rows,
// one draw call a cell, and fits both columns by the list's own
// LVSCW_AUTOSIZE_USEHEADER rule.
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

struct CRow
{
    std::wstring m_strName;
    std::wstring m_strDescription;
};

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

void FillList(HWND hList, const std::vector<CRow>& rows)
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

    SendMessageW(hList, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hList, LVM_SETITEMCOUNT, rows.size(), 0);
    for (size_t i = 0; i < rows.size(); ++i)
    {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<LPWSTR>(rows[i].m_strName.c_str());
        const WPARAM nRow =
            static_cast<WPARAM>(SendMessageW(hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        item.iSubItem = 1;
        item.pszText = const_cast<LPWSTR>(rows[i].m_strDescription.c_str());
        SendMessageW(hList, LVM_SETITEMTEXTW, nRow, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(hList, WM_SETREDRAW, TRUE, 0);
    SendMessageW(hList, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
    SendMessageW(hList, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
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
        LVITEMW item = {};
        item.iSubItem = nColumn;
        item.pszText = text;
        item.cchTextMax = 1024;
        const int nLength = static_cast<int>(
            SendMessageW(draw.hwndItem, LVM_GETITEMTEXTW, draw.itemID, reinterpret_cast<LPARAM>(&item)));
        DrawTextW(draw.hDC, text, nLength, &rcCell,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_INITDIALOG:
        FillList(GetDlgItem(hDlg, kListId), *reinterpret_cast<const std::vector<CRow>*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
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
    const std::vector<CRow> rows =
        lstrcmpW(argv.get()[1], L"profile") == 0 ? ReadProfile(argv.get()[2]) : ReadRows(argv.get()[2]);
    InitCommonControls();
    DialogBoxParamW(hInstance, MAKEINTRESOURCEW(1), nullptr, &DialogProc, reinterpret_cast<LPARAM>(&rows));
    return 0;
}
