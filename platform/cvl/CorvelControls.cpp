#include "CorvelControls.h"
#include "CorvelAPI.h"
#include "CorvelDrawing.h"

#include <iterator>

namespace
{
// A group frame's caption starts this far in from its left edge, and the
// focus rectangle this far inside a button's border, at 96 DPI.
const int kCaptionIndent = 7;
const int kFocusInset = 3;

// Messages on which the system's button draws at once rather than through
// WM_PAINT.
bool DrawsAtOnce(UINT message)
{
    return message == BM_SETSTATE || message == BM_SETSTYLE || message == WM_SETFOCUS || message == WM_KILLFOCUS ||
           message == WM_ENABLE || message == WM_SETTEXT || message == WM_UPDATEUISTATE;
}
}

LRESULT CorvelSkinnedButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool bPaints = message == WM_PAINT || message == WM_PRINTCLIENT || DrawsAtOnce(message);
    if (!bPaints || !CorvelCurrentColours().bDrawsControls)
        return CButton::WindowProc(message, wParam, lParam);
    if (message == WM_PAINT)
    {
        CPaintDC dc(this);
        Draw(dc);
        return 0;
    }
    if (message == WM_PRINTCLIENT)
    {
        Draw(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    // Drawn over again in the skin at once, before the screen shows the
    // system's drawing.
    const LRESULT lResult = CButton::WindowProc(message, wParam, lParam);
    CClientDC dc(m_hWnd);
    Draw(dc);
    return lResult;
}

void CorvelButton2::Draw(HDC hdc)
{
    const CorvelColours colours = CorvelCurrentColours();
    const UINT nState = static_cast<UINT>(SendMessage(BM_GETSTATE));
    const bool bDefault = (GetWindowLongW(m_hWnd, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    const int nBorder = CorvelScale(1, CorvelWindowDpi(m_hWnd));
    RECT rc;
    GetClientRect(&rc);

    CBrushHandle fill(CreateSolidBrush((nState & BST_PUSHED) ? colours.face : colours.button));
    FillRect(hdc, &rc, fill.get());
    // The default button's border is twice as wide, in the accent.
    CorvelFrameRect(hdc, rc, bDefault ? 2 * nBorder : nBorder, bDefault ? 2 * nBorder : nBorder,
                    bDefault ? colours.accent : colours.buttonBorder);
    CString text;
    GetWindowText(text);
    CorvelDrawText(m_hWnd, hdc, text, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                   IsWindowEnabled(m_hWnd) ? colours.buttonText : colours.buttonBorder);

    if ((nState & BST_FOCUS) && !(SendMessage(WM_QUERYUISTATE) & UISF_HIDEFOCUS))
    {
        const int nInset = CorvelScale(kFocusInset, CorvelWindowDpi(m_hWnd));
        InflateRect(&rc, -nInset, -nInset);
        CorvelFrameRect(hdc, rc, nBorder, nBorder, colours.focus);
    }
}

void CorvelGroupBox::Draw(HDC hdc)
{
    const CorvelColours colours = CorvelCurrentColours();
    CString text;
    GetWindowText(text);
    const UINT nDpi = CorvelWindowDpi(m_hWnd);
    RECT rc;
    GetClientRect(&rc);

    // The line runs through the middle of the caption, which stands on the face.
    RECT rcCaption = rc;
    rcCaption.left += CorvelScale(kCaptionIndent, nDpi);
    {
        CSelectedObject font(hdc, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
        DrawTextW(hdc, text, text.GetLength(), &rcCaption, DT_SINGLELINE | DT_CALCRECT);
    }
    RECT rcFrame = rc;
    rcFrame.top += (rcCaption.bottom - rcCaption.top) / 2;
    const int nLine = CorvelScale(1, nDpi);
    CorvelFrameRect(hdc, rcFrame, nLine, nLine, colours.frame);
    if (text.IsEmpty())
        return;
    InflateRect(&rcCaption, CorvelScale(2, nDpi), 0);
    CBrushHandle face(CreateSolidBrush(colours.face));
    FillRect(hdc, &rcCaption, face.get());
    CorvelDrawText(m_hWnd, hdc, text, rcCaption, DT_CENTER | DT_SINGLELINE, colours.text);
}

LRESULT CorvelEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool bPaints = message == WM_NCPAINT || (message == WM_PAINT && GetWindowTextLengthW(m_hWnd) == 0);
    const CorvelColours colours = CorvelCurrentColours();
    if (!bPaints || !colours.bDrawsControls)
        return CWnd::WindowProc(message, wParam, lParam);
    if (message == WM_PAINT)
    {
        // The cue text where the edit's text would be, in the skin's colour.
        wchar_t cue[256] = {};
        SendMessage(EM_GETCUEBANNER, reinterpret_cast<WPARAM>(cue), static_cast<LPARAM>(std::size(cue)));
        CPaintDC dc(this);
        RECT rc;
        GetClientRect(&rc);
        CBrushHandle background(CreateSolidBrush(colours.row));
        FillRect(dc, &rc, background.get());
        SendMessage(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rc));
        CorvelDrawText(m_hWnd, dc, cue, rc, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                       colours.cueText);
        return 0;
    }
    // The border, whatever its width, in the frame's colour.
    RECT rcWindow, rcClient;
    GetWindowRect(m_hWnd, &rcWindow);
    GetClientRect(&rcClient);
    MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    const int cx = rcClient.left - rcWindow.left;
    const int cy = rcClient.top - rcWindow.top;
    OffsetRect(&rcWindow, -rcWindow.left, -rcWindow.top);
    CWindowDC dc(m_hWnd);
    CorvelFrameRect(dc, rcWindow, cx, cy, colours.frame);
    return 0;
}
