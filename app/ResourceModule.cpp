#include "ResourceModule.h"

#include <afxwin.h>

namespace
{
HINSTANCE g_hResourceModule = nullptr;
const wchar_t kResourceModuleName[] = L"SoftInfoRes.dll";
}

bool LoadResourceModule()
{
    if (g_hResourceModule)
        return true;
    // The program runs elevated: the module is found by the ordinary library
    // search but mapped as an image-resource data file, so no code in
    // whatever file the search finds ever runs.
    HINSTANCE hModule = AfxLoadLibraryEx(kResourceModuleName, nullptr,
                                         LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!hModule)
        return false;
    g_hResourceModule = hModule;
    AfxGetModuleState()->m_hCurrentResourceHandle = hModule;
    return true;
}
