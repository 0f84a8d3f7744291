#pragma once
// Finding the factory data: making the factory volume reachable, the drive
// that carries the idf folder, and the model file below it.
#include <afxwin.h>

// Receives the path of the model file found by FindModelFile; empty until a
// file matches.
extern CString g_strModelFile;

// Asks the volume-access library to make the factory volume reachable;
// false when the library cannot be used or the volume is not reachable.
// CFactoryVolumeActivation pairs it with DeactivateFactoryVolume.
bool ActivateFactoryVolume();
// Asks the library to withdraw the volume again; false when it cannot be used.
bool DeactivateFactoryVolume();
// The first letter from D to Z whose root holds an idf folder, or "C".
CString FindFactoryDriveLetter();
// Walks the tree under strFolder ("<letter>:\...") depth-first, following
// links only to folders that really lie within what the drive's root really
// is (the factory volume); every file whose name contains strPattern
// (case-sensitive) replaces g_strModelFile, so the last match wins.
void FindModelFile(CString strFolder, CString strPattern);
