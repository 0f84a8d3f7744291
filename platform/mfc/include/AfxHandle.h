#pragma once
// Small owners for Windows resources: each frees what it holds with the
// function that belongs to its kind when the owner goes. The program, the
// stand-ins and the tests own every handle, module, COM pointer, GDI object,
// device context and block of local or global memory through these.
#include <windows.h>
#include <ole2.h>

#include <cstddef>
#include <memory>
#include <type_traits>

template <auto pfnFree> struct AfxHandleFree
{
    template <typename H> void operator()(H h) const { pfnFree(h); }
};

// A handle, module or pointer whose empty value is NULL.
template <typename H, auto pfnFree>
using COwnedHandle = std::unique_ptr<std::remove_pointer_t<H>, AfxHandleFree<pfnFree>>;

// A handle whose empty value is INVALID_HANDLE_VALUE, as CreateFileW and
// FindFirstFileW return it; it stands as the pointer of a unique_ptr.
class CInvalidIsEmpty
{
public:
    CInvalidIsEmpty() = default;
    CInvalidIsEmpty(std::nullptr_t) {}
    CInvalidIsEmpty(HANDLE h) : m_h(h) {}
    operator HANDLE() const { return m_h; }
    friend bool operator==(CInvalidIsEmpty a, CInvalidIsEmpty b) { return a.m_h == b.m_h; }
    friend bool operator!=(CInvalidIsEmpty a, CInvalidIsEmpty b) { return a.m_h != b.m_h; }
    friend bool operator==(CInvalidIsEmpty a, std::nullptr_t) { return a.m_h == INVALID_HANDLE_VALUE; }
    friend bool operator!=(CInvalidIsEmpty a, std::nullptr_t) { return a.m_h != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_h = INVALID_HANDLE_VALUE;
};

template <auto pfnFree> struct AfxInvalidHandleFree
{
    using pointer = CInvalidIsEmpty;
    void operator()(pointer h) const { pfnFree(h); }
};

template <auto pfnFree> using CInvalidHandle = std::unique_ptr<void, AfxInvalidHandleFree<pfnFree>>;

using CKernelHandle = COwnedHandle<HANDLE, &::CloseHandle>;
using CFileHandle = CInvalidHandle<&::CloseHandle>;
using CFindHandle = CInvalidHandle<&::FindClose>;
using CLibraryHandle = COwnedHandle<HMODULE, &::FreeLibrary>;
template <typename H> using CGdiHandle = COwnedHandle<H, &::DeleteObject>;
using CBrushHandle = CGdiHandle<HBRUSH>;
using CIconHandle = COwnedHandle<HICON, &::DestroyIcon>;
using CMenuHandle = COwnedHandle<HMENU, &::DestroyMenu>;
using CMemoryDCHandle = COwnedHandle<HDC, &::DeleteDC>;
using CWindowHandle = COwnedHandle<HWND, &::DestroyWindow>;
using CHookHandle = COwnedHandle<HHOOK, &::UnhookWindowsHookEx>;
using CRegKeyHandle = COwnedHandle<HKEY, &::RegCloseKey>;
using CSidHandle = COwnedHandle<PSID, &::FreeSid>;
using CMappedView = COwnedHandle<LPVOID, &::UnmapViewOfFile>;
using CGlobalHandle = COwnedHandle<HGLOBAL, &::GlobalFree>;
// Memory from LocalAlloc, or that a function hands over for LocalFree.
template <typename P> using CLocalMemory = COwnedHandle<P, &::LocalFree>;

// Memory from the process heap that a function hands over (wine's Unix
// paths, say).
struct CProcessHeapFree
{
    void operator()(void* p) const { HeapFree(GetProcessHeap(), 0, p); }
};
template <typename T> using CProcessHeapMemory = std::unique_ptr<T, CProcessHeapFree>;

// A COM interface, released when the owner goes.
template <class T> class CComPtr
{
public:
    CComPtr() = default;
    ~CComPtr()
    {
        if (m_p)
            m_p->Release();
    }
    CComPtr(const CComPtr&) = delete;
    CComPtr& operator=(const CComPtr&) = delete;
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // For a function that hands out an interface: whatever was held goes first.
    T** Receive()
    {
        if (m_p)
            m_p->Release();
        m_p = nullptr;
        return &m_p;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }

private:
    T* m_p = nullptr;
};

// Selects a GDI object into a device context and puts the previous one back
// when it goes.
class CSelectedObject
{
public:
    CSelectedObject(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hPrevious(::SelectObject(hDC, hObject)) {}
    ~CSelectedObject()
    {
        if (m_hPrevious)
            ::SelectObject(m_hDC, m_hPrevious);
    }
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hPrevious;
};

// CClientDC and CWindowDC: the device context of a window's client area,
// or of the whole window with its frame, released when the owner goes.
template <HDC(WINAPI* pfnGet)(HWND)> class CWindowAreaDC
{
public:
    explicit CWindowAreaDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(pfnGet(hWnd)) {}
    ~CWindowAreaDC()
    {
        if (m_hDC)
            ::ReleaseDC(m_hWnd, m_hDC);
    }
    CWindowAreaDC(const CWindowAreaDC&) = delete;
    CWindowAreaDC& operator=(const CWindowAreaDC&) = delete;

    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};
using CClientDC = CWindowAreaDC<&::GetDC>;
using CWindowDC = CWindowAreaDC<&::GetWindowDC>;
