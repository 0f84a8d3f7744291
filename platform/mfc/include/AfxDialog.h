#pragma once
// CDialog: a modal dialog made from a template in the current resource module.
#include "AfxWnd.h"

class CDialog : public CWnd
{
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog; the value given to EndDialog, or -1 when the
    // template cannot be found or the window cannot be made. While it runs,
    // the thread drops posted messages that carry pointers
    // (CPostedPointerFilter).
    virtual INT_PTR DoModal();
    virtual BOOL OnInitDialog();
    void EndDialog(int nResult);

protected:
    virtual void OnOK();
    virtual void OnCancel();

    LPCWSTR m_lpszTemplateName;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
};

INT_PTR CALLBACK AfxDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
