#pragma once
// The contrast ratio of two colours (WCAG 2.1): 1 to 21.
#include <windows.h>

double Contrast(COLORREF a, COLORREF b);
