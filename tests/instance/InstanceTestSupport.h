#pragma once
// Helpers shared by the instance tests.
#include <TestFolders.h>

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
    return L"InstanceTest-" + std::to_wstring(GetCurrentProcessId()) + L"-"
        + std::to_wstring(InterlockedIncrement(&s_counter));
}

// Owns a kernel handle for the length of a test.
class CHandle
{
public:
    explicit CHandle(HANDLE handle = nullptr) : m_handle(handle) {}
    ~CHandle()
    {
        if (m_handle != nullptr)
            CloseHandle(m_handle);
    }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    HANDLE m_handle;
};
