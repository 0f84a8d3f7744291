#pragma once
// The two events through which a test holds an HdvProbe process between
// its calls: the probe sets Held and waits for Release. Either side may
// create them first.
#include <AfxHandle.h>

class CHdvProbeEvents
{
public:
    explicit CHdvProbeEvents(DWORD probeId) : m_hHeld(Create(L"Held", probeId)), m_hRelease(Create(L"Release", probeId))
    {
    }

    HANDLE Held() const { return m_hHeld.get(); }
    HANDLE Release() const { return m_hRelease.get(); }

private:
    static HANDLE Create(LPCWSTR what, DWORD probeId)
    {
        wchar_t name[64];
        wsprintfW(name, L"HdvProbe-%s-%lu", what, probeId);
        return CreateEventW(nullptr, TRUE, FALSE, name);
    }

    CKernelHandle m_hHeld;
    CKernelHandle m_hRelease;
};
