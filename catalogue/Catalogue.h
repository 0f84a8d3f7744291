#pragma once
// The software catalogue as data: the products of a catalogue file in
// display order.
#include <NoLinkFolder.h>
#include <afxwin.h>

#include <vector>

// The keys of the catalogue files (modules.ini, temp.ini, apps.ini).
extern const LPCWSTR kCustomerLabelKey;
extern const LPCWSTR kCustomerDescriptionKey;

struct CProduct
{
    CString m_strName;
    CString m_strDescription;
};

// The products in display order.
using CCatalogue = std::vector<CProduct>;

// Reads a catalogue file (apps.ini) whole: one product per section name
// with its CustomerDescription (cut to 1,023 characters and trimmed),
// products without a description left out, sorted by name without regard
// to case, names that compare equal in file order. A missing file gives
// an empty catalogue; so does one that is no ordinary file, or a link
// (NoLinkFile.h), or one that someone else than the trusted owns
// (IsTrustedFile), after a cause line.
CCatalogue ReadCatalogue(const CFileInFolder& file);
