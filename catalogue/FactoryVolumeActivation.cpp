#include "FactoryVolumeActivation.h"
#include "FactoryDiscovery.h"

CFactoryVolumeActivation::CFactoryVolumeActivation() : m_bActive(ActivateFactoryVolume())
{
}

CFactoryVolumeActivation::~CFactoryVolumeActivation()
{
    if (m_bActive)
        DeactivateFactoryVolume();
}
