#include "AcRcvPrt.h"
#include "DriveMapper.h"
#include "HdvSettings.h"

AcRcvPrt::AcRcvPrt() = default;

AcRcvPrt::~AcRcvPrt() = default;

int AcRcvPrt::Initialize()
{
    CHdvSettings settings;
    const bool read = ReadHdvSettings(settings);
    const DWORD attributes = read ? GetFileAttributesW(settings.m_strSource) : INVALID_FILE_ATTRIBUTES;
    m_bUsable = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    m_strSource = settings.m_strSource;
    m_chLetter = settings.m_chLetter;
    return m_bUsable ? 1 : 0;
}

int AcRcvPrt::ActivePOne()
{
    if (!m_bUsable)
        return 0;
    wchar_t letter = m_chLetter;
    if (letter == L'\0')
        for (wchar_t candidate = L'D'; candidate <= L'Z' && letter == L'\0'; ++candidate)
            if (DriveIsFree(candidate))
                letter = candidate;
    if (letter == L'\0')
        return 0;
    if (DriveLeadsTo(letter, m_strSource))
        return 1;
    // Never take a letter that something else uses.
    if (!DriveIsFree(letter) || !SystemDriveMapper().Define(letter, m_strSource))
        return 0;
    return DriveLeadsTo(letter, m_strSource) ? 1 : 0;
}

int AcRcvPrt::DisablePOne()
{
    if (!m_bUsable)
        return 0;
    const wchar_t first = m_chLetter ? m_chLetter : L'D';
    const wchar_t last = m_chLetter ? m_chLetter : L'Z';
    for (wchar_t letter = first; letter <= last; ++letter)
        if (DriveLeadsTo(letter, m_strSource))
            return SystemDriveMapper().Remove(letter) ? 1 : 0;
    return 0;
}
