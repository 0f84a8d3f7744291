#pragma once
// Skinned buttons and group frame: they take the skin's colours from the
// dialog they sit on (AbstractDialog).
#include <afxwin.h>

class CorvelButton2 : public CButton
{
};

class CorvelButton : public CButton
{
};

class CorvelGroupBox : public CButton
{
};
