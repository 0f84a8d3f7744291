#pragma once
// The rules by which the profile functions (GetPrivateProfileStringW and
// its kin) take a profile (INI) file's lines, names and values.
#include <afxwin.h>

#include <string>
#include <string_view>

// A CString's text as the functions here take it.
inline std::wstring_view ProfileView(const CString& str)
{
    return std::wstring_view(str.GetString(), static_cast<size_t>(str.GetLength()));
}

// What one line of a profile file is.
struct CProfileLine
{
    enum EKind
    {
        Blank,   // nothing but blanks: no meaning at all
        Section, // a section header; m_name is the section's name
        Entry    // a key, with a value when m_bHasValue (the line had '=')
    };
    EKind m_kind = Blank;
    std::wstring_view m_name;
    std::wstring_view m_value;
    bool m_bHasValue = false;
    // An entry with nothing but blanks before its '=' (not even a NUL).
    bool m_bNameless = false;
};

// The line's meaning; the names and the value are views into the line.
CProfileLine ParseProfileLine(std::wstring_view line);

// Without the blanks the profile functions trim around names and values.
std::wstring_view TrimmedProfileText(std::wstring_view text);

// A name as the profile functions match it, without regard to the case of
// the ASCII letters.
std::wstring FoldedProfileName(std::wstring_view name);
bool SameProfileName(std::wstring_view a, std::wstring_view b);

// A value as WritePrivateProfileStringW stores it: without the blanks it
// starts with; those it ends with go only when the file is read again.
std::wstring_view ProfileValueAsWritten(std::wstring_view value);

// A value as GetPrivateProfileStringW hands it over in a buffer of cchBuffer
// characters: at most cchBuffer - 1 of them, matching quotes removed.
std::wstring ProfileValueInBuffer(std::wstring_view value, size_t cchBuffer);
