#include "CatalogueLocations.h"

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
    return GetExecutableFolder(GetCommandLineW());
}

CString GetExecutableFolder(CString strCommandLine)
{
    if (strCommandLine.IsEmpty())
        return CString();

    CString strToken;
    if (strCommandLine[0] == L'"')
    {
        const int nQuote = strCommandLine.Find(L'"', 1);
        strToken = nQuote >= 0 ? strCommandLine.Mid(1, nQuote - 1) : strCommandLine.Mid(1);
    }
    else
    {
        const int nSpace = strCommandLine.Find(L' ', 1);
        strToken = nSpace >= 0 ? strCommandLine.Left(nSpace) : strCommandLine;
    }

    // Dropping the name leaves the backslash before it as the last character.
    strToken.Replace(L"ZelSoftwareInfo.exe", L"");
    strToken.Delete(strToken.GetLength() - 1);
    return strToken;
}
