#include "ProfileReader.h"
#include "ProfileFile.h"

CString ReadProfileValue(const CString& strPath, const CString& strSection, const CString& strKey)
{
    CProfileFile file;
    file.Load(strPath);
    return file.GetString(strSection, strKey);
}
