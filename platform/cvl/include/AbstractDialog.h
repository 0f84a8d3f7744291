#pragma once
// AbstractDialog: the common base of the skinned dialogs. It paints the
// dialog's face and gives its static controls and buttons the skin's colours,
// and follows the system's colours when they change (a high-contrast theme
// switched on or off).
#include <afxwin.h>

class AbstractDialog : public CDialog
{
public:
    AbstractDialog(UINT nIDTemplate, CWnd* pParentWnd);

protected:
    BOOL OnInitDialog() override;
    void OnPaint();
    BOOL OnEraseBkgnd(HDC hDC);
    // Static controls, buttons and the dialog itself take the skin's face
    // and text colours; other controls keep the system's.
    HBRUSH OnCtlColor(HDC hDC, HWND hWnd, UINT nCtlColor);
    void OnSysColorChange();
    void OnSettingChange(UINT uFlags, LPCWSTR lpszSection);

    DECLARE_MESSAGE_MAP()

private:
    void OnColoursChanged();

    CBrushHandle m_faceBrush;
};
