#include "DosDeviceMapper.h"

namespace
{
CString DeviceName(wchar_t letter)
{
    return CString(letter) + L":";
}
}

bool CDosDeviceMapper::Define(wchar_t letter, const CString& folder)
{
    return DefineDosDeviceW(0, DeviceName(letter), folder) != FALSE;
}

bool CDosDeviceMapper::Remove(wchar_t letter)
{
    // Only called once the letter is known to lead to our folder; without a
    // target the latest definition of the name goes.
    return DefineDosDeviceW(DDD_REMOVE_DEFINITION, DeviceName(letter), nullptr) != FALSE;
}
