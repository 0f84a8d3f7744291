#include "Catalogue.h"
#include "CutAndTrimmedValue.h"
#include "SectionNameArray.h"
#include "TrustedFolders.h"

#include <CauseReport.h>
#include <NoLinkFile.h>
#include <ProfileKeyValues.h>

const LPCWSTR kCustomerLabelKey = L"CustomerLabel";
const LPCWSTR kCustomerDescriptionKey = L"CustomerDescription";

CCatalogue ReadCatalogue(const CFileInFolder& file)
{
    // A link, a device or a pipe in its place is not read at all, nor a
    // file that someone else than the trusted owns.
    ULONGLONG cbSize = 0;
    const CFileHandle opened(OpenFileToRead(file, cbSize));
    if (!opened)
    {
        const DWORD dwError = GetLastError();
        if (!IsNotFoundError(dwError))
            ReportCause(kProgramSource, L"cannot read " + file.Path(), dwError);
        return CCatalogue();
    }
    if (!IsTrustedFile(opened.get(), file.Path()))
        return CCatalogue();
    // Of the file only the names and descriptions are kept, however large
    // it is.
    CProfileKeyValues descriptions;
    if (!descriptions.Read(opened.get(), cbSize, kCustomerDescriptionKey, kCatalogueValueBuffer))
    {
        const DWORD dwError = GetLastError();
        ReportCause(kProgramSource, L"cannot read " + file.Path(), dwError);
    }
    CSectionNameArray names;
    for (const CString& name : descriptions.SectionNames())
        names.Add(name);
    const std::vector<size_t> order = names.SortNoCase();
    CCatalogue catalogue;
    catalogue.reserve(order.size());
    for (INT_PTR i = 0; i < names.GetSize(); ++i)
    {
        CString strDescription = descriptions.GetStringOf(order[static_cast<size_t>(i)]);
        strDescription.Trim();
        if (!strDescription.IsEmpty())
            catalogue.push_back({ names[i], strDescription });
    }
    return catalogue;
}
