#pragma once
// Where the catalogue's files live and where the program itself lies.
#include <afxwin.h>

struct CatalogueLocations
{
    CString m_strDataFolder;
    CString m_strModulesIni;
    CString m_strTempIni;
    CString m_strAppsIni;
    CString m_strExeFolder;
};

// The fixed data folder with its three file paths, and the executable folder.
// Touches no file.
CatalogueLocations GetCatalogueLocations();
