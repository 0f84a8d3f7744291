#pragma once
// Skinned buttons, group frame and edit: they take the skin's colours from
// the dialog they sit on (AbstractDialog), and while the skin draws the
// controls itself (the dark scheme) they draw themselves in it: the edit
// its border and, while it is empty, its cue text.
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

class CorvelEdit : public CWnd
{
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
