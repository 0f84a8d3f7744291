#include "AfxReport.h"

CString AfxCauseLine(LPCWSTR pszSource, const CString& strCause)
{
    return CString(pszSource) + L": " + strCause;
}

void AfxReportCause(LPCWSTR pszSource, const CString& strCause)
{
    OutputDebugStringW(AfxCauseLine(pszSource, strCause) + L"\n");
}

void AfxReportCause(const CString& strCause)
{
    AfxReportCause(L"SoftwareInfo", strCause);
}
