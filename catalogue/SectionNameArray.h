#pragma once
// The section names of the catalogue while they are put in display order.
#include <afxwin.h>

class CSectionNameArray : public CStringArray
{
public:
    // Ascending by CString::CompareNoCase; names that compare equal keep
    // their order.
    void SortNoCase();
};
