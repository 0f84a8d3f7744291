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

// OLE and COM on the calling thread (OleInitialize: a single-threaded
// apartment, as the shell's dialogs need) from construction until the owner
// goes, when that succeeded. ole32.dll is loaded from System32 here, when a
// feature first needs it, rather than at every start of the program, and
// its functions are called through the session.
class COleSession
{
public:
    COleSession()
        : m_ole32(LoadSystemLibrary(L"ole32.dll")),
          m_pfnCreateInstance(BoundFunction<decltype(&::CoCreateInstance)>(m_ole32.get(), "CoCreateInstance")),
          m_pfnFreeTaskMemory(BoundFunction<decltype(&::CoTaskMemFree)>(m_ole32.get(), "CoTaskMemFree"))
    {
        const auto pfnInitialize = BoundFunction<decltype(&::OleInitialize)>(m_ole32.get(), "OleInitialize");
        m_pfnUninitialize = BoundFunction<decltype(&::OleUninitialize)>(m_ole32.get(), "OleUninitialize");
        m_bInitialised = pfnInitialize && m_pfnUninitialize && m_pfnCreateInstance && m_pfnFreeTaskMemory &&
                         SUCCEEDED(pfnInitialize(nullptr));
    }
    ~COleSession()
    {
        if (m_bInitialised)
            m_pfnUninitialize();
    }
    COleSession(const COleSession&) = delete;
    COleSession& operator=(const COleSession&) = delete;

    bool IsInitialised() const { return m_bInitialised; }

    // CoCreateInstance of an in-process server; CO_E_NOTINITIALIZED when
    // the session did not begin.
    HRESULT CreateInstance(REFCLSID clsid, REFIID iid, void** ppv) const
    {
        *ppv = nullptr;
        return m_bInitialised ? m_pfnCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, ppv)
                              : CO_E_NOTINITIALIZED;
    }
    // CoTaskMemFree, for memory a COM method hands over.
    void FreeTaskMemory(void* p) const
    {
        if (m_bInitialised)
            m_pfnFreeTaskMemory(p);
    }

private:
    CLibraryHandle m_ole32;
    decltype(&::CoCreateInstance) m_pfnCreateInstance;
    decltype(&::CoTaskMemFree) m_pfnFreeTaskMemory;
    decltype(&::OleUninitialize) m_pfnUninitialize = nullptr;
    bool m_bInitialised = false;
};

// Memory a COM method hands over, freed through the session that called it.
struct COleTaskMemoryFree
{
    const COleSession* m_pSession;
    void operator()(void* p) const { m_pSession->FreeTaskMemory(p); }
};
template <typename T> using COleTaskMemory = std::unique_ptr<T, COleTaskMemoryFree>;
