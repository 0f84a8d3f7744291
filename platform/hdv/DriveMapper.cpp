#include "DriveMapper.h"
#include "DosDeviceMapper.h"
#include "WineMountMapper.h"

#include <FileQueries.h>
#include <RunningSystem.h>

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
    return GetFolderIdentity(CString(chLetter) + L":\\", root) && GetFolderIdentity(strFolder, target) &&
           root == target;
}

bool DriveSettlesOn(wchar_t chLetter, const CString& strFolder)
{
    // Under wine, which drive a folder is taken to be on (and with it its
    // volume serial number) can come from a list of drive roots that each
    // process reads again at most once a second: for up to a second after a
    // letter comes or goes, a drive's root and the folder it leads to have
    // been seen to answer as different folders.
    const DWORD dwSettleTime = 2000;
    const DWORD dwStart = GetTickCount();
    while (!DriveLeadsTo(chLetter, strFolder))
    {
        if (GetTickCount() - dwStart >= dwSettleTime)
            return false;
        Sleep(50);
    }
    return true;
}

bool DriveIsFree(wchar_t chLetter)
{
    return (GetLogicalDrives() & (1u << (chLetter - L'A'))) == 0;
}
