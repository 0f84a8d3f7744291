#pragma once
// The list's file in each format the program writes, for Save and for the
// export switches alike.
#include "ListHeadings.h"

#include <Catalogue.h>

#include <string>

enum class EListFormat
{
    CommaSeparated, // DelimitedText.h
    TabSeparated,   // DelimitedText.h
    Html,           // HtmlList.h
    Json,           // JsonList.h
};

// The whole file's bytes: the rows in the order given.
std::string ListFile(EListFormat format, const CListHeadings& headings, const CCatalogue& rows);
