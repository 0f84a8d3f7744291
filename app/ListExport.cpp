#include "ListExport.h"
#include "StarterReport.h"

#include <CatalogueLocations.h>
#include <CataloguePreparation.h>
#include <DialogTemplate.h>
#include <FileInPlace.h>
#include <resource.h>

CListHeadings LoadListHeadings()
{
    CListHeadings headings;
    // The template's caption rather than IDS_MAIN_CAPTION, which only the
    // resource module holds; the two are the same by construction.
    headings.m_strCaption = ReadDialogTemplate(AfxGetResourceHandle(), IDD_SOFTWAREINFO_DIALOG).caption;
    headings.m_strName.LoadString(IDS_COLUMN_SOFTWARE);
    headings.m_strDescription.LoadString(IDS_COLUMN_DESCRIPTION);
    return headings;
}

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
