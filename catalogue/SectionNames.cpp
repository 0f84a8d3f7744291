#include "SectionNames.h"

#include <vector>

void ReadSectionNames(const CString& strIniFile, CStringArray& names)
{
    // A list that does not fit comes back cut, with a count of the buffer
    // size less two: read it again into a larger buffer until it fits.
    std::vector<wchar_t> buffer(2048);
    DWORD count;
    for (;;)
    {
        const DWORD size = static_cast<DWORD>(buffer.size());
        count = GetPrivateProfileSectionNamesW(buffer.data(), size, strIniFile);
        if (count != size - 2)
            break;
        buffer.resize(buffer.size() * 2);
    }

    // The names are NUL-terminated, one after another.
    DWORD start = 0;
    for (DWORD i = 0; i < count; ++i)
    {
        if (buffer[i] != L'\0')
            continue;
        if (i > start)
            names.Add(CString(buffer.data() + start, static_cast<int>(i - start)));
        start = i + 1;
    }
}
