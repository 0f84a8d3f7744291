#include "TestFolders.h"
#include "DialogDriver.h"

#include <FileQueries.h>

namespace
{
// The path without its last component. Paths here may be "\\?\" paths
// (the build tree outside any drive), where ".." is not resolved.
CString ParentOf(const CString& path)
{
    return path.Left(path.ReverseFind(L'\\'));
}
}

CString BinFolder()
{
    return GetModuleFolder(nullptr);
}

CString DistFolder()
{
    return ParentOf(BinFolder()) + L"\\dist";
}

CString DataFolder()
{
    return L"c:\\programdata\\Marbek Corporation\\Quenta Central";
}

bool PathExists(const CString& path)
{
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFileBytes(const CString& path)
{
    std::string bytes;
    const CFileHandle file(
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), chunk, sizeof(chunk), &read, nullptr) && read)
        bytes.append(chunk, read);
    return bytes;
}

bool WriteFileBytes(const CString& path, const void* data, size_t size)
{
    CFileHandle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file.get(), data, static_cast<DWORD>(size), &written, nullptr);
    return CloseHandle(file.release()) && ok && written == size;
}

bool CopyFileTo(const CString& from, const CString& to)
{
    return CopyFileW(from, to, FALSE) != FALSE;
}

bool CopyFolderFiles(const CString& from, const CString& to)
{
    WIN32_FIND_DATAW data;
    const CFindHandle find(FindFirstFileW(from + L"\\*", &data));
    if (!find)
        return false;
    bool copied = true;
    do
    {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            copied = CopyFileTo(from + L"\\" + data.cFileName, to + L"\\" + data.cFileName) && copied;
    } while (FindNextFileW(find.get(), &data));
    return copied;
}

CTempFolder::CTempFolder()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static LONG counter = 0;
    wchar_t name[64];
    wsprintfW(name, L"si-test-%lu-%ld", GetCurrentProcessId(), InterlockedIncrement(&counter));
    m_path = CString(temp) + name;
    RemoveTree(m_path);
    CreateDirectoryW(m_path, nullptr);
}

CTempFolder::~CTempFolder()
{
    RemoveTree(m_path);
}

bool RemoveTree(const CString& folder)
{
    // Wine tells which drive a path is on by the drive roots' inode numbers,
    // from a list each process reads again at most once a second. A folder
    // that was a drive's root until a moment ago, removed now, could leave
    // its inode to a folder made next, which would then pass for that
    // drive's root in this process (its files' final paths on that drive).
    // It goes once this process sees it at its own path.
    const CString ownPath = folder.Left(4) == L"\\\\?\\" ? folder : L"\\\\?\\" + folder;
    PumpMessagesUntil([&] {
        const CString finalPath = GetFinalPath(folder);
        return finalPath.IsEmpty() || finalPath.CompareNoCase(ownPath) == 0;
    });
    WIN32_FIND_DATAW data;
    if (const CFindHandle find{ FindFirstFileW(folder + L"\\*", &data) })
    {
        do
        {
            CString name(data.cFileName);
            if (name == L"." || name == L"..")
                continue;
            CString path = folder + L"\\" + name;
            const bool isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !isLink)
                RemoveTree(path);
            else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveDirectoryW(path);
            else
            {
                SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path);
            }
        } while (FindNextFileW(find.get(), &data));
    }
    RemoveDirectoryW(folder);
    return GetFileAttributesW(folder) == INVALID_FILE_ATTRIBUTES;
}
