#pragma once
// The DPI of the programs started while a CUserDpi lives. Wine takes the DPI
// from the user's LogPixels value when a process starts.
#include "UserSetting.h"

class CUserDpi : public CUserSetting
{
public:
    explicit CUserDpi(DWORD dpi) : CUserSetting(L"Control Panel\\Desktop", L"LogPixels", dpi) {}
};
