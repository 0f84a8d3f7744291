#include "NoLinkFile.h"
#include "FileQueries.h"

namespace
{
// The full path in the form GetFinalPathNameByHandleW gives; a share's
// "\\server\share" as "\\?\UNC\server\share".
CString FullPath(const CString& strPath)
{
    const CString strFull = GetFullPath(strPath);
    if (strFull.Left(4) == L"\\\\?\\")
        return strFull;
    return strFull.Left(2) == L"\\\\" ? L"\\\\?\\UNC\\" + strFull.Mid(2) : L"\\\\?\\" + strFull;
}

// Whether the open file is where its name says, and (bOrdinary) an ordinary
// disk file; false with the last error set when not.
bool IsWhereItSays(HANDLE hFile, const CString& strPath, bool bOrdinary)
{
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(hFile, &info))
        return false;
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
        GetFinalPathOf(hFile).CompareNoCase(FullPath(strPath)))
    {
        SetLastError(kErrorLeadsElsewhere);
        return false;
    }
    if (bOrdinary && (GetFileType(hFile) != FILE_TYPE_DISK || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)))
    {
        SetLastError(ERROR_BAD_FILE_TYPE);
        return false;
    }
    return true;
}

// The name opened as it stands: a reparse point is opened itself, not
// followed; a folder is not opened at all.
CFileHandle OpenAsItStands(const CString& strPath, DWORD dwAccess, DWORD dwDisposition)
{
    return CFileHandle(CreateFileW(strPath, dwAccess, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   dwDisposition, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
}

bool DeleteOpenFile(HANDLE hFile)
{
    FILE_DISPOSITION_INFO disposition = { TRUE };
    return SetFileInformationByHandle(hFile, FileDispositionInfo, &disposition, sizeof(disposition)) != FALSE;
}

}

bool IsNotFoundError(DWORD dwError)
{
    return dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND;
}

CFileHandle OpenFileToRead(const CString& strPath, ULONGLONG& cbSize)
{
    CFileHandle file(OpenAsItStands(strPath, GENERIC_READ, OPEN_EXISTING));
    LARGE_INTEGER size = {};
    if (!file || !IsWhereItSays(file.get(), strPath, true) || !GetFileSizeEx(file.get(), &size))
        return CFileHandle();
    cbSize = static_cast<ULONGLONG>(size.QuadPart);
    return file;
}

CFileHandle CreateNewFile(const CString& strPath)
{
    CFileHandle file(OpenAsItStands(strPath, GENERIC_WRITE | DELETE, CREATE_NEW));
    if (!file || IsWhereItSays(file.get(), strPath, true))
        return file;
    // Made through a link in a folder of the path: it goes again.
    const DWORD dwError = GetLastError();
    DeleteOpenFile(file.get());
    SetLastError(dwError);
    return CFileHandle();
}

bool RemoveFile(const CString& strPath)
{
    const CFileHandle file(OpenAsItStands(strPath, DELETE | FILE_READ_ATTRIBUTES, OPEN_EXISTING));
    if (!file)
        return IsNotFoundError(GetLastError());
    return IsWhereItSays(file.get(), strPath, false) && DeleteOpenFile(file.get());
}

bool ReplaceWithFile(const CString& strFrom, const CString& strTo)
{
    {
        const CFileHandle target(OpenAsItStands(strTo, FILE_READ_ATTRIBUTES, OPEN_EXISTING));
        if (!target && !IsNotFoundError(GetLastError()))
            return false;
        if (target && !IsWhereItSays(target.get(), strTo, false))
            return false;
    }
    return MoveFileExW(strFrom, strTo, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}
