#include "SectionNameArray.h"

#include <algorithm>
#include <utility>
#include <vector>

void CSectionNameArray::SortNoCase()
{
    // Catalogues may hold thousands of names: a stable sort keeps equal
    // names in file order, and each name is folded to lower case once
    // rather than at every comparison.
    std::vector<std::pair<CString, CString>> sorted;
    sorted.reserve(static_cast<size_t>(GetSize()));
    for (INT_PTR i = 0; i < GetSize(); ++i)
        sorted.emplace_back(CString(GetAt(i)).MakeLower(), GetAt(i));
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const std::pair<CString, CString>& a, const std::pair<CString, CString>& b) {
                         return a.first.Compare(b.first) < 0;
                     });
    for (size_t i = 0; i < sorted.size(); ++i)
        SetAt(static_cast<INT_PTR>(i), sorted[i].second);
}
