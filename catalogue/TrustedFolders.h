#pragma once
// Which folders and files the program takes code or data from. It runs
// elevated, and below ProgramData, on a drive a user made, or in a copy of
// the program's own folder, a standard user may own the folder or may
// change what is in it: his files would steer an administrator's program.
// So every such folder is opened without a link on its path
// (NoLinkFolder.h) and judged by its handle each time it is used: it must
// be owned by Administrators, SYSTEM or TrustedInstaller, and no one else
// may change it.
#include <NoLinkFolder.h>

#include <initializer_list>
#include <memory>

// The descriptor the program gives the data folder when it makes or mends
// it: owned by Administrators, with a protected DACL that gives SYSTEM and
// Administrators full control of it and of everything made in it, and
// Users the reading of the folder itself only, not of its files (a user
// holding one open could hold the program up). Empty when it cannot be
// built.
CLocalMemory<PSECURITY_DESCRIPTOR> BuildDataFolderDescriptor();

// What an object is to the program, which decides what others must not do
// with it.
enum class ESecured
{
    // A folder the program takes code or data from: no one else may
    // change it or what is made in it.
    Folder,
    // The data folder: besides, no one else may read what is made in it.
    DataFolder,
    // A file read from a trusted folder: its owner must be trusted, since
    // its folder's judgement decides who else may change it.
    File,
};

enum class EFolderTrust
{
    // Only the trusted own it and may change it.
    Trusted,
    // Owned by the trusted, but others may change it (or read what is made
    // in the data folder): its DACL is to be replaced (the inherited one a
    // folder that earlier versions made has).
    TooOpen,
    // Owned by someone else.
    Untrusted,
    // On a volume that keeps no security (FAT): anyone may change it.
    Unsecured,
};

// The judgement on an object's owner and DACL. Trusted are Administrators,
// SYSTEM and TrustedInstaller (CREATOR OWNER too, in an ACE: only the
// trusted can create anything there); no other SID may be granted write,
// delete, change-permissions or take-ownership rights, also for what is
// made in the folder. strFinding: what decided it, when not trusted.
EFolderTrust JudgeSecurity(PSECURITY_DESCRIPTOR pDescriptor, ESecured what, CString& strFinding);

// The same for an open object, its security read by the handle. Where the
// system keeps no file security it is Trusted: there links alone decide.
// dwError: the error of the call that failed, with strFinding saying so.
EFolderTrust JudgeOpenObject(HANDLE hObject, ESecured what, CString& strFinding, DWORD& dwError);

// The judgement of a folder (JudgeOpenObject); Untrusted when it did not
// open (a link on its path, say). A cause line saying what was found and
// where, and what does not happen therefore (strOutcome), unless the
// judgement is one of those taken.
EFolderTrust JudgeFolder(const CNoLinkFolder& folder, ESecured what, const CString& strOutcome,
                         std::initializer_list<EFolderTrust> taken);

// Whether the open folder may give the program code or data: it was opened
// without a link on its path, and is trusted (ESecured::Folder). Otherwise
// a cause line saying what was found and where, and what does not happen
// therefore (strOutcome).
bool IsTrustedFolder(const CNoLinkFolder& folder, const CString& strOutcome);

// Whether the open file of a trusted folder may be read: its owner is
// trusted. Otherwise a cause line saying who owns it.
bool IsTrustedFile(HANDLE hFile, const CString& strPath);

// The data folder, opened to be used for as long as the object lives: its
// parent opened and judged (ESecured::Folder), the folder made in it when
// missing (BuildDataFolderDescriptor), opened and judged
// (ESecured::DataFolder). A folder owned by the trusted that is too open
// gets the program's DACL by its handle, and with it everything in it.
// Anything else: not trusted, after a cause line saying what was found and
// where.
class CDataFolder
{
public:
    explicit CDataFolder(const CString& strFolder);
    CDataFolder(const CDataFolder&) = delete;
    CDataFolder& operator=(const CDataFolder&) = delete;

    bool IsTrusted() const { return m_bTrusted; }
    // Open when trusted.
    const CNoLinkFolder& Folder() const { return *m_pFolder; }

private:
    bool Judge(const CString& strName);

    CNoLinkFolder m_parent;
    std::unique_ptr<CNoLinkFolder> m_pFolder;
    bool m_bTrusted = false;
};
