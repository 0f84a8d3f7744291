#pragma once
// While it lives, the calling thread drops the messages that carry a pointer
// to the sender's structure and that the system only ever sends, whenever a
// program posts them: a posted one points into another process, or
// nowhere. The framework routes WM_NOTIFY, WM_DRAWITEM and WM_MEASUREITEM by
// what they point to, and a dialog reads WM_DPICHANGED's suggested
// rectangle, WM_SETTINGCHANGE's section name and WM_GETMINMAXINFO's sizes. The hook sees every message taken off the
// queue, in every modal loop of the thread (menus, the move loop, message boxes).
#include "AfxHandle.h"

class CPostedPointerFilter
{
public:
    CPostedPointerFilter();

private:
    CHookHandle m_hook;
};
