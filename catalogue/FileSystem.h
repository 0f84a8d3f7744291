#pragma once
// The file-system tests and the folder creation the catalogue needs.
#include <afxwin.h>

// True when a file or a directory exists at the path.
bool FileExists(CString strPath);

// True when a directory exists at the path.
bool DirectoryExists(CString strPath);

// Creates the folder when it is not an existing directory, with the data
// folder's permissions (BuildDataFolderDescriptor). Parent folders are not
// created; a failure leaves the folder missing and is not reported.
void EnsureDataFolder(CString strFolder);
