#include "InstanceProbe.h"
#include "InstanceTestSupport.h"
#include "SecurityUtilities.h"

#include <ProgramRunner.h>
#include <aclapi.h>
#include <gtest/gtest.h>

#include <vector>
#include <winternl.h>

namespace
{
// The access a handle was granted, as the system recorded it.
ACCESS_MASK GrantedAccess(HANDLE handle)
{
    PUBLIC_OBJECT_BASIC_INFORMATION info = {};
    ULONG cbInfo = 0;
    if (NtQueryObject(handle, ObjectBasicInformation, &info, sizeof(info), &cbInfo) != 0)
        return 0;
    return info.GrantedAccess;
}

// S-1-1-0, built independently of the code under test.
std::vector<BYTE> EveryoneSid()
{
    std::vector<BYTE> sid(SECURITY_MAX_SID_SIZE);
    DWORD cbSid = static_cast<DWORD>(sid.size());
    CreateWellKnownSid(WinWorldSid, nullptr, sid.data(), &cbSid);
    return sid;
}

// Checks the two entries of the open DACL. The allow entry carries
// GENERIC_ALL, or mappedAll when the system stored it mapped to the
// object's own full access.
void ExpectOpenDacl(PACL pAcl, ACCESS_MASK mappedAll)
{
    ASSERT_NE(pAcl, nullptr);
    ASSERT_EQ(pAcl->AceCount, 2);
    std::vector<BYTE> everyone = EveryoneSid();

    void* pAce = nullptr;
    ASSERT_TRUE(GetAce(pAcl, 0, &pAce));
    const ACCESS_DENIED_ACE* pDeny = static_cast<const ACCESS_DENIED_ACE*>(pAce);
    EXPECT_EQ(pDeny->Header.AceType, ACCESS_DENIED_ACE_TYPE);
    EXPECT_EQ(pDeny->Header.AceFlags, 0);
    EXPECT_EQ(pDeny->Mask, static_cast<ACCESS_MASK>(WRITE_DAC | WRITE_OWNER));
    EXPECT_TRUE(EqualSid(const_cast<DWORD*>(&pDeny->SidStart), everyone.data()));

    ASSERT_TRUE(GetAce(pAcl, 1, &pAce));
    const ACCESS_ALLOWED_ACE* pAllow = static_cast<const ACCESS_ALLOWED_ACE*>(pAce);
    EXPECT_EQ(pAllow->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
    EXPECT_EQ(pAllow->Header.AceFlags, 0);
    EXPECT_TRUE(pAllow->Mask == GENERIC_ALL || pAllow->Mask == mappedAll) << pAllow->Mask;
    EXPECT_TRUE(EqualSid(const_cast<DWORD*>(&pAllow->SidStart), everyone.data()));
}

// The DACL a kernel object carries, read back from the system.
void ExpectObjectHasOpenDacl(HANDLE hObject, ACCESS_MASK mappedAll)
{
    PACL pAcl = nullptr;
    PSECURITY_DESCRIPTOR pSD = nullptr;
    ASSERT_EQ(
        GetSecurityInfo(hObject, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &pAcl, nullptr, &pSD),
        static_cast<DWORD>(ERROR_SUCCESS));
    const CLocalMemory<PSECURITY_DESCRIPTOR> descriptor(pSD);
    ExpectOpenDacl(pAcl, mappedAll);
}

// A descriptor whose DACL allows Everyone only the given access.
class CNarrowDescriptor
{
public:
    explicit CNarrowDescriptor(ACCESS_MASK allowed) : m_everyone(EveryoneSid()), m_acl(256)
    {
        PACL pAcl = reinterpret_cast<PACL>(m_acl.data());
        InitializeAcl(pAcl, static_cast<DWORD>(m_acl.size()), ACL_REVISION);
        AddAccessAllowedAce(pAcl, ACL_REVISION, allowed, m_everyone.data());
        InitializeSecurityDescriptor(&m_descriptor, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&m_descriptor, TRUE, pAcl, FALSE);
        m_attributes.nLength = sizeof(m_attributes);
        m_attributes.lpSecurityDescriptor = &m_descriptor;
    }
    LPSECURITY_ATTRIBUTES Attributes() { return &m_attributes; }

private:
    std::vector<BYTE> m_everyone;
    std::vector<BYTE> m_acl;
    SECURITY_DESCRIPTOR m_descriptor = {};
    SECURITY_ATTRIBUTES m_attributes = {};
};

// Independent answer: is the Administrators group enabled in this token?
bool TokenIsAdministrator()
{
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD cbSid = sizeof(sid);
    BOOL bMember = FALSE;
    return CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, sid, &cbSid) &&
           CheckTokenMembership(nullptr, sid, &bMember) && bMember;
}

// Runs the probe's administrator test with the Administrators group of this
// process's token turned deny-only; the probe's exit code, or STILL_ACTIVE.
DWORD RunProbeWithoutAdministrators()
{
    const CKernelHandle token = CreateNonAdministratorToken();
    if (!token)
        return STILL_ACTIVE;
    return CProgramRunner(ProbePath(), L"admin", CString(), token.get()).WaitForExit(30000);
}

// A relative identifier no built-in group has.
const DWORD kMadeUpRid = 0x7ABC;
}

