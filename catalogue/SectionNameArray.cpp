#include "SectionNameArray.h"

#include <algorithm>
#include <numeric>

std::vector<size_t> CSectionNameArray::SortNoCase()
{
    // Catalogues may hold thousands of names: a stable sort keeps equal
    // names in file order, each name is folded to lower case once rather
    // than at every comparison, and only positions move while sorting.
    const size_t nCount = static_cast<size_t>(GetSize());
    std::vector<CString> folded;
    folded.reserve(nCount);
    for (INT_PTR i = 0; i < GetSize(); ++i)
        folded.push_back(CString(GetAt(i)).MakeLower());
    std::vector<size_t> order(nCount);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&folded](size_t a, size_t b) { return folded[a].Compare(folded[b]) < 0; });
    std::vector<CString> sorted;
    sorted.reserve(nCount);
    for (size_t nFrom : order)
        sorted.push_back(GetAt(static_cast<INT_PTR>(nFrom)));
    for (size_t i = 0; i < nCount; ++i)
        SetAt(static_cast<INT_PTR>(i), sorted[i]);
    return order;
}
