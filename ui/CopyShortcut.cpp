#include "CopyShortcut.h"

#include <CauseReport.h>

namespace
{
struct Target
{
    HWND hDlg;
    UINT nCommandID;
};
thread_local Target t_target = {};

bool IsCopyKey(const MSG& msg)
{
    return msg.message == WM_KEYDOWN && msg.wParam == 'C' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
}

LRESULT CALLBACK FilterMessage(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == MSGF_DIALOGBOX && t_target.hDlg && IsCopyKey(*pMsg) &&
        (pMsg->hwnd == t_target.hDlg || IsChild(t_target.hDlg, pMsg->hwnd)))
    {
        // Taken here, the key is never translated: no character reaches the
        // focused control.
        PostMessageW(t_target.hDlg, WM_COMMAND, MAKEWPARAM(t_target.nCommandID, 0), 0);
        return TRUE;
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}
}

CCopyShortcut::~CCopyShortcut()
{
    if (m_hook)
        t_target = {};
}

bool CCopyShortcut::Install(HWND hDlg, UINT nCommandID)
{
    m_hook.reset(SetWindowsHookExW(WH_MSGFILTER, &FilterMessage, nullptr, GetCurrentThreadId()));
    if (!m_hook)
    {
        ReportCause(kProgramSource, L"Ctrl+C is not available, the message filter was refused", GetLastError());
        return false;
    }
    t_target = { hDlg, nCommandID };
    return true;
}
