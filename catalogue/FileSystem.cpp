#include "FileSystem.h"

namespace
{
// Looks the path up with a directory search; false when nothing is there.
bool FindEntry(const CString& strPath, WIN32_FIND_DATAW& data)
{
    HANDLE hFind = FindFirstFileW(strPath, &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    FindClose(hFind);
    return true;
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
