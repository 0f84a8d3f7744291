#include "DialogShortcuts.h"

#include <CauseReport.h>

namespace
{
struct Target
{
    HWND hDlg = nullptr;
    std::vector<CDialogShortcut> shortcuts;
};
thread_local Target t_target;

// The command of a shortcut the message presses; 0 for none.
UINT ShortcutCommand(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0)
        return 0;
    for (const CDialogShortcut& shortcut : t_target.shortcuts)
        if (msg.wParam == shortcut.m_nKey)
            return shortcut.m_nCommandID;
    return 0;
}

LRESULT CALLBACK FilterMessage(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    const UINT nCommandID = nCode == MSGF_DIALOGBOX && t_target.hDlg ? ShortcutCommand(*pMsg) : 0;
    if (nCommandID && (pMsg->hwnd == t_target.hDlg || IsChild(t_target.hDlg, pMsg->hwnd)))
    {
        // Taken here, the key is never translated: no character reaches the
        // focused control.
        PostMessageW(t_target.hDlg, WM_COMMAND, MAKEWPARAM(nCommandID, 0), 0);
        return TRUE;
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}
}

CDialogShortcuts::~CDialogShortcuts()
{
    if (m_hook)
        t_target = {};
}

bool CDialogShortcuts::Install(HWND hDlg, std::vector<CDialogShortcut> shortcuts)
{
    m_hook.reset(SetWindowsHookExW(WH_MSGFILTER, &FilterMessage, nullptr, GetCurrentThreadId()));
    if (!m_hook)
    {
        ReportCause(kProgramSource, L"the dialog's shortcuts are not available, the message filter was refused",
                    GetLastError());
        return false;
    }
    t_target = { hDlg, std::move(shortcuts) };
    return true;
}
