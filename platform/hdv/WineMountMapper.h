#pragma once
// Wine: its mount manager, as winecfg uses it (DOS device names are accepted
// there but never reach the file functions).
#include "DriveMapper.h"

class CWineMountMapper : public IDriveMapper
{
public:
    bool Define(wchar_t chLetter, const CString& strFolder) override;
    bool Remove(wchar_t chLetter) override;
};
