#include "FileSystem.h"

#include <AfxHandle.h>

bool DirectoryExists(CString strPath)
{
    // A directory search: the folder's own entry, a link as it stands.
    WIN32_FIND_DATAW data;
    return CFindHandle(FindFirstFileW(strPath, &data)) != nullptr && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}
