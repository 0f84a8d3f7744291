#pragma once
// Files opened, created, replaced and removed only where their names say:
// never through a link. The program runs elevated and its data folder lies
// where a standard user may have planted names (a junction, a symbolic
// link, a host link under wine); nothing is read, written or deleted
// through one. Every file is opened by its name relative to its open folder
// (NoLinkFolder.h), as the name stands: a name leads where it says when its
// file is no reparse point and the handle's final path is the folder's own
// and the name; under wine a host link to a file is no reparse point, but
// its final path is the target's.
//
// Every function here fails with the thread's last error set:
// kErrorLeadsElsewhere for a name (or a folder on the way) that leads
// elsewhere, ERROR_BAD_FILE_TYPE for something that is no ordinary disk
// file (a device, a pipe), otherwise the failed call's own error.
#include "NoLinkFolder.h"

#include <initializer_list>

// ERROR_STOPPED_ON_SYMLINK, which mingw's headers do not have.
const DWORD kErrorLeadsElsewhere = 681;

// Whether an error says that nothing is at the name (or its folder).
bool IsNotFoundError(DWORD dwError);
// An existing ordinary disk file, opened to read; cbSize: its size then,
// the most that may be read from it. Empty on failure.
CFileHandle OpenFileToRead(const CFileInFolder& file, ULONGLONG& cbSize);
// A new file at a name where nothing is, opened to write and to be renamed
// or deleted (a name planted in the meantime is not followed either).
// Empty on failure.
CFileHandle CreateNewFile(const CFileInFolder& file);
// Removes the file at the name; true when no file is there afterwards. A
// link, or a folder, at the name is left as it is.
bool RemoveFile(const CFileInFolder& file);
// Deletes the open file hFile (opened to be deleted) when it is closed.
bool DeleteOpenFile(HANDLE hFile);

// A piece of what a file is written with.
struct CBytes
{
    const void* m_pData;
    size_t m_cbSize;
};
// Writes the pieces to the new file (CreateNewFile, in the target's
// folder), makes sure they reach the disk, gives the file the target's name
// by its handle and the folder's, and closes it, so that the target is
// either what it was or the whole new file; a link at the target's name is
// neither replaced nor followed. On failure the new file goes again, and
// the failed call's error is the thread's last error; a close that fails (a
// full disk, a lost share) is a failed write. Under wine, which renames by
// paths, the target is written where it stands instead.
bool WriteWholeInPlace(CFileHandle file, const CFileInFolder& target, std::initializer_list<CBytes> pieces);
