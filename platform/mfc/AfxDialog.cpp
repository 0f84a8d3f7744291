#include "AfxDialog.h"
#include "AfxModuleState.h"
#include "AfxPostedPointerFilter.h"
#include "AfxWinApp.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEW(nIDTemplate)), m_pParentWnd(pParentWnd)
{
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace
{
// Without a parent of its own, a dialog is owned by the application's main
// window, which stays disabled while the dialog runs.
HWND SafeOwner(CWnd* pParentWnd, const CWnd* pDialog)
{
    CWnd* pOwner = pParentWnd ? pParentWnd : AfxGetMainWnd();
    if (!pOwner || pOwner == pDialog || !::IsWindow(pOwner->m_hWnd))
        return nullptr;
    return ::GetAncestor(pOwner->m_hWnd, GA_ROOT);
}
}

INT_PTR CDialog::DoModal()
{
    const CPostedPointerFilter filter;
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    return ::DialogBoxParamW(hInst, m_lpszTemplateName, SafeOwner(m_pParentWnd, this), &AfxDlgProc,
                             reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::EndDialog(int nResult)
{
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

INT_PTR CALLBACK AfxDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE; // everything else reaches the object through AfxWndProc
    CDialog* pDialog = reinterpret_cast<CDialog*>(lParam);
    if (!pDialog->SubclassWindow(hDlg))
        return TRUE;
    return pDialog->WindowProc(WM_INITDIALOG, wParam, lParam);
}
