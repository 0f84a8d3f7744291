#pragma once
// One key of a profile (INI) file, read in one pass that keeps nothing else
// of the file: every section name, and the key's value in each section as
// the profile functions answer for it.
#include <NoLinkFolder.h>
#include <afxwin.h>

#include <string>
#include <unordered_map>
#include <vector>

class CProfileKeyValues
{
public:
    // Reads the file (ReadProfileLines), keeping of each value only what a
    // buffer of cchBuffer characters takes. A missing or unreadable file
    // reads as an empty one, as the profile functions take it; false then.
    bool Load(const CFileInFolder& file, const CString& strKey, size_t cchBuffer);
    // The same for a file opened to read (OpenFileToRead), from where it
    // stands to at most cbSize bytes further.
    bool Read(HANDLE hFile, ULONGLONG cbSize, const CString& strKey, size_t cchBuffer);

    // Every non-empty section name in file order, duplicates included.
    const std::vector<CString>& SectionNames() const { return m_names; }
    // The key's value in the section as GetPrivateProfileStringW gives it
    // with an empty default and the buffer Load was given: empty when there
    // is none.
    CString GetString(const CString& strSection) const;
    // The same for SectionNames()[nName], without looking its name up again.
    const CString& GetStringOf(size_t nName) const { return m_values[m_nameValues[nName]]; }

private:
    void Clear();
    void AddLine(std::wstring_view line);

    std::wstring m_key;
    size_t m_cchBuffer = 0;
    std::vector<CString> m_names;
    // Where the value of each of m_names is in m_values.
    std::vector<size_t> m_nameValues;
    // The value of each section name, from the first section of that name:
    // the only one a question reaches; found by the name folded. The lines
    // before the first section header are the section without a name.
    std::vector<CString> m_values;
    std::unordered_map<std::wstring, size_t> m_valueOfName;
    // Whether the lines being read belong to the first section of its name
    // and have not yet met the key, and where that section's value is.
    bool m_bLooking = false;
    size_t m_nCurrentValue = 0;
};
