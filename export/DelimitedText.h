#pragma once
// The list as lines of delimited cells: the headings' line, then a line per
// row in the order given, every line ended by CR LF. Control characters
// other than those named here stay as they are: both formats hold them.
#include "ListHeadings.h"

#include <Catalogue.h>

#include <string>

// Comma-separated values (RFC 4180), UTF-8 after a byte-order mark, so that
// a spreadsheet reads every script right: a cell holding a comma, a quote,
// a CR or an LF stands in quotes, its quotes doubled.
std::string CommaSeparatedFile(const CListHeadings& headings, const CCatalogue& rows);

// Cells separated by a tab, as the list is copied: a tab, CR or LF inside a
// cell becomes a space, so that every row stays one line of two cells.
CString TabSeparatedText(const CListHeadings& headings, const CCatalogue& rows);
// The same text in UTF-8 after a byte-order mark.
std::string TabSeparatedFile(const CListHeadings& headings, const CCatalogue& rows);
