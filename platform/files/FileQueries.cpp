#include "FileQueries.h"

#include <AfxFiles.h>
#include <AfxHandle.h>

#include <vector>

CString GetModuleFolder(HMODULE hModule)
{
    const CString file = AfxGetModuleFileName(hModule);
    return file.Left(file.ReverseFind(L'\\'));
}

CString GetFullPath(const CString& path)
{
    std::vector<wchar_t> buffer(MAX_PATH);
    DWORD nLength;
    while ((nLength = GetFullPathNameW(path, static_cast<DWORD>(buffer.size()), buffer.data(), nullptr)) >=
           buffer.size())
        buffer.resize(nLength);
    return nLength ? CString(buffer.data(), static_cast<int>(nLength)) : path;
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

bool GetFolderIdentity(const CString& folder, CFolderIdentity& identity)
{
    const CFileHandle file(OpenToQuery(folder));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file || !GetFileInformationByHandle(file.get(), &info))
        return false;
    identity = CFolderIdentity(info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow);
    return true;
}

CString GetFinalPath(const CString& path)
{
    const CFileHandle file(OpenToQuery(path));
    return file ? GetFinalPathOf(file.get()) : CString();
}

CString GetFinalPathOf(HANDLE hFile)
{
    // Too small a buffer gives the size it needs, with its terminating NUL.
    std::vector<wchar_t> buffer(MAX_PATH);
    DWORD nLength;
    while ((nLength = GetFinalPathNameByHandleW(hFile, buffer.data(), static_cast<DWORD>(buffer.size()),
                                                FILE_NAME_NORMALIZED | VOLUME_NAME_DOS)) >= buffer.size())
        buffer.resize(nLength);
    return CString(buffer.data(), static_cast<int>(nLength));
}
