#include "AfxModuleState.h"

#include "AfxHandle.h"

AFX_MODULE_STATE* AfxGetModuleState()
{
    static AFX_MODULE_STATE state = { GetModuleHandleW(nullptr), GetModuleHandleW(nullptr) };
    return &state;
}

HINSTANCE AfxGetInstanceHandle()
{
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetModuleState()->m_hCurrentResourceHandle;
}

HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    if (pState->m_hCurrentResourceHandle && FindResourceW(pState->m_hCurrentResourceHandle, lpszName, lpszType))
        return pState->m_hCurrentResourceHandle;
    if (pState->m_hCurrentInstanceHandle && FindResourceW(pState->m_hCurrentInstanceHandle, lpszName, lpszType))
        return pState->m_hCurrentInstanceHandle;
    return pState->m_hCurrentResourceHandle;
}

HINSTANCE AfxLoadLibraryEx(LPCWSTR lpszModuleName, HANDLE hFile, DWORD dwFlags)
{
    return LoadLibraryExW(lpszModuleName, hFile, dwFlags);
}
