#pragma once
// A test with the built program running, its dialog on screen; closed
// through its dialog at the end of the test, where it must end with 0.
#include "ProgramRunner.h"

#include <gtest/gtest.h>

#include <memory>

class RunningProgramTest : public ::testing::Test
{
protected:
    // Starts the program (in the folder, or its own when empty) and waits
    // for its dialog with the caption; a fatal failure when none comes.
    void StartProgram(const CString& exePath, LPCWSTR caption, const CString& folder = CString());
    void TearDown() override;

    std::unique_ptr<CProgramRunner> m_first;
    HWND m_hFirst = nullptr;
};
