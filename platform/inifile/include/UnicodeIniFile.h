#pragma once
// A profile (INI) file built in memory and saved as UTF-16LE with a
// byte-order mark, so that every character survives the profile functions.
#include <NoLinkFolder.h>
#include <afxwin.h>

#include <string>

class CUnicodeIniFile
{
public:
    // Starts a section; line breaks in the name become blanks.
    void AddSection(const CString& strName);
    // Adds key=value to the current section. The value is quoted when the
    // profile functions would otherwise strip its quotes or blanks; line
    // breaks become blanks.
    void AddValue(const CString& strKey, const CString& strValue);

    // Writes the file beside the target and moves it into place, so the
    // target is either the old file or the whole new one. true on success;
    // on failure the failed call's error is the thread's last error.
    bool Save(const CFileInFolder& file) const;

private:
    std::wstring m_text;
};
