#include "CorvelAPI.h"

namespace
{
bool g_bLuna = true;
}

bool CorvelAPI::EnableLuna(bool bEnable)
{
    bool bPrevious = g_bLuna;
    g_bLuna = bEnable;
    return bPrevious;
}

bool CorvelAPI::IsLunaEnabled()
{
    return g_bLuna;
}

CorvelColours CorvelCurrentColours()
{
    if (g_bLuna)
    {
        return { GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_WINDOWTEXT),
                 GetSysColor(COLOR_WINDOW),  GetSysColor(COLOR_WINDOW),    GetSysColor(COLOR_HIGHLIGHT),
                 GetSysColor(COLOR_HIGHLIGHTTEXT) };
    }
    return { RGB(246, 248, 251), RGB(0, 99, 177),    RGB(33, 37, 41), RGB(255, 255, 255),
             RGB(241, 245, 250), RGB(204, 228, 247), RGB(16, 24, 32) };
}
