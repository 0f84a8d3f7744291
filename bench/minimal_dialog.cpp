// A minimal dialog program, built like the real one, as the start-up bench's yardstick.
#include <windows.h>
#include <commctrl.h>

namespace
{
INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
    {
        EndDialog(hDlg, LOWORD(wParam));
        return TRUE;
    }
    if (message == WM_CLOSE)
    {
        EndDialog(hDlg, IDCANCEL);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}
}

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    InitCommonControls();
    DialogBoxParamW(hInstance, MAKEINTRESOURCEW(1), nullptr, &DialogProc, 0);
    return 0;
}
