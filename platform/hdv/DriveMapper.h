#pragma once
// Maps a folder to a drive letter in the way the running system supports.
#include <afxwin.h>

class IDriveMapper
{
public:
    virtual ~IDriveMapper() = default;
    // chLetter: upper case, A to Z. True when the system took the request;
    // when it did not, the refusal's error is the thread's last error.
    virtual bool Define(wchar_t chLetter, const CString& strFolder) = 0;
    virtual bool Remove(wchar_t chLetter) = 0;
};

// The mapper for this system, chosen once: wine's mount manager under wine,
// DOS device names on Windows.
IDriveMapper& SystemDriveMapper();

// True when the letter's root is the folder itself (same file identity).
bool DriveLeadsTo(wchar_t chLetter, const CString& strFolder);
// The same for a letter just defined or about to be removed: asked again
// for up to two seconds while the answer is no.
bool DriveSettlesOn(wchar_t chLetter, const CString& strFolder);
// True when the letter names no drive.
bool DriveIsFree(wchar_t chLetter);
