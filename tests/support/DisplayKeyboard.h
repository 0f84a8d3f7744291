#pragma once
// Real key presses on the tests' display, as a user's keyboard makes them:
// through the X server (xdotool), so that they reach the window with the
// keyboard focus the way the platform's own input does.
#include <afxwin.h>

// Gives the display's focus to the window's top-level window, then presses
// and releases the keys one after the other, each named as xdotool names it
// ("Tab", "shift+Tab", "alt+space", "Menu", "c"); true once all of them
// have been pressed and released. What they do may still be on its way:
// wait for it before pressing more.
bool PressKeys(HWND hWindow, const CString& keys);
