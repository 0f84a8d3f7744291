#include "Meridale.h"
#include "ModelReader.h"

#include <AfxReport.h>

namespace
{
BOOL Fail(const CString& strCause)
{
    AfxReportCause(L"Meridale", strCause);
    return FALSE;
}
}

MERIDALE_API BOOL MakeIniFromMcode(CString strIniPath, CString strModelPath)
{
    if (strIniPath.IsEmpty() || strModelPath.IsEmpty())
        return Fail(L"no model file was given");
    CUnicodeIniFile ini;
    if (!ReadModelFile(strModelPath, ini))
        return Fail(strModelPath + L" cannot be read as an XML model");
    if (!ini.Save(strIniPath))
        return Fail(strIniPath + L" cannot be written");
    return TRUE;
}
