#pragma once
// Why a step of the first start failed: one line through OutputDebugStringW,
// which a debugger or DebugView shows. The user sees nothing of it.
#include <afxwin.h>

void ReportFirstStartFailure(const CString& cause);
