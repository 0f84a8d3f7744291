#pragma once
// Who may change the data folder. The program runs elevated, and below
// ProgramData every standard user may create files and folders by default:
// a folder, or a name in it, prepared by one of them would steer the first
// start's deletes and writes. The data folder is the administrators' alone.
#include <AfxHandle.h>
#include <afxwin.h>

// The descriptor the program gives the data folder when it creates it: a
// protected DACL, inherited by everything made in it, with full control for
// SYSTEM and Administrators and read and execute for Users. Empty when it
// cannot be built.
CLocalMemory<PSECURITY_DESCRIPTOR> BuildDataFolderDescriptor();

enum class EFolderTrust
{
    // Only the trusted own it and may change it.
    Trusted,
    // Owned by the trusted, but others may change it: its DACL is to be
    // replaced (the inherited one a folder that earlier versions made has).
    TooOpen,
    // Owned by someone else.
    Untrusted,
};

// The judgement on a folder's owner and DACL. Trusted are Administrators,
// SYSTEM and TrustedInstaller (CREATOR OWNER too, in an ACE: only the
// trusted can create anything there); no other SID may be granted write,
// delete, change-permissions or take-ownership rights, also for what is
// made in the folder. strFinding: what decided it, when not trusted.
EFolderTrust JudgeFolderSecurity(PSECURITY_DESCRIPTOR pDescriptor, CString& strFinding);

// Checks the data folder before the first start changes anything in it:
// no component of its path may be a link, and where the system keeps it
// (not under wine), its security must be trusted; a folder too open is
// given the program's DACL. False, after a cause line saying what was found
// and where, when the first start must not run.
bool SecureDataFolder(const CString& strFolder);
