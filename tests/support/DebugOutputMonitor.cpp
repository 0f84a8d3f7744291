#include "DebugOutputMonitor.h"

namespace
{
const DWORD kBufferSize = 4096;

struct DebugBuffer
{
    DWORD processId;
    char text[kBufferSize - sizeof(DWORD)];
};
}

CDebugOutputMonitor::CDebugOutputMonitor()
    : m_hMapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferSize, L"DBWIN_BUFFER")),
      m_view(m_hMapping ? MapViewOfFile(m_hMapping.get(), FILE_MAP_READ, 0, 0, kBufferSize) : nullptr),
      m_hBufferReady(CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY")),
      m_hData(CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY")),
      m_hStop(CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
    if (Started())
        m_thread = std::thread(&CDebugOutputMonitor::Receive, this);
}

CDebugOutputMonitor::~CDebugOutputMonitor()
{
    SetEvent(m_hStop.get());
    if (m_thread.joinable())
        m_thread.join();
}

std::string CDebugOutputMonitor::Text() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_text;
}

void CDebugOutputMonitor::Receive()
{
    const DebugBuffer* buffer = static_cast<const DebugBuffer*>(m_view.get());
    const HANDLE handles[] = { m_hStop.get(), m_hData.get() };
    do
    {
        SetEvent(m_hBufferReady.get());
        if (WaitForMultipleObjects(2, handles, FALSE, INFINITE) != WAIT_OBJECT_0 + 1)
            return;
        const std::string line(buffer->text, strnlen(buffer->text, sizeof(buffer->text)));
        std::lock_guard<std::mutex> guard(m_lock);
        m_text += line;
    } while (true);
}
