#include "ProfileFile.h"
#include "ProfileSyntax.h"
#include "ProfileText.h"
#include "Utf16TextFile.h"

namespace
{
std::wstring Trimmed(const CString& text)
{
    return std::wstring(TrimmedProfileText(ProfileView(text)));
}
}

bool CProfileFile::Load(const CString& strPath)
{
    Clear();
    if (ReadProfileLines(strPath, [this](std::wstring_view line) { AddLine(line); }))
        return true;
    Clear();
    return false;
}

void CProfileFile::Clear()
{
    m_sections.clear();
    m_firstSection.clear();
    AddSection(std::wstring());
}

void CProfileFile::AddLine(std::wstring_view line)
{
    const CProfileLine parsed = ParseProfileLine(line);
    if (parsed.m_kind == CProfileLine::Section)
        AddSection(std::wstring(parsed.m_name));
    else if (parsed.m_kind == CProfileLine::Entry)
        m_sections.back().m_entries.push_back(
            { std::wstring(parsed.m_name), std::wstring(parsed.m_value), parsed.m_bHasValue });
}

void CProfileFile::AddSection(const std::wstring& name)
{
    m_sections.push_back({ name, {} });
    if (!name.empty())
        m_firstSection.emplace(FoldedProfileName(name), m_sections.size() - 1);
}

const CProfileFile::CSection* CProfileFile::FindSection(const std::wstring& name) const
{
    const auto found = m_firstSection.find(FoldedProfileName(name));
    return found == m_firstSection.end() ? nullptr : &m_sections[found->second];
}

CProfileFile::CEntry* CProfileFile::FindEntry(CSection& section, const std::wstring& name)
{
    for (CEntry& entry : section.m_entries)
        if (SameProfileName(entry.m_name, name))
            return &entry;
    return nullptr;
}

std::vector<CString> CProfileFile::SectionNames() const
{
    std::vector<CString> names;
    for (const CSection& section : m_sections)
        if (!section.m_name.empty())
            names.push_back(section.m_name.c_str());
    return names;
}

CString CProfileFile::GetString(const CString& section, const CString& key, size_t cchBuffer) const
{
    const CSection* pSection = FindSection(Trimmed(section));
    if (!pSection)
        return CString();
    const CEntry* pEntry = FindEntry(const_cast<CSection&>(*pSection), Trimmed(key));
    if (!pEntry || !pEntry->m_bHasValue)
        return CString();
    return ProfileValueInBuffer(pEntry->m_value, cchBuffer).c_str();
}

void CProfileFile::SetString(const CString& section, const CString& key, const CString& value)
{
    const std::wstring name = Trimmed(section);
    // Blanks around the value would not be read back.
    const CEntry entry = { Trimmed(key), Trimmed(value), true };
    const CSection* pFound = FindSection(name);
    if (!pFound)
    {
        AddSection(name);
        m_sections.back().m_entries.push_back(entry);
        return;
    }
    CSection& target = m_sections[static_cast<size_t>(pFound - m_sections.data())];
    if (CEntry* pEntry = FindEntry(target, entry.m_name))
    {
        pEntry->m_value = entry.m_value;
        pEntry->m_bHasValue = true;
    }
    else
        target.m_entries.push_back(entry);
}

bool CProfileFile::Save(const CString& strPath) const
{
    std::wstring strText;
    for (const CSection& section : m_sections)
    {
        if (!section.m_name.empty())
            strText += L"[" + section.m_name + L"]\r\n";
        for (const CEntry& entry : section.m_entries)
        {
            strText += entry.m_name;
            if (entry.m_bHasValue)
                strText += L"=" + entry.m_value;
            strText += L"\r\n";
        }
    }
    return SaveUtf16Text(strPath, strText);
}
