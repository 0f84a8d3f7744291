#include "ListExport.h"
#include "StarterReport.h"

#include <CatalogueLocations.h>
#include <CataloguePreparation.h>
#include <FileInPlace.h>

EExportExitCode ExportList(const std::vector<CExportRequest>& requests, const CListHeadings& headings)
{
    const CatalogueLocations locations = GetCatalogueLocations();
    const CCatalogue catalogue = ObtainCatalogue(locations, EShellReports::Hidden);
    EExportExitCode exitCode = kExportWritten;
    for (const CExportRequest& request : requests)
    {
        if (SaveFileInPlace(request.m_strPath, ListFile(request.m_format, headings, catalogue)))
            continue;
        const DWORD dwError = GetLastError();
        ReportToStarter(L"cannot write " + std::wstring(request.m_strPath), dwError);
        exitCode = kExportNotWritten;
    }
    if (catalogue.empty())
    {
        // Only what the reason says depends on it.
        ReportToStarter(GetFileAttributesW(locations.m_strAppsIni) != INVALID_FILE_ATTRIBUTES
                            ? L"the catalogue " + std::wstring(locations.m_strAppsIni) + L" holds no product"
                            : L"there is no catalogue " + std::wstring(locations.m_strAppsIni) +
                                  L": the first start built none");
        if (exitCode == kExportWritten)
            exitCode = kExportNoProduct;
    }
    return exitCode;
}
