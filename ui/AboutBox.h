#pragma once
// The "System Information" box: the application icon, the program's version
// line, a notice line and OK.
#include <CorvelControls.h>
#include <CorvelDialog.h>

// Appends to strLine the ProductVersion that the module file's version resource
// holds under language 0409 and code page 0000. Leaves strLine as it is when the
// file has no such value.
void AppendProductVersion(CString& strLine, LPCWSTR pszModulePath);

class CAboutBox : public CorvelDialog
{
public:
    // Builds the version line: string IDS_VERSION_PREFIX, then the product
    // version of the application's executable.
    CAboutBox();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    CorvelButton m_btnOK;
    CString m_strVersion;
};
