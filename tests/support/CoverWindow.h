#pragma once
// A window of the test's own, to stand in front of another process's window.
#include <afxwin.h>

class CCoverWindow
{
public:
    // Shows the window and makes it the foreground window, also on the display.
    CCoverWindow();

    HWND Handle() const { return m_window.get(); }

private:
    const CWindowHandle m_window;
};
