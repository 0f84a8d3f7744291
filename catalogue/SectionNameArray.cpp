#include "SectionNameArray.h"

#include <algorithm>
#include <numeric>
#include <vector>

void CSectionNameArray::SortNoCase()
{
    // Catalogues may hold thousands of names: a stable O(n log n) sort keeps
    // the order of equal names as a bubble sort would, without its n² cost.
    std::vector<INT_PTR> order(static_cast<size_t>(GetSize()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](INT_PTR a, INT_PTR b) { return GetAt(a).CompareNoCase(GetAt(b)) < 0; });

    std::vector<CString> sorted;
    sorted.reserve(order.size());
    for (INT_PTR index : order)
        sorted.push_back(GetAt(index));
    for (size_t i = 0; i < sorted.size(); ++i)
        SetAt(static_cast<INT_PTR>(i), sorted[i]);
}
