#include "ListRows.h"

void AddRow(HWND hList, int item, LPCWSTR name, LPCWSTR description)
{
    LVITEMW lvi = {};
    lvi.mask = LVIF_TEXT;
    lvi.iItem = item;
    lvi.pszText = const_cast<LPWSTR>(name);
    SendMessageW(hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lvi));
    lvi.iSubItem = 1;
    lvi.pszText = const_cast<LPWSTR>(description);
    SendMessageW(hList, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvi));
}
