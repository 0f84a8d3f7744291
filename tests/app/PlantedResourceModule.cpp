// A SoftInfoRes.dll that also carries code: if the program ever lets it run,
// it leaves a marker file in the temporary folder.
#include <AfxHandle.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
    {
        wchar_t path[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, path);
        lstrcatW(path, L"planted-resource-module-ran.txt");
        CFileHandle(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    return TRUE;
}
