#include "FileSystem.h"
#include "DataFolderSecurity.h"

#include <AfxHandle.h>
#include <CauseReport.h>

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
    if (DirectoryExists(strFolder))
        return;
    const CLocalMemory<PSECURITY_DESCRIPTOR> descriptor = BuildDataFolderDescriptor();
    if (!descriptor)
    {
        ReportCause(kProgramSource, strFolder + L" is not made: its permissions cannot be built", GetLastError());
        return;
    }
    SECURITY_ATTRIBUTES security = { sizeof(security), descriptor.get(), FALSE };
    CreateDirectoryW(strFolder, &security);
}
