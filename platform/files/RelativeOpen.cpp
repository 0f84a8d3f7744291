#include "RelativeOpen.h"
#include "FileQueries.h"
#include "NoLinkFile.h"

CFileHandle OpenRelative(HANDLE hFolder, const CString& strName, ACCESS_MASK access, ULONG nShare, ULONG nDisposition,
                         ULONG nOptions, PSECURITY_DESCRIPTOR pCreateWith, bool* pbCreated)
{
    UNICODE_STRING name;
    name.Buffer = const_cast<PWSTR>(strName.GetString());
    name.Length = static_cast<USHORT>(static_cast<size_t>(strName.GetLength()) * sizeof(wchar_t));
    name.MaximumLength = name.Length;
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &name, OBJ_CASE_INSENSITIVE, hFolder, pCreateWith);
    IO_STATUS_BLOCK status = {};
    HANDLE hFile = nullptr;
    const NTSTATUS nStatus =
        NtCreateFile(&hFile, access | SYNCHRONIZE, &attributes, &status, nullptr, FILE_ATTRIBUTE_NORMAL, nShare,
                     nDisposition, nOptions | FILE_OPEN_REPARSE_POINT | FILE_SYNCHRONOUS_IO_NONALERT, nullptr, 0);
    if (nStatus < 0)
    {
        SetLastError(RtlNtStatusToDosError(nStatus));
        return CFileHandle();
    }
    if (pbCreated)
        *pbCreated = status.Information == FILE_CREATED;
    return CFileHandle(hFile);
}

namespace
{
// Whether the object opened as it stands stands for another name: a
// junction, a mount point or a symbolic link. Other reparse points, such as
// the placeholders of a cloud-synchronised folder (OneDrive's Desktop and
// Documents), lead nowhere else and are used as folders and files; a tag
// that cannot be read counts as a link.
bool IsLink(HANDLE hFile, DWORD dwAttributes)
{
    if (!(dwAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    FILE_ATTRIBUTE_TAG_INFO tag = {};
    return !GetFileInformationByHandleEx(hFile, FileAttributeTagInfo, &tag, sizeof(tag)) ||
           IsReparseTagNameSurrogate(tag.ReparseTag);
}
}

bool LeadsWhereItSays(HANDLE hFile, const CString& strExpected, BY_HANDLE_FILE_INFORMATION& info)
{
    if (!GetFileInformationByHandle(hFile, &info))
        return false;
    // A link opened as it stands is a reparse point; wine follows a host
    // link whatever it is asked, and then only the final path shows where
    // it led.
    if (IsLink(hFile, info.dwFileAttributes) || GetFinalPathOf(hFile).CompareNoCase(strExpected))
    {
        SetLastError(kErrorLeadsElsewhere);
        return false;
    }
    return true;
}

CString JoinedPath(const CString& strFolderFinal, const CString& strName)
{
    const int nLength = strFolderFinal.GetLength();
    return nLength && strFolderFinal[nLength - 1] == L'\\' ? strFolderFinal + strName
                                                           : strFolderFinal + L"\\" + strName;
}
