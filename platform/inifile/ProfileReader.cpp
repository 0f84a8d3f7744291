#include "ProfileReader.h"
#include "ProfileFile.h"

void ReadSectionNames(const CString& path, CStringArray& names)
{
    CProfileFile file;
    file.Load(path);
    for (const CString& name : file.SectionNames())
        names.Add(name);
}

CString ReadProfileValue(const CString& path, const CString& section, const CString& key)
{
    CProfileFile file;
    file.Load(path);
    return file.GetString(section, key);
}
