#include "FactoryVolumeActivation.h"

#include <AcRcvPrt.h>
#include <AfxReport.h>

namespace
{
// Each request works on a fresh library object; Initialize returning 0
// means the library cannot be used.
template <typename Request> bool WithVolumeLibrary(Request request)
{
    AcRcvPrt volume;
    if (volume.Initialize() == 0)
    {
        AfxReportCause(L"the factory volume library Hdv.dll cannot be used");
        return false;
    }
    return request(volume);
}
}

CFactoryVolumeActivation::CFactoryVolumeActivation()
    : m_bActive(WithVolumeLibrary([](AcRcvPrt& volume) {
          if (volume.ActivePOne() != 0)
              return true;
          AfxReportCause(L"the factory volume could not be made reachable");
          return false;
      }))
{
}

CFactoryVolumeActivation::~CFactoryVolumeActivation()
{
    if (m_bActive)
        WithVolumeLibrary([](AcRcvPrt& volume) { return volume.DisablePOne() != 0; });
}
