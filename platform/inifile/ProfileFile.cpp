#include "ProfileFile.h"
#include <AfxHandle.h>
#include "Utf16TextFile.h"

#include <algorithm>

namespace
{
// The profile functions trim the ASCII white space and the old end-of-file
// mark (Ctrl+Z), not every character iswspace counts (no-break space,
// ideographic space).
bool IsBlank(wchar_t ch)
{
    return ch == L' ' || (ch >= L'\t' && ch <= L'\r') || ch == L'\x1a';
}

std::wstring Trimmed(const std::wstring& s, size_t first, size_t last)
{
    while (first < last && IsBlank(s[first]))
        ++first;
    while (last > first && IsBlank(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

// The profile functions hand names and values over as C strings, so an
// embedded NUL ends them.
std::wstring UpToNul(std::wstring s)
{
    const size_t nul = s.find(L'\0');
    if (nul != std::wstring::npos)
        s.erase(nul);
    return s;
}

// Names match without regard to the case of the ASCII letters only: the
// profile functions under wine tell "Caf\u00e9" from "CAF\u00c9". Whether
// Windows folds other letters too, its recorded answers do not say.
wchar_t FoldedChar(wchar_t ch)
{
    return (ch >= L'a' && ch <= L'z') ? static_cast<wchar_t>(ch - L'a' + L'A') : ch;
}

std::wstring Folded(std::wstring s)
{
    for (wchar_t& ch : s)
        ch = FoldedChar(ch);
    return s;
}

bool SameName(const std::wstring& a, const std::wstring& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](wchar_t x, wchar_t y) { return FoldedChar(x) == FoldedChar(y); });
}

std::wstring Decoded(const std::string& bytes)
{
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE)
        return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
    const int size = static_cast<int>(bytes.size());
    std::wstring text(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0)), L'\0');
    if (!text.empty())
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, &text[0], static_cast<int>(text.size()));
    return text;
}

bool ReadWhole(const CString& strPath, std::string& bytes)
{
    CFileHandle file(CreateFileW(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > MAXDWORD)
        return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD cbRead = 0;
    return bytes.empty() || (ReadFile(file.get(), &bytes[0], static_cast<DWORD>(bytes.size()), &cbRead, nullptr) &&
                             cbRead == bytes.size());
}

bool IsQuoted(const std::wstring& value)
{
    return value.size() > 1 && (value[0] == L'"' || value[0] == L'\'') && value.back() == value[0];
}
}

bool CProfileFile::Load(const CString& strPath)
{
    m_sections.clear();
    m_firstSection.clear();
    std::string bytes;
    const bool bRead = ReadWhole(strPath, bytes);
    Parse(bRead ? Decoded(bytes) : std::wstring());
    return bRead;
}

void CProfileFile::Parse(const std::wstring& text)
{
    AddSection(std::wstring());
    const size_t length = text.size();
    for (size_t start = 0; start < length;)
    {
        size_t end = start;
        while (end < length && text[end] != L'\r' && text[end] != L'\n')
            ++end;
        const size_t next = (end + 1 < length && text[end] == L'\r' && text[end + 1] == L'\n') ? end + 2 : end + 1;
        const std::wstring line = Trimmed(text, start, end);
        start = next;
        if (line.empty())
            continue;
        if (line[0] == L'[')
        {
            const size_t close = line.rfind(L']');
            if (close != 0 && close != std::wstring::npos)
            {
                AddSection(UpToNul(Trimmed(line, 1, close)));
                continue;
            }
        }
        const size_t equals = line.find(L'=');
        CEntry entry;
        entry.m_bHasValue = equals != std::wstring::npos;
        if (entry.m_bHasValue)
        {
            entry.m_name = UpToNul(Trimmed(line, 0, equals));
            entry.m_value = UpToNul(Trimmed(line, equals + 1, line.size()));
        }
        else
            entry.m_name = UpToNul(line);
        m_sections.back().m_entries.push_back(entry);
    }
}

void CProfileFile::AddSection(const std::wstring& name)
{
    m_sections.push_back({ name, {} });
    if (!name.empty())
        m_firstSection.emplace(Folded(name), m_sections.size() - 1);
}

const CProfileFile::CSection* CProfileFile::FindSection(const std::wstring& name) const
{
    const auto found = m_firstSection.find(Folded(name));
    return found == m_firstSection.end() ? nullptr : &m_sections[found->second];
}

CProfileFile::CEntry* CProfileFile::FindEntry(CSection& section, const std::wstring& name)
{
    for (CEntry& entry : section.m_entries)
        if (SameName(entry.m_name, name))
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
    const std::wstring strSection(section.GetString()), strKey(key.GetString());
    const CSection* pSection = FindSection(Trimmed(strSection, 0, strSection.size()));
    if (!pSection)
        return CString();
    const CEntry* pEntry = FindEntry(const_cast<CSection&>(*pSection), Trimmed(strKey, 0, strKey.size()));
    if (!pEntry || !pEntry->m_bHasValue || cchBuffer == 0)
        return CString();
    const std::wstring& value = pEntry->m_value;
    const size_t room = cchBuffer - 1;
    if (!IsQuoted(value))
        return value.substr(0, room).c_str();
    // A value in matching quotes comes without them. The platform copies
    // what follows the opening quote and drops the last character copied
    // whenever the closing quote would have fitted with its NUL: a value of
    // exactly room characters inside quotes loses its last character.
    std::wstring copied = value.substr(1, room);
    if (value.size() - 1 <= cchBuffer)
        copied.pop_back();
    return copied.c_str();
}

void CProfileFile::SetString(const CString& section, const CString& key, const CString& value)
{
    const std::wstring strSection(section.GetString()), strKey(key.GetString());
    const std::wstring name = Trimmed(strSection, 0, strSection.size());
    // Blanks around the value would not be read back.
    const std::wstring strValue(value.GetString());
    const CEntry entry = { Trimmed(strKey, 0, strKey.size()), Trimmed(strValue, 0, strValue.size()), true };
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
