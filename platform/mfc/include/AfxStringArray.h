#pragma once
// CStringArray: the framework's growable array of CString.
#include "AfxString.h"

#include <vector>

class CStringArray
{
public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    // Appends the element and returns its index.
    INT_PTR Add(const CString& str)
    {
        m_items.push_back(str);
        return GetSize() - 1;
    }
    const CString& GetAt(INT_PTR nIndex) const { return m_items[static_cast<size_t>(nIndex)]; }
    void SetAt(INT_PTR nIndex, const CString& str) { m_items[static_cast<size_t>(nIndex)] = str; }
    CString& ElementAt(INT_PTR nIndex) { return m_items[static_cast<size_t>(nIndex)]; }
    const CString& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    CString& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

private:
    std::vector<CString> m_items;
};
