#include "AfxString.h"
#include "AfxModuleState.h"

#include <cwctype>

int CString::Compare(LPCWSTR psz) const
{
    return m_str.compare(psz ? psz : L"");
}

namespace
{
std::wstring FoldLower(LPCWSTR psz)
{
    std::wstring folded(psz ? psz : L"");
    if (!folded.empty())
        CharLowerBuffW(&folded[0], static_cast<DWORD>(folded.size()));
    return folded;
}
}

int CString::CompareNoCase(LPCWSTR psz) const
{
    return FoldLower(m_str.c_str()).compare(FoldLower(psz));
}

CString& CString::MakeLower()
{
    m_str = FoldLower(m_str.c_str());
    return *this;
}

int CString::Find(LPCWSTR pszSub, int nStart) const
{
    if (!pszSub || nStart < 0 || nStart > GetLength())
        return -1;
    size_t pos = m_str.find(pszSub, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const
{
    size_t pos = m_str.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength() - nFirst);
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst > GetLength())
        nFirst = GetLength();
    if (nCount < 0)
        nCount = 0;
    if (nCount > GetLength() - nFirst)
        nCount = GetLength() - nFirst;
    return CString(m_str.c_str() + nFirst, nCount);
}

int CString::Replace(LPCWSTR pszOld, LPCWSTR pszNew)
{
    if (!pszOld || !*pszOld)
        return 0;
    const std::wstring oldText(pszOld);
    const std::wstring newText(pszNew ? pszNew : L"");
    int count = 0;
    size_t pos = 0;
    while ((pos = m_str.find(oldText, pos)) != std::wstring::npos)
    {
        m_str.replace(pos, oldText.size(), newText);
        pos += newText.size();
        ++count;
    }
    return count;
}

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_str.size() && std::iswspace(m_str[i]))
        ++i;
    m_str.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    size_t n = m_str.size();
    while (n > 0 && std::iswspace(m_str[n - 1]))
        --n;
    m_str.erase(n);
    return *this;
}

namespace
{
// Finds string nID in a module's string table: strings live in blocks of
// sixteen, each a length-prefixed run of UTF-16 characters.
bool FindStringInModule(HINSTANCE hInst, UINT nID, LPCWSTR* ppch, int* pnLength)
{
    if (!hInst)
        return false;
    HRSRC hRes = FindResourceW(hInst, MAKEINTRESOURCEW((nID >> 4) + 1), RT_STRING);
    if (!hRes)
        return false;
    HGLOBAL hData = LoadResource(hInst, hRes);
    const WCHAR* p = hData ? static_cast<const WCHAR*>(LockResource(hData)) : nullptr;
    if (!p)
        return false;
    const WCHAR* pEnd = p + SizeofResource(hInst, hRes) / sizeof(WCHAR);
    for (UINT i = 0; i < (nID & 15); ++i)
    {
        if (p >= pEnd)
            return false;
        p += 1 + *p;
    }
    if (p >= pEnd || *p == 0 || p + 1 + *p > pEnd)
        return false;
    *ppch = p + 1;
    *pnLength = *p;
    return true;
}
}

BOOL CString::LoadString(UINT nID)
{
    LPCWSTR pch = nullptr;
    int nLength = 0;
    if (!FindStringInModule(AfxGetResourceHandle(), nID, &pch, &nLength) &&
        !FindStringInModule(AfxGetInstanceHandle(), nID, &pch, &nLength))
        return FALSE;
    m_str.assign(pch, static_cast<size_t>(nLength));
    return TRUE;
}
