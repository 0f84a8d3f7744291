#pragma once
// CMenu: a menu handle wrapper.
#include <windows.h>

class CMenu
{
public:
    HMENU m_hMenu = nullptr;

    // A temporary object for a menu the caller does not own; NULL for NULL.
    // The object stays valid for the life of the thread.
    static CMenu* FromHandle(HMENU hMenu);

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCWSTR lpszNewItem = nullptr)
    {
        return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
};
