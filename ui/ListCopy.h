#pragma once
// Copying a report list: its text as a table and the clipboard.
#include <afxwin.h>

// The column headings on the first line, then one line per row in display
// order; cells separated by a tab, every line ended by CR LF.
CString ListText(const CListCtrl& list);

// Puts strText on the clipboard as Unicode text, owned by hOwner; false
// (with the cause in the debugger output) when the clipboard refused it.
bool CopyTextToClipboard(HWND hOwner, const CString& strText);
