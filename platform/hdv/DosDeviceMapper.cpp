#include "DosDeviceMapper.h"

namespace
{
CString DeviceName(wchar_t chLetter)
{
    return CString(chLetter) + L":";
}
}

bool CDosDeviceMapper::Define(wchar_t chLetter, const CString& strFolder)
{
    return DefineDosDeviceW(0, DeviceName(chLetter), strFolder) != FALSE;
}

bool CDosDeviceMapper::Remove(wchar_t chLetter)
{
    // Only called once the letter is known to lead to our folder; without a
    // target the latest definition of the name goes.
    return DefineDosDeviceW(DDD_REMOVE_DEFINITION, DeviceName(chLetter), nullptr) != FALSE;
}
