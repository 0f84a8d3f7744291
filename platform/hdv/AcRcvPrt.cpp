#include "AcRcvPrt.h"
#include "DriveMapper.h"
#include "HdvSettings.h"

#include <CauseReport.h>
#include <FileQueries.h>

namespace
{
// The letter this process defined for Source, NUL when none: the only
// mapping DisablePOne may remove. Each operation works on a fresh object,
// so this lives as long as the library stays loaded.
wchar_t g_chDefined = L'\0';

const LPCWSTR kReportSource = L"Hdv";

CString Drive(wchar_t chLetter)
{
    return CString(chLetter) + L":";
}

// A letter that already leads to the folder, NUL when none does.
wchar_t LetterLeadingTo(const CString& strFolder)
{
    return FindDriveLetter(
        L'A', [&strFolder](wchar_t chLetter) { return !DriveIsFree(chLetter) && DriveLeadsTo(chLetter, strFolder); });
}
}

AcRcvPrt::AcRcvPrt() = default;

AcRcvPrt::~AcRcvPrt() = default;

int AcRcvPrt::Initialize()
{
    CHdvSettings settings;
    CString strCause;
    DWORD dwError = ERROR_SUCCESS;
    const bool bRead = ReadHdvSettings(settings, strCause, dwError);
    const DWORD dwAttributes = bRead ? GetFileAttributesW(settings.m_strSource) : INVALID_FILE_ATTRIBUTES;
    const DWORD dwAttributesError = GetLastError();
    m_bUsable = dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
    if (bRead && !m_bUsable)
    {
        dwError = dwAttributes == INVALID_FILE_ATTRIBUTES ? dwAttributesError : ERROR_SUCCESS;
        strCause = L"Source " + settings.m_strSource + L" is not a folder";
    }
    if (!m_bUsable)
        ReportCause(kReportSource, strCause, dwError);
    m_strSource = settings.m_strSource;
    m_chLetter = settings.m_chLetter;
    return m_bUsable ? 1 : 0;
}

int AcRcvPrt::ActivePOne()
{
    if (!m_bUsable)
        return 0;
    // A letter that leads there already (the user's own, or one a crashed
    // start left) is used as it is: it is not ours to remove.
    if (m_chLetter ? DriveLeadsTo(m_chLetter, m_strSource) : LetterLeadingTo(m_strSource) != L'\0')
        return 1;
    const wchar_t chLetter = m_chLetter ? m_chLetter : FindDriveLetter(L'D', DriveIsFree);
    if (chLetter == L'\0')
    {
        ReportCause(kReportSource, L"no drive letter from D to Z is free");
        return 0;
    }
    // Never take a letter that something else uses.
    if (!DriveIsFree(chLetter))
    {
        ReportCause(kReportSource, L"drive " + Drive(chLetter) + L" is in use and does not lead to " + m_strSource);
        return 0;
    }
    const bool bDefined = SystemDriveMapper().Define(chLetter, m_strSource);
    const DWORD dwError = bDefined ? ERROR_SUCCESS : GetLastError();
    if (!bDefined || !DriveSettlesOn(chLetter, m_strSource))
    {
        // A letter defined but not leading there is of no use to anybody.
        if (bDefined)
            SystemDriveMapper().Remove(chLetter);
        ReportCause(kReportSource, L"drive " + Drive(chLetter) + L" could not be defined for " + m_strSource, dwError);
        return 0;
    }
    g_chDefined = chLetter;
    return 1;
}

int AcRcvPrt::DisablePOne()
{
    if (!m_bUsable || g_chDefined == L'\0')
        return 0;
    // Should the letter lead elsewhere by now, someone else has taken it.
    const wchar_t chLetter = g_chDefined;
    if (!DriveSettlesOn(chLetter, m_strSource))
    {
        ReportCause(kReportSource,
                    L"drive " + Drive(chLetter) + L" no longer leads to " + m_strSource + L"; it is left as it is");
        return 0;
    }
    if (!SystemDriveMapper().Remove(chLetter))
    {
        const DWORD dwError = GetLastError();
        ReportCause(kReportSource, L"drive " + Drive(chLetter) + L" could not be removed", dwError);
        return 0;
    }
    g_chDefined = L'\0';
    return 1;
}
