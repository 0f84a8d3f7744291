#include "DriveMapper.h"
#include "DosDeviceMapper.h"
#include "WineMountMapper.h"

namespace
{
bool RunsUnderWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
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
    CFolderIdentity root;
    CFolderIdentity target;
    return AfxGetFolderIdentity(CString(letter) + L":\\", root) && AfxGetFolderIdentity(folder, target) &&
           root == target;
}

bool DriveIsFree(wchar_t letter)
{
    return (GetLogicalDrives() & (1u << (letter - L'A'))) == 0;
}
