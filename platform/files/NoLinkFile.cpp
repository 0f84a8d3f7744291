#include "NoLinkFile.h"
#include "RelativeOpen.h"
#include "RunningSystem.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

namespace
{
const ULONG kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The name opened as it stands in its open folder; never a folder, never
// a name with a folder of its own in it.
CFileHandle OpenInFolder(const CFileInFolder& file, ACCESS_MASK access, ULONG nDisposition)
{
    if (!file.Folder().IsOpen())
    {
        SetLastError(file.Folder().Error());
        return CFileHandle();
    }
    if (file.Name().IsEmpty() || file.Name().Find(L"\\") >= 0 || file.Name().Find(L"/") >= 0)
    {
        SetLastError(ERROR_INVALID_NAME);
        return CFileHandle();
    }
    return OpenRelative(file.Folder().Handle(), file.Name(), access | FILE_READ_ATTRIBUTES, kShareAll, nDisposition,
                        FILE_NON_DIRECTORY_FILE);
}

// Whether the open file is where its name says, and (bOrdinary) an ordinary
// disk file; false with the last error set when not.
bool IsWhereItSays(HANDLE hFile, const CFileInFolder& file, bool bOrdinary)
{
    BY_HANDLE_FILE_INFORMATION info;
    if (!LeadsWhereItSays(hFile, JoinedPath(file.Folder().FinalPath(), file.Name()), info))
        return false;
    if (bOrdinary && GetFileType(hFile) != FILE_TYPE_DISK)
    {
        SetLastError(ERROR_BAD_FILE_TYPE);
        return false;
    }
    return true;
}
}

bool IsNotFoundError(DWORD dwError)
{
    return dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND;
}

bool DeleteOpenFile(HANDLE hFile)
{
    FILE_DISPOSITION_INFO disposition = { TRUE };
    return SetFileInformationByHandle(hFile, FileDispositionInfo, &disposition, sizeof(disposition)) != FALSE;
}

CFileHandle OpenFileToRead(const CFileInFolder& file, ULONGLONG& cbSize)
{
    CFileHandle opened(OpenInFolder(file, GENERIC_READ, FILE_OPEN));
    LARGE_INTEGER size = {};
    if (!opened || !IsWhereItSays(opened.get(), file, true) || !GetFileSizeEx(opened.get(), &size))
        return CFileHandle();
    cbSize = static_cast<ULONGLONG>(size.QuadPart);
    return opened;
}

CFileHandle CreateNewFile(const CFileInFolder& file)
{
    CFileHandle created(OpenInFolder(file, GENERIC_WRITE | DELETE, FILE_CREATE));
    if (!created || IsWhereItSays(created.get(), file, true))
        return created;
    // Made through a link: it goes again.
    const DWORD dwError = GetLastError();
    DeleteOpenFile(created.get());
    SetLastError(dwError);
    return CFileHandle();
}

bool RemoveFile(const CFileInFolder& file)
{
    const CFileHandle opened(OpenInFolder(file, DELETE, FILE_OPEN));
    if (!opened)
        return IsNotFoundError(GetLastError());
    return IsWhereItSays(opened.get(), file, false) && DeleteOpenFile(opened.get());
}

namespace
{
// WriteFile takes at most a DWORD's worth at a time.
const size_t kWriteChunk = 1u << 24;

// Gives the open file hFile, made in the target's folder, the target's
// name there, replacing the file of that name; a link there is neither
// replaced nor followed.
bool RenameOpenFile(HANDLE hFile, const CFileInFolder& target)
{
    {
        const CFileHandle existing(OpenInFolder(target, 0, FILE_OPEN));
        if (!existing && !IsNotFoundError(GetLastError()))
            return false;
        if (existing && !IsWhereItSays(existing.get(), target, false))
            return false;
    }
    // By the file's handle and the folder's, never by a path looked up
    // again. (SetFileInformationByHandle would do, but wine 8's makes the
    // new name a whole DOS path and then refuses it beside a root folder.)
    const size_t cbName = static_cast<size_t>(target.Name().GetLength()) * sizeof(wchar_t);
    std::vector<BYTE> buffer(offsetof(FILE_RENAME_INFORMATION, FileName) + cbName + sizeof(wchar_t));
    FILE_RENAME_INFORMATION* pRename = reinterpret_cast<FILE_RENAME_INFORMATION*>(buffer.data());
    pRename->ReplaceIfExists = TRUE;
    pRename->RootDirectory = target.Folder().Handle();
    pRename->FileNameLength = static_cast<ULONG>(cbName);
    memcpy(pRename->FileName, target.Name().GetString(), cbName);
    IO_STATUS_BLOCK status = {};
    const NTSTATUS nStatus =
        NtSetInformationFile(hFile, &status, pRename, static_cast<ULONG>(buffer.size()), FileRenameInformation);
    if (nStatus < 0)
    {
        SetLastError(RtlNtStatusToDosError(nStatus));
        return false;
    }
    return true;
}

bool WriteAll(HANDLE hFile, const CBytes& piece)
{
    const BYTE* pData = static_cast<const BYTE*>(piece.m_pData);
    for (size_t nDone = 0; nDone < piece.m_cbSize;)
    {
        const DWORD cbChunk = static_cast<DWORD>(std::min(kWriteChunk, piece.m_cbSize - nDone));
        DWORD cbWritten = 0;
        if (!WriteFile(hFile, pData + nDone, cbChunk, &cbWritten, nullptr))
            return false;
        if (cbWritten != cbChunk)
        {
            SetLastError(ERROR_HANDLE_DISK_FULL);
            return false;
        }
        nDone += cbWritten;
    }
    return true;
}

bool WritePieces(HANDLE hFile, std::initializer_list<CBytes> pieces)
{
    bool bWritten = true;
    for (const CBytes& piece : pieces)
        bWritten = bWritten && WriteAll(hFile, piece);
    return bWritten && FlushFileBuffers(hFile);
}

// The target written where it stands: opened by its folder's handle, as it
// stands, and emptied only once it is known to be where its name says.
bool WriteWhereItStands(const CFileInFolder& target, std::initializer_list<CBytes> pieces)
{
    CFileHandle file(OpenInFolder(target, GENERIC_WRITE, FILE_OPEN_IF));
    const LARGE_INTEGER start = {};
    return file && IsWhereItSays(file.get(), target, true) &&
           SetFilePointerEx(file.get(), start, nullptr, FILE_BEGIN) && SetEndOfFile(file.get()) &&
           WritePieces(file.get(), pieces) && CloseHandle(file.release());
}
}

bool WriteWholeInPlace(CFileHandle file, const CFileInFolder& target, std::initializer_list<CBytes> pieces)
{
    // Wine 8 renames by paths: its server renames the path the file was
    // opened by to the path its folder was opened by and the new name, both
    // looked up again as the host sees them then, so a folder exchanged for
    // a link meanwhile would take the rename to the link's other side.
    // There the target is written where it stands, opened by the folder's
    // handle (which wine does by the folder's own descriptor): whole, unless
    // the write is cut short.
    if (RunsUnderWine())
    {
        DeleteOpenFile(file.get());
        file.reset();
        return WriteWhereItStands(target, pieces);
    }
    if (WritePieces(file.get(), pieces) && RenameOpenFile(file.get(), target))
        return CloseHandle(file.release()) != FALSE;
    const DWORD dwError = GetLastError();
    DeleteOpenFile(file.get());
    SetLastError(dwError);
    return false;
}
