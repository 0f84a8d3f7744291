#pragma once
// Drawing the skinned controls share.
#include <afxwin.h>

// The outline of the rectangle, cx pixels wide at the sides and cy high at
// the top and bottom, inside it.
void CorvelFrameRect(HDC hdc, const RECT& rc, int cx, int cy, COLORREF colour);
// A line of text in the window's font, without the access key's underline
// when the window's keyboard cues hide it.
void CorvelDrawText(HWND hWnd, HDC hdc, const CString& text, RECT rc, UINT uFormat, COLORREF colour);
