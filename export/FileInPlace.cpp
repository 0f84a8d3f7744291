#include "FileInPlace.h"

#include <FileQueries.h>
#include <NoLinkFile.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <vector>

namespace
{
// Names for the new file that another writer in the folder may hold too: the
// next one is tried, up to this many.
const unsigned kAsideAttempts = 100;
// WriteFile takes at most a DWORD's worth at a time.
const size_t kWriteChunk = 1u << 24;

// The full path with the folder's long name (for 8.3 names, as in a TEMP
// folder): the name the link test compares with where the file really is,
// so that a folder named by its short name passes for what it is.
CString FullLongPath(const CString& strPath)
{
    const CString strFull = GetFullPath(strPath);
    const int nSlash = strFull.ReverseFind(L'\\');
    std::vector<wchar_t> buffer(MAX_PATH);
    DWORD nLength;
    while ((nLength = GetLongPathNameW(strFull.Left(nSlash + 1), buffer.data(), static_cast<DWORD>(buffer.size()))) >=
           buffer.size())
        buffer.resize(nLength);
    return nLength ? CString(buffer.data(), static_cast<int>(nLength)) + strFull.Mid(nSlash + 1) : strFull;
}

// A new file in the target's folder; its name in strAside.
CFileHandle CreateAside(const CString& strTarget, CString& strAside)
{
    const CString strFolder = strTarget.Left(strTarget.ReverseFind(L'\\') + 1);
    for (unsigned n = 0; n < kAsideAttempts; ++n)
    {
        wchar_t szName[64];
        swprintf(szName, std::size(szName), L"~SoftwareInfo-%lu-%u.tmp", GetCurrentProcessId(), n);
        strAside = strFolder + szName;
        CFileHandle file(CreateNewFile(strAside));
        if (file || (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS))
            return file;
    }
    return CFileHandle();
}

bool WriteAndClose(CFileHandle file, const std::string& strBytes)
{
    for (size_t nDone = 0; nDone < strBytes.size();)
    {
        const DWORD cbChunk = static_cast<DWORD>(std::min(kWriteChunk, strBytes.size() - nDone));
        DWORD cbWritten = 0;
        if (!WriteFile(file.get(), strBytes.data() + nDone, cbChunk, &cbWritten, nullptr))
            return false;
        if (cbWritten != cbChunk)
        {
            SetLastError(ERROR_HANDLE_DISK_FULL);
            return false;
        }
        nDone += cbWritten;
    }
    // A close that fails (a full disk, a lost share) is a failed write.
    return FlushFileBuffers(file.get()) && CloseHandle(file.release());
}
}

bool SaveFileInPlace(const CString& strPath, const std::string& strBytes)
{
    const CString strTarget = FullLongPath(strPath);
    CString strAside;
    CFileHandle file(CreateAside(strTarget, strAside));
    if (!file)
        return false;
    if (WriteAndClose(std::move(file), strBytes) && ReplaceWithFile(strAside, strTarget))
        return true;
    const DWORD dwError = GetLastError();
    RemoveFile(strAside);
    SetLastError(dwError);
    return false;
}
