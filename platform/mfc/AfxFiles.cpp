#include "AfxFiles.h"

#include <vector>

CString AfxGetModuleFileName(HMODULE hModule)
{
    // A name that fills the buffer may have been cut short: read it again
    // into a larger one.
    std::vector<wchar_t> path(MAX_PATH);
    DWORD nLength;
    while ((nLength = GetModuleFileNameW(hModule, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    return CString(path.data(), static_cast<int>(nLength));
}
