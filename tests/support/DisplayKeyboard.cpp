#include "DisplayKeyboard.h"

#include <string>
#include <vector>

bool PressKeys(HWND hWindow, const CString& keys)
{
    // Wine asks the X server for the focus with a time stamp estimated from
    // its own clock, and the server ignores a request stamped later than its
    // own time: a window can be the foreground one without the display's
    // focus, and keys would go nowhere. xdotool asks for it without a stamp
    // and waits until the window has it.
    const auto xWindow =
        reinterpret_cast<ULONG_PTR>(GetPropW(GetAncestor(hWindow, GA_ROOT), L"__wine_x11_whole_window"));
    if (!xWindow)
        return false;
    // Wine starts a host program named by its Unix path (\\?\unix\...)
    // (with the display from the environment), and gives no handle to wait
    // on: what the keys do is what to wait for.
    const CString commandLine = CString(L"\\\\?\\unix\\usr\\bin\\xdotool windowfocus --sync ") +
                                std::to_wstring(xWindow).c_str() + L" key --delay 30 " + keys;
    std::vector<wchar_t> buffer(commandLine.GetString(), commandLine.GetString() + commandLine.GetLength() + 1);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION process = {};
    const BOOL bStarted =
        CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process);
    const CKernelHandle hProcess(process.hProcess), hThread(process.hThread);
    return bStarted != FALSE;
}
