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
    ~AbstractDialog() override;

protected:
    BOOL OnInitDialog() override;
    void OnPaint();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    void OnColoursChanged();

    CBrushHandle m_faceBrush;
};
