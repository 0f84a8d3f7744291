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
template <typename Request>
bool WithVolumeLibrary(Request request)
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
void FindModelFileBelow(const CString& folder, const CString& pattern, std::set<CFolderIdentity>& searched)
{
    CFolderIdentity identity;
    if (AfxGetFolderIdentity(folder, identity) && !searched.insert(identity).second)
        return;
    WIN32_FIND_DATAW data;
    const CFindHandle find(FindFirstFileW(folder + L"\\*.*", &data));
    if (!find)
        return;
    do
    {
        const CString name(data.cFileName);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        {
            if (name == L"." || name == L"..")
                continue;
            FindModelFileBelow(folder + L"\\" + name, pattern, searched);
        }
        else if (name.Find(pattern) >= 0)
        {
            g_strModelFile = folder + L"\\" + name;
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
    const wchar_t letter =
        AfxFindDriveLetter(L'D', [](wchar_t candidate) { return DirectoryExists(CString(candidate) + L":\\idf"); });
    if (letter != L'\0')
        return CString(letter);
    ReportFirstStartFailure(L"no drive from D to Z has an idf folder; C:\\idf is searched");
    return CString(L"C");
}

void FindModelFile(CString folder, CString pattern)
{
    std::set<CFolderIdentity> searched;
    FindModelFileBelow(folder, pattern, searched);
}
