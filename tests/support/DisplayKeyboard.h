#pragma once
// Real key presses on the tests' display, as a user's keyboard makes them:
// through the X server (xdotool), so that they reach the window with the
// keyboard focus the way the platform's own input does.
#include <afxwin.h>

// Gives the display's focus to the window's top-level window, then presses
// and releases the keys one after the other, each named as xdotool names it
// ("Tab", "shift+Tab", "alt+space", "Menu", "c"); true when they are on
// their way. Wait for what they do before pressing more.
bool PressKeys(HWND hWindow, const CString& keys);
