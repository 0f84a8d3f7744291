#include <SoftwareInfoCommandLine.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace
{
// Parses parameters as the framework hands them over: a leading '/' or '-'
// is removed and marks the parameter as a flag.
CSoftwareInfoCommandLine Parse(std::initializer_list<const wchar_t*> params)
{
    CSoftwareInfoCommandLine info;
    size_t i = 0;
    for (const wchar_t* param : params)
    {
        const bool bFlag = param[0] == L'/' || param[0] == L'-';
        info.ParseParam(bFlag ? param + 1 : param, bFlag, ++i == params.size());
    }
    return info;
}
}

TEST(CSoftwareInfoCommandLine, RecognisesTheSwitchesInAnyCaseWithEitherPrefix)
{
    for (const wchar_t* halt : { L"/halt", L"-halt", L"/HALT", L"-HaLt" })
    {
        CSoftwareInfoCommandLine info = Parse({ halt });
        EXPECT_TRUE(info.m_bHalt) << halt;
        EXPECT_FALSE(info.m_bHaltAll) << halt;
    }
    for (const wchar_t* haltAll : { L"/haltAll", L"-HALTALL", L"/haltall" })
    {
        CSoftwareInfoCommandLine info = Parse({ haltAll });
        EXPECT_FALSE(info.m_bHalt) << haltAll;
        EXPECT_TRUE(info.m_bHaltAll) << haltAll;
    }
}

TEST(CSoftwareInfoCommandLine, BareWordsAndNearMissesAreNotSwitches)
{
    for (const wchar_t* param : { L"halt", L"haltAll", L"/halts", L"/hal", L"//halt", L"/halt all" })
    {
        CSoftwareInfoCommandLine info = Parse({ param });
        EXPECT_FALSE(info.m_bHalt) << param;
        EXPECT_FALSE(info.m_bHaltAll) << param;
    }
}

TEST(CSoftwareInfoCommandLine, BothSwitchesAreRecordedAndParametersStillReachTheBase)
{
    CSoftwareInfoCommandLine info = Parse({ L"catalogue.ini", L"/haltAll", L"-halt" });
    EXPECT_TRUE(info.m_bHalt);
    EXPECT_TRUE(info.m_bHaltAll);
    EXPECT_STREQ(L"catalogue.ini", info.m_strFileName);
}
