#include "SecurityUtilities.h"

#include <AfxHandle.h>

int g_bOsVersionLoaded = 0;
DWORD g_dwPlatformId = 0;

void LoadOsVersion()
{
    if (g_bOsVersionLoaded)
        return;
    // A failed query leaves the record zero: the platform then counts as unknown.
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    GetVersionExW(&info);
    g_dwPlatformId = info.dwPlatformId;
    g_bOsVersionLoaded = 1;
}

namespace
{
// Sets *pbMember when S-1-5-32-dwRid is among the token's groups, counting
// it only when enabled (a deny-only or disabled group does not count). True
// when the groups could be read and compared, whatever the answer.
bool QueryEnabledBuiltinGroup(HANDLE hToken, DWORD dwRid, BOOL* pbMember)
{
    DWORD cbGroups = 0;
    if (GetTokenInformation(hToken, TokenGroups, nullptr, 0, &cbGroups) || GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return false;
    // A fixed block: the handle is the pointer.
    const CGlobalHandle groups(GlobalAlloc(GMEM_ZEROINIT, cbGroups));
    if (!groups)
        return false;
    PTOKEN_GROUPS pGroups = static_cast<PTOKEN_GROUPS>(groups.get());
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID pGroupSid = nullptr;
    if (!GetTokenInformation(hToken, TokenGroups, pGroups, cbGroups, &cbGroups) ||
        !AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, dwRid, 0, 0, 0, 0, 0, 0, &pGroupSid))
        return false;
    const CSidHandle groupSid(pGroupSid);
    for (DWORD i = 0; i < pGroups->GroupCount; ++i)
    {
        const SID_AND_ATTRIBUTES& group = pGroups->Groups[i];
        if (EqualSid(group.Sid, pGroupSid) && (group.Attributes & SE_GROUP_ENABLED))
        {
            *pbMember = TRUE;
            break;
        }
    }
    return true;
}
}

BOOL IsBuiltinGroupMember(DWORD dwRid, BOOL* pbMember)
{
    if (pbMember == nullptr)
        return FALSE;
    LoadOsVersion();
    if (g_dwPlatformId != VER_PLATFORM_WIN32_NT)
        return FALSE;
    *pbMember = FALSE;
    HANDLE hToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &hToken))
        return FALSE;
    const CKernelHandle token(hToken);
    return QueryEnabledBuiltinGroup(hToken, dwRid, pbMember) ? TRUE : FALSE;
}

BOOL IsAdministrator(BOOL* pbMember)
{
    return IsBuiltinGroupMember(DOMAIN_ALIAS_RID_ADMINS, pbMember);
}

void BuildOpenSecurityDescriptor(PSECURITY_DESCRIPTOR pSD)
{
    if (pSD == nullptr)
        return;
    SID_IDENTIFIER_AUTHORITY worldAuthority = SECURITY_WORLD_SID_AUTHORITY;
    PSID pEveryone = nullptr;
    if (!AllocateAndInitializeSid(&worldAuthority, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &pEveryone))
        return;
    const CSidHandle everyone(pEveryone);
    // Header and both entries, with room to spare.
    const DWORD cbAcl = 2 * GetLengthSid(pEveryone) + 32;
    CLocalMemory<PACL> acl(static_cast<PACL>(LocalAlloc(LPTR, cbAcl)));
    // The deny entry must come first, or the allow entry would grant everything.
    if (acl && InitializeAcl(acl.get(), cbAcl, ACL_REVISION) &&
        AddAccessDeniedAce(acl.get(), ACL_REVISION, WRITE_DAC | WRITE_OWNER, pEveryone) &&
        AddAccessAllowedAce(acl.get(), ACL_REVISION, GENERIC_ALL, pEveryone) &&
        InitializeSecurityDescriptor(pSD, SECURITY_DESCRIPTOR_REVISION) &&
        SetSecurityDescriptorDacl(pSD, TRUE, acl.get(), FALSE))
        acl.release();
}

void FreeSecurityDescriptorDacl(PSECURITY_DESCRIPTOR pSD)
{
    if (pSD == nullptr)
        return;
    BOOL bPresent = FALSE;
    BOOL bDefaulted = FALSE;
    PACL pAcl = nullptr;
    if (GetSecurityDescriptorDacl(pSD, &bPresent, &pAcl, &bDefaulted) && bPresent && !bDefaulted && pAcl != nullptr)
        LocalFree(pAcl);
}

namespace
{
// The open descriptor's DACL goes back when the owner goes.
using COpenDescriptor = COwnedHandle<PSECURITY_DESCRIPTOR, &FreeSecurityDescriptorDacl>;

// Builds the open descriptor in descriptor. When it could not even be
// initialised, the owner is empty and the object gets default security: an
// uninitialised descriptor must reach neither the system nor
// FreeSecurityDescriptorDacl.
COpenDescriptor BuildOpenDescriptor(SECURITY_DESCRIPTOR& descriptor)
{
    BuildOpenSecurityDescriptor(&descriptor);
    return COpenDescriptor(descriptor.Revision == SECURITY_DESCRIPTOR_REVISION ? &descriptor : nullptr);
}
}

HANDLE CreateOrOpenMutex(BOOL bInitialOwner, LPCWSTR pszName)
{
    SECURITY_DESCRIPTOR descriptor = {};
    const COpenDescriptor open = BuildOpenDescriptor(descriptor);
    SECURITY_ATTRIBUTES security = { sizeof(security), open.get(), FALSE };
    // An existing mutex is opened by the create call itself.
    HANDLE hMutex = CreateMutexW(&security, bInitialOwner, pszName);
    if (hMutex == nullptr)
        hMutex = OpenMutexW(SYNCHRONIZE, FALSE, pszName);
    return hMutex;
}

HANDLE CreateOrOpenEvent(bool bManualReset, bool bInitialState, LPCWSTR pszName)
{
    SECURITY_DESCRIPTOR descriptor = {};
    const COpenDescriptor open = BuildOpenDescriptor(descriptor);
    SECURITY_ATTRIBUTES security = { sizeof(security), open.get(), FALSE };
    // An existing event is opened and keeps its creator's reset mode and state.
    HANDLE hEvent = CreateEventW(&security, bManualReset, bInitialState, pszName);
    if (hEvent == nullptr)
        hEvent = OpenEventW(SYNCHRONIZE | EVENT_MODIFY_STATE, FALSE, pszName);
    return hEvent;
}
