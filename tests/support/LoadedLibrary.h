#pragma once
// A module loaded for the scope of a test.
#include <afxwin.h>

class CLoadedLibrary : public CLibraryHandle
{
public:
    // LoadLibraryExW(path, NULL, flags); Handle() is NULL when that failed.
    CLoadedLibrary(const CString& path, DWORD flags) : CLibraryHandle(LoadLibraryExW(path, nullptr, flags)) {}

    HMODULE Handle() const { return get(); }
};
