// The instance objects rely on the system's namespaces: unprefixed names in
// the session's namespace, "Global\" names machine-wide.
#include "InstanceTestSupport.h"

#include <gtest/gtest.h>

namespace
{
bool MutexVisibleAs(const std::wstring& name)
{
    CKernelHandle mutex(OpenMutexW(SYNCHRONIZE, FALSE, name.c_str()));
    return static_cast<bool>(mutex);
}
}

TEST(ObjectNamespace, UnprefixedNameLivesInTheSessionNamespace)
{
    const std::wstring name = UniqueBaseName();
    CKernelHandle mutex(CreateMutexW(nullptr, FALSE, name.c_str()));
    ASSERT_TRUE(mutex);
    EXPECT_TRUE(MutexVisibleAs(L"Local\\" + name));
    EXPECT_FALSE(MutexVisibleAs(L"Global\\" + name));
}

TEST(ObjectNamespace, GlobalNameIsNotSeenWithoutItsPrefix)
{
    const std::wstring name = UniqueBaseName();
    CKernelHandle mutex(CreateMutexW(nullptr, FALSE, (L"Global\\" + name).c_str()));
    ASSERT_TRUE(mutex);
    EXPECT_TRUE(MutexVisibleAs(L"Global\\" + name));
    EXPECT_FALSE(MutexVisibleAs(name));
    EXPECT_FALSE(MutexVisibleAs(L"Local\\" + name));
}
