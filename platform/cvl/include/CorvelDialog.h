#pragma once
// The skinned dialog class, CorvelDialog2. The name CorvelDialog, which
// secondary boxes use, is the same class: the skin draws and handles both
// kinds of box alike.
#include "AbstractDialog.h"

class CorvelDialog2 : public AbstractDialog
{
public:
    CorvelDialog2(UINT nIDTemplate, CWnd* pParentWnd) : AbstractDialog(nIDTemplate, pParentWnd) {}
};

using CorvelDialog = CorvelDialog2;
