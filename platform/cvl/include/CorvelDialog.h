#pragma once
// The two skinned dialog classes: CorvelDialog2 for main windows,
// CorvelDialog for secondary boxes. They look and behave alike, so they
// share one body.
#include "AbstractDialog.h"

class CorvelDialog2 : public AbstractDialog
{
public:
    CorvelDialog2(UINT nIDTemplate, CWnd* pParentWnd) : AbstractDialog(nIDTemplate, pParentWnd) {}
};

using CorvelDialog = CorvelDialog2;
