#include "CoverWindow.h"

CCoverWindow::CCoverWindow()
    : m_hWnd(CreateWindowExW(0, L"STATIC", L"cover", WS_POPUP | WS_VISIBLE, 0, 0, 600, 500, nullptr, nullptr, nullptr,
                             nullptr))
{
    SetForegroundWindow(m_hWnd);
}

CCoverWindow::~CCoverWindow()
{
    DestroyWindow(m_hWnd);
}
