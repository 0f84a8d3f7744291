#pragma once
// What the first start takes from the program's own folder: Hdv.dll,
// Meridale.dll and Unicode.exe. Each is used only once the folder is open,
// no link on its path, and judged trusted (TrustedFolders.h), and only by
// its full path there: a copy of the program in a standard user's folder
// would otherwise run his code as administrator.
#include <AfxHandle.h>
#include <NoLinkFolder.h>

// The full path of the ordinary file strName in the open folder; empty,
// after a cause line, when it is missing, a folder or a link.
CString OrdinaryFileIn(const CNoLinkFolder& folder, const CString& strName);

// Hdv.dll and Meridale.dll, loaded from the open, trusted program folder by
// their full paths, for as long as the object lives. The program imports
// both delay-loaded: its first call into either binds to the library loaded
// here, by its name, so neither is ever found by a search, and an ordinary
// start loads neither.
class CFirstStartLibraries
{
public:
    explicit CFirstStartLibraries(const CNoLinkFolder& programFolder);
    CFirstStartLibraries(const CFirstStartLibraries&) = delete;
    CFirstStartLibraries& operator=(const CFirstStartLibraries&) = delete;

    // False, after a cause line, when either could not be loaded.
    bool AreLoaded() const { return m_hdv && m_meridale; }

private:
    CLibraryHandle m_hdv;
    CLibraryHandle m_meridale;
};
