#pragma once
// COwnedHandle: owns one Windows handle and frees it with the function that
// belongs to its kind when the owner goes.
#include <windows.h>

#include <memory>
#include <type_traits>

template <auto pfnFree>
struct AfxHandleFree
{
    template <typename H>
    void operator()(H h) const
    {
        pfnFree(h);
    }
};

template <typename H, auto pfnFree>
using COwnedHandle = std::unique_ptr<std::remove_pointer_t<H>, AfxHandleFree<pfnFree>>;

using CBrushHandle = COwnedHandle<HBRUSH, &::DeleteObject>;
using CIconHandle = COwnedHandle<HICON, &::DestroyIcon>;
using CMenuHandle = COwnedHandle<HMENU, &::DestroyMenu>;
using CGlobalHandle = COwnedHandle<HGLOBAL, &::GlobalFree>;
using CHookHandle = COwnedHandle<HHOOK, &::UnhookWindowsHookEx>;
