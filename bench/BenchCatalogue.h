#pragma once
// What the catalogue benches share: catalogues of generated products, the
// files the program and its floor read them from, and the program's own
// catalogue file put aside while a bench runs.
#include <Catalogue.h>

#include <functional>
#include <string>

// Names like "Marbek Photo Studio Deluxe 7.2": a maker, two or three words
// and a version; in display order.
CCatalogue MakeProducts(int nCount);

// The catalogue as Unicode.exe writes it, the names in reverse order, with
// filler lines written after each product's section header.
bool WriteCatalogue(const CString& strPath, const CCatalogue& products,
                    const std::function<std::wstring(size_t)>& filler = nullptr);

// The floor's input: the rows in display order, name TAB description.
bool WriteRows(const CString& strPath, const CCatalogue& products);

// The program's catalogue file, put aside while the bench runs and put back
// afterwards.
class CAppsIniAside
{
public:
    CAppsIniAside();
    ~CAppsIniAside();
    CAppsIniAside(const CAppsIniAside&) = delete;
    CAppsIniAside& operator=(const CAppsIniAside&) = delete;

    const CString& Path() const { return m_strPath; }

private:
    CString m_strPath;
    CString m_strAside;
    bool m_bAside = false;
};
