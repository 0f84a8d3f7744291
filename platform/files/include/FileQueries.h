#pragma once
// File-system queries shared by the program and its stand-ins.
#include <AfxString.h>

#include <tuple>

// The folder of a module's file (NULL: the executable), without the last
// backslash.
CString GetModuleFolder(HMODULE hModule);

// The full path as GetFullPathNameW gives it: the current folder put
// before a relative path, '/' as '\', "." and ".." resolved; the path as it
// is when it has none.
CString GetFullPath(const CString& path);

// What makes a folder the same however it is reached: its volume and its
// file index.
using CFolderIdentity = std::tuple<DWORD, DWORD, DWORD>;

// The folder's identity; false when it cannot be opened.
bool GetFolderIdentity(const CString& folder, CFolderIdentity& identity);

// Where a file or folder really is, every link on the way resolved, as a
// "\\?\" path with a drive letter; empty when it cannot be opened or has
// no such path.
CString GetFinalPath(const CString& path);
// The same for an open file or folder.
CString GetFinalPathOf(HANDLE hFile);

// The first drive letter from chFirst to Z that passes test; NUL when none does.
template <typename Test> wchar_t FindDriveLetter(wchar_t chFirst, Test test)
{
    for (wchar_t letter = chFirst; letter <= L'Z'; ++letter)
        if (test(letter))
            return letter;
    return L'\0';
}
