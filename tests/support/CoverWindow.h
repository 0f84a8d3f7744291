#pragma once
// A window of the test's own, to stand in front of another process's window.
#include <afxwin.h>

class CCoverWindow
{
public:
    // Shows the window and makes it the foreground window.
    CCoverWindow();
    ~CCoverWindow();
    CCoverWindow(const CCoverWindow&) = delete;
    CCoverWindow& operator=(const CCoverWindow&) = delete;

    HWND m_hWnd;
};
