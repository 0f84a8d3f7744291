#include "NoLinkFolder.h"
#include "FileQueries.h"
#include "RelativeOpen.h"

#include <vector>

namespace
{
// What every folder on the way is opened for, and what the folder itself
// is opened for besides: its security is what judges it.
const ACCESS_MASK kPassingAccess = FILE_TRAVERSE | FILE_READ_ATTRIBUTES;
const ACCESS_MASK kFolderAccess = kPassingAccess | READ_CONTROL;
const ULONG kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// Not shared for deleting: while it is open, the folder cannot be renamed
// away and another put in its place. Two openers that both leave deleting
// out can share it.
const ULONG kShareAllButDelete = FILE_SHARE_READ | FILE_SHARE_WRITE;

// Short (8.3) names would not match the final path's long ones.
CString FullLongPath(const CString& strPath)
{
    const CString strFull = GetFullPath(strPath);
    std::vector<wchar_t> longer(static_cast<size_t>(strFull.GetLength()) + 1);
    DWORD nLength;
    while ((nLength = GetLongPathNameW(strFull, longer.data(), static_cast<DWORD>(longer.size()))) >= longer.size())
        longer.resize(nLength);
    return nLength ? CString(longer.data()) : strFull;
}

// The NT path of the root of the path's drive or share, and the rest of the
// path after it; false for a path of any other form (a device, say).
bool SplitRoot(CString strPath, CString& strRoot, CString& strRest)
{
    if (strPath.Left(4) == L"\\\\?\\")
    {
        strPath = strPath.Mid(4);
        if (strPath.Left(4).CompareNoCase(L"UNC\\") == 0)
            strPath = L"\\\\" + strPath.Mid(4);
    }
    if (strPath.GetLength() >= 3 && strPath[1] == L':' && strPath[2] == L'\\')
    {
        strRoot = L"\\??\\" + strPath.Left(3);
        strRest = strPath.Mid(3);
        return true;
    }
    if (strPath.Left(2) != L"\\\\" || strPath.Left(4) == L"\\\\.\\")
        return false;
    const int nServerEnd = strPath.Find(L"\\", 2);
    if (nServerEnd <= 2)
        return false;
    int nShareEnd = strPath.Find(L"\\", nServerEnd + 1);
    if (nShareEnd < 0)
        nShareEnd = strPath.GetLength();
    if (nShareEnd == nServerEnd + 1)
        return false;
    strRoot = L"\\??\\UNC\\" + strPath.Mid(2, nShareEnd - 2) + L"\\";
    strRest = strPath.Mid(nShareEnd);
    return true;
}

std::vector<CString> Components(const CString& strRest)
{
    std::vector<CString> components;
    for (int nStart = 0; nStart < strRest.GetLength();)
    {
        int nEnd = strRest.Find(L"\\", nStart);
        if (nEnd < 0)
            nEnd = strRest.GetLength();
        if (nEnd > nStart)
            components.push_back(strRest.Mid(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    return components;
}
}

CNoLinkFolder::CNoLinkFolder(const CString& strFolder, DWORD dwAccess) : m_strPath(strFolder)
{
    CString strRoot, strRest;
    if (!SplitRoot(FullLongPath(strFolder), strRoot, strRest))
    {
        m_dwError = ERROR_BAD_PATHNAME;
        m_strStoppedAt = strFolder;
        return;
    }
    const std::vector<CString> components = Components(strRest);
    // A drive's or share's root is where the walk begins: no name of a
    // folder leads there.
    m_folder = OpenRelative(nullptr, strRoot, components.empty() ? kFolderAccess | dwAccess : kPassingAccess,
                            components.empty() ? kShareAllButDelete : kShareAll, FILE_OPEN, FILE_DIRECTORY_FILE);
    if (!m_folder)
    {
        m_dwError = GetLastError();
        m_strStoppedAt = strRoot.Mid(4);
        return;
    }
    m_strFinalPath = GetFinalPathOf(m_folder.get());
    CString strPath = strRoot.Mid(4);
    for (size_t i = 0; i < components.size() && IsOpen(); ++i)
    {
        strPath = JoinedPath(strPath, components[i]);
        const CFileHandle parent(std::move(m_folder));
        OpenComponent(parent.get(), m_strFinalPath, components[i], strPath, dwAccess, nullptr,
                      i + 1 == components.size());
    }
}

CNoLinkFolder::CNoLinkFolder(const CNoLinkFolder& parent, const CString& strName, DWORD dwAccess,
                             PSECURITY_DESCRIPTOR pCreateWith)
    : m_strPath(JoinedPath(parent.Path(), strName))
{
    if (!parent.IsOpen())
    {
        m_dwError = parent.Error();
        m_strStoppedAt = parent.StoppedAt();
        return;
    }
    OpenComponent(parent.Handle(), parent.FinalPath(), strName, m_strPath, dwAccess, pCreateWith, true);
}

void CNoLinkFolder::OpenComponent(HANDLE hParent, const CString& strParentFinal, const CString& strName,
                                  const CString& strPath, DWORD dwAccess, PSECURITY_DESCRIPTOR pCreateWith, bool bLast)
{
    m_folder = OpenRelative(hParent, strName, bLast ? kFolderAccess | dwAccess : kPassingAccess,
                            bLast ? kShareAllButDelete : kShareAll, pCreateWith ? FILE_OPEN_IF : FILE_OPEN,
                            FILE_DIRECTORY_FILE, pCreateWith, &m_bMade);
    BY_HANDLE_FILE_INFORMATION info;
    if (!m_folder || !LeadsWhereItSays(m_folder.get(), JoinedPath(strParentFinal, strName), info))
    {
        // A folder missing on the way: its path is not found, as the file
        // functions say.
        m_dwError = GetLastError() == ERROR_FILE_NOT_FOUND ? ERROR_PATH_NOT_FOUND : GetLastError();
        m_strStoppedAt = strPath;
        m_folder.reset();
        return;
    }
    m_strFinalPath = GetFinalPathOf(m_folder.get());
}

CFileInFolder::CFileInFolder(const CString& strPath)
{
    const CString strFull = GetFullPath(strPath);
    const int nSlash = strFull.ReverseFind(L'\\');
    // A drive's root keeps its backslash: "C:" alone is C's current folder.
    const bool bRoot = nSlash > 0 && strFull[nSlash - 1] == L':';
    m_pOwnFolder = std::make_unique<CNoLinkFolder>(strFull.Left(bRoot ? nSlash + 1 : nSlash));
    m_pFolder = m_pOwnFolder.get();
    m_strName = strFull.Mid(nSlash + 1);
}

CString CFileInFolder::Path() const
{
    return JoinedPath(m_pFolder->Path(), m_strName);
}
