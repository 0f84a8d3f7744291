// Every case of the program's tests starts it as on a user's first start:
// without the place, size and sort an earlier case left it with.
#include <ProgramRunner.h>

#include <gtest/gtest.h>

namespace
{
class CForgetTheProgramsSettings : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo&) override { RegDeleteTreeW(HKEY_CURRENT_USER, kProgramSettingsKey); }
};

const bool g_bForgetsSettings =
    (::testing::UnitTest::GetInstance()->listeners().Append(new CForgetTheProgramsSettings), true);
}
