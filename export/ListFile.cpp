#include "ListFile.h"
#include "DelimitedText.h"
#include "HtmlList.h"
#include "JsonList.h"

std::string ListFile(EListFormat format, const CListHeadings& headings, const CCatalogue& rows)
{
    switch (format)
    {
    case EListFormat::CommaSeparated:
        return CommaSeparatedFile(headings, rows);
    case EListFormat::TabSeparated:
        return TabSeparatedFile(headings, rows);
    case EListFormat::Html:
        return HtmlListFile(headings, rows);
    case EListFormat::Json:
        return JsonListFile(rows);
    }
    return std::string();
}
