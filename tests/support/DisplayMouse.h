#pragma once
// Real clicks on the tests' display, as a user's mouse makes them: through
// the X server (xdotool), so that they reach the window under the pointer
// the way the platform's own input does.
#include <afxwin.h>

// Moves the pointer to the point on the screen and clicks the left button
// there; true once the button has been pressed and released. What the
// click does may still be on its way: wait for it.
bool ClickOnDisplay(POINT ptScreen);
