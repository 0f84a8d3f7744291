#pragma once
// The module state: which module the framework takes resources from.
#include <windows.h>

struct AFX_MODULE_STATE
{
    HINSTANCE m_hCurrentInstanceHandle; // the executable
    HINSTANCE m_hCurrentResourceHandle; // where dialogs, strings and icons come from
};

AFX_MODULE_STATE* AfxGetModuleState();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// The module that holds the resource: the current resource module first,
// then the executable; the resource module when neither has it.
HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType);

HINSTANCE AfxLoadLibraryEx(LPCWSTR lpszModuleName, HANDLE hFile, DWORD dwFlags);
