#pragma once
// The factory volume made reachable for as long as its activation lives.

// Asks the volume-access library to make the factory volume reachable and,
// when it did, to withdraw it again when the object goes: no way out of
// the scope leaves a drive letter behind.
class CFactoryVolumeActivation
{
public:
    CFactoryVolumeActivation();
    ~CFactoryVolumeActivation();
    CFactoryVolumeActivation(const CFactoryVolumeActivation&) = delete;
    CFactoryVolumeActivation& operator=(const CFactoryVolumeActivation&) = delete;

    // False when the library cannot be used or the volume is not reachable.
    bool IsActive() const { return m_bActive; }

private:
    const bool m_bActive;
};
