#include "AfxDataExchange.h"

#include <vector>

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (!rControl.m_hWnd)
        rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hCtl = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC);
    if (!pDX->m_bSaveAndValidate)
    {
        ::SetWindowTextW(hCtl, value);
        return;
    }
    std::vector<wchar_t> text(static_cast<size_t>(::GetWindowTextLengthW(hCtl)) + 1);
    int nLength = ::GetWindowTextW(hCtl, text.data(), static_cast<int>(text.size()));
    value = CString(text.data(), nLength);
}
