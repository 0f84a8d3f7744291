// The application's profile in the registry: entries of the right type and
// size only, and never through a registry link.
#include <AfxBinding.h>
#include <TestApplication.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
class ProfileTest : public ::testing::Test
{
protected:
    CTestApplication m_app{ L"mfc_tests" };
};
}

TEST_F(ProfileTest, AnEntryIsAFourByteDwordAnythingElseGivesTheDefault)
{
    const DWORD dword = 42;
    const ULONGLONG qword = 42;
    const wchar_t text[] = L"42";
    const struct
    {
        const char* what;
        DWORD type;
        const void* data;
        DWORD size;
        UINT expected;
    } cases[] = {
        { "a DWORD", REG_DWORD, &dword, 4, 42 },
        { "a string", REG_SZ, text, sizeof(text), 7 },
        { "four bytes of binary", REG_BINARY, &dword, 4, 7 },
        { "a QWORD", REG_QWORD, &qword, 8, 7 },
        { "a DWORD of two bytes", REG_DWORD, &dword, 2, 7 },
        { "a DWORD of eight bytes", REG_DWORD, &qword, 8, 7 },
    };
    EXPECT_EQ(7u, m_app.GetProfileInt(L"Section", L"Entry", 7)) << "nothing kept";
    for (const auto& c : cases)
    {
        ASSERT_TRUE(m_app.Store(L"Section", L"Entry", c.type, c.data, c.size)) << c.what;
        EXPECT_EQ(c.expected, m_app.GetProfileInt(L"Section", L"Entry", 7)) << c.what;
    }
}

TEST_F(ProfileTest, WritesMakeTheKeysAndReadBackWithoutARegistryKeyNothingIsKept)
{
    EXPECT_TRUE(m_app.WriteProfileInt(L"Section", L"Entry", -5));
    EXPECT_EQ(static_cast<UINT>(-5), m_app.GetProfileInt(L"Section", L"Entry", 7));
    CWinApp keyless(L"mfc_tests");
    EXPECT_FALSE(keyless.WriteProfileInt(L"Section", L"Other", 1));
    EXPECT_EQ(7u, keyless.GetProfileInt(L"Section", L"Entry", 7));
}

namespace
{
const wchar_t kMachineTarget[] = L"Software\\SoftwareInfo Tests Target";

using NtDeleteKeyFn = LONG(WINAPI*)(HANDLE);

// The application's key made a registry link to a machine key, as a user
// may make any key of his own; removed again, the link itself, at the end.
class CLinkedApplicationKey
{
public:
    CLinkedApplicationKey()
    {
        HKEY hTarget = nullptr;
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, CString(kMachineTarget) + L"\\Section", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &hTarget, nullptr);
        const CRegKeyHandle target(hTarget);
        const DWORD value = 42;
        m_bTarget = target && RegSetValueExW(target.get(), L"Entry", 0, REG_DWORD,
                                             reinterpret_cast<const BYTE*>(&value), sizeof(value)) == ERROR_SUCCESS;
        HKEY hTests = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, kTestsProfileKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hTests, nullptr);
        const CRegKeyHandle tests(hTests);
        HKEY hLink = nullptr;
        if (tests)
            RegCreateKeyExW(tests.get(), L"mfc_tests", 0, nullptr, REG_OPTION_CREATE_LINK | REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS | KEY_CREATE_LINK, nullptr, &hLink, nullptr);
        m_link.reset(hLink);
        const std::wstring linkTarget = std::wstring(L"\\Registry\\Machine\\") + kMachineTarget;
        m_bLinked = m_link && RegSetValueExW(m_link.get(), L"SymbolicLinkValue", 0, REG_LINK,
                                             reinterpret_cast<const BYTE*>(linkTarget.data()),
                                             static_cast<DWORD>(linkTarget.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
    }
    ~CLinkedApplicationKey()
    {
        const auto deleteKey = BoundLoadedFunction<NtDeleteKeyFn>(L"ntdll.dll", "NtDeleteKey");
        if (m_link && deleteKey)
            deleteKey(m_link.get());
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kMachineTarget);
    }
    CLinkedApplicationKey(const CLinkedApplicationKey&) = delete;
    CLinkedApplicationKey& operator=(const CLinkedApplicationKey&) = delete;

    bool IsLinked() const { return m_bTarget && m_bLinked; }

private:
    CRegKeyHandle m_link;
    bool m_bTarget = false;
    bool m_bLinked = false;
};
}

TEST_F(ProfileTest, AKeyThatIsARegistryLinkIsNeitherReadNorWrittenThrough)
{
    const CLinkedApplicationKey link;
    ASSERT_TRUE(link.IsLinked());
    HKEY hThrough = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, m_app.SectionKey(L"Section"), 0, KEY_READ, &hThrough))
        << "the link leads to the machine key";
    const CRegKeyHandle through(hThrough);

    EXPECT_EQ(7u, m_app.GetProfileInt(L"Section", L"Entry", 7));
    EXPECT_FALSE(m_app.WriteProfileInt(L"Section", L"Other", 1));
    DWORD value = 0, size = sizeof(value);
    EXPECT_NE(ERROR_SUCCESS, RegGetValueW(HKEY_LOCAL_MACHINE, CString(kMachineTarget) + L"\\Section", L"Other",
                                          RRF_RT_REG_DWORD, nullptr, &value, &size));
}
