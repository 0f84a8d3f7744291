#include "SoftwareInfoCommandLine.h"

namespace
{
struct CExportSwitch
{
    const wchar_t* m_pszName;
    EListFormat m_format;
};
const CExportSwitch kExportSwitches[] = {
    { L"scomma", EListFormat::CommaSeparated },
    { L"stab", EListFormat::TabSeparated },
    { L"shtml", EListFormat::Html },
    { L"sjson", EListFormat::Json },
};
}

void CSoftwareInfoCommandLine::ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast)
{
    if (m_pszPendingSwitch)
    {
        // A switch in its place means the file name was left out; so does
        // an empty one ("").
        if (!bFlag && *pszParam)
            m_exports.push_back({ m_pendingFormat, pszParam });
        else if (m_strSwitchWithoutFile.IsEmpty())
            m_strSwitchWithoutFile = m_pszPendingSwitch;
        m_pszPendingSwitch = nullptr;
    }
    if (bFlag)
    {
        if (lstrcmpiW(pszParam, L"halt") == 0)
            m_bHalt = true;
        if (lstrcmpiW(pszParam, L"haltAll") == 0)
            m_bHaltAll = true;
        for (const CExportSwitch& exportSwitch : kExportSwitches)
            if (lstrcmpiW(pszParam, exportSwitch.m_pszName) == 0)
            {
                m_pszPendingSwitch = exportSwitch.m_pszName;
                m_pendingFormat = exportSwitch.m_format;
            }
        if (m_pszPendingSwitch && bLast && m_strSwitchWithoutFile.IsEmpty())
            m_strSwitchWithoutFile = m_pszPendingSwitch;
    }
    CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
}
