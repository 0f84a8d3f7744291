#pragma once
// A module loaded for the scope of a test, and what its resources hold.
#include <afxwin.h>

#include <iterator>

class CLoadedLibrary : public CLibraryHandle
{
public:
    // LoadLibraryExW(path, NULL, flags); Handle() is NULL when that failed.
    CLoadedLibrary(const CString& path, DWORD flags) : CLibraryHandle(LoadLibraryExW(path, nullptr, flags)) {}

    HMODULE Handle() const { return get(); }
};

// The string of a module's string table (up to 511 characters); empty when
// it has none.
inline CString StringOf(HMODULE hModule, UINT id)
{
    wchar_t text[512] = {};
    LoadStringW(hModule, id, text, static_cast<int>(std::size(text)));
    return text;
}
