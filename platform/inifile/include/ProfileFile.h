#pragma once
// A profile (INI) file held in memory. Read whole once, it answers the
// section-name and value questions as GetPrivateProfileSectionNamesW and
// GetPrivateProfileStringW answer them; changed by the rules of
// WritePrivateProfileStringW, it is written whole once.
#include <NoLinkFolder.h>
#include <afxwin.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class CProfileFile
{
public:
    // Reads the file as the profile functions decode it (ReadProfileLines).
    // A missing or unreadable file reads as an empty one, as the profile
    // functions take it; false then.
    bool Load(const CFileInFolder& file);

    // Every non-empty section name in file order, duplicates included.
    std::vector<CString> SectionNames() const;
    // The key's value as GetPrivateProfileStringW gives it with an empty
    // default and a buffer of cchBuffer characters (at most cchBuffer - 1
    // arrive): empty when there is none.
    CString GetString(const CString& section, const CString& key, size_t cchBuffer = SIZE_MAX) const;

    // Sets the key as WritePrivateProfileStringW does: the first section and
    // key matching without regard to case take the value and keep their
    // spelling; otherwise the key goes at the end of the section, or a new
    // section at the end of the file. A sequence of calls changes the file as
    // a sequence of WritePrivateProfileStringW calls does, each of which
    // reads the file anew as the one before wrote it.
    void SetString(const CString& section, const CString& key, const CString& value);
    // Writes the whole file as UTF-16LE with a byte-order mark, beside the
    // target and then moved into place. true on success; on failure the
    // failed call's error is the thread's last error. The file is written
    // anew from what was read, as wine's profile functions write it: blank
    // lines go and blanks around '=' are dropped. Windows changes only the
    // lines it writes and keeps the rest of an existing file as it stands;
    // the answers read back are the same.
    bool Save(const CFileInFolder& file) const;

private:
    struct CEntry
    {
        std::wstring m_name;
        std::wstring m_value;
        bool m_bHasValue; // the line had an equals sign
    };
    struct CSection
    {
        std::wstring m_name;
        std::vector<CEntry> m_entries;
    };

    void Clear();
    void AddLine(std::wstring_view line);
    void AddEntry(CEntry entry, bool bNameless);
    // What the next write finds when it reads the file anew.
    void ReadBack();
    void ReadBackAsSaved();
    void AddSection(const std::wstring& name);
    const CSection* FindSection(const std::wstring& name) const;
    static CEntry* FindEntry(CSection& section, const std::wstring& name);

    // Lines before the first section header belong to the first section,
    // which has no name; a question about no name reaches it.
    std::vector<CSection> m_sections;
    // The first section of each name, by its name with ASCII letters in upper case.
    std::unordered_map<std::wstring, size_t> m_firstSection;
    // The last write changed the file, which the next one reads anew.
    bool m_bSaved = false;
    // The file has been read back once since it was loaded.
    bool m_bReadBack = false;
    // Section and entry of the value last written.
    std::pair<size_t, size_t> m_lastWritten;
};
