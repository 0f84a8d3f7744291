#pragma once
// The catalogues the benches measure: products made up in numbers, written
// as Unicode.exe writes apps.ini, and the program's own apps.ini put aside
// while a bench runs.
#include <Catalogue.h>
#include <CatalogueLocations.h>

#include <functional>
#include <string>

// Names like "Marbek Photo Studio Deluxe 7.2": a maker, two or three words
// and a version; in display order.
CCatalogue MakeProducts(int nCount);

// The catalogue as Unicode.exe writes it, the names in reverse order, with
// filler lines written after each product's section header.
bool WriteCatalogue(const CString& strPath, const CCatalogue& products,
                    const std::function<std::wstring(size_t)>& filler = nullptr);

// The program's catalogue file, put aside while the bench runs and put back
// afterwards.
class CAppsIniAside
{
public:
    CAppsIniAside() : m_strPath(GetCatalogueLocations().m_strAppsIni), m_strAside(m_strPath + L".bench-aside")
    {
        CreateDirectoryW(GetCatalogueLocations().m_strDataFolder, nullptr);
        m_bAside = MoveFileExW(m_strPath, m_strAside, MOVEFILE_REPLACE_EXISTING) != FALSE;
    }
    ~CAppsIniAside()
    {
        DeleteFileW(m_strPath);
        if (m_bAside)
            MoveFileExW(m_strAside, m_strPath, MOVEFILE_REPLACE_EXISTING);
    }
    CAppsIniAside(const CAppsIniAside&) = delete;
    CAppsIniAside& operator=(const CAppsIniAside&) = delete;

    const CString& Path() const { return m_strPath; }

private:
    CString m_strPath;
    CString m_strAside;
    bool m_bAside = false;
};
