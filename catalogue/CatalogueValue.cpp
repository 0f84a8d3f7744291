#include "CatalogueValue.h"

CString ReadCatalogueValue(const CString& strPath, const CString& strSection, LPCWSTR pszKey)
{
    wchar_t value[1024];
    const DWORD count = GetPrivateProfileStringW(strSection, pszKey, L"", value, ARRAYSIZE(value), strPath);
    CString strValue(value, static_cast<int>(count));
    strValue.Trim();
    return strValue;
}
