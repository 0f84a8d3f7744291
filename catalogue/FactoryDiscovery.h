#pragma once
// Finding the factory data: making the factory volume reachable, the drive
// that carries the idf folder, and the model file below it.
#include <NoLinkFolder.h>
#include <afxwin.h>

#include <memory>

// Receives the path of the model file found by FindModelFile; empty until a
// file matches.
extern CString g_strModelFile;

// Asks the volume-access library to make the factory volume reachable;
// false when the library cannot be used or the volume is not reachable.
// CFactoryVolumeActivation pairs it with DeactivateFactoryVolume.
bool ActivateFactoryVolume();
// Asks the library to withdraw the volume again; false when it cannot be used.
bool DeactivateFactoryVolume();
// The factory drive's letter, and its idf folder opened (no link on its
// path) and judged trusted (TrustedFolders.h), held open in pIdf while the
// model is searched; pIdf empty when that folder may not give the model
// (after a cause line) or is missing. Of the letters that appeared when the
// volume was made reachable (dwAppeared, as GetLogicalDrives gives drives),
// the first whose root holds an idf folder: the volume-access library does
// not say which letter it defined, and a drive a user made may come before
// it. When none appeared (the volume was reachable already), the first
// fixed drive from D to Z whose root holds a trusted idf folder (removable
// and network drives, and folders judged untrusted, are passed over), or
// else C.
CString FindFactoryDriveLetter(DWORD dwAppeared, std::unique_ptr<CNoLinkFolder>& pIdf);
// Walks the tree under strFolder ("<letter>:\...") depth-first, following
// links only to folders that really lie within what the drive's root really
// is (the factory volume); every file whose name contains strPattern
// (case-sensitive) replaces g_strModelFile, so the last match wins.
void FindModelFile(CString strFolder, CString strPattern);
