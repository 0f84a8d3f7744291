#include "WineMountMapper.h"

#include <AfxBinding.h>
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

const DWORD IOCTL_MOUNTMGR_DEFINE_UNIX_DRIVE =
    CTL_CODE(0x6D, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

using WineGetUnixFileNameFn = char*(CDECL*)(LPCWSTR);

// The Unix path wine gives the folder; empty when there is none.
std::string UnixPath(const CString& strFolder)
{
    const auto getUnixFileName = BoundLoadedFunction<WineGetUnixFileNameFn>(L"kernel32.dll", "wine_get_unix_file_name");
    if (!getUnixFileName)
        return std::string();
    const CProcessHeapMemory<char> unixPath(getUnixFileName(strFolder));
    return unixPath ? std::string(unixPath.get()) : std::string();
}

bool SendDriveRequest(wchar_t chLetter, ULONG nType, const std::string& strUnixPath)
{
    mountmgr_unix_drive header = {};
    header.type = nType;
    header.letter = static_cast<WCHAR>(chLetter - L'A' + L'a');
    if (!strUnixPath.empty())
        header.mount_point_offset = static_cast<USHORT>(sizeof(header));
    const BYTE* first = reinterpret_cast<const BYTE*>(&header);
    std::vector<BYTE> request(first, first + sizeof(header));
    if (!strUnixPath.empty())
        request.insert(request.end(), strUnixPath.c_str(), strUnixPath.c_str() + strUnixPath.size() + 1);
    if (request.size() > USHRT_MAX)
    {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    reinterpret_cast<mountmgr_unix_drive*>(request.data())->size = static_cast<ULONG>(request.size());

    const CFileHandle manager(CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    DWORD cbReturned = 0;
    return manager && DeviceIoControl(manager.get(), IOCTL_MOUNTMGR_DEFINE_UNIX_DRIVE, request.data(),
                                      static_cast<DWORD>(request.size()), nullptr, 0, &cbReturned, nullptr);
}
}

bool CWineMountMapper::Define(wchar_t chLetter, const CString& strFolder)
{
    const std::string strUnixPath = UnixPath(strFolder);
    return !strUnixPath.empty() && SendDriveRequest(chLetter, DRIVE_FIXED, strUnixPath);
}

bool CWineMountMapper::Remove(wchar_t chLetter)
{
    return SendDriveRequest(chLetter, DRIVE_NO_ROOT_DIR, std::string());
}
