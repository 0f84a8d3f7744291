#pragma once
// Rows put straight into a report list, as the dialog's catalogue would.
#include <afxwin.h>

// A row at the position with the name in column 0 and the description in
// column 1.
void AddRow(HWND hList, int item, LPCWSTR name, LPCWSTR description);
