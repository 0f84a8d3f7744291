#include "CorvelAPI.h"

#include <AfxBinding.h>

namespace
{
bool g_bLuna = true;
bool g_bDarkAppMode = false;
// Once a window has been dark, going back to light must be told too.
bool g_bEverDark = false;

// Wine 8 always answers off here and cannot switch the theme on.
bool IsHighContrastOn()
{
    HIGHCONTRASTW highContrast = {};
    highContrast.cbSize = sizeof(highContrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(highContrast), &highContrast, 0) &&
           (highContrast.dwFlags & HCF_HIGHCONTRASTON);
}

// Whether the skin is dark now: the flat skin in the dark app mode, with no
// high-contrast theme on.
bool IsDark()
{
    return !g_bLuna && g_bDarkAppMode && !IsHighContrastOn();
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using DwmSetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);

// Windows 10 20H1 and later; earlier builds ignore it.
const DWORD kUseImmersiveDarkMode = 20;
}

bool CorvelAPI::EnableLuna(bool bEnable)
{
    bool bPrevious = g_bLuna;
    g_bLuna = bEnable;
    return bPrevious;
}

CorvelColours CorvelSchemeColours(CorvelScheme scheme)
{
    CorvelColours colours = {};
    if (scheme == CorvelScheme::Dark)
    {
        colours.face = RGB(32, 32, 32);
        colours.accent = RGB(76, 194, 255);
        colours.text = RGB(240, 240, 240);
        colours.row = RGB(40, 40, 40);
        colours.alternateRow = RGB(48, 48, 48);
        colours.selection = RGB(0, 84, 153);
        colours.selectionText = RGB(255, 255, 255);
        colours.focus = RGB(96, 205, 255);
        colours.frame = RGB(128, 128, 128);
        colours.heading = RGB(44, 44, 44);
        colours.headingText = colours.text;
        colours.button = RGB(56, 56, 56);
        colours.buttonText = colours.text;
        colours.buttonBorder = RGB(150, 150, 150);
        colours.tip = RGB(43, 43, 43);
        colours.tipText = colours.text;
        colours.cueText = RGB(170, 170, 170);
        colours.bDrawsControls = true;
        return colours;
    }
    colours.face = RGB(246, 248, 251);
    colours.accent = RGB(0, 99, 177);
    colours.text = RGB(33, 37, 41);
    colours.row = RGB(255, 255, 255);
    colours.alternateRow = RGB(241, 245, 250);
    colours.selection = RGB(204, 228, 247);
    colours.selectionText = RGB(16, 24, 32);
    colours.focus = colours.accent;
    colours.frame = RGB(118, 118, 118);
    // The system draws the heading, the buttons, the group frame's line, the
    // edits' borders and cue text, and the tip, in its own colours.
    colours.heading = GetSysColor(COLOR_BTNFACE);
    colours.headingText = GetSysColor(COLOR_BTNTEXT);
    colours.button = GetSysColor(COLOR_BTNFACE);
    colours.buttonText = GetSysColor(COLOR_BTNTEXT);
    colours.buttonBorder = GetSysColor(COLOR_WINDOWFRAME);
    colours.tip = GetSysColor(COLOR_INFOBK);
    colours.tipText = GetSysColor(COLOR_INFOTEXT);
    colours.cueText = GetSysColor(COLOR_GRAYTEXT);
    colours.bDrawsControls = false;
    return colours;
}

CorvelColours CorvelCurrentColours()
{
    // Asked each time: a high-contrast theme can be switched on while the
    // program runs.
    if (!g_bLuna && !IsHighContrastOn())
        return CorvelSchemeColours(g_bDarkAppMode ? CorvelScheme::Dark : CorvelScheme::Light);
    // The system's colours throughout; the focus frame as the system draws
    // its own focus in high contrast: in the text colour, on the window
    // colour of the rows.
    CorvelColours colours = CorvelSchemeColours(CorvelScheme::Light);
    colours.face = GetSysColor(COLOR_BTNFACE);
    colours.accent = GetSysColor(COLOR_HIGHLIGHT);
    colours.text = GetSysColor(COLOR_WINDOWTEXT);
    colours.row = GetSysColor(COLOR_WINDOW);
    colours.alternateRow = colours.row;
    colours.selection = GetSysColor(COLOR_HIGHLIGHT);
    colours.selectionText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    colours.focus = colours.text;
    colours.frame = GetSysColor(COLOR_BTNTEXT);
    return colours;
}

void CorvelReadAppMode()
{
    // Missing (before Windows 10 1809, or never set): light.
    DWORD dwLight = 1;
    DWORD cbData = sizeof(dwLight);
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                     L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &dwLight, &cbData) != ERROR_SUCCESS)
        dwLight = 1;
    g_bDarkAppMode = dwLight == 0;
    g_bEverDark = g_bEverDark || IsDark();
}

void CorvelThemeFrame(HWND hWnd)
{
    // A light window needs nothing; dwmapi is loaded only once one is dark.
    if (!g_bEverDark)
        return;
    static const CLibraryHandle dwmapi = LoadSystemLibrary(L"dwmapi.dll");
    static const auto setAttribute = BoundFunction<DwmSetWindowAttributeFn>(dwmapi.get(), "DwmSetWindowAttribute");
    const BOOL bDark = IsDark();
    if (setAttribute)
        setAttribute(hWnd, kUseImmersiveDarkMode, &bDark, sizeof(bDark));
}

void CorvelThemeScrollBars(HWND hWnd)
{
    if (!g_bEverDark)
        return;
    static const CLibraryHandle uxtheme = LoadSystemLibrary(L"uxtheme.dll");
    static const auto setWindowTheme = BoundFunction<SetWindowThemeFn>(uxtheme.get(), "SetWindowTheme");
    // Without a name the window goes back to the theme's own look.
    if (setWindowTheme)
        setWindowTheme(hWnd, IsDark() ? L"DarkMode_Explorer" : nullptr, nullptr);
}

UINT CorvelSystemDpi()
{
    CClientDC dc(nullptr);
    return static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSX));
}

UINT CorvelWindowDpi(HWND hWnd)
{
    // Bound at run time: the program also runs where user32 lacks it.
    static const auto getDpiForWindow = BoundLoadedFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow)
    {
        if (const UINT nDpi = getDpiForWindow(hWnd))
            return nDpi;
    }
    return CorvelSystemDpi();
}
