#pragma once
// Windows: a DOS device name for the folder, as subst makes.
#include "DriveMapper.h"

class CDosDeviceMapper : public IDriveMapper
{
public:
    bool Define(wchar_t letter, const CString& folder) override;
    bool Remove(wchar_t letter) override;
};
