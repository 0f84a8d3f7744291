#include "ResourceModule.h"

#include <FileQueries.h>
#include <afxwin.h>
#include <resource.h>

namespace
{
HINSTANCE g_hResourceModule = nullptr;
const wchar_t kResourceModuleName[] = L"SoftInfoRes.dll";
}

bool LoadResourceModule()
{
    if (g_hResourceModule)
        return true;
    // Beside the program, where the ordinary library search finds it first.
    // The program runs elevated: the module is mapped as an image-resource
    // data file, so no code in whatever file is there ever runs.
    CLibraryHandle module(AfxLoadLibraryEx(GetModuleFolder(nullptr) + L"\\" + kResourceModuleName, nullptr,
                                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    // A file that loads but lacks the main dialog would end the program
    // without a word: it is as good as missing.
    if (!module || !FindResourceW(module.get(), MAKEINTRESOURCEW(IDD_SOFTWAREINFO_DIALOG), RT_DIALOG))
        return false;
    g_hResourceModule = module.release();
    AfxGetModuleState()->m_hCurrentResourceHandle = g_hResourceModule;
    return true;
}
