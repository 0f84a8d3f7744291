#include "DisplayKeyboard.h"
#include "DialogDriver.h"

#include <atomic>
#include <string>
#include <vector>

namespace
{
using WineGetUnixFileNameFn = char*(CDECL*)(LPCWSTR);

// The Unix path wine gives a Windows path; empty when there is none.
std::string UnixPath(const CString& path)
{
    auto getUnixFileName = reinterpret_cast<WineGetUnixFileNameFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    const CProcessHeapMemory<char> unixPath(getUnixFileName ? getUnixFileName(path) : nullptr);
    return unixPath ? std::string(unixPath.get()) : std::string();
}

// A file name of its own for each press, in the temporary folder.
CString MarkerPath()
{
    static std::atomic<unsigned> s_nPress{ 0 };
    wchar_t szFolder[MAX_PATH];
    GetTempPathW(MAX_PATH, szFolder);
    return CString(szFolder) + L"keys-pressed-" + std::to_wstring(GetCurrentProcessId()).c_str() + L"-" +
           std::to_wstring(++s_nPress).c_str();
}
}

bool PressKeys(HWND hWindow, const CString& keys)
{
    // Wine asks the X server for the focus with a time stamp estimated from
    // its own clock, and the server ignores a request stamped later than its
    // own time: a window can be the foreground one without the display's
    // focus, and keys would go nowhere. xdotool asks for it without a stamp
    // and waits until the window has it.
    const auto xWindow =
        reinterpret_cast<ULONG_PTR>(GetPropW(GetAncestor(hWindow, GA_ROOT), L"__wine_x11_whole_window"));
    const CString marker = MarkerPath();
    const std::string unixMarker = UnixPath(marker);
    if (!xWindow || unixMarker.empty())
        return false;
    // Wine starts a host program named by its Unix path (\\?\unix\...)
    // (with the display from the environment), but gives no handle to wait
    // on. The shell leaves the marker once every key has been pressed and
    // released: a release still on its way would otherwise land among the
    // next keys (an F10 released after the menu it opened has ended puts
    // the window into menu mode).
    const CString commandLine = CString(L"\\\\?\\unix\\bin\\sh -c \"/usr/bin/xdotool windowfocus --sync ") +
                                std::to_wstring(xWindow).c_str() + L" key --delay 30 " + keys + L" && : > '" +
                                CString(std::wstring(unixMarker.begin(), unixMarker.end()).c_str()) + L"'\"";
    std::vector<wchar_t> buffer(commandLine.GetString(), commandLine.GetString() + commandLine.GetLength() + 1);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION process = {};
    const BOOL bStarted =
        CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process);
    const CKernelHandle hProcess(process.hProcess), hThread(process.hThread);
    if (!bStarted)
        return false;
    // The window may be this thread's own: its messages go on meanwhile.
    const bool bPressed =
        PumpMessagesUntil([&] { return GetFileAttributesW(marker) != INVALID_FILE_ATTRIBUTES; }, 20000);
    DeleteFileW(marker);
    return bPressed;
}
