#include "RunningProgramTest.h"

namespace
{
const DWORD kWindowTimeout = 20000;
const DWORD kExitTimeout = 10000;
}

void RunningProgramTest::StartProgram(const CString& exePath, LPCWSTR caption, const CString& folder)
{
    m_first.reset(new CProgramRunner(exePath, CString(), folder));
    m_hFirst = m_first->WaitForWindow(caption, kWindowTimeout);
    ASSERT_NE(nullptr, m_hFirst);
}

void RunningProgramTest::TearDown()
{
    if (m_hFirst && IsWindow(m_hFirst))
        PostMessageW(m_hFirst, WM_CLOSE, 0, 0);
    if (m_first)
    {
        EXPECT_EQ(0u, m_first->WaitForExit(kExitTimeout));
    }
    // Ended here if it still runs, before the test's own members go.
    m_first.reset();
}
