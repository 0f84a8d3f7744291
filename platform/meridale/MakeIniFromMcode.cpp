#include "Meridale.h"
#include "ModelReader.h"

#include <CauseReport.h>

namespace
{
BOOL Fail(const CString& strCause, DWORD dwError = ERROR_SUCCESS)
{
    ReportCause(L"Meridale", strCause, dwError);
    return FALSE;
}
}

MERIDALE_API BOOL MakeIniFromMcode(CString strIniPath, CString strModelPath)
{
    if (strIniPath.IsEmpty() || strModelPath.IsEmpty())
        return Fail(L"no model file was given");
    CUnicodeIniFile ini;
    const HRESULT hr = ReadModelFile(strModelPath, ini);
    if (hr != S_OK)
        return Fail(strModelPath + L" cannot be read as an XML model", static_cast<DWORD>(hr));
    if (!ini.Save(strIniPath))
    {
        const DWORD dwError = GetLastError();
        return Fail(strIniPath + L" cannot be written", dwError);
    }
    return TRUE;
}
