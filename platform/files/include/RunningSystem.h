#pragma once
// Which system the program runs on, where Windows and wine differ in what
// they keep (file security) or offer (a mount manager for drive letters).
#include <windows.h>

// True under wine, which ntdll tells by its export wine_get_version.
bool RunsUnderWine();
