#pragma once
// CorvelSizer: a dialog's controls follow the edges of its client area as
// it grows past its layout (the template's size at the dialog's font, and so
// at its DPI). Each control of the dialog's table keeps its distance to the
// edges it is anchored to: anchored left and right it grows with the width,
// right only it moves with it, left only it stays; the same for top and
// bottom. Controls outside the table keep their template places. The dialog
// is never smaller than its layout.
#include "DialogTemplate.h"

#include <vector>

enum CorvelAnchor : UINT
{
    kAnchorLeft = 1,
    kAnchorTop = 2,
    kAnchorRight = 4,
    kAnchorBottom = 8,
    kAnchorAll = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom,
};

// One line of a dialog's table: the control and the edges it keeps to.
struct CorvelAnchoredControl
{
    int m_nID;
    UINT m_nAnchors;
};

// The place of a control laid out at rcLayout, anchored so, in a client area
// grown by growth past the layout.
RECT CorvelAnchoredRect(const RECT& rcLayout, UINT nAnchors, SIZE growth);

class CorvelSizer
{
public:
    // Reads the dialog's template from the module the framework finds it
    // in; false (with the cause in the debugger output) when it cannot be
    // read: the controls then stay where they are.
    bool Attach(HWND hDlg, UINT nIDTemplate, std::vector<CorvelAnchoredControl> controls);
    bool IsAttached() const { return m_template.valid; }
    // The template's client size at the dialog's current font.
    SIZE LayoutSize() const;
    // Places the controls for the client size: on WM_SIZE, which a DPI
    // change brings too.
    void Arrange(int cx, int cy) const;
    // The layout's size as the least the window can be made (WM_GETMINMAXINFO).
    void LimitTracking(MINMAXINFO* pInfo) const;

private:
    RECT LayoutRect(const DialogItem& item) const;

    HWND m_hDlg = nullptr;
    DialogTemplate m_template;
    std::vector<CorvelAnchoredControl> m_controls;
};
