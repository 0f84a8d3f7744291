#include "Clipboard.h"
#include "DialogDriver.h"

#include <iterator>

bool EmptyTheClipboard()
{
    if (!OpenClipboard(nullptr))
        return false;
    const bool bEmptied = EmptyClipboard() != FALSE;
    CloseClipboard();
    return bEmptied;
}

CString ClipboardText()
{
    if (!OpenClipboard(nullptr))
        return CString();
    CString text;
    if (HANDLE hData = GetClipboardData(CF_UNICODETEXT))
    {
        if (const wchar_t* p = static_cast<const wchar_t*>(GlobalLock(hData)))
        {
            text = p;
            GlobalUnlock(hData);
        }
    }
    CloseClipboard();
    return text;
}

void PressCtrlWith(WORD key)
{
    INPUT inputs[4] = {};
    const WORD keys[4] = { VK_CONTROL, key, key, VK_CONTROL };
    for (size_t i = 0; i < std::size(inputs); ++i)
    {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    SendInput(static_cast<UINT>(std::size(inputs)), inputs, sizeof(INPUT));
}

CString WaitForClipboardText(DWORD milliseconds)
{
    CString text;
    PumpMessagesUntil([&] { return !(text = ClipboardText()).IsEmpty(); }, milliseconds);
    return text;
}

CClipboardHolder::CClipboardHolder(DWORD milliseconds)
    : m_hOpened(CreateEventW(nullptr, TRUE, FALSE, nullptr)), m_hRelease(CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
    m_thread = std::thread([this, milliseconds] {
        const bool bOpen = OpenClipboard(nullptr) != FALSE;
        SetEvent(m_hOpened.get());
        WaitForSingleObject(m_hRelease.get(), milliseconds);
        if (bOpen)
            CloseClipboard();
    });
    WaitForSingleObject(m_hOpened.get(), INFINITE);
}

CClipboardHolder::~CClipboardHolder()
{
    SetEvent(m_hRelease.get());
    m_thread.join();
}
