#include "FactoryDiscovery.h"
#include "FileSystem.h"
#include "FirstStartReport.h"

#include <AcRcvPrt.h>
#include <AfxFiles.h>
#include <AfxHandle.h>

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
        ReportFirstStartFailure(L"the factory volume library Hdv.dll cannot be used");
        return false;
    }
    return request(volume);
}

// Links are followed, so a volume may reach its model file through a
// junction; a link that leads back up the tree must not make the walk
// endless: a folder already searched (same volume and file index) is not
// searched again, however it is reached.
void FindModelFileBelow(const CString& strFolder, const CString& strPattern, std::set<CFolderIdentity>& searched)
{
    CFolderIdentity identity;
    if (AfxGetFolderIdentity(strFolder, identity) && !searched.insert(identity).second)
        return;
    WIN32_FIND_DATAW data;
    const CFindHandle find(FindFirstFileW(strFolder + L"\\*.*", &data));
    if (!find)
        return;
    do
    {
        const CString strName(data.cFileName);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        {
            if (strName == L"." || strName == L"..")
                continue;
            FindModelFileBelow(strFolder + L"\\" + strName, strPattern, searched);
        }
        else if (strName.Find(strPattern) >= 0)
        {
            g_strModelFile = strFolder + L"\\" + strName;
        }
    } while (FindNextFileW(find.get(), &data));
}
}

bool ActivateFactoryVolume()
{
    // A volume that is not reachable would give an empty catalogue, kept for
    // good; without it the first start is skipped and tried again next time.
    return WithVolumeLibrary([](AcRcvPrt& volume) {
        if (volume.ActivePOne() != 0)
            return true;
        ReportFirstStartFailure(L"the factory volume could not be made reachable");
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

CString FindFactoryDriveLetter()
{
    const wchar_t chLetter =
        AfxFindDriveLetter(L'D', [](wchar_t chCandidate) { return DirectoryExists(CString(chCandidate) + L":\\idf"); });
    if (chLetter != L'\0')
        return CString(chLetter);
    ReportFirstStartFailure(L"no drive from D to Z has an idf folder; C:\\idf is searched");
    return CString(L"C");
}

void FindModelFile(CString strFolder, CString strPattern)
{
    std::set<CFolderIdentity> searched;
    FindModelFileBelow(strFolder, strPattern, searched);
}
