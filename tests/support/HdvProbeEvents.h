#pragma once
// The two events through which a test holds an HdvProbe process between
// its calls: the probe sets Held and waits for Release. Either side may
// create them first.
#include <windows.h>

class CHdvProbeEvents
{
public:
    explicit CHdvProbeEvents(DWORD probeId) : m_hHeld(Create(L"Held", probeId)), m_hRelease(Create(L"Release", probeId))
    {
    }
    ~CHdvProbeEvents()
    {
        CloseHandle(m_hHeld);
        CloseHandle(m_hRelease);
    }
    CHdvProbeEvents(const CHdvProbeEvents&) = delete;
    CHdvProbeEvents& operator=(const CHdvProbeEvents&) = delete;

    HANDLE Held() const { return m_hHeld; }
    HANDLE Release() const { return m_hRelease; }

private:
    static HANDLE Create(LPCWSTR what, DWORD probeId)
    {
        wchar_t name[64];
        wsprintfW(name, L"HdvProbe-%s-%lu", what, probeId);
        return CreateEventW(nullptr, TRUE, FALSE, name);
    }

    HANDLE m_hHeld;
    HANDLE m_hRelease;
};
