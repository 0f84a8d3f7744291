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

bool CProfileFile::Load(const CFileInFolder& file)
{
    Clear();
    if (ReadProfileLines(file, [this](std::wstring_view line) { AddLine(line); }))
        return true;
    Clear();
    return false;
}

void CProfileFile::Clear()
{
    m_sections.clear();
    m_firstSection.clear();
    AddSection(std::wstring());
    m_bSaved = m_bReadBack = false;
}

void CProfileFile::AddLine(std::wstring_view line)
{
    const CProfileLine parsed = ParseProfileLine(line);
    if (parsed.m_kind == CProfileLine::Section)
        AddSection(std::wstring(parsed.m_name));
    else if (parsed.m_kind == CProfileLine::Entry)
        AddEntry({ std::wstring(parsed.m_name), std::wstring(parsed.m_value), parsed.m_bHasValue }, parsed.m_bNameless);
}

void CProfileFile::AddEntry(CEntry entry, bool bNameless)
{
    // The profile functions (wine's; Windows' answer is not recorded) drop
    // an entry without a name that follows one without a name.
    std::vector<CEntry>& entries = m_sections.back().m_entries;
    if (bNameless && !entries.empty() && entries.back().m_name.empty())
        return;
    entries.push_back(std::move(entry));
}

void CProfileFile::AddSection(const std::wstring& name)
{
    m_sections.push_back({ name, {} });
    if (!name.empty())
        m_firstSection.emplace(FoldedProfileName(name), m_sections.size() - 1);
}

const CProfileFile::CSection* CProfileFile::FindSection(const std::wstring& name) const
{
    if (name.empty())
        return &m_sections[0];
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
    // Each write reads the file anew when the write before saved it, and
    // saves it when it changes something.
    if (m_bSaved)
        ReadBack();
    m_bSaved = false;
    const std::wstring name = Trimmed(section);
    const CSection* pFound = FindSection(name);
    if (!pFound)
    {
        AddSection(name);
        pFound = &m_sections.back();
    }
    const size_t nSection = static_cast<size_t>(pFound - m_sections.data());
    CSection& target = m_sections[nSection];
    const std::wstring strValue(ProfileValueAsWritten(ProfileView(value)));
    CEntry* pEntry = FindEntry(target, Trimmed(key));
    if (pEntry && pEntry->m_bHasValue && pEntry->m_value == strValue)
        return;
    if (pEntry)
    {
        pEntry->m_value = strValue;
        pEntry->m_bHasValue = true;
    }
    else
    {
        target.m_entries.push_back({ Trimmed(key), strValue, true });
        pEntry = &target.m_entries.back();
    }
    m_lastWritten = { nSection, static_cast<size_t>(pEntry - target.m_entries.data()) };
    m_bSaved = true;
}

void CProfileFile::ReadBack()
{
    if (!m_bReadBack)
    {
        ReadBackAsSaved();
        m_bReadBack = true;
        return;
    }
    // Read back once, the file changes by each write only in the value
    // written, which loses the blanks it ended with.
    std::wstring& strValue = m_sections[m_lastWritten.first].m_entries[m_lastWritten.second].m_value;
    strValue = std::wstring(TrimmedProfileText(strValue));
}

void CProfileFile::ReadBackAsSaved()
{
    // Saved and read back, names and values lose the blanks they ended with
    // (before a NUL too), a section without a name has no header and its
    // entries join the section before, and an entry with neither name nor
    // value is a blank line.
    std::vector<CSection> sections;
    sections.swap(m_sections);
    m_firstSection.clear();
    for (CSection& section : sections)
    {
        const std::wstring name(TrimmedProfileText(section.m_name));
        if (m_sections.empty() || !name.empty())
            AddSection(name);
        for (CEntry& entry : section.m_entries)
        {
            entry.m_name = std::wstring(TrimmedProfileText(entry.m_name));
            entry.m_value = std::wstring(TrimmedProfileText(entry.m_value));
            const bool bNameless = entry.m_name.empty();
            if (!bNameless || entry.m_bHasValue)
                AddEntry(std::move(entry), bNameless);
        }
    }
}

bool CProfileFile::Save(const CFileInFolder& file) const
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
    return SaveUtf16Text(file, strText);
}
