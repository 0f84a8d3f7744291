// Stands in for a Unicode.exe that never ends: it waits until the test sets
// the event "SoftwareInfoTest-ReleaseTool".
#include <AfxHandle.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    const CKernelHandle release(CreateEventW(nullptr, TRUE, FALSE, L"SoftwareInfoTest-ReleaseTool"));
    WaitForSingleObject(release.get(), INFINITE);
    return 0;
}
