#pragma once
// What the main dialog keeps between starts for the user, through the
// application's profile (the section "Main Dialog" under
// HKEY_CURRENT_USER\Software\Marbek Corporation\<program>): its place and
// size, whether it was maximised, and the list's sort. The search text is
// not kept.
#include "CatalogueView.h"

struct CDialogMemory
{
    // The restored window's top-left corner, on the screen.
    POINT m_ptTopLeft = {};
    // What the restored window has over its layout, in pixels at 96 DPI:
    // the same room at any scale and in any language's layout.
    SIZE m_sizeExtra = {};
    bool m_bMaximized = false;
    CSortOrder m_order;
};

// What was kept: each value in place of the default's unless it is
// missing, of another type or size, or none the dialog can take (a sort
// column it has not, a flag other than 0 or 1); room below the layout's is
// none, room or a place beyond any screen's is cut.
CDialogMemory RecallDialog(const CDialogMemory& defaults);
// False (with the cause in the debugger output) when a value was not kept.
bool KeepDialog(const CDialogMemory& memory);

// The restored window's rectangle on a monitor whose work area is rcWork:
// the size, at least minSize and at most the work area's, at the place,
// moved onto the work area as far as it has to so that it shows whole.
RECT FitOnWorkArea(POINT ptTopLeft, SIZE size, SIZE minSize, const RECT& rcWork);
