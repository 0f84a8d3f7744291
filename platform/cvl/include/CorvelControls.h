#pragma once
// Skinned buttons and group frame: they take the skin's colours from the
// dialog they sit on (AbstractDialog), and while the skin draws the
// controls itself (the dark scheme) they draw themselves in it.
#include <afxwin.h>

class CorvelSkinnedButton : public CButton
{
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Draws the whole control in the skin's current colours.
    virtual void Draw(HDC hdc) = 0;
};

class CorvelButton2 : public CorvelSkinnedButton
{
protected:
    void Draw(HDC hdc) override;
};

// The push button of secondary boxes: drawn alike.
using CorvelButton = CorvelButton2;

class CorvelGroupBox : public CorvelSkinnedButton
{
protected:
    void Draw(HDC hdc) override;
};
