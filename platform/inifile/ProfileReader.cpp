#include "ProfileReader.h"
#include "ProfileFile.h"

void ReadSectionNames(const CString& strPath, CStringArray& names)
{
    CProfileFile file;
    file.Load(strPath);
    for (const CString& strName : file.SectionNames())
        names.Add(strName);
}

CString ReadProfileValue(const CString& strPath, const CString& strSection, const CString& strKey)
{
    CProfileFile file;
    file.Load(strPath);
    return file.GetString(strSection, strKey);
}
