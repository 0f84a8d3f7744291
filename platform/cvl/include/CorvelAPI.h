#pragma once
// The skinned-control library's switches, its colour schemes and its scale.
#include <windows.h>

class CorvelAPI
{
public:
    // true: windows keep the system's own colours ("Luna");
    // false: they use the library's flat skin. Returns the previous setting.
    static bool EnableLuna(bool bEnable);
};

// Colours of a scheme: each element's, and the text on it.
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
    // The group frame's line and the size grip's dots, on the face.
    COLORREF frame;
    COLORREF heading;
    COLORREF headingText;
    COLORREF button;
    COLORREF buttonText;
    // The buttons' border; the default button's is the accent.
    COLORREF buttonBorder;
    COLORREF tip;
    COLORREF tipText;
    // An empty edit's cue text, on the rows' colour.
    COLORREF cueText;
    // Whether the skin draws the heading, the buttons, the group frame and
    // the edits' borders and cue text itself; otherwise the system does, in
    // its own colours.
    bool bDrawsControls;
};

enum class CorvelScheme
{
    Light,
    Dark,
};

// The flat skin's colours in the scheme.
CorvelColours CorvelSchemeColours(CorvelScheme scheme);
// The system's colours while Luna is on or a high-contrast theme is, the
// flat skin's in the app mode last read otherwise.
CorvelColours CorvelCurrentColours();
// Reads the user's app mode (light or dark) anew.
void CorvelReadAppMode();

// The window's title bar and scroll bars in the current scheme, where the
// system can draw them dark.
void CorvelThemeFrame(HWND hWnd);
void CorvelThemeScrollBars(HWND hWnd);

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
