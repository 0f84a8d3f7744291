#include "CorvelDrawing.h"

#include <AfxHandle.h>

void CorvelFrameRect(HDC hdc, const RECT& rc, int cx, int cy, COLORREF colour)
{
    const RECT sides[] = {
        { rc.left, rc.top, rc.right, rc.top + cy },
        { rc.left, rc.bottom - cy, rc.right, rc.bottom },
        { rc.left, rc.top, rc.left + cx, rc.bottom },
        { rc.right - cx, rc.top, rc.right, rc.bottom },
    };
    CBrushHandle brush(CreateSolidBrush(colour));
    for (const RECT& side : sides)
        FillRect(hdc, &side, brush.get());
}

void CorvelDrawText(HWND hWnd, HDC hdc, const CString& text, RECT rc, UINT uFormat, COLORREF colour)
{
    if (SendMessageW(hWnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL)
        uFormat |= DT_HIDEPREFIX;
    CSelectedObject font(hdc, reinterpret_cast<HGDIOBJ>(SendMessageW(hWnd, WM_GETFONT, 0, 0)));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, colour);
    DrawTextW(hdc, text, text.GetLength(), &rc, uFormat);
}
