#include "CoverWindow.h"
#include "DialogDriver.h"

CCoverWindow::CCoverWindow()
    : m_window(CreateWindowExW(0, L"STATIC", L"cover", WS_POPUP | WS_VISIBLE, 0, 0, 600, 500, nullptr, nullptr, nullptr,
                               nullptr))
{
    SetForegroundWindow(m_window.get());
    // Wine asks the display for the focus on this thread's next look at its
    // messages; asked later, while another process's window takes the
    // foreground, it would take the focus back from that window.
    PumpMessagesUntil([this] { return GetForegroundWindow() == m_window.get(); });
}
