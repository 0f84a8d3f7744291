#include "SoftwareInfoCommandLine.h"

void CSoftwareInfoCommandLine::ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag)
    {
        if (lstrcmpiW(pszParam, L"halt") == 0)
            m_bHalt = true;
        if (lstrcmpiW(pszParam, L"haltAll") == 0)
            m_bHaltAll = true;
    }
    CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
}
