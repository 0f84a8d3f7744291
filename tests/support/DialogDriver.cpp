#include "DialogDriver.h"

#include <algorithm>
#include <map>
#include <vector>

namespace
{
// One watch: while its action runs, every visible dialog on the thread that
// has the caption (any dialog when caption is NULL) is handed to the body.
struct Watch
{
    DWORD threadId;
    LPCWSTR caption;
    const std::function<void(HWND)>* body;
    int count;
    bool busy;
};
// The watches by their timers: nested watches each keep to their own.
std::map<UINT_PTR, Watch*> g_watches;

struct Search
{
    LPCWSTR caption;
    HWND hFound;
};

BOOL CALLBACK FindDialog(HWND hWnd, LPARAM lParam)
{
    Search* pSearch = reinterpret_cast<Search*>(lParam);
    if (GetClassLongPtrW(hWnd, GCW_ATOM) == reinterpret_cast<ULONG_PTR>(WC_DIALOG) && IsWindowVisible(hWnd) &&
        (!pSearch->caption || WindowText(hWnd) == pSearch->caption))
    {
        pSearch->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK OnWatchTimer(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    auto it = g_watches.find(idEvent);
    if (it == g_watches.end() || it->second->busy)
        return;
    Watch* pWatch = it->second;
    Search search = { pWatch->caption, nullptr };
    EnumThreadWindows(pWatch->threadId, &FindDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.hFound)
        return;
    pWatch->busy = true;
    ++pWatch->count;
    (*pWatch->body)(search.hFound);
    // Sent, not posted: the dialog is hidden before the next tick looks again.
    if (IsWindow(search.hFound) && IsWindowVisible(search.hFound))
        SendMessageW(search.hFound, WM_CLOSE, 0, 0);
    pWatch->busy = false;
}
}

INT_PTR RunDialog(CDialog& dlg, const std::function<void(HWND hDlg)>& body)
{
    INT_PTR result = -1;
    HandleDialogsDuring(
        nullptr, [&] { result = dlg.DoModal(); }, body);
    return result;
}

int HandleDialogsDuring(LPCWSTR caption, const std::function<void()>& action,
                        const std::function<void(HWND hBox)>& body)
{
    Watch watch = { GetCurrentThreadId(), caption, &body, 0, false };
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &OnWatchTimer);
    g_watches[timer] = &watch;
    action();
    KillTimer(nullptr, timer);
    g_watches.erase(timer);
    return watch.count;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        // As a modal loop does: dialog keys (Enter, Escape, Tab) first.
        HWND hActive = GetActiveWindow();
        if (hActive && IsDialogMessageW(hActive, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool PumpMessagesUntil(const std::function<bool()>& condition, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    for (;;)
    {
        PumpMessages();
        if (condition())
            return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds)
            return false;
        // Wakes for the next message; what the condition watches outside
        // this thread (another process, the clipboard) is looked at again soon.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(milliseconds - elapsed, 20), QS_ALLINPUT);
    }
}

CString WindowText(HWND hWnd)
{
    // Asked of the window itself: GetWindowText gives a control of another
    // process as empty.
    std::vector<wchar_t> text(static_cast<size_t>(SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0)) + 1);
    const LRESULT nLength = SendMessageW(hWnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return CString(text.data(), static_cast<int>(nLength));
}

GUITHREADINFO GuiThreadOf(HWND hWnd)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(hWnd, nullptr), &info))
        info.flags = 0;
    return info;
}
