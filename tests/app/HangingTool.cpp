// Stands in for a Unicode.exe that never ends: it waits until the test sets
// the event "SoftwareInfoTest-ReleaseTool".
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    HANDLE hRelease = CreateEventW(nullptr, TRUE, FALSE, L"SoftwareInfoTest-ReleaseTool");
    WaitForSingleObject(hRelease, INFINITE);
    CloseHandle(hRelease);
    return 0;
}
