#pragma once
// Windows: a DOS device name for the folder, as subst makes.
#include "DriveMapper.h"

class CDosDeviceMapper : public IDriveMapper
{
public:
    bool Define(wchar_t chLetter, const CString& strFolder) override;
    bool Remove(wchar_t chLetter) override;
};
