#include "ProfileReader.h"

#include <vector>

void ReadSectionNames(const CString& path, CStringArray& names)
{
    std::vector<wchar_t> buffer(2048);
    DWORD count;
    // A list that does not fit comes back cut, with size - 2 reported.
    while ((count = GetPrivateProfileSectionNamesW(buffer.data(), static_cast<DWORD>(buffer.size()), path)) ==
           buffer.size() - 2)
        buffer.resize(buffer.size() * 2);
    CString name;
    for (DWORD i = 0; i < count; ++i)
    {
        if (buffer[i] != L'\0')
            name += buffer[i];
        else if (!name.IsEmpty())
        {
            names.Add(name);
            name.Empty();
        }
    }
}

CString ReadProfileValue(const CString& path, const CString& section, const CString& key)
{
    std::vector<wchar_t> buffer(1024);
    DWORD count;
    // A value that does not fit comes back cut, with size - 1 reported.
    while ((count = GetPrivateProfileStringW(section, key, L"", buffer.data(), static_cast<DWORD>(buffer.size()),
                                             path)) == buffer.size() - 1)
        buffer.resize(buffer.size() * 2);
    return CString(buffer.data(), static_cast<int>(count));
}
