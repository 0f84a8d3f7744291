#pragma once
// Functions bound at run time: those that not every Windows version has,
// wine's own, and those of libraries the program loads only when it needs
// them. The program runs elevated and its folder may be a copy in a
// standard user's hands, so a library is never found by a search that
// includes that folder.
#include "AfxHandle.h"

// A library of the system, from System32 alone; empty when it is not there.
inline CLibraryHandle LoadSystemLibrary(LPCWSTR pszName)
{
    return CLibraryHandle(LoadLibraryExW(pszName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}

// The function of that name in the module, as a pointer of type Fn; NULL
// when there is no module or it lacks the function.
template <typename Fn> Fn BoundFunction(HMODULE hModule, LPCSTR pszName)
{
    return hModule ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(hModule, pszName))) : nullptr;
}

// The same for a library every process has loaded from System32 before its
// first instruction (kernel32, ntdll, user32 for a GUI program).
template <typename Fn> Fn BoundLoadedFunction(LPCWSTR pszModule, LPCSTR pszName)
{
    return BoundFunction<Fn>(GetModuleHandleW(pszModule), pszName);
}
