#include <HostCommand.h>
#include <TestFolders.h>
#include <TrustedFolders.h>

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
const wchar_t kUser[] = L"S-1-5-21-1-2-3-1001";

const char* KindName(ESecured what)
{
    return what == ESecured::Folder ? "folder" : what == ESecured::DataFolder ? "data folder" : "file";
}
}

TEST(TrustedFolders, OnlyWhatTheTrustedOwnAndAloneMayChangeIsTrusted)
{
    const struct
    {
        ESecured what;
        CString sddl;
        EFolderTrust trust;
    } rows[] = {
        { ESecured::Folder, L"O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)", EFolderTrust::Trusted },
        { ESecured::Folder, L"O:SYD:P(A;;FA;;;SY)(A;;FR;;;WD)", EFolderTrust::Trusted },
        { ESecured::Folder,
          L"O:S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464D:P(A;;FA;;;S-1-5-80-956008885-"
          L"3418522649-1831038044-1853292631-2271478464)",
          EFolderTrust::Trusted },
        // Denying, or granting to whoever creates (only the trusted can).
        { ESecured::Folder, L"O:BAD:P(D;OICI;FA;;;BU)(A;OICI;FA;;;BA)(A;OICIIO;GA;;;CO)", EFolderTrust::Trusted },
        // What a folder made below ProgramData inherits: Users may add files.
        { ESecured::Folder, CString(L"O:BA") + kProgramDataInherited, EFolderTrust::TooOpen },
        { ESecured::Folder, L"O:BAD:P(A;;FA;;;BA)(A;;SD;;;BU)", EFolderTrust::TooOpen },
        { ESecured::Folder, L"O:BAD:P(A;;FA;;;BA)(A;;WD;;;BU)", EFolderTrust::TooOpen },
        { ESecured::Folder, L"O:BAD:P(A;;FA;;;BA)(A;;WO;;;AU)", EFolderTrust::TooOpen },
        { ESecured::Folder, L"O:BAD:P(A;;FA;;;BA)(A;;GW;;;WD)", EFolderTrust::TooOpen },
        // For the files made in it only.
        { ESecured::Folder, L"O:BAD:P(A;;FA;;;BA)(A;OIIO;FW;;;BU)", EFolderTrust::TooOpen },
        // No DACL at all: everyone may do anything.
        { ESecured::Folder, L"O:BA", EFolderTrust::TooOpen },
        // Made by a standard user, the data folder or the one above it: not
        // the program's to repair, whatever its DACL says now.
        { ESecured::Folder, CString(L"O:") + kUser + kProgramDataInherited, EFolderTrust::Untrusted },
        { ESecured::Folder, CString(L"O:") + kUser + L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)", EFolderTrust::Untrusted },
        { ESecured::Folder, L"O:BUD:P(A;OICI;FA;;;BA)", EFolderTrust::Untrusted },
        { ESecured::DataFolder, CString(L"O:") + kUser + L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)",
          EFolderTrust::Untrusted },
        // The data folder: reading the folder itself is all Users may.
        { ESecured::DataFolder, L"O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;;0x1200a9;;;BU)", EFolderTrust::Trusted },
        // What earlier versions gave it: Users read every file.
        { ESecured::DataFolder, L"O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)",
          EFolderTrust::TooOpen },
        { ESecured::DataFolder, L"O:SYD:P(A;OICI;FA;;;SY)(A;OI;FR;;;WD)", EFolderTrust::TooOpen },
        { ESecured::DataFolder, CString(L"O:BA") + kProgramDataInherited, EFolderTrust::TooOpen },
        // A file: its owner alone counts, its folder's DACL the rest.
        { ESecured::File, L"O:BAD:P(A;;FA;;;BA)", EFolderTrust::Trusted },
        { ESecured::File, L"O:SYD:(A;;FA;;;WD)", EFolderTrust::Trusted },
        { ESecured::File, CString(L"O:") + kUser + L"D:P(A;;FA;;;BA)", EFolderTrust::Untrusted },
        { ESecured::File, L"O:BUD:P(A;;FA;;;BA)", EFolderTrust::Untrusted },
        { ESecured::File, L"D:P(A;;FA;;;BA)", EFolderTrust::Untrusted },
    };
    for (const auto& row : rows)
    {
        const CLocalMemory<PSECURITY_DESCRIPTOR> descriptor = Descriptor(row.sddl);
        ASSERT_TRUE(descriptor) << row.sddl.GetString();
        CString finding;
        EXPECT_EQ(row.trust, JudgeSecurity(descriptor.get(), row.what, finding))
            << KindName(row.what) << " " << row.sddl.GetString();
        EXPECT_EQ(row.trust != EFolderTrust::Trusted, !finding.IsEmpty()) << row.sddl.GetString();
    }
}

// What the program gives the data folder (under wine, which keeps no
// security, this is all that can be shown of it) passes its own judgement.
TEST(TrustedFolders, TheDataFolderIsGivenWhatItIsJudgedBy)
{
    const CLocalMemory<PSECURITY_DESCRIPTOR> descriptor = BuildDataFolderDescriptor();
    ASSERT_TRUE(descriptor);
    CString finding;
    EXPECT_EQ(EFolderTrust::Trusted, JudgeSecurity(descriptor.get(), ESecured::DataFolder, finding))
        << finding.GetString();
}

// A data folder's place as a start may find it below its parent, the
// parent made first: what it holds (a backslash at the end: a folder), or a
// host link to a folder elsewhere. It is made in a trusted parent only, and
// used only where its name says.
TEST(TrustedFolders, TheDataFolderIsMadeInATrustedParentAndUsedOnlyWhereItsNameSays)
{
    const struct
    {
        const char* name;
        bool parent;
        LPCWSTR entry;
        bool linked;
        bool trusted;
    } places[] = {
        { "missing", true, L"", false, true },
        { "already there", true, L"\\", false, true },
        { "without its parent", false, L"", false, false },
        { "a file in the way", true, L"x", false, false },
        { "a link to another folder", true, L"", true, false },
    };
    for (const auto& place : places)
    {
        SCOPED_TRACE(place.name);
        CTempFolder base, elsewhere;
        const CString parent = base / L"Marbek Corporation";
        const CString data = parent + L"\\Quenta Central";
        ASSERT_TRUE(!place.parent || CreateDirectoryW(parent, nullptr));
        if (place.linked)
        {
            ASSERT_TRUE(MakeHostLink(data, elsewhere.Path()));
        }
        else if (*place.entry)
        {
            ASSERT_TRUE(place.entry[0] == L'\\' ? CreateDirectoryW(data, nullptr) != FALSE
                                                : WriteFileBytes(data, "x", 1));
        }
        ASSERT_TRUE(WriteFileBytes(elsewhere / L"apps.ini", "[A]\r\n", 5));

        const CDataFolder folder(data);

        EXPECT_EQ(place.trusted, folder.IsTrusted());
        EXPECT_TRUE(!place.trusted || folder.Folder().Path().CompareNoCase(data) == 0);
        EXPECT_EQ(place.parent, PathExists(parent)) << "no folder above it is made";
        EXPECT_TRUE(PathExists(elsewhere / L"apps.ini"));
    }
}
