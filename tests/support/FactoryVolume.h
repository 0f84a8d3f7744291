#pragma once
// A factory volume for tests: a folder with the volume's content, and a copy
// of the volume library with its own Hdv.ini and a probe program that calls
// the library as the main program does. Several can be reachable at once,
// each under its own letter.
#include "ProgramRunner.h"
#include "TestFolders.h"

#include <memory>

class CFactoryVolume
{
public:
    CFactoryVolume();
    // Releases a held activation.
    ~CFactoryVolume();

    // The folder that becomes the drive's root.
    const CString& Content() const { return m_content.Path(); }
    CString operator/(LPCWSTR name) const { return m_content / name; }

    void WriteIni(const char* text) const;
    // Hdv.ini naming source, with letter when it is not null.
    void Configure(const CString& source, LPCWSTR letter) const;
    // Hdv.ini naming this volume's content.
    void Configure(LPCWSTR letter) const { Configure(Content(), letter); }
    // Runs the operations (initialize, activate, disable, separated by
    // blanks) in one probe process, each on a fresh library object; true
    // when Initialize and every operation returned nonzero.
    bool Run(LPCWSTR commands) const;
    // Activates in a probe process that stays until Release, as a running
    // program (or the user's own mapping) would; true when it activated.
    bool Activate();
    // Lets the held probe disable and end; true when its disable removed a letter.
    bool Release();

private:
    CTempFolder m_library;
    CTempFolder m_content;
    std::unique_ptr<CProgramRunner> m_held;
};

// The folder a first start in this process takes Hdv.dll and Meridale.dll
// from (the program's own folder to the code under test): copies of the
// built ones, loaded from there once. The program imports both
// delay-loaded, and a delay-loaded call binds to the library of its name
// that the process loaded first, so every call into them in this process
// goes to these, whatever folder a test gives.
CString InProcessProgramFolder();

// The volume library of InProcessProgramFolder, configured by an Hdv.ini
// that goes with the object.
class CImportedVolumeLibrary
{
public:
    CImportedVolumeLibrary();
    ~CImportedVolumeLibrary();
    CImportedVolumeLibrary(const CImportedVolumeLibrary&) = delete;
    CImportedVolumeLibrary& operator=(const CImportedVolumeLibrary&) = delete;

    void Configure(const CString& source, LPCWSTR letter) const;

private:
    CString m_ini;
};

// Writes an Hdv.ini anew: Source, and Letter when it is not null.
void WriteHdvIni(const CString& iniPath, const CString& source, LPCWSTR letter);

// True when the system knows the drive letter.
bool DriveExists(wchar_t letter);
// DriveGoes: true once the letter is no drive; DrivesBecome: true once the
// machine's drive letters are exactly drives. Each waits up to ten seconds:
// a letter that another process has just removed can stay listed for a
// moment under wine.
bool DriveGoes(wchar_t letter);
bool DrivesBecome(DWORD drives);
// "X:\" for a letter.
CString DriveRoot(wchar_t letter);
