#include "DataFolderSecurity.h"

#include <CauseReport.h>
#include <FileQueries.h>
#include <RunningSystem.h>

#include <aclapi.h>
#include <sddl.h>

namespace
{
// SYSTEM and Administrators full control, Users read and execute; for the
// folder, its subfolders and its files; nothing inherited from above.
const wchar_t kDataFolderSddl[] = L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)";
const wchar_t kTrustedInstallerSid[] = L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

// Rights that change the folder or what is in it.
const ACCESS_MASK kChangingRights = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_WRITE_EA | FILE_DELETE_CHILD |
                                    FILE_WRITE_ATTRIBUTES | DELETE | WRITE_DAC | WRITE_OWNER | GENERIC_WRITE |
                                    GENERIC_ALL | MAXIMUM_ALLOWED;

bool IsWellKnown(PSID pSid, WELL_KNOWN_SID_TYPE type)
{
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD cbSid = sizeof(sid);
    return CreateWellKnownSid(type, nullptr, sid, &cbSid) && EqualSid(pSid, sid);
}

bool IsTrustedInstaller(PSID pSid)
{
    PSID pTrustedInstaller = nullptr;
    if (!ConvertStringSidToSidW(kTrustedInstallerSid, &pTrustedInstaller))
        return false;
    const CLocalMemory<PSID> trustedInstaller(pTrustedInstaller);
    return EqualSid(pSid, pTrustedInstaller) != FALSE;
}

bool IsTrustedOwner(PSID pSid)
{
    return IsWellKnown(pSid, WinBuiltinAdministratorsSid) || IsWellKnown(pSid, WinLocalSystemSid) ||
           IsTrustedInstaller(pSid);
}

CString SidText(PSID pSid)
{
    LPWSTR pszSid = nullptr;
    if (!ConvertSidToStringSidW(pSid, &pszSid))
        return L"an unknown account";
    const CLocalMemory<LPWSTR> sid(pszSid);
    return pszSid;
}

// The SID an allowing ACE grants its rights to; NULL for other ACEs and for
// object ACEs, whose SID does not stand at the same place.
PSID AllowedSid(const ACE_HEADER* pAce)
{
    if (pAce->AceType != ACCESS_ALLOWED_ACE_TYPE && pAce->AceType != ACCESS_ALLOWED_CALLBACK_ACE_TYPE)
        return nullptr;
    return const_cast<DWORD*>(&reinterpret_cast<const ACCESS_ALLOWED_ACE*>(pAce)->SidStart);
}

bool IsAllowingAce(const ACE_HEADER* pAce)
{
    return pAce->AceType == ACCESS_ALLOWED_ACE_TYPE || pAce->AceType == ACCESS_ALLOWED_CALLBACK_ACE_TYPE ||
           pAce->AceType == ACCESS_ALLOWED_OBJECT_ACE_TYPE || pAce->AceType == ACCESS_ALLOWED_CALLBACK_OBJECT_ACE_TYPE;
}
}

CLocalMemory<PSECURITY_DESCRIPTOR> BuildDataFolderDescriptor()
{
    PSECURITY_DESCRIPTOR pDescriptor = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(kDataFolderSddl, SDDL_REVISION_1, &pDescriptor, nullptr);
    return CLocalMemory<PSECURITY_DESCRIPTOR>(pDescriptor);
}

