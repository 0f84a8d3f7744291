#pragma once
// Wine: its mount manager, as winecfg uses it (DOS device names are accepted
// there but never reach the file functions).
#include "DriveMapper.h"

class CWineMountMapper : public IDriveMapper
{
public:
    bool Define(wchar_t letter, const CString& folder) override;
    bool Remove(wchar_t letter) override;
};
