#include "DriveMapper.h"
#include "DosDeviceMapper.h"
#include "WineMountMapper.h"

namespace
{
bool RunsUnderWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// Volume and file index of a folder; false when it cannot be opened.
bool FolderIdentity(const CString& folder, BY_HANDLE_FILE_INFORMATION& info)
{
    HANDLE hFolder = CreateFileW(folder, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (hFolder == INVALID_HANDLE_VALUE)
        return false;
    const BOOL ok = GetFileInformationByHandle(hFolder, &info);
    CloseHandle(hFolder);
    return ok != FALSE;
}
}

IDriveMapper& SystemDriveMapper()
{
    static CWineMountMapper wine;
    static CDosDeviceMapper windows;
    static IDriveMapper& mapper = RunsUnderWine() ? static_cast<IDriveMapper&>(wine) : windows;
    return mapper;
}

bool DriveLeadsTo(wchar_t letter, const CString& folder)
{
    BY_HANDLE_FILE_INFORMATION root = {};
    BY_HANDLE_FILE_INFORMATION target = {};
    return FolderIdentity(CString(letter) + L":\\", root) && FolderIdentity(folder, target) &&
           root.dwVolumeSerialNumber == target.dwVolumeSerialNumber &&
           root.nFileIndexHigh == target.nFileIndexHigh && root.nFileIndexLow == target.nFileIndexLow;
}

bool DriveIsFree(wchar_t letter)
{
    return (GetLogicalDrives() & (1u << (letter - L'A'))) == 0;
}
