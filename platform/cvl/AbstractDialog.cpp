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

AbstractDialog::~AbstractDialog() = default;

BEGIN_MESSAGE_MAP(AbstractDialog, CDialog)
    ON_WM_PAINT()
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

LRESULT AbstractDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SYSCOLORCHANGE:
        OnColoursChanged();
        break;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETHIGHCONTRAST)
            OnColoursChanged();
        break;
    case WM_ERASEBKGND:
        if (m_faceBrush)
        {
            RECT rc;
            GetClientRect(&rc);
            FillRect(reinterpret_cast<HDC>(wParam), &rc, m_faceBrush.get());
            return TRUE;
        }
        break;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (m_faceBrush)
        {
            HDC hdc = reinterpret_cast<HDC>(wParam);
            SetTextColor(hdc, CorvelCurrentColours().text);
            SetBkColor(hdc, CorvelCurrentColours().face);
            return reinterpret_cast<LRESULT>(m_faceBrush.get());
        }
        break;
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
