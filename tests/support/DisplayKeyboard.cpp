#include "DisplayKeyboard.h"

#include <vector>

bool PressKeys(const CString& keys)
{
    // Wine starts a host program named by its Unix path (\\?\unix\...)
    // (with the display from the environment), and gives no handle to wait
    // on: what the keys do is what to wait for.
    CString commandLine = CString(L"\\\\?\\unix\\usr\\bin\\xdotool key --delay 30 ") + keys;
    std::vector<wchar_t> buffer(commandLine.GetString(), commandLine.GetString() + commandLine.GetLength() + 1);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION process = {};
    const BOOL bStarted =
        CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process);
    const CKernelHandle hProcess(process.hProcess), hThread(process.hThread);
    return bStarted != FALSE;
}
