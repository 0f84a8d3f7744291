#include "CorvelAPI.h"

#include <AfxHandle.h>

namespace
{
bool g_bLuna = true;

// Wine 8 always answers off here and cannot switch the theme on.
bool IsHighContrastOn()
{
    HIGHCONTRASTW highContrast = {};
    highContrast.cbSize = sizeof(highContrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(highContrast), &highContrast, 0) &&
           (highContrast.dwFlags & HCF_HIGHCONTRASTON);
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
}

bool CorvelAPI::EnableLuna(bool bEnable)
{
    bool bPrevious = g_bLuna;
    g_bLuna = bEnable;
    return bPrevious;
}

CorvelColours CorvelCurrentColours()
{
    // Asked each time: a high-contrast theme can be switched on while the
    // program runs.
    if (g_bLuna || IsHighContrastOn())
    {
        // The focus frame as the system draws its own focus in high
        // contrast: in the text colour, on the window colour of the rows.
        return { GetSysColor(COLOR_BTNFACE),       GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_WINDOWTEXT),
                 GetSysColor(COLOR_WINDOW),        GetSysColor(COLOR_WINDOW),    GetSysColor(COLOR_HIGHLIGHT),
                 GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_WINDOWTEXT) };
    }
    // The accent as focus frame: 6.1:1 against the rows, 5.6:1 against the
    // alternate rows.
    return { RGB(246, 248, 251), RGB(0, 99, 177),    RGB(33, 37, 41), RGB(255, 255, 255),
             RGB(241, 245, 250), RGB(204, 228, 247), RGB(16, 24, 32), RGB(0, 99, 177) };
}

UINT CorvelSystemDpi()
{
    CClientDC dc(nullptr);
    return static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSX));
}

UINT CorvelWindowDpi(HWND hWnd)
{
    // Bound at run time: the program also runs where user32 lacks it.
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow)
    {
        if (const UINT nDpi = getDpiForWindow(hWnd))
            return nDpi;
    }
    return CorvelSystemDpi();
}
