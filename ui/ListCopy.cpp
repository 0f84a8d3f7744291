#include "ListCopy.h"

#include <CauseReport.h>
#include <DelimitedText.h>

#include <cstring>

namespace
{
// How long another program may hold the clipboard open (a clipboard
// manager reading it, say) before the copy gives up, and the pause between
// attempts, in milliseconds.
const DWORD kClipboardPatience = 500;
const DWORD kClipboardRetryPause = 20;

// False with the last refusal's error as the thread's last error.
bool OpenClipboardPatiently(HWND hOwner)
{
    const DWORD dwStart = GetTickCount();
    while (!OpenClipboard(hOwner))
    {
        if (GetTickCount() - dwStart >= kClipboardPatience)
            return false;
        Sleep(kClipboardRetryPause);
    }
    return true;
}

// Closes the clipboard when the scope ends.
class CClipboardOpened
{
public:
    explicit CClipboardOpened(HWND hOwner) : m_bOpen(OpenClipboardPatiently(hOwner)) {}
    ~CClipboardOpened()
    {
        if (m_bOpen)
            CloseClipboard();
    }
    CClipboardOpened(const CClipboardOpened&) = delete;
    CClipboardOpened& operator=(const CClipboardOpened&) = delete;

    bool IsOpen() const { return m_bOpen; }

private:
    bool m_bOpen;
};
}

CString ListText(const CCatalogueView& view)
{
    return TabSeparatedText(CCatalogueView::Headings(), view.ShownRows());
}

bool CopyTextToClipboard(HWND hOwner, const CString& strText)
{
    const size_t nBytes = (static_cast<size_t>(strText.GetLength()) + 1) * sizeof(wchar_t);
    CGlobalHandle memory(GlobalAlloc(GMEM_MOVEABLE, nBytes));
    void* pData = memory ? GlobalLock(memory.get()) : nullptr;
    if (!pData)
    {
        ReportCause(kProgramSource, L"no memory for the list's text on the clipboard", GetLastError());
        return false;
    }
    memcpy(pData, strText.GetString(), nBytes);
    GlobalUnlock(memory.get());

    CClipboardOpened clipboard(hOwner);
    if (!clipboard.IsOpen())
    {
        ReportCause(kProgramSource, L"another program held the clipboard open; the list was not copied",
                    GetLastError());
        return false;
    }
    if (!EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory.get()))
    {
        ReportCause(kProgramSource, L"the clipboard refused the list's text", GetLastError());
        return false;
    }
    // The clipboard owns the memory now.
    memory.release();
    return true;
}
