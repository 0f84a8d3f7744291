#pragma once
// Copying the list: what it shows as a table of text, and the clipboard.
#include "CatalogueView.h"

// What the list shows as the tab-separated file holds it (DelimitedText.h):
// the column headings on the first line, then one line per shown row in
// display order.
CString ListText(const CCatalogueView& view);

// Puts strText on the clipboard as Unicode text, owned by hOwner; false
// (with the cause in the debugger output) when the clipboard refused it.
bool CopyTextToClipboard(HWND hOwner, const CString& strText);
