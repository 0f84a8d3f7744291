#pragma once
// Security and kernel-object helpers shared by the instance guard and the
// administrator check. All callers run on the main thread.
#include <windows.h>

// Platform cache, filled once by LoadOsVersion and never cleared.
extern int g_bOsVersionLoaded;
extern DWORD g_dwPlatformId;

// Fills the platform cache if it is empty.
void LoadOsVersion();

// Whether the current process token holds S-1-5-32-dwRid enabled. TRUE when
// the test ran to the end (*pbMember then holds the answer), FALSE otherwise.
BOOL IsBuiltinGroupMember(DWORD dwRid, BOOL* pbMember);
// IsBuiltinGroupMember for the Administrators group.
BOOL IsAdministrator(BOOL* pbMember);

// Writes into pSD a descriptor whose DACL denies Everyone WRITE_DAC and
// WRITE_OWNER, then allows Everyone GENERIC_ALL. The DACL is heap memory the
// descriptor does not own: give it back with FreeSecurityDescriptorDacl.
void BuildOpenSecurityDescriptor(PSECURITY_DESCRIPTOR pSD);
void FreeSecurityDescriptorDacl(PSECURITY_DESCRIPTOR pSD);

// Create the named object with the open descriptor, or open it when it
// exists already; NULL when neither works. The handles are not inheritable.
HANDLE CreateOrOpenMutex(BOOL bInitialOwner, LPCWSTR pszName);
HANDLE CreateOrOpenEvent(bool bManualReset, bool bInitialState, LPCWSTR pszName);
