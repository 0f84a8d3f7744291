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

bool DriveLeadsTo(wchar_t chLetter, const CString& strFolder)
{
    CFolderIdentity root;
    CFolderIdentity target;
    return AfxGetFolderIdentity(CString(chLetter) + L":\\", root) && AfxGetFolderIdentity(strFolder, target) &&
           root == target;
}

bool DriveIsFree(wchar_t chLetter)
{
    return (GetLogicalDrives() & (1u << (chLetter - L'A'))) == 0;
}
