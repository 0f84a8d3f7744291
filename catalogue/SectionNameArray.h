#pragma once
// The section names of the catalogue while they are put in display order.
#include <afxwin.h>

#include <vector>

class CSectionNameArray : public CStringArray
{
public:
    // Ascending by CString::CompareNoCase; names that compare equal keep
    // their order. What was at each position before, in the new order.
    std::vector<size_t> SortNoCase();
};
