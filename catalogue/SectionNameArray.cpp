#include "SectionNameArray.h"

#include <algorithm>
#include <vector>

void CSectionNameArray::SortNoCase()
{
    // Catalogues may hold thousands of names: a stable O(n log n) sort keeps
    // the order of equal names as a bubble sort would, without its n² cost.
    std::vector<CString> sorted;
    sorted.reserve(static_cast<size_t>(GetSize()));
    for (INT_PTR i = 0; i < GetSize(); ++i)
        sorted.push_back(GetAt(i));
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
    for (size_t i = 0; i < sorted.size(); ++i)
        SetAt(static_cast<INT_PTR>(i), sorted[i]);
}
