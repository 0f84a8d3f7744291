#include "DialogDriver.h"

#include <vector>

namespace
{
struct Session
{
    DWORD threadId;
    const std::function<void(HWND)>* body;
    bool done;
};
Session* g_session = nullptr;

BOOL CALLBACK FindThreadDialog(HWND hWnd, LPARAM lParam)
{
    wchar_t className[16] = {};
    GetClassNameW(hWnd, className, 16);
    if (lstrcmpW(className, L"#32770") == 0 && IsWindowVisible(hWnd))
    {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

struct Watch
{
    DWORD threadId;
    LPCWSTR caption;
    const std::function<void(HWND)>* body;
    int count;
    bool busy;
};
Watch* g_watch = nullptr;

struct Search
{
    LPCWSTR caption;
    HWND hFound;
};

BOOL CALLBACK FindCaptionedDialog(HWND hWnd, LPARAM lParam)
{
    Search* pSearch = reinterpret_cast<Search*>(lParam);
    HWND hFound = nullptr;
    FindThreadDialog(hWnd, reinterpret_cast<LPARAM>(&hFound));
    if (hFound && WindowText(hFound) == pSearch->caption)
    {
        pSearch->hFound = hFound;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK OnWatchTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (!g_watch || g_watch->busy)
        return;
    Search search = { g_watch->caption, nullptr };
    EnumThreadWindows(g_watch->threadId, &FindCaptionedDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.hFound)
        return;
    g_watch->busy = true;
    ++g_watch->count;
    (*g_watch->body)(search.hFound);
    // Sent, not posted: the dialog is hidden before the next tick looks again.
    if (IsWindow(search.hFound) && IsWindowVisible(search.hFound))
        SendMessageW(search.hFound, WM_CLOSE, 0, 0);
    g_watch->busy = false;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    if (!g_session || g_session->done)
        return;
    HWND hDlg = nullptr;
    EnumThreadWindows(g_session->threadId, &FindThreadDialog, reinterpret_cast<LPARAM>(&hDlg));
    if (!hDlg)
        return;
    g_session->done = true;
    KillTimer(nullptr, idEvent);
    (*g_session->body)(hDlg);
    if (IsWindow(hDlg))
        PostMessageW(hDlg, WM_CLOSE, 0, 0);
}
}

INT_PTR RunDialog(CDialog& dlg, const std::function<void(HWND hDlg)>& body)
{
    Session session = { GetCurrentThreadId(), &body, false };
    Session* previous = g_session;
    g_session = &session;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, &OnTimer);
    INT_PTR result = dlg.DoModal();
    if (!session.done)
        KillTimer(nullptr, timer);
    g_session = previous;
    return result;
}

int HandleDialogsDuring(LPCWSTR caption, const std::function<void()>& action,
                        const std::function<void(HWND hBox)>& body)
{
    Watch watch = { GetCurrentThreadId(), caption, &body, 0, false };
    Watch* previous = g_watch;
    g_watch = &watch;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, &OnWatchTimer);
    action();
    KillTimer(nullptr, timer);
    g_watch = previous;
    return watch.count;
}

void PumpMessages(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do
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
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

CString WindowText(HWND hWnd)
{
    std::vector<wchar_t> text(static_cast<size_t>(GetWindowTextLengthW(hWnd)) + 1);
    int nLength = GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()));
    return CString(text.data(), nLength);
}
