// The program's entry point and its one application object.
#include "SoftwareInfoApp.h"

CSoftwareInfoApp theApp;

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    return AfxWinMain(hInstance);
}
