#pragma once
// CCommandLineInfo: receives the command line's parameters one by one.
#include "AfxString.h"

class CCommandLineInfo
{
public:
    virtual ~CCommandLineInfo() = default;

    // pszParam without its leading '/' or '-'; bFlag tells whether it had one;
    // bLast marks the final parameter. The base keeps the first parameter
    // that is not a flag as the file name.
    virtual void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast);

    CString m_strFileName;
};
