#include "TrustedFolders.h"

#include <CauseReport.h>
#include <NoLinkFile.h>
#include <RunningSystem.h>

#include <aclapi.h>
#include <algorithm>
#include <sddl.h>

namespace
{
// Owned by Administrators; SYSTEM and Administrators full control of the
// folder, its subfolders and its files, Users read and execute on the
// folder alone; nothing inherited from above. The package gives the
// folder above the same.
const wchar_t kDataFolderSddl[] = L"O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;;0x1200a9;;;BU)";
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

EFolderTrust JudgeSecurity(PSECURITY_DESCRIPTOR pDescriptor, ESecured what, CString& strFinding)
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
    if (what == ESecured::File)
        return EFolderTrust::Trusted;
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
        if (!IsAllowingAce(pAce))
            continue;
        PSID pSid = AllowedSid(pAce);
        if (pSid && (IsTrustedOwner(pSid) || IsWellKnown(pSid, WinCreatorOwnerSid)))
            continue;
        const CString strWho = pSid ? SidText(pSid) : CString(L"an object ACE's account");
        if (reinterpret_cast<const ACCESS_ALLOWED_ACE*>(pAce)->Mask & kChangingRights)
        {
            strFinding = L"it lets " + strWho + L" change it";
            return EFolderTrust::TooOpen;
        }
        if (what == ESecured::DataFolder && (pAce->AceFlags & OBJECT_INHERIT_ACE))
        {
            strFinding = L"it lets " + strWho + L" read what is made in it";
            return EFolderTrust::TooOpen;
        }
    }
    return EFolderTrust::Trusted;
}

EFolderTrust JudgeOpenObject(HANDLE hObject, ESecured what, CString& strFinding, DWORD& dwError)
{
    dwError = ERROR_SUCCESS;
    // Under wine (8) no file security is kept: whatever made an object, it
    // reads back as the user's, with the user and SYSTEM at full control
    // and Everyone reading. There links alone decide, as the mount manager
    // does for Hdv.dll.
    if (RunsUnderWine())
        return EFolderTrust::Trusted;
    // A volume that keeps no security (FAT) lets anyone change anything.
    DWORD dwFlags = 0;
    if (!GetVolumeInformationByHandleW(hObject, nullptr, 0, nullptr, nullptr, &dwFlags, nullptr, 0))
    {
        dwError = GetLastError();
        strFinding = L"its volume cannot be asked whether it keeps security";
        return EFolderTrust::Untrusted;
    }
    if (!(dwFlags & FILE_PERSISTENT_ACLS))
    {
        strFinding = L"its volume keeps no security: everyone may change it";
        return EFolderTrust::Unsecured;
    }
    PSECURITY_DESCRIPTOR pDescriptor = nullptr;
    dwError = GetSecurityInfo(hObject, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, nullptr, nullptr, &pDescriptor);
    const CLocalMemory<PSECURITY_DESCRIPTOR> descriptor(pDescriptor);
    if (dwError != ERROR_SUCCESS)
    {
        strFinding = L"its security cannot be read";
        return EFolderTrust::Untrusted;
    }
    return JudgeSecurity(pDescriptor, what, strFinding);
}

namespace
{
// The cause line of a folder that did not open: a link on its path, or
// the error that stopped the walk.
void ReportUnopened(const CNoLinkFolder& folder, const CString& strOutcome)
{
    if (folder.Error() == kErrorLeadsElsewhere)
        ReportCause(kProgramSource, folder.StoppedAt() + L" is a link; " + strOutcome);
    else
        ReportCause(kProgramSource, folder.StoppedAt() + L" cannot be opened; " + strOutcome, folder.Error());
}

void ReportFinding(const CString& strPath, const CString& strFinding, const CString& strOutcome, DWORD dwError)
{
    ReportCause(kProgramSource, strPath + L": " + strFinding + L"; " + strOutcome, dwError);
}
}

EFolderTrust JudgeFolder(const CNoLinkFolder& folder, ESecured what, const CString& strOutcome,
                         std::initializer_list<EFolderTrust> taken)
{
    if (!folder.IsOpen())
    {
        ReportUnopened(folder, strOutcome);
        return EFolderTrust::Untrusted;
    }
    CString strFinding;
    DWORD dwError = ERROR_SUCCESS;
    const EFolderTrust trust = JudgeOpenObject(folder.Handle(), what, strFinding, dwError);
    if (std::find(taken.begin(), taken.end(), trust) == taken.end())
        ReportFinding(folder.Path(), strFinding, strOutcome, dwError);
    return trust;
}

bool IsTrustedFolder(const CNoLinkFolder& folder, const CString& strOutcome)
{
    return JudgeFolder(folder, ESecured::Folder, strOutcome, { EFolderTrust::Trusted }) == EFolderTrust::Trusted;
}

bool IsTrustedFile(HANDLE hFile, const CString& strPath)
{
    CString strFinding;
    DWORD dwError = ERROR_SUCCESS;
    if (JudgeOpenObject(hFile, ESecured::File, strFinding, dwError) == EFolderTrust::Trusted)
        return true;
    ReportFinding(strPath, strFinding, L"it is not read", dwError);
    return false;
}

namespace
{
const wchar_t kUntrustedOutcome[] = L"the catalogue is not read";

CString ParentOf(const CString& strFolder)
{
    return strFolder.Left(strFolder.ReverseFind(L'\\'));
}
}

CDataFolder::CDataFolder(const CString& strFolder) : m_parent(ParentOf(strFolder))
{
    m_bTrusted = IsTrustedFolder(m_parent, kUntrustedOutcome) && Judge(strFolder.Mid(strFolder.ReverseFind(L'\\') + 1));
}

bool CDataFolder::Judge(const CString& strName)
{
    const CLocalMemory<PSECURITY_DESCRIPTOR> ours = BuildDataFolderDescriptor();
    if (!ours)
    {
        ReportCause(kProgramSource, L"the data folder's permissions cannot be built", GetLastError());
        return false;
    }
    // Opened to be mended if need be; a folder that does not let the
    // administrators change its DACL is judged all the same.
    m_pFolder = std::make_unique<CNoLinkFolder>(m_parent, strName, WRITE_DAC, ours.get());
    if (!m_pFolder->IsOpen() && m_pFolder->Error() == ERROR_ACCESS_DENIED)
        m_pFolder = std::make_unique<CNoLinkFolder>(m_parent, strName, 0, ours.get());
    const EFolderTrust trust = JudgeFolder(*m_pFolder, ESecured::DataFolder, kUntrustedOutcome,
                                           { EFolderTrust::Trusted, EFolderTrust::TooOpen });
    if (trust != EFolderTrust::TooOpen)
        return trust == EFolderTrust::Trusted;
    // By its handle: a folder put in its place meanwhile does not get it.
    // What is in it inherits the new DACL.
    BOOL bPresent = FALSE;
    BOOL bDefaulted = FALSE;
    PACL pDacl = nullptr;
    const DWORD dwSet = GetSecurityDescriptorDacl(ours.get(), &bPresent, &pDacl, &bDefaulted)
                            ? SetSecurityInfo(m_pFolder->Handle(), SE_FILE_OBJECT,
                                              DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                                              nullptr, pDacl, nullptr)
                            : GetLastError();
    if (dwSet == ERROR_SUCCESS)
        return true;
    ReportFinding(m_pFolder->Path(), L"it is too open, and its DACL cannot be replaced", kUntrustedOutcome, dwSet);
    return false;
}
