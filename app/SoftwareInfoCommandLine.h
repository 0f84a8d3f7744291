#pragma once
// The program's command line: the switches "halt" and "haltAll".
#include <afxwin.h>

class CSoftwareInfoCommandLine : public CCommandLineInfo
{
public:
    // Recognises /halt and /haltAll (or with '-', any letter case), then
    // passes every parameter on to the base.
    void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast) override;

    bool m_bHalt = false;
    bool m_bHaltAll = false;
};
