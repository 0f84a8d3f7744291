#pragma once
// The list as one self-contained HTML document in UTF-8: the caption as its
// title and heading, then a table of the headings and a row per product.
#include "ListHeadings.h"

#include <Catalogue.h>

#include <string>

// Every text is escaped. What an HTML document may not hold, even as a
// character reference (NUL, the control characters other than tab, LF, FF
// and CR, the noncharacters, lone surrogates), becomes U+FFFD; a tab or line
// break shows as a space, as HTML shows white space.
std::string HtmlListFile(const CListHeadings& headings, const CCatalogue& rows);
