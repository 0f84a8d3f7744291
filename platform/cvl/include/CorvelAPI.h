#pragma once
// The skinned-control library's switches and its colour scheme.
#include <windows.h>

class CorvelAPI
{
public:
    // true: windows keep the system's own colours ("Luna");
    // false: they use the library's flat skin. Returns the previous setting.
    static bool EnableLuna(bool bEnable);
    static bool IsLunaEnabled();
};

// Colours of the current scheme.
struct CorvelColours
{
    COLORREF face;        // dialog background
    COLORREF accent;      // band along the dialog's top edge
    COLORREF text;
    COLORREF row;
    COLORREF alternateRow;
    COLORREF selection;
    COLORREF selectionText;
};

CorvelColours CorvelCurrentColours();
