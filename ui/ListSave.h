#pragma once
// Saving the list where the user asked: the file written whole in its
// place, or the user told why not.
#include <afxwin.h>

#include <string>

// What the user is told when the list could not be saved as strPath: the
// resource module's text with the path, the system's text for the error and
// its code.
CString SaveFailureText(const CString& strPath, DWORD dwError);

// Writes the bytes to strPath beside it and then in its place
// (SaveFileInPlace), so that a failure leaves a file there as it was. When
// that fails, says why in a message box owned by hOwner, under the caption,
// and returns false.
bool SaveListFile(HWND hOwner, const CString& strCaption, const CString& strPath, const std::string& strBytes);
