#include "Catalogue.h"
#include "CatalogueValue.h"
#include "SectionNameArray.h"

#include <ProfileFile.h>

const LPCWSTR kCustomerLabelKey = L"CustomerLabel";
const LPCWSTR kCustomerDescriptionKey = L"CustomerDescription";

CCatalogue ReadCatalogue(const CString& strPath)
{
    CProfileFile file;
    file.Load(strPath);
    CSectionNameArray names;
    for (const CString& name : file.SectionNames())
        names.Add(name);
    names.SortNoCase();
    CCatalogue catalogue;
    for (INT_PTR i = 0; i < names.GetSize(); ++i)
    {
        CString strDescription = CatalogueValue(file, names[i], kCustomerDescriptionKey);
        if (!strDescription.IsEmpty())
            catalogue.push_back({ names[i], strDescription });
    }
    return catalogue;
}
