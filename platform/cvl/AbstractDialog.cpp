#include "AbstractDialog.h"
#include "CorvelAPI.h"

AbstractDialog::AbstractDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd)
{
}

AbstractDialog::~AbstractDialog()
{
    if (m_hFaceBrush)
        DeleteObject(m_hFaceBrush);
}

BEGIN_MESSAGE_MAP(AbstractDialog, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL AbstractDialog::OnInitDialog()
{
    if (!m_hFaceBrush)
        m_hFaceBrush = CreateSolidBrush(CorvelCurrentColours().face);
    return CDialog::OnInitDialog();
}

void AbstractDialog::OnPaint()
{
    CPaintDC dc(this);
    RECT rc;
    GetClientRect(&rc);
    rc.bottom = rc.top + 3;
    HBRUSH hAccent = CreateSolidBrush(CorvelCurrentColours().accent);
    FillRect(dc, &rc, hAccent);
    DeleteObject(hAccent);
}

LRESULT AbstractDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_ERASEBKGND:
        if (m_hFaceBrush)
        {
            RECT rc;
            GetClientRect(&rc);
            FillRect(reinterpret_cast<HDC>(wParam), &rc, m_hFaceBrush);
            return TRUE;
        }
        break;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (m_hFaceBrush)
        {
            HDC hdc = reinterpret_cast<HDC>(wParam);
            SetTextColor(hdc, CorvelCurrentColours().text);
            SetBkColor(hdc, CorvelCurrentColours().face);
            return reinterpret_cast<LRESULT>(m_hFaceBrush);
        }
        break;
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
