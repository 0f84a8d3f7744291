#pragma once

// Told by the instance guard's watcher thread that a shutdown event was set.
// Both operations run on the watcher thread.
class IShutdownObserver
{
public:
    // The machine-wide shutdown event was set.
    virtual void OnShutdownAll() = 0;
    // The session shutdown event was set.
    virtual void OnShutdownUser() = 0;

protected:
    // Observers are never deleted through this interface.
    ~IShutdownObserver() = default;
};
