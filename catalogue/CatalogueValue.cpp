#include "CatalogueValue.h"

#include <ProfileFile.h>

CString CatalogueValue(const CProfileFile& file, const CString& strSection, LPCWSTR pszKey)
{
    CString strValue = file.GetString(strSection, pszKey, kCatalogueValueBuffer);
    strValue.Trim();
    return strValue;
}
