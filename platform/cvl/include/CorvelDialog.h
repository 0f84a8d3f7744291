#pragma once
// The two skinned dialog classes: CorvelDialog2 for main windows,
// CorvelDialog for secondary boxes.
#include "AbstractDialog.h"

class CorvelDialog2 : public AbstractDialog
{
public:
    CorvelDialog2(UINT nIDTemplate, CWnd* pParentWnd) : AbstractDialog(nIDTemplate, pParentWnd) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override { AbstractDialog::DoDataExchange(pDX); }

    DECLARE_MESSAGE_MAP()
};

class CorvelDialog : public AbstractDialog
{
public:
    CorvelDialog(UINT nIDTemplate, CWnd* pParentWnd) : AbstractDialog(nIDTemplate, pParentWnd) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override { AbstractDialog::DoDataExchange(pDX); }

    DECLARE_MESSAGE_MAP()
};
