#include "Meridale.h"
#include "ModelReader.h"

MERIDALE_API BOOL MakeIniFromMcode(CString iniPath, CString modelPath)
{
    if (iniPath.IsEmpty() || modelPath.IsEmpty())
        return FALSE;
    CUnicodeIniFile ini;
    if (!ReadModelFile(modelPath, ini))
        return FALSE;
    return ini.Save(iniPath);
}
