#pragma once
// What the list's files say besides the rows: the title of the document and
// the headings of its two columns, as the main dialog shows them.
#include <afxwin.h>

struct CListHeadings
{
    CString m_strCaption;
    CString m_strName;
    CString m_strDescription;
};
