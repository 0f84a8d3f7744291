#pragma once
// Files and folders opened by name relative to an open folder, with the
// system's own call: CreateFileW takes only whole paths.
#include <AfxHandle.h>
#include <AfxString.h>

#include <winternl.h>

// Opens strName in the folder hFolder (NULL: strName is a whole NT path,
// "\??\C:\..."), the name's own reparse point rather than what it leads to,
// for synchronous use. pCreateWith: the security of what FILE_CREATE or
// FILE_OPEN_IF makes; pbCreated: whether it was made. Empty on failure,
// with the status as the thread's last error.
CFileHandle OpenRelative(HANDLE hFolder, const CString& strName, ACCESS_MASK access, ULONG nShare, ULONG nDisposition,
                         ULONG nOptions, PSECURITY_DESCRIPTOR pCreateWith = nullptr, bool* pbCreated = nullptr);

// Whether the open file's final path is strExpected ("\\?\X:\...", as
// GetFinalPathNameByHandleW gives it, letter case aside) and it is no
// reparse point; false with kErrorLeadsElsewhere as the last error when not.
bool LeadsWhereItSays(HANDLE hFile, const CString& strExpected, BY_HANDLE_FILE_INFORMATION& info);

// strFolderFinal and strName joined by one backslash.
CString JoinedPath(const CString& strFolderFinal, const CString& strName);
