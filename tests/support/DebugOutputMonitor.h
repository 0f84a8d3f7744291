#pragma once
// Receives what processes write with OutputDebugString while no debugger is
// attached to them, as DebugView does: through the shared DBWIN_BUFFER.
// Only one monitor can run at a time.
#include <AfxHandle.h>

#include <mutex>
#include <string>
#include <thread>

class CDebugOutputMonitor
{
public:
    CDebugOutputMonitor();
    ~CDebugOutputMonitor();
    CDebugOutputMonitor(const CDebugOutputMonitor&) = delete;
    CDebugOutputMonitor& operator=(const CDebugOutputMonitor&) = delete;

    bool Started() const { return m_hData != nullptr && m_view != nullptr; }
    // Everything received so far, in the order written (the writers' ANSI code page).
    std::string Text() const;

private:
    void Receive();

    CKernelHandle m_hMapping;
    CMappedView m_view;
    CKernelHandle m_hBufferReady;
    CKernelHandle m_hData;
    CKernelHandle m_hStop;
    mutable std::mutex m_lock;
    std::string m_text;
    std::thread m_thread;
};
