#include "AfxPostedPointerFilter.h"

#include <CauseReport.h>

namespace
{
bool IsSentOnlyWithPointer(UINT message)
{
    return message == WM_NOTIFY || message == WM_DRAWITEM || message == WM_MEASUREITEM || message == WM_DPICHANGED ||
           message == WM_SETTINGCHANGE || message == WM_GETMINMAXINFO;
}

LRESULT CALLBACK DropPostedPointers(int nCode, WPARAM wParam, LPARAM lParam)
{
    MSG* pMsg = reinterpret_cast<MSG*>(lParam);
    // Only a message taken off the queue becomes WM_NULL: a loop that looks
    // first and then takes the message by its number (the menu's) must
    // still find it there.
    if (nCode == HC_ACTION && wParam == PM_REMOVE && IsSentOnlyWithPointer(pMsg->message))
    {
        pMsg->message = WM_NULL;
        pMsg->wParam = 0;
        pMsg->lParam = 0;
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}
}

CPostedPointerFilter::CPostedPointerFilter()
    : m_hook(SetWindowsHookExW(WH_GETMESSAGE, &DropPostedPointers, nullptr, GetCurrentThreadId()))
{
    if (!m_hook)
        ReportCause(kProgramSource, L"posted messages are not filtered, the hook was refused", GetLastError());
}
