#pragma once
// The program's command line: the switches "halt" and "haltAll", and the
// export switches, each followed by the name of the file to write.
#include <ListFile.h>
#include <afxwin.h>

#include <vector>

// One file an export switch asks for.
struct CExportRequest
{
    EListFormat m_format;
    CString m_strPath;
};

class CSoftwareInfoCommandLine : public CCommandLineInfo
{
public:
    // Recognises /halt and /haltAll, and /scomma, /stab, /shtml and /sjson
    // with the parameter after them (or with '-', any letter case), then
    // passes every parameter on to the base.
    void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast) override;

    // Whether this process is to write files and end, without a window.
    bool IsExport() const { return !m_exports.empty() || !m_strSwitchWithoutFile.IsEmpty(); }

    bool m_bHalt = false;
    bool m_bHaltAll = false;
    std::vector<CExportRequest> m_exports;
    // The first export switch not followed by a file name (at the end, or
    // before another switch), as written without its prefix; empty when none.
    CString m_strSwitchWithoutFile;

private:
    // The export switch that waits for its file name, when one does.
    const wchar_t* m_pszPendingSwitch = nullptr;
    EListFormat m_pendingFormat = EListFormat::CommaSeparated;
};
