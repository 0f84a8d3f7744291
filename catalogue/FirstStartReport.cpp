#include "FirstStartReport.h"

void ReportFirstStartFailure(const CString& cause)
{
    OutputDebugStringW(L"SoftwareInfo: " + cause + L"\n");
}