EFolderTrust JudgeFolderSecurity(PSECURITY_DESCRIPTOR pDescriptor, CString& strFinding)
{
    PSID pOwner = nullptr;
    BOOL bDefaulted = FALSE;
    if (!GetSecurityDescriptorOwner(pDescriptor, &pOwner, &bDefaulted) || !pOwner)
    {
        strFinding = L"it has no owner";
        return EFolderTrust::Untrusted;
    }
    if (!IsTrustedOwner(pOwner))
    {
        strFinding = L"it is owned by " + SidText(pOwner);
        return EFolderTrust::Untrusted;
    }
    BOOL bPresent = FALSE;
    PACL pDacl = nullptr;
    if (!GetSecurityDescriptorDacl(pDescriptor, &bPresent, &pDacl, &bDefaulted) || !bPresent || !pDacl)
    {
        strFinding = L"it has no DACL: everyone may change it";
        return EFolderTrust::TooOpen;
    }
    for (DWORD nAce = 0; nAce < pDacl->AceCount; ++nAce)
    {
        void* pvAce = nullptr;
        if (!GetAce(pDacl, nAce, &pvAce))
            continue;
        const ACE_HEADER* pAce = static_cast<const ACE_HEADER*>(pvAce);
        if (!IsAllowingAce(pAce) || !(reinterpret_cast<const ACCESS_ALLOWED_ACE*>(pAce)->Mask & kChangingRights))
            continue;
        PSID pSid = AllowedSid(pAce);
        if (pSid && (IsTrustedOwner(pSid) || IsWellKnown(pSid, WinCreatorOwnerSid)))
            continue;
        strFinding = L"it lets " + (pSid ? SidText(pSid) : CString(L"an object ACE's account")) + L" change it";
        return EFolderTrust::TooOpen;
    }
    return EFolderTrust::Trusted;
}

namespace
{
// The first folder on the path (the drive's root left out) that is a
// link, or that is not there; empty when there is none.
CString FirstLinkOnPath(const CString& strFolder, DWORD& dwAttributes)
{
    for (int nEnd = strFolder.Find(L"\\", 3);; nEnd = strFolder.Find(L"\\", nEnd + 1))
    {
        const CString strPart = nEnd < 0 ? strFolder : strFolder.Left(nEnd);
        dwAttributes = GetFileAttributesW(strPart);
        if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            return strPart;
        if (nEnd < 0)
            return CString();
    }
}
}

bool SecureDataFolder(const CString& strFolder)
{
    DWORD dwAttributes = 0;
    const CString strLink = FirstLinkOnPath(strFolder, dwAttributes);
    if (!strLink.IsEmpty())
    {
        if (dwAttributes == INVALID_FILE_ATTRIBUTES)
            ReportCause(kProgramSource, strLink + L" cannot be checked; the first start does not run", GetLastError());
        else
            ReportCause(kProgramSource, strLink + L" is a link; the first start does not run");
        return false;
    }
    // Under wine (8) a file's security is not kept: a folder the program
    // made reads back as the user's, with the user and SYSTEM at full
    // control and Everyone reading. There the links decide alone, as the
    // mount manager does for Hdv.dll.
    if (RunsUnderWine())
        return true;
    PSECURITY_DESCRIPTOR pDescriptor = nullptr;
    const DWORD dwError =
        GetNamedSecurityInfoW(strFolder, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, nullptr, nullptr, &pDescriptor);
    const CLocalMemory<PSECURITY_DESCRIPTOR> descriptor(pDescriptor);
    if (dwError != ERROR_SUCCESS)
    {
        ReportCause(kProgramSource, strFolder + L": its security cannot be read; the first start does not run",
                    dwError);
        return false;
    }
    CString strFinding;
    const EFolderTrust trust = JudgeFolderSecurity(pDescriptor, strFinding);
    if (trust == EFolderTrust::Untrusted)
    {
        ReportCause(kProgramSource, strFolder + L": " + strFinding + L"; the first start does not run");
        return false;
    }
    if (trust == EFolderTrust::TooOpen)
    {
        const CLocalMemory<PSECURITY_DESCRIPTOR> ours = BuildDataFolderDescriptor();
        BOOL bPresent = FALSE;
        BOOL bDefaulted = FALSE;
        PACL pDacl = nullptr;
        const DWORD dwSet = ours && GetSecurityDescriptorDacl(ours.get(), &bPresent, &pDacl, &bDefaulted)
                                ? SetNamedSecurityInfoW(const_cast<LPWSTR>(strFolder.GetString()), SE_FILE_OBJECT,
                                                        DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                                        nullptr, nullptr, pDacl, nullptr)
                                : GetLastError();
        if (dwSet != ERROR_SUCCESS)
        {
            ReportCause(kProgramSource,
                        strFolder + L": " + strFinding +
                            L", and its DACL cannot be replaced; the first start does not run",
                        dwSet);
            return false;
        }
    }
    return true;
}
