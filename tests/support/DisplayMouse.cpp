#include "DisplayMouse.h"
#include "HostCommand.h"

#include <string>

bool ClickOnDisplay(POINT ptScreen)
{
    // Wine's screen coordinates are the display's: it has no desktop window
    // of its own on the tests' display. Wine takes a click for the window
    // under the pointer once the pointer has moved there, but xdotool waits
    // for a move to where the pointer is already until its time-out: from
    // there, the pointer steps aside first.
    const CString x = std::to_wstring(ptScreen.x).c_str(), y = std::to_wstring(ptScreen.y).c_str();
    const CString aside = std::to_wstring(ptScreen.x + 1).c_str();
    return RunOnHost(L"eval $(/usr/bin/xdotool getmouselocation --shell); if [ $X = " + x + L" ] && [ $Y = " + y +
                     L" ]; then /usr/bin/xdotool mousemove --sync " + aside + L" " + y +
                     L"; fi; /usr/bin/xdotool mousemove --sync " + x + L" " + y + L" click 1");
}
