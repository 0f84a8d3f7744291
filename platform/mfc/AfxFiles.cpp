#include "AfxFiles.h"
#include "AfxHandle.h"

#include <vector>

CString AfxGetModuleFileName(HMODULE hModule)
{
    // A name that fills the buffer may have been cut short: read it again
    // into a larger one.
    std::vector<wchar_t> path(MAX_PATH);
    DWORD nLength;
    while ((nLength = GetModuleFileNameW(hModule, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    return CString(path.data(), static_cast<int>(nLength));
}

CString AfxGetModuleFolder(HMODULE hModule)
{
    const CString file = AfxGetModuleFileName(hModule);
    return file.Left(file.ReverseFind(L'\\'));
}

namespace
{
// Opened to be asked about, not read; a folder too.
CFileHandle OpenToQuery(const CString& path)
{
    return CFileHandle(CreateFileW(path, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}
}

bool AfxGetFolderIdentity(const CString& folder, CFolderIdentity& identity)
{
    const CFileHandle file(OpenToQuery(folder));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file || !GetFileInformationByHandle(file.get(), &info))
        return false;
    identity = CFolderIdentity(info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow);
    return true;
}

CString AfxGetFinalPath(const CString& path)
{
    const CFileHandle file(OpenToQuery(path));
    if (!file)
        return CString();
    // Too small a buffer gives the size it needs, with its terminating NUL.
    std::vector<wchar_t> buffer(MAX_PATH);
    DWORD nLength;
    while ((nLength = GetFinalPathNameByHandleW(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                                FILE_NAME_NORMALIZED | VOLUME_NAME_DOS)) >= buffer.size())
        buffer.resize(nLength);
    return CString(buffer.data(), static_cast<int>(nLength));
}
