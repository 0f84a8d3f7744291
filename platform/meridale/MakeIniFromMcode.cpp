#include "Meridale.h"
#include "ModelReader.h"

namespace
{
BOOL Fail(const CString& cause)
{
    OutputDebugStringW(L"Meridale: " + cause + L"\n");
    return FALSE;
}
}

MERIDALE_API BOOL MakeIniFromMcode(CString iniPath, CString modelPath)
{
    if (iniPath.IsEmpty() || modelPath.IsEmpty())
        return Fail(L"no model file was given");
    CUnicodeIniFile ini;
    if (!ReadModelFile(modelPath, ini))
        return Fail(modelPath + L" cannot be read as an XML model");
    if (!ini.Save(iniPath))
        return Fail(iniPath + L" cannot be written");
    return TRUE;
}
