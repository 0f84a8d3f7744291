#include "DisplayKeyboard.h"
#include "HostCommand.h"

#include <string>

bool PressKeys(HWND hWindow, const CString& keys)
{
    // Wine asks the X server for the focus with a time stamp estimated from
    // its own clock, and the server ignores a request stamped later than its
    // own time: a window can be the foreground one without the display's
    // focus, and keys would go nowhere. xdotool asks for it without a stamp
    // and waits until the window has it.
    const auto xWindow =
        reinterpret_cast<ULONG_PTR>(GetPropW(GetAncestor(hWindow, GA_ROOT), L"__wine_x11_whole_window"));
    // Waited for until every key has been pressed and released: a release
    // still on its way would otherwise land among the next keys (an F10
    // released after the menu it opened has ended puts the window into menu
    // mode).
    return xWindow && RunOnHost(CString(L"/usr/bin/xdotool windowfocus --sync ") + std::to_wstring(xWindow).c_str() +
                                L" key --delay 30 " + keys);
}
