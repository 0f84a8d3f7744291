#include "DialogMemory.h"

#include <algorithm>

namespace
{
const wchar_t kSection[] = L"Main Dialog";
const wchar_t kLeft[] = L"Left";
const wchar_t kTop[] = L"Top";
const wchar_t kExtraWidth[] = L"ExtraWidth";
const wchar_t kExtraHeight[] = L"ExtraHeight";
const wchar_t kMaximized[] = L"Maximized";
const wchar_t kSortColumn[] = L"SortColumn";
const wchar_t kSortDescending[] = L"SortDescending";

// Beyond any screen, yet far from overflowing when added or scaled.
const int kFarthest = 1 << 20;

int Recall(HKEY hSection, LPCWSTR pszEntry, int nDefault, int nLeast, int nMost)
{
    return std::clamp(static_cast<int>(CWinApp::GetProfileInt(hSection, pszEntry, nDefault)), nLeast, nMost);
}

// A value from 0 to nMost; the default for any other.
int RecallChoice(HKEY hSection, LPCWSTR pszEntry, int nDefault, int nMost)
{
    const UINT nValue = CWinApp::GetProfileInt(hSection, pszEntry, nDefault);
    return nValue <= static_cast<UINT>(nMost) ? static_cast<int>(nValue) : nDefault;
}

// Moves the span [nStart, nStart + nLength) into [nLow, nHigh), which is at
// least as long.
LONG MovedInto(LONG nStart, LONG nLength, LONG nLow, LONG nHigh)
{
    return std::max(nLow, std::min(nStart, nHigh - nLength));
}
}

CDialogMemory RecallDialog(const CDialogMemory& defaults)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return defaults;
    // Opened once for every value: each opening asks the registry again.
    const CRegKeyHandle section = pApp->GetSectionKey(kSection);
    HKEY hSection = section.get();
    CDialogMemory memory;
    memory.m_ptTopLeft.x = Recall(hSection, kLeft, defaults.m_ptTopLeft.x, -kFarthest, kFarthest);
    memory.m_ptTopLeft.y = Recall(hSection, kTop, defaults.m_ptTopLeft.y, -kFarthest, kFarthest);
    memory.m_sizeExtra.cx = Recall(hSection, kExtraWidth, defaults.m_sizeExtra.cx, 0, kFarthest);
    memory.m_sizeExtra.cy = Recall(hSection, kExtraHeight, defaults.m_sizeExtra.cy, 0, kFarthest);
    memory.m_bMaximized = RecallChoice(hSection, kMaximized, defaults.m_bMaximized, 1) != 0;
    memory.m_order.m_column = static_cast<CCatalogueColumn>(
        RecallChoice(hSection, kSortColumn, static_cast<int>(defaults.m_order.m_column), kCatalogueColumns - 1));
    memory.m_order.m_bDescending = RecallChoice(hSection, kSortDescending, defaults.m_order.m_bDescending, 1) != 0;
    return memory;
}

bool KeepDialog(const CDialogMemory& memory)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return false;
    const std::pair<LPCWSTR, int> values[] = {
        { kLeft, memory.m_ptTopLeft.x },
        { kTop, memory.m_ptTopLeft.y },
        { kExtraWidth, memory.m_sizeExtra.cx },
        { kExtraHeight, memory.m_sizeExtra.cy },
        { kMaximized, memory.m_bMaximized },
        { kSortColumn, static_cast<int>(memory.m_order.m_column) },
        { kSortDescending, memory.m_order.m_bDescending },
    };
    bool bKept = true;
    for (const auto& [pszEntry, nValue] : values)
        bKept = pApp->WriteProfileInt(kSection, pszEntry, nValue) && bKept;
    return bKept;
}

RECT FitOnWorkArea(POINT ptTopLeft, SIZE size, SIZE minSize, const RECT& rcWork)
{
    const LONG cx = std::min(std::max(size.cx, minSize.cx), rcWork.right - rcWork.left);
    const LONG cy = std::min(std::max(size.cy, minSize.cy), rcWork.bottom - rcWork.top);
    const LONG x = MovedInto(ptTopLeft.x, cx, rcWork.left, rcWork.right);
    const LONG y = MovedInto(ptTopLeft.y, cy, rcWork.top, rcWork.bottom);
    return { x, y, x + cx, y + cy };
}
