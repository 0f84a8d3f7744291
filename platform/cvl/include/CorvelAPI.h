#pragma once
// The skinned-control library's switches, its colour scheme and its scale.
#include <windows.h>

class CorvelAPI
{
public:
    // true: windows keep the system's own colours ("Luna");
    // false: they use the library's flat skin. Returns the previous setting.
    static bool EnableLuna(bool bEnable);
};

// Colours of the current scheme.
struct CorvelColours
{
    COLORREF face;   // dialog background
    COLORREF accent; // band along the dialog's top edge
    COLORREF text;
    COLORREF row;
    COLORREF alternateRow;
    COLORREF selection;
    COLORREF selectionText;
    // The keyboard focus frame: at least 3:1 against both row colours.
    COLORREF focus;
};

// The system's colours while Luna is on or a high-contrast theme is, the
// flat skin's otherwise.
CorvelColours CorvelCurrentColours();

// The system DPI: that of the primary monitor when the user signed in.
UINT CorvelSystemDpi();
// The DPI of the monitor the window is on (the system DPI on Windows
// versions before 10 1607, which have no DPI per window).
UINT CorvelWindowDpi(HWND hWnd);
// A length designed at 96 DPI, at the DPI.
inline int CorvelScale(int nLength, UINT nDpi)
{
    return MulDiv(nLength, static_cast<int>(nDpi), USER_DEFAULT_SCREEN_DPI);
}
