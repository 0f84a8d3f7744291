#include "WineMountMapper.h"

#include <AfxHandle.h>
#include <winioctl.h>

#include <vector>

namespace
{
// Wine's mount manager request (wine 8), followed by the Unix path.
struct mountmgr_unix_drive
{
    ULONG size;
    ULONG type;
    ULONG fs_type;
    DWORD serial;
    ULONGLONG unix_dev;
    WCHAR letter;
    USHORT mount_point_offset;
    USHORT device_offset;
    USHORT label_offset;
};

const DWORD IOCTL_MOUNTMGR_DEFINE_UNIX_DRIVE = CTL_CODE(0x6D, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

using WineGetUnixFileNameFn = char*(CDECL*)(LPCWSTR);

// The Unix path wine gives the folder; empty when there is none.
std::string UnixPath(const CString& folder)
{
    auto getUnixFileName = reinterpret_cast<WineGetUnixFileNameFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!getUnixFileName)
        return std::string();
    char* unixPath = getUnixFileName(folder);
    if (!unixPath)
        return std::string();
    std::string path(unixPath);
    HeapFree(GetProcessHeap(), 0, unixPath);
    return path;
}

bool SendDriveRequest(wchar_t letter, ULONG type, const std::string& unixPath)
{
    mountmgr_unix_drive header = {};
    header.type = type;
    header.letter = static_cast<WCHAR>(letter - L'A' + L'a');
    if (!unixPath.empty())
        header.mount_point_offset = static_cast<USHORT>(sizeof(header));
    const BYTE* first = reinterpret_cast<const BYTE*>(&header);
    std::vector<BYTE> request(first, first + sizeof(header));
    if (!unixPath.empty())
        request.insert(request.end(), unixPath.c_str(), unixPath.c_str() + unixPath.size() + 1);
    if (request.size() > USHRT_MAX)
        return false;
    reinterpret_cast<mountmgr_unix_drive*>(request.data())->size = static_cast<ULONG>(request.size());

    const CFileHandle manager(CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    DWORD returned = 0;
    return manager && DeviceIoControl(manager.get(), IOCTL_MOUNTMGR_DEFINE_UNIX_DRIVE, request.data(),
                                      static_cast<DWORD>(request.size()), nullptr, 0, &returned, nullptr);
}
}

bool CWineMountMapper::Define(wchar_t letter, const CString& folder)
{
    const std::string unixPath = UnixPath(folder);
    return !unixPath.empty() && SendDriveRequest(letter, DRIVE_FIXED, unixPath);
}

bool CWineMountMapper::Remove(wchar_t letter)
{
    return SendDriveRequest(letter, DRIVE_NO_ROOT_DIR, std::string());
}