TEST(OpenSecurityDescriptor, DeniesSecurityChangesBeforeAllowingEverything)
{
    SECURITY_DESCRIPTOR sd = {};
    BuildOpenSecurityDescriptor(&sd);
    ASSERT_TRUE(IsValidSecurityDescriptor(&sd));

    BOOL bPresent = FALSE;
    BOOL bDefaulted = TRUE;
    PACL pAcl = nullptr;
    ASSERT_TRUE(GetSecurityDescriptorDacl(&sd, &bPresent, &pAcl, &bDefaulted));
    EXPECT_TRUE(bPresent);
    EXPECT_FALSE(bDefaulted);
    EXPECT_EQ(pAcl->AclRevision, ACL_REVISION);
    ExpectOpenDacl(pAcl, GENERIC_ALL);

    PSID pOwner = &sd;
    BOOL bOwnerDefaulted = FALSE;
    ASSERT_TRUE(GetSecurityDescriptorOwner(&sd, &pOwner, &bOwnerDefaulted));
    EXPECT_EQ(pOwner, nullptr);
    FreeSecurityDescriptorDacl(&sd);
}

TEST(OpenSecurityDescriptor, NullStorageIsLeftAlone)
{
    BuildOpenSecurityDescriptor(nullptr);
    FreeSecurityDescriptorDacl(nullptr);
}

TEST(CreateOrOpen, NewObjectsCarryTheOpenDacl)
{
    const std::wstring name = UniqueBaseName();
    CKernelHandle mutex(CreateOrOpenMutex(FALSE, (name + L"-Mutex").c_str()));
    ASSERT_TRUE(mutex);
    ExpectObjectHasOpenDacl(mutex.get(), MUTEX_ALL_ACCESS);

    CKernelHandle event(CreateOrOpenEvent(true, false, (name + L"-Event").c_str()));
    ASSERT_TRUE(event);
    ExpectObjectHasOpenDacl(event.get(), EVENT_ALL_ACCESS);
}

TEST(CreateOrOpen, RefusedMutexIsOpenedForSynchronizeOnly)
{
    const std::wstring name = UniqueBaseName();
    CNarrowDescriptor narrow(SYNCHRONIZE);
    CKernelHandle existing(CreateMutexW(narrow.Attributes(), FALSE, name.c_str()));
    ASSERT_TRUE(existing);

    CKernelHandle opened(CreateOrOpenMutex(FALSE, name.c_str()));
    ASSERT_TRUE(opened);
    // Windows then refuses ReleaseMutex; wine 8 does not check that right on
    // release, so the granted access itself is what is checked here.
    EXPECT_EQ(GrantedAccess(opened.get()), static_cast<ACCESS_MASK>(SYNCHRONIZE));
    EXPECT_EQ(WaitForSingleObject(opened.get(), 0), WAIT_OBJECT_0);
}

