#pragma once
// AbstractDialog: the common base of the skinned dialogs. It paints the
// dialog's face and gives its static controls, buttons and edits the skin's colours,
// and follows the system's colours and the user's app mode (light or dark)
// when they change, title bar included. A dialog with a sizing border shows
// a size grip in its bottom-right corner.
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
    // and text colours, edits its rows' colours; other controls keep the
    // system's.
    HBRUSH OnCtlColor(HDC hDC, HWND hWnd, UINT nCtlColor);
    void OnSysColorChange();
    void OnSettingChange(UINT uFlags, LPCWSTR lpszSection);
    LRESULT OnNcHitTest(POINT point);

    // The size grip's place in client coordinates; empty when the dialog
    // has none (no sizing border, or maximised).
    RECT SizeGripRect() const;

    DECLARE_MESSAGE_MAP()

private:
    void OnColoursChanged();

    CBrushHandle m_faceBrush;
    CBrushHandle m_editBrush;
};
