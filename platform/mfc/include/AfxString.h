#pragma once
// CString: the framework's wide-character string.
#include <windows.h>
#include <string>

class CString
{
public:
    CString() = default;
    CString(LPCWSTR psz) : m_str(psz ? psz : L"") {}
    CString(LPCWSTR pch, int nLength) : m_str(pch, static_cast<size_t>(nLength)) {}
    CString(wchar_t ch, int nRepeat = 1) : m_str(static_cast<size_t>(nRepeat), ch) {}

    operator LPCWSTR() const { return m_str.c_str(); }
    LPCWSTR GetString() const { return m_str.c_str(); }
    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    wchar_t GetAt(int nIndex) const { return m_str[static_cast<size_t>(nIndex)]; }
    wchar_t operator[](int nIndex) const { return GetAt(nIndex); }

    CString& operator=(LPCWSTR psz)
    {
        m_str = psz ? psz : L"";
        return *this;
    }
    CString& operator+=(const CString& str)
    {
        m_str += str.m_str;
        return *this;
    }
    CString& operator+=(LPCWSTR psz)
    {
        if (psz)
            m_str += psz;
        return *this;
    }
    CString& operator+=(wchar_t ch)
    {
        m_str += ch;
        return *this;
    }
    friend CString operator+(const CString& a, const CString& b) { return Joined(a, b); }
    friend CString operator+(const CString& a, LPCWSTR b) { return Joined(a, b); }
    friend CString operator+(LPCWSTR a, const CString& b) { return Joined(a, b); }
    friend CString operator+(const CString& a, wchar_t b) { return Joined(a, b); }
    friend bool operator==(const CString& a, LPCWSTR b) { return a.Compare(b) == 0; }
    friend bool operator!=(const CString& a, LPCWSTR b) { return a.Compare(b) != 0; }

    // Ordinal comparison: <0, 0 or >0.
    int Compare(LPCWSTR psz) const;
    // Compares after folding both strings to lower case with the platform's
    // mapping: the same as Compare on two strings made lower case.
    int CompareNoCase(LPCWSTR psz) const;
    // Folds to lower case with the platform's mapping.
    CString& MakeLower();

    int Find(LPCWSTR pszSub, int nStart = 0) const;
    // Index of the last occurrence of ch, or -1.
    int ReverseFind(wchar_t ch) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const { return Mid(0, nCount); }
    // Replaces every non-overlapping occurrence, left to right; returns the count.
    int Replace(LPCWSTR pszOld, LPCWSTR pszNew);
    // Removes leading and trailing characters for which iswspace is true.
    CString& Trim()
    {
        TrimRight();
        return TrimLeft();
    }
    CString& TrimLeft();
    CString& TrimRight();

    // Loads a string resource through the framework's resource search.
    // FALSE, and the string unchanged, when there is no such string.
    BOOL LoadString(UINT nID);

private:
    template <typename TLeft, typename TRight> static CString Joined(const TLeft& left, const TRight& right)
    {
        CString joined(left);
        joined += right;
        return joined;
    }

    std::wstring m_str;
};
