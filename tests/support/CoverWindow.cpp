#include "CoverWindow.h"

CCoverWindow::CCoverWindow()
    : m_window(CreateWindowExW(0, L"STATIC", L"cover", WS_POPUP | WS_VISIBLE, 0, 0, 600, 500, nullptr, nullptr, nullptr,
                               nullptr))
{
    SetForegroundWindow(m_window.get());
}
