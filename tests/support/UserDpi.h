#pragma once
// The DPI of the programs started while a CUserDpi lives. Wine takes the DPI
// from the user's LogPixels value when a process starts.
#include <afxwin.h>

class CUserDpi
{
public:
    // The value it replaced comes back when the object goes.
    explicit CUserDpi(DWORD dpi);
    ~CUserDpi();
    CUserDpi(const CUserDpi&) = delete;
    CUserDpi& operator=(const CUserDpi&) = delete;

    bool IsSet() const { return m_bSet; }

private:
    DWORD m_previous = 0;
    bool m_bHadValue = false;
    bool m_bSet = false;
};
