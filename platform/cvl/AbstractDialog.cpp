#include "AbstractDialog.h"
#include "CorvelAPI.h"

namespace
{
// The accent band's height at 96 DPI.
const int kAccentHeight = 3;

BOOL CALLBACK ForwardSysColorChange(HWND hChild, LPARAM)
{
    SendMessageW(hChild, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}
}

AbstractDialog::AbstractDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd)
{
}

BEGIN_MESSAGE_MAP(AbstractDialog, CDialog)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

BOOL AbstractDialog::OnInitDialog()
{
    if (!m_faceBrush)
        m_faceBrush.reset(CreateSolidBrush(CorvelCurrentColours().face));
    return CDialog::OnInitDialog();
}

void AbstractDialog::OnPaint()
{
    CPaintDC dc(this);
    RECT rc;
    GetClientRect(&rc);
    rc.bottom = rc.top + CorvelScale(kAccentHeight, CorvelWindowDpi(m_hWnd));
    CBrushHandle accent(CreateSolidBrush(CorvelCurrentColours().accent));
    FillRect(dc, &rc, accent.get());
}

void AbstractDialog::OnColoursChanged()
{
    m_faceBrush.reset(CreateSolidBrush(CorvelCurrentColours().face));
    // Common controls take the new colours only when told.
    EnumChildWindows(m_hWnd, &ForwardSysColorChange, 0);
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

BOOL AbstractDialog::OnEraseBkgnd(HDC hDC)
{
    if (!m_faceBrush)
        return static_cast<BOOL>(Default());
    RECT rc;
    GetClientRect(&rc);
    FillRect(hDC, &rc, m_faceBrush.get());
    return TRUE;
}

HBRUSH AbstractDialog::OnCtlColor(HDC hDC, HWND, UINT nCtlColor)
{
    const bool bSkinned = nCtlColor == CTLCOLOR_DLG || nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_BTN;
    if (!m_faceBrush || !bSkinned)
        return reinterpret_cast<HBRUSH>(Default());
    SetTextColor(hDC, CorvelCurrentColours().text);
    SetBkColor(hDC, CorvelCurrentColours().face);
    return m_faceBrush.get();
}

void AbstractDialog::OnSysColorChange()
{
    OnColoursChanged();
    Default();
}

void AbstractDialog::OnSettingChange(UINT uFlags, LPCWSTR)
{
    if (uFlags == SPI_SETHIGHCONTRAST)
        OnColoursChanged();
    Default();
}
