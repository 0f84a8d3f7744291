#include "FileInPlace.h"

#include <NoLinkFile.h>

#include <cwchar>
#include <iterator>

namespace
{
// Names for the new file that another writer in the folder may hold too: the
// next one is tried, up to this many.
const unsigned kAsideAttempts = 100;

// A new file in the target's folder, under a name of its own: a name next
// to the user's file, such as "list.csv.new", may be his.
CFileHandle CreateAside(const CFileInFolder& target)
{
    for (unsigned n = 0; n < kAsideAttempts; ++n)
    {
        wchar_t szName[64];
        swprintf(szName, std::size(szName), L"~SoftwareInfo-%lu-%u.tmp", GetCurrentProcessId(), n);
        CFileHandle file(CreateNewFile(target.Sibling(szName)));
        if (file || (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS))
            return file;
    }
    return CFileHandle();
}
}

bool SaveFileInPlace(const CString& strPath, const std::string& strBytes)
{
    const CFileInFolder target(strPath);
    CFileHandle file(CreateAside(target));
    return file && WriteWholeInPlace(std::move(file), target, { { strBytes.data(), strBytes.size() } });
}
