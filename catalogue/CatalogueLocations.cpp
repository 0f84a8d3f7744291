#include "CatalogueLocations.h"

#include <vector>

CatalogueLocations GetCatalogueLocations()
{
    CatalogueLocations locations;
    locations.m_strDataFolder = L"c:\\programdata\\Marbek Corporation\\Quenta Central";
    locations.m_strModulesIni = locations.m_strDataFolder + L"\\modules.ini";
    locations.m_strTempIni = locations.m_strDataFolder + L"\\temp.ini";
    locations.m_strAppsIni = locations.m_strDataFolder + L"\\apps.ini";
    locations.m_strExeFolder = GetExecutableFolder();
    return locations;
}

CString GetExecutableFolder()
{
    // The module's own file name: the command line is whatever the starter
    // chose to write there.
    std::vector<wchar_t> path(MAX_PATH);
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    const CString file(path.data(), static_cast<int>(length));
    return file.Left(file.ReverseFind(L'\\'));
}
