#include "ProfileKeyValues.h"
#include "ProfileSyntax.h"
#include "ProfileText.h"

bool CProfileKeyValues::Load(const CFileInFolder& file, const CString& strKey, size_t cchBuffer)
{
    ULONGLONG cbSize = 0;
    const CFileHandle opened(OpenFileToRead(file, cbSize));
    if (opened)
        return Read(opened.get(), cbSize, strKey, cchBuffer);
    m_names.clear();
    m_values.clear();
    return false;
}

bool CProfileKeyValues::Read(HANDLE hFile, ULONGLONG cbSize, const CString& strKey, size_t cchBuffer)
{
    m_key = TrimmedProfileText(ProfileView(strKey));
    m_cchBuffer = cchBuffer;
    m_names.clear();
    m_values.clear();
    // The lines before the first section header, which a question about no
    // name reaches.
    m_currentSection.clear();
    m_bLooking = m_values.emplace(m_currentSection, CString()).second;
    if (ReadProfileLines(hFile, cbSize, [this](std::wstring_view line) { AddLine(line); }))
        return true;
    m_names.clear();
    m_values.clear();
    return false;
}

void CProfileKeyValues::AddLine(std::wstring_view line)
{
    const CProfileLine parsed = ParseProfileLine(line);
    if (parsed.m_kind == CProfileLine::Section)
    {
        if (!parsed.m_name.empty())
            m_names.emplace_back(parsed.m_name.data(), static_cast<int>(parsed.m_name.size()));
        m_currentSection = FoldedProfileName(parsed.m_name);
        m_bLooking = m_values.emplace(m_currentSection, CString()).second;
    }
    // The first entry of the key's name answers, with a value or without.
    else if (parsed.m_kind == CProfileLine::Entry && m_bLooking && SameProfileName(parsed.m_name, m_key))
    {
        if (parsed.m_bHasValue)
            m_values[m_currentSection] = ProfileValueInBuffer(parsed.m_value, m_cchBuffer).c_str();
        m_bLooking = false;
    }
}

CString CProfileKeyValues::GetString(const CString& strSection) const
{
    const auto found = m_values.find(FoldedProfileName(TrimmedProfileText(ProfileView(strSection))));
    return found == m_values.end() ? CString() : found->second;
}
