#include <afxwin.h>

#include <gtest/gtest.h>

TEST(CCommandLineInfo, KeepsTheFirstParameterThatIsNotAFlag)
{
    CCommandLineInfo info;
    info.ParseParam(L"halt", TRUE, FALSE);
    info.ParseParam(L"first.txt", FALSE, FALSE);
    info.ParseParam(L"second.txt", FALSE, TRUE);
    EXPECT_STREQ(L"first.txt", info.m_strFileName);
}
