#include "RunningSystem.h"

#include <AfxBinding.h>

bool RunsUnderWine()
{
    return BoundLoadedFunction<FARPROC>(L"ntdll.dll", "wine_get_version") != nullptr;
}
