#pragma once
// Folders opened without a link anywhere on their path, and files named by
// such a folder. The program runs elevated, and below ProgramData, on a
// drive a user made or in a copy of the program's folder, any name on a
// path may be a junction, a symbolic link or (under wine) a host link that
// a standard user planted. So a folder is opened one component at a time,
// each relative to the handle of the one before, and a component that is a
// reparse point, or whose handle's final path is not its parent's final
// path and its own name, stops the walk. What is done in the folder
// afterwards is done relative to its handle (NoLinkFile.h), never by the
// path again: a folder exchanged for a link meanwhile is not followed.
//
// While the handle is open the folder cannot be renamed or deleted (it is
// not shared for deleting): on Windows, not under wine, whose host side
// does not know Windows' sharing.
#include <AfxHandle.h>
#include <AfxString.h>

#include <memory>

class CNoLinkFolder
{
public:
    // Opens strFolder, an absolute path ("X:\...", "\\server\share\...",
    // either also after "\\?\"; a relative one is taken from the current
    // folder), for traversing and reading its attributes and security, and
    // for dwAccess besides.
    explicit CNoLinkFolder(const CString& strFolder, DWORD dwAccess = 0);
    // The folder strName in parent, opened the same way; made, with
    // pCreateWith as its security, when it is missing and pCreateWith is
    // given.
    CNoLinkFolder(const CNoLinkFolder& parent, const CString& strName, DWORD dwAccess,
                  PSECURITY_DESCRIPTOR pCreateWith = nullptr);
    CNoLinkFolder(const CNoLinkFolder&) = delete;
    CNoLinkFolder& operator=(const CNoLinkFolder&) = delete;

    bool IsOpen() const { return m_folder != nullptr; }
    HANDLE Handle() const { return m_folder.get(); }
    // The path as given.
    const CString& Path() const { return m_strPath; }
    // Where the system says the open folder is ("\\?\X:\...").
    const CString& FinalPath() const { return m_strFinalPath; }
    // When it is not open: why (kErrorLeadsElsewhere for a link, NoLinkFile.h)
    // and the component that stopped it.
    DWORD Error() const { return m_dwError; }
    const CString& StoppedAt() const { return m_strStoppedAt; }
    // Whether the folder was made by the constructor that makes it.
    bool WasMade() const { return m_bMade; }

private:
    void OpenComponent(HANDLE hParent, const CString& strParentFinal, const CString& strName, const CString& strPath,
                       DWORD dwAccess, PSECURITY_DESCRIPTOR pCreateWith, bool bLast);

    CFileHandle m_folder;
    CString m_strPath;
    CString m_strFinalPath;
    DWORD m_dwError = ERROR_SUCCESS;
    CString m_strStoppedAt;
    bool m_bMade = false;
};

// A file named by its folder and its name there. Given by a path, its
// folder is opened when it is given (CNoLinkFolder); given by an open
// folder, that folder's handle is used.
class CFileInFolder
{
public:
    CFileInFolder(const CString& strPath);
    CFileInFolder(LPCWSTR pszPath) : CFileInFolder(CString(pszPath)) {}
    CFileInFolder(const CNoLinkFolder& folder, const CString& strName) : m_pFolder(&folder), m_strName(strName) {}
    CFileInFolder(const CFileInFolder&) = delete;
    CFileInFolder& operator=(const CFileInFolder&) = delete;

    const CNoLinkFolder& Folder() const { return *m_pFolder; }
    const CString& Name() const { return m_strName; }
    CString Path() const;
    // The same file under another name in the same folder.
    CFileInFolder Sibling(const CString& strName) const { return CFileInFolder(*m_pFolder, strName); }

private:
    std::unique_ptr<CNoLinkFolder> m_pOwnFolder;
    const CNoLinkFolder* m_pFolder = nullptr;
    CString m_strName;
};
