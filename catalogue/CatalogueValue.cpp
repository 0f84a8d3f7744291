#include "CatalogueValue.h"

#include <ProfileFile.h>

CString CatalogueValue(const CProfileFile& file, const CString& strSection, LPCWSTR pszKey)
{
    CString strValue = file.GetString(strSection, pszKey, 1024);
    strValue.Trim();
    return strValue;
}
