#pragma once
// Helpers shared by the instance tests.
#include <TestFolders.h>

#include <AfxHandle.h>

#include <string>

// The probe program built next to the tests (see InstanceProbe.cpp).
inline CString ProbePath()
{
    return BinFolder() + L"\\InstanceProbe.exe";
}

// Base names unique to this process and call, so that tests never see each
// other's kernel objects (nor those of the real program).
inline std::wstring UniqueBaseName()
{
    static LONG s_counter = 0;
    return L"InstanceTest-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(InterlockedIncrement(&s_counter));
}
