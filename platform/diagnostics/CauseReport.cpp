#include "CauseReport.h"

#include <cwchar>
#include <iterator>

std::wstring SystemErrorText(DWORD dwError)
{
    wchar_t szText[512];
    DWORD nLength = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, dwError, 0,
                                   szText, static_cast<DWORD>(std::size(szText)), nullptr);
    // The system's texts end in a line break.
    while (nLength > 0 && iswspace(szText[nLength - 1]))
        --nLength;
    return std::wstring(szText, nLength);
}

std::wstring ErrorCodeText(DWORD dwError)
{
    wchar_t szCode[16];
    swprintf(szCode, std::size(szCode), (dwError & 0x80000000u) ? L"0x%08lX" : L"%lu", dwError);
    return szCode;
}

std::wstring ErrorNote(DWORD dwError)
{
    const std::wstring strText = SystemErrorText(dwError);
    std::wstring strNote = L"(error " + ErrorCodeText(dwError);
    if (!strText.empty())
        strNote += L": " + strText;
    return strNote + L")";
}

std::wstring CauseLine(LPCWSTR pszSource, LPCWSTR pszCause, DWORD dwError)
{
    std::wstring strLine = std::wstring(pszSource) + L": " + pszCause;
    if (dwError != ERROR_SUCCESS)
        strLine += L" " + ErrorNote(dwError);
    return strLine;
}

void ReportCause(LPCWSTR pszSource, LPCWSTR pszCause, DWORD dwError)
{
    OutputDebugStringW((CauseLine(pszSource, pszCause, dwError) + L"\n").c_str());
}
