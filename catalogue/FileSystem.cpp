#include "FileSystem.h"

#include <AfxHandle.h>

namespace
{
// Looks the path up with a directory search; false when nothing is there.
bool FindEntry(const CString& strPath, WIN32_FIND_DATAW& data)
{
    return CFindHandle(FindFirstFileW(strPath, &data)) != nullptr;
}
}

bool FileExists(CString strPath)
{
    WIN32_FIND_DATAW data;
    return FindEntry(strPath, data);
}

bool DirectoryExists(CString strPath)
{
    WIN32_FIND_DATAW data;
    return FindEntry(strPath, data) && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void EnsureDataFolder(CString strFolder)
{
    if (!DirectoryExists(strFolder))
        CreateDirectoryW(strFolder, nullptr);
}
