#include "FactoryDiscovery.h"
#include "FileSystem.h"
#include "TrustedFolders.h"

#include <AcRcvPrt.h>
#include <AfxHandle.h>
#include <CauseReport.h>
#include <FileQueries.h>

#include <set>

CString g_strModelFile;

namespace
{
// Each request works on a fresh library object; Initialize returning 0
// means the library cannot be used.
template <typename Request> bool WithVolumeLibrary(Request request)
{
    AcRcvPrt volume;
    if (volume.Initialize() == 0)
    {
        ReportCause(kProgramSource, L"the factory volume library Hdv.dll cannot be used");
        return false;
    }
    return request(volume);
}

// The walk follows links, so a volume may reach its model file through a
// junction, but only to a folder on the factory volume: one that really
// lies within what the walk's drive root really is (the factory volume's
// folder, or the factory drive itself). A link out of it (to the machine's
// root, say) would search the whole machine and take a model file found
// there. A link that leads back up the tree must not make the walk endless:
// a folder already searched (same volume and file index) is not searched
// again, however it is reached.
struct CModelWalk
{
    CString m_strPattern;
    // The drive root's final path, ending in a backslash; empty when it is
    // unknown, and then no link is followed.
    CString m_strBound;
    std::set<CFolderIdentity> m_searched;
};

bool LeadsIntoTheVolume(const CString& strLink, const CModelWalk& walk)
{
    if (walk.m_strBound.IsEmpty())
        return false;
    const CString strTarget = GetFinalPath(strLink) + L"\\";
    return strTarget.Left(walk.m_strBound.GetLength()).CompareNoCase(walk.m_strBound) == 0;
}

void FindModelFileBelow(const CString& strFolder, CModelWalk& walk)
{
    CFolderIdentity identity;
    if (GetFolderIdentity(strFolder, identity) && !walk.m_searched.insert(identity).second)
        return;
    WIN32_FIND_DATAW data;
    const CFindHandle find(FindFirstFileW(strFolder + L"\\*.*", &data));
    if (!find)
        return;
    do
    {
        const CString strName(data.cFileName);
        const CString strPath = strFolder + L"\\" + strName;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        {
            if (strName == L"." || strName == L"..")
                continue;
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) || LeadsIntoTheVolume(strPath, walk))
                FindModelFileBelow(strPath, walk);
        }
        else if (strName.Find(walk.m_strPattern) >= 0)
        {
            g_strModelFile = strPath;
        }
    } while (FindNextFileW(find.get(), &data));
}
}

bool ActivateFactoryVolume()
{
    return WithVolumeLibrary([](AcRcvPrt& volume) {
        if (volume.ActivePOne() != 0)
            return true;
        ReportCause(kProgramSource, L"the factory volume could not be made reachable");
        return false;
    });
}

bool DeactivateFactoryVolume()
{
    return WithVolumeLibrary([](AcRcvPrt& volume) {
        volume.DisablePOne();
        return true;
    });
}

namespace
{
CString IdfFolder(wchar_t chLetter)
{
    return CString(chLetter) + L":\\idf";
}

bool HasIdfFolder(wchar_t chLetter)
{
    return DirectoryExists(IdfFolder(chLetter));
}

// The drive's idf folder, opened and judged: trusted, or on a volume that
// keeps no security when bAppeared (a volume made reachable just now, which
// no user could reach before). Empty after a cause line otherwise.
std::unique_ptr<CNoLinkFolder> OpenIdfFolder(wchar_t chLetter, bool bAppeared)
{
    auto pIdf = std::make_unique<CNoLinkFolder>(IdfFolder(chLetter));
    const EFolderTrust alsoTaken = bAppeared ? EFolderTrust::Unsecured : EFolderTrust::Trusted;
    const EFolderTrust trust =
        JudgeFolder(*pIdf, ESecured::Folder, L"no model is taken from it", { EFolderTrust::Trusted, alsoTaken });
    return trust == EFolderTrust::Trusted || trust == alsoTaken ? std::move(pIdf) : nullptr;
}

// A drive that a user can bring along, or that another machine serves.
bool IsFixedDrive(wchar_t chLetter)
{
    const wchar_t szRoot[] = { chLetter, L':', L'\\', L'\0' };
    return GetDriveTypeW(szRoot) == DRIVE_FIXED;
}
}

CString FindFactoryDriveLetter(DWORD dwAppeared, std::unique_ptr<CNoLinkFolder>& pIdf)
{
    pIdf.reset();
    if (dwAppeared)
    {
        const wchar_t chLetter = FindDriveLetter(L'A', [dwAppeared](wchar_t chCandidate) {
            return (dwAppeared & (1u << (chCandidate - L'A'))) && HasIdfFolder(chCandidate);
        });
        if (chLetter == L'\0')
        {
            ReportCause(kProgramSource, L"no drive the factory volume was made reachable as has an idf folder");
            return CString();
        }
        pIdf = OpenIdfFolder(chLetter, true);
        return CString(chLetter);
    }
    const wchar_t chLetter = FindDriveLetter(L'D', [&pIdf](wchar_t chCandidate) {
        return IsFixedDrive(chCandidate) && HasIdfFolder(chCandidate) && (pIdf = OpenIdfFolder(chCandidate, false));
    });
    if (chLetter != L'\0')
        return CString(chLetter);
    ReportCause(kProgramSource, L"no fixed drive from D to Z has a trusted idf folder; C:\\idf is searched");
    if (HasIdfFolder(L'C'))
        pIdf = OpenIdfFolder(L'C', false);
    return CString(L"C");
}

void FindModelFile(CString strFolder, CString strPattern)
{
    CModelWalk walk;
    walk.m_strPattern = strPattern;
    // The folder is given as "<letter>:\...".
    const CString strRoot = GetFinalPath(strFolder.Left(3));
    if (!strRoot.IsEmpty())
        walk.m_strBound = strRoot[strRoot.GetLength() - 1] == L'\\' ? strRoot : strRoot + L"\\";
    FindModelFileBelow(strFolder, walk);
}
