#pragma once
// Folders the tests work in.
#include <afxwin.h>

#include <string>

// The folder of the running test executable (the build's bin folder, where
// the program, its DLLs and the tests are built side by side).
CString BinFolder();
// The assembled program folder (dist).
CString DistFolder();
// The program's data folder, where its catalogue files are.
CString DataFolder();

// True when a file or folder is at the path.
bool PathExists(const CString& path);
// The whole content of a file; empty when it cannot be read.
std::string ReadFileBytes(const CString& path);
// Writes bytes to a file, replacing it; true on success.
bool WriteFileBytes(const CString& path, const void* data, size_t size);
bool CopyFileTo(const CString& from, const CString& to);
// Copies every file directly in one folder into another; true when all were copied.
bool CopyFolderFiles(const CString& from, const CString& to);

// A new empty folder under the temporary folder, removed with all its
// contents when the object goes.
class CTempFolder
{
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const CString& Path() const { return m_path; }
    CString operator/(LPCWSTR name) const { return m_path + L"\\" + name; }

private:
    CString m_path;
};

// Removes a folder and everything below it; true when it is gone.
bool RemoveTree(const CString& folder);
