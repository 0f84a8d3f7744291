#include "AbstractDialog.h"
#include "CorvelAPI.h"

namespace
{
// The accent band's height at 96 DPI.
const int kAccentHeight = 3;
// The size grip's dots at 96 DPI: their size and their distance apart.
const int kGripDot = 2;
const int kGripPitch = 4;

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
ON_WM_NCHITTEST()
END_MESSAGE_MAP()

BOOL AbstractDialog::OnInitDialog()
{
    CorvelReadAppMode();
    m_faceBrush.reset(CreateSolidBrush(CorvelCurrentColours().face));
    m_editBrush.reset(CreateSolidBrush(CorvelCurrentColours().row));
    CorvelThemeFrame(m_hWnd);
    return CDialog::OnInitDialog();
}

RECT AbstractDialog::SizeGripRect() const
{
    RECT rc = {};
    if (!(GetWindowLongW(m_hWnd, GWL_STYLE) & WS_THICKFRAME) || IsZoomed(m_hWnd))
        return rc;
    // As large as the corner between two scroll bars, at the window's DPI.
    GetClientRect(&rc);
    const int nDpi = static_cast<int>(CorvelWindowDpi(m_hWnd));
    const int nSystemDpi = static_cast<int>(CorvelSystemDpi());
    rc.left = rc.right - MulDiv(GetSystemMetrics(SM_CXVSCROLL), nDpi, nSystemDpi);
    rc.top = rc.bottom - MulDiv(GetSystemMetrics(SM_CYHSCROLL), nDpi, nSystemDpi);
    return rc;
}

void AbstractDialog::OnPaint()
{
    CPaintDC dc(this);
    const CorvelColours colours = CorvelCurrentColours();
    const UINT nDpi = CorvelWindowDpi(m_hWnd);
    RECT rc;
    GetClientRect(&rc);
    rc.bottom = rc.top + CorvelScale(kAccentHeight, nDpi);
    CBrushHandle accent(CreateSolidBrush(colours.accent));
    FillRect(dc, &rc, accent.get());

    // Six dots in a triangle, pointing into the corner.
    const RECT rcGrip = SizeGripRect();
    if (IsRectEmpty(&rcGrip))
        return;
    const int nDot = CorvelScale(kGripDot, nDpi);
    const int nPitch = CorvelScale(kGripPitch, nDpi);
    CBrushHandle dots(CreateSolidBrush(colours.frame));
    for (int nRow = 0; nRow < 3; ++nRow)
    {
        for (int nColumn = 2 - nRow; nColumn < 3; ++nColumn)
        {
            const int x = rcGrip.right - (3 - nColumn) * nPitch;
            const int y = rcGrip.bottom - (3 - nRow) * nPitch;
            const RECT rcDot = { x, y, x + nDot, y + nDot };
            FillRect(dc, &rcDot, dots.get());
        }
    }
}

LRESULT AbstractDialog::OnNcHitTest(POINT point)
{
    const LRESULT lHit = Default();
    const RECT rcGrip = SizeGripRect();
    ScreenToClient(m_hWnd, &point);
    return lHit == HTCLIENT && PtInRect(&rcGrip, point) ? HTBOTTOMRIGHT : lHit;
}

void AbstractDialog::OnColoursChanged()
{
    m_faceBrush.reset(CreateSolidBrush(CorvelCurrentColours().face));
    m_editBrush.reset(CreateSolidBrush(CorvelCurrentColours().row));
    CorvelThemeFrame(m_hWnd);
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
    const bool bOnFace = nCtlColor == CTLCOLOR_DLG || nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_BTN;
    const bool bEdit = nCtlColor == CTLCOLOR_EDIT;
    if (!m_faceBrush || (!bOnFace && !bEdit))
        return reinterpret_cast<HBRUSH>(Default());
    // Edits as the list's rows, the rest on the face.
    const CorvelColours colours = CorvelCurrentColours();
    SetTextColor(hDC, colours.text);
    SetBkColor(hDC, bEdit ? colours.row : colours.face);
    return bEdit ? m_editBrush.get() : m_faceBrush.get();
}

void AbstractDialog::OnSysColorChange()
{
    OnColoursChanged();
    Default();
}

void AbstractDialog::OnSettingChange(UINT uFlags, LPCWSTR lpszSection)
{
    // The app mode's change comes with the section "ImmersiveColorSet".
    const bool bAppMode = lpszSection && lstrcmpW(lpszSection, L"ImmersiveColorSet") == 0;
    if (bAppMode)
        CorvelReadAppMode();
    if (bAppMode || uFlags == SPI_SETHIGHCONTRAST)
        OnColoursChanged();
    Default();
}
