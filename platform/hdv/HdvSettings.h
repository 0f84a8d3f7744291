#pragma once
// Hdv.ini beside the library: [FactoryVolume] Source=folder, Letter=X (optional).
#include <afxwin.h>

struct CHdvSettings
{
    CString m_strSource;
    // Upper-case letter, or NUL when none is given.
    wchar_t m_chLetter = L'\0';
};

// False when Hdv.ini is missing, has no Source or a Letter that is not a
// drive letter from D to Z; strCause then says which, and dwError holds the
// error of the call that failed (ERROR_SUCCESS when none did).
bool ReadHdvSettings(CHdvSettings& settings, CString& strCause, DWORD& dwError);
