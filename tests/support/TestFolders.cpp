#include "TestFolders.h"

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
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return ParentOf(path);
}

CString DistFolder()
{
    return ParentOf(BinFolder()) + L"\\dist";
}

bool PathExists(const CString& path)
{
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFileBytes(const CString& path)
{
    std::string bytes;
    HANDLE hFile = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                               nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(hFile, chunk, sizeof(chunk), &read, nullptr) && read)
        bytes.append(chunk, read);
    CloseHandle(hFile);
    return bytes;
}

bool WriteFileBytes(const CString& path, const void* data, size_t size)
{
    HANDLE hFile = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(hFile, data, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(hFile);
    return ok && written == size;
}

bool CopyFileTo(const CString& from, const CString& to)
{
    return CopyFileW(from, to, FALSE) != FALSE;
}

bool CopyFolderFiles(const CString& from, const CString& to)
{
    WIN32_FIND_DATAW data;
    HANDLE hFind = FindFirstFileW(from + L"\\*", &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    bool copied = true;
    do
    {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            copied = CopyFileTo(from + L"\\" + data.cFileName, to + L"\\" + data.cFileName) && copied;
    } while (FindNextFileW(hFind, &data));
    FindClose(hFind);
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
    WIN32_FIND_DATAW data;
    HANDLE hFind = FindFirstFileW(folder + L"\\*", &data);
    if (hFind != INVALID_HANDLE_VALUE)
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
        } while (FindNextFileW(hFind, &data));
        FindClose(hFind);
    }
    RemoveDirectoryW(folder);
    return GetFileAttributesW(folder) == INVALID_FILE_ATTRIBUTES;
}
