#pragma once
// A module loaded for the scope of a test.
#include <afxwin.h>

class CLoadedLibrary
{
public:
    // LoadLibraryExW(path, NULL, flags); Handle() is NULL when that failed.
    CLoadedLibrary(const CString& path, DWORD flags) : m_hModule(LoadLibraryExW(path, nullptr, flags)) {}
    ~CLoadedLibrary()
    {
        if (m_hModule)
            FreeLibrary(m_hModule);
    }
    CLoadedLibrary(const CLoadedLibrary&) = delete;
    CLoadedLibrary& operator=(const CLoadedLibrary&) = delete;

    HMODULE Handle() const { return m_hModule; }

private:
    HMODULE m_hModule;
};
