#include "ProfileKeyValues.h"
#include "ProfileSyntax.h"
#include "ProfileText.h"

bool CProfileKeyValues::Load(const CFileInFolder& file, const CString& strKey, size_t cchBuffer)
{
    ULONGLONG cbSize = 0;
    const CFileHandle opened(OpenFileToRead(file, cbSize));
    if (opened)
        return Read(opened.get(), cbSize, strKey, cchBuffer);
    Clear();
    return false;
}

bool CProfileKeyValues::Read(HANDLE hFile, ULONGLONG cbSize, const CString& strKey, size_t cchBuffer)
{
    m_key = TrimmedProfileText(ProfileView(strKey));
    m_cchBuffer = cchBuffer;
    Clear();
    // The lines before the first section header, which a question about no
    // name reaches.
    m_valueOfName.emplace(std::wstring(), 0);
    m_values.emplace_back();
    m_nCurrentValue = 0;
    m_bLooking = true;
    if (ReadProfileLines(hFile, cbSize, [this](std::wstring_view line) { AddLine(line); }))
        return true;
    Clear();
    return false;
}

void CProfileKeyValues::Clear()
{
    m_names.clear();
    m_nameValues.clear();
    m_values.clear();
    m_valueOfName.clear();
}

void CProfileKeyValues::AddLine(std::wstring_view line)
{
    const CProfileLine parsed = ParseProfileLine(line);
    if (parsed.m_kind == CProfileLine::Section)
    {
        const auto [found, bFirst] = m_valueOfName.emplace(FoldedProfileName(parsed.m_name), m_values.size());
        if (bFirst)
            m_values.emplace_back();
        m_nCurrentValue = found->second;
        m_bLooking = bFirst;
        if (!parsed.m_name.empty())
        {
            m_names.emplace_back(parsed.m_name.data(), static_cast<int>(parsed.m_name.size()));
            m_nameValues.push_back(m_nCurrentValue);
        }
    }
    // The first entry of the key's name answers, with a value or without.
    else if (parsed.m_kind == CProfileLine::Entry && m_bLooking && SameProfileName(parsed.m_name, m_key))
    {
        if (parsed.m_bHasValue)
            m_values[m_nCurrentValue] = ProfileValueInBuffer(parsed.m_value, m_cchBuffer).c_str();
        m_bLooking = false;
    }
}

CString CProfileKeyValues::GetString(const CString& strSection) const
{
    const auto found = m_valueOfName.find(FoldedProfileName(TrimmedProfileText(ProfileView(strSection))));
    return found == m_valueOfName.end() ? CString() : m_values[found->second];
}
