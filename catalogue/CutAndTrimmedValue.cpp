#include "CutAndTrimmedValue.h"

#include <ProfileFile.h>

CString ReadCutAndTrimmedValue(const CProfileFile& file, const CString& strSection, LPCWSTR pszKey)
{
    CString strValue = file.GetString(strSection, pszKey, kCatalogueValueBuffer);
    strValue.Trim();
    return strValue;
}
