#include <DataFolderSecurity.h>

#include <gtest/gtest.h>

#include <sddl.h>

namespace
{
CLocalMemory<PSECURITY_DESCRIPTOR> Descriptor(LPCWSTR pszSddl)
{
    PSECURITY_DESCRIPTOR pDescriptor = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(pszSddl, SDDL_REVISION_1, &pDescriptor, nullptr);
    return CLocalMemory<PSECURITY_DESCRIPTOR>(pDescriptor);
}

const wchar_t kProgramDataInherited[] = L"D:AI(A;OICIID;FA;;;SY)(A;OICIID;FA;;;BA)(A;OICIIOID;GA;;;CO)"
                                        L"(A;OICIID;0x1200a9;;;BU)(A;CIID;DCLCRPCR;;;BU)";
}

TEST(DataFolderSecurity, OnlyAFolderTheTrustedOwnAndAloneMayChangeIsTrusted)
{
    const struct
    {
        CString sddl;
        EFolderTrust trust;
    } rows[] = {
        { L"O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)", EFolderTrust::Trusted },
        { L"O:SYD:P(A;;FA;;;SY)(A;;FR;;;WD)", EFolderTrust::Trusted },
        { L"O:S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464D:P(A;;FA;;;S-1-5-80-956008885-"
          L"3418522649-1831038044-1853292631-2271478464)",
          EFolderTrust::Trusted },
        // Denying, or granting to whoever creates (only the trusted can).
        { L"O:BAD:P(D;OICI;FA;;;BU)(A;OICI;FA;;;BA)(A;OICIIO;GA;;;CO)", EFolderTrust::Trusted },
        // What a folder made below ProgramData inherits: Users may add files.
        { CString(L"O:BA") + kProgramDataInherited, EFolderTrust::TooOpen },
        { L"O:BAD:P(A;;FA;;;BA)(A;;SD;;;BU)", EFolderTrust::TooOpen },
        { L"O:BAD:P(A;;FA;;;BA)(A;;WD;;;BU)", EFolderTrust::TooOpen },
        { L"O:BAD:P(A;;FA;;;BA)(A;;WO;;;AU)", EFolderTrust::TooOpen },
        { L"O:BAD:P(A;;FA;;;BA)(A;;GW;;;WD)", EFolderTrust::TooOpen },
        // For the files made in it only.
        { L"O:BAD:P(A;;FA;;;BA)(A;OIIO;FW;;;BU)", EFolderTrust::TooOpen },
        // No DACL at all: everyone may do anything.
        { L"O:BA", EFolderTrust::TooOpen },
        // Made by a standard user: not the program's to repair.
        { CString(L"O:S-1-5-21-1-2-3-1001") + kProgramDataInherited, EFolderTrust::Untrusted },
        { L"O:S-1-5-21-1-2-3-1001D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)", EFolderTrust::Untrusted },
        { L"O:BUD:P(A;OICI;FA;;;BA)", EFolderTrust::Untrusted },
    };
    for (const auto& row : rows)
    {
        const CLocalMemory<PSECURITY_DESCRIPTOR> descriptor = Descriptor(row.sddl);
        ASSERT_TRUE(descriptor) << row.sddl.GetString();
        CString finding;
        EXPECT_EQ(row.trust, JudgeFolderSecurity(descriptor.get(), finding)) << row.sddl.GetString();
        EXPECT_EQ(row.trust != EFolderTrust::Trusted, !finding.IsEmpty()) << row.sddl.GetString();
    }
}

// Under wine the folder's stored DACL reads back as wine's default: what
// the program asks for when it makes the folder is what can be shown here.
TEST(DataFolderSecurity, TheFolderIsMadeWithAProtectedDaclForTheAdministratorsAlone)
{
    const CLocalMemory<PSECURITY_DESCRIPTOR> descriptor = BuildDataFolderDescriptor();
    ASSERT_TRUE(descriptor);
    LPWSTR pszSddl = nullptr;
    ASSERT_TRUE(ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor.get(), SDDL_REVISION_1,
                                                                     DACL_SECURITY_INFORMATION, &pszSddl, nullptr));
    const CLocalMemory<LPWSTR> sddl(pszSddl);
    EXPECT_STREQ(L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)", pszSddl);
}
