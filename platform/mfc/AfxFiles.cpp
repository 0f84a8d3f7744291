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

bool AfxGetFolderIdentity(const CString& folder, CFolderIdentity& identity)
{
    const CFileHandle file(CreateFileW(folder, FILE_READ_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file || !GetFileInformationByHandle(file.get(), &info))
        return false;
    identity = CFolderIdentity(info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow);
    return true;
}
