#pragma once
// An extended dialog template (DLGTEMPLATEEX) read from a module: the
// dialog's and its controls' styles, texts and places in dialog units.
#include <afxwin.h>

#include <vector>

struct DialogItem
{
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    CString className; // "Button", "Static", ... or "#0x0080" for an atom
    CString text;      // or "#N" for a resource ordinal
};

struct DialogTemplate
{
    bool valid = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    CString menu, windowClass, caption, typeface;
    WORD pointSize = 0, weight = 0;
    BYTE italic = 0, charset = 0;
    std::vector<DialogItem> items;
};

DialogTemplate ReadDialogTemplate(HINSTANCE hModule, UINT id);
