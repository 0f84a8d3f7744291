#include "ListSave.h"

#include <CauseReport.h>
#include <FileInPlace.h>
#include <resource.h>

CString SaveFailureText(const CString& strPath, DWORD dwError)
{
    CString strTemplate;
    strTemplate.LoadString(IDS_SAVE_FAILED);
    const std::wstring strReason = SystemErrorText(dwError);
    const std::wstring strCode = ErrorCodeText(dwError);
    // Inserted by their numbers, so a translation may order them as its
    // language needs; what is inserted is not read for inserts again.
    const DWORD_PTR inserts[] = { reinterpret_cast<DWORD_PTR>(strPath.GetString()),
                                  reinterpret_cast<DWORD_PTR>(strReason.c_str()),
                                  reinterpret_cast<DWORD_PTR>(strCode.c_str()) };
    LPWSTR pszText = nullptr;
    const DWORD nLength =
        FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                       strTemplate.GetString(), 0, 0, reinterpret_cast<LPWSTR>(&pszText), 0,
                       reinterpret_cast<va_list*>(const_cast<DWORD_PTR*>(inserts)));
    const CLocalMemory<LPWSTR> text(pszText);
    return nLength ? CString(pszText, static_cast<int>(nLength)) : CString();
}

bool SaveListFile(HWND hOwner, const CString& strCaption, const CString& strPath, const std::string& strBytes)
{
    if (SaveFileInPlace(strPath, strBytes))
        return true;
    const DWORD dwError = GetLastError();
    ReportCause(kProgramSource, (L"cannot save the list as " + std::wstring(strPath)).c_str(), dwError);
    MessageBoxW(hOwner, SaveFailureText(strPath, dwError), strCaption, MB_OK | MB_ICONERROR);
    return false;
}
