#include "CatalogueLocations.h"

#include <FileQueries.h>

CatalogueLocations GetCatalogueLocations()
{
    CatalogueLocations locations;
    locations.m_strDataFolder = L"c:\\programdata\\Marbek Corporation\\Quenta Central";
    locations.m_strModulesIni = locations.m_strDataFolder + L"\\modules.ini";
    locations.m_strTempIni = locations.m_strDataFolder + L"\\temp.ini";
    locations.m_strAppsIni = locations.m_strDataFolder + L"\\apps.ini";
    // The module's own file name: the command line is whatever the starter
    // chose to write there.
    locations.m_strExeFolder = GetModuleFolder(nullptr);
    return locations;
}