TEST(CreateOrOpen, RefusedEventIsOpenedToWaitAndSet)
{
    const std::wstring name = UniqueBaseName();
    CNarrowDescriptor narrow(SYNCHRONIZE | EVENT_MODIFY_STATE);
    CKernelHandle existing(CreateEventW(narrow.Attributes(), TRUE, FALSE, name.c_str()));
    ASSERT_TRUE(existing);

    CKernelHandle opened(CreateOrOpenEvent(true, false, name.c_str()));
    ASSERT_TRUE(opened);
    EXPECT_EQ(GrantedAccess(opened.get()), static_cast<ACCESS_MASK>(SYNCHRONIZE | EVENT_MODIFY_STATE));
    EXPECT_TRUE(SetEvent(opened.get()));
    EXPECT_EQ(WaitForSingleObject(existing.get(), 0), WAIT_OBJECT_0);
}

TEST(CreateOrOpen, NullWhenNeitherCreateNorOpenIsAllowed)
{
    const std::wstring name = UniqueBaseName();
    CNarrowDescriptor narrow(SYNCHRONIZE);
    CKernelHandle existing(CreateEventW(narrow.Attributes(), TRUE, FALSE, name.c_str()));
    ASSERT_TRUE(existing);
    EXPECT_EQ(CreateOrOpenEvent(true, false, name.c_str()), nullptr);
}

TEST(BuiltinGroupMembership, NullFlagGetsNoAnswer)
{
    EXPECT_FALSE(IsBuiltinGroupMember(DOMAIN_ALIAS_RID_ADMINS, nullptr));
    EXPECT_FALSE(IsAdministrator(nullptr));
}

TEST(BuiltinGroupMembership, GroupTheTokenLacksIsAnsweredNo)
{
    BOOL bMember = TRUE;
    EXPECT_TRUE(IsBuiltinGroupMember(kMadeUpRid, &bMember));
    EXPECT_FALSE(bMember);
}

TEST(BuiltinGroupMembership, AdministratorAnswerMatchesTheToken)
{
    BOOL bMember = !TokenIsAdministrator();
    EXPECT_TRUE(IsAdministrator(&bMember));
    EXPECT_EQ(bMember != FALSE, TokenIsAdministrator());
}

TEST(BuiltinGroupMembership, LeavesNoTokenHandleOpen)
{
    DWORD before = 0;
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &before));
    for (int i = 0; i < 20; ++i)
    {
        BOOL bMember = FALSE;
        IsAdministrator(&bMember);
        IsBuiltinGroupMember(kMadeUpRid, &bMember);
    }
    DWORD after = 0;
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &after));
    EXPECT_EQ(after, before);
}

TEST(BuiltinGroupMembership, OtherPlatformsGetNoAnswerAndKeepTheFlag)
{
    LoadOsVersion();
    const DWORD dwRealPlatform = g_dwPlatformId;
    g_dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
    BOOL bMember = TRUE;
    const BOOL bAnswered = IsAdministrator(&bMember);
    g_dwPlatformId = dwRealPlatform;
    EXPECT_FALSE(bAnswered);
    EXPECT_TRUE(bMember);
}

TEST(BuiltinGroupMembership, DenyOnlyAdministratorsGroupDoesNotCount)
{
    ASSERT_TRUE(TokenIsAdministrator()) << "needs a process running as administrator";
    EXPECT_EQ(CProgramRunner(ProbePath(), L"admin").WaitForExit(30000), static_cast<DWORD>(kProbeMember));
    EXPECT_EQ(RunProbeWithoutAdministrators(), static_cast<DWORD>(kProbeNotMember));
}
