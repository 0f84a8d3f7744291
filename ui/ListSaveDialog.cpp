#include "ListSaveDialog.h"

#include <AfxBinding.h>
#include <CauseReport.h>
#include <resource.h>

#include <iterator>
#include <vector>

namespace
{
// The types the Save dialog offers, in its order.
struct CListFileType
{
    EListFormat m_format;
    UINT m_nNameID;
    LPCWSTR m_pszPattern; // "*." and the extension

    LPCWSTR Extension() const { return m_pszPattern + 2; }
};
const CListFileType kTypes[] = {
    { EListFormat::CommaSeparated, IDS_TYPE_COMMA_SEPARATED, L"*.csv" },
    { EListFormat::TabSeparated, IDS_TYPE_TAB_SEPARATED, L"*.txt" },
    { EListFormat::Html, IDS_TYPE_HTML, L"*.html" },
    { EListFormat::Json, IDS_TYPE_JSON, L"*.json" },
};

constexpr UINT kTypeCount = std::size(kTypes);

// COM on this thread from the first Save on: the shell's dialogs need a
// single-threaded apartment, and the start of the program loads no OLE.
const COleSession& ThreadOleSession()
{
    thread_local const COleSession session;
    return session;
}

// The dialog's types as it takes them: each name followed by its pattern.
class CFilterSpecs
{
public:
    CFilterSpecs()
    {
        for (const CListFileType& type : kTypes)
        {
            m_names.push_back(CString());
            m_names.back().LoadString(type.m_nNameID);
            m_names.back() += CString(L" (") + type.m_pszPattern + L")";
        }
        for (size_t i = 0; i < kTypeCount; ++i)
            m_specs.push_back({ m_names[i], kTypes[i].m_pszPattern });
    }
    CFilterSpecs(const CFilterSpecs&) = delete;
    CFilterSpecs& operator=(const CFilterSpecs&) = delete;

    UINT Count() const { return kTypeCount; }
    const COMDLG_FILTERSPEC* Specs() const { return m_specs.data(); }

private:
    std::vector<CString> m_names;
    std::vector<COMDLG_FILTERSPEC> m_specs;
};

HRESULT SetUp(IFileSaveDialog* pDialog, const CFilterSpecs& specs, const CString& strName)
{
    FILEOPENDIALOGOPTIONS options = 0;
    HRESULT hr = pDialog->GetOptions(&options);
    // Only a file of the file system, in a folder that exists, that may be
    // written, with one of the types' extensions; replacing one is asked.
    if (SUCCEEDED(hr))
        hr = pDialog->SetOptions(options | FOS_OVERWRITEPROMPT | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST |
                                 FOS_NOREADONLYRETURN | FOS_STRICTFILETYPES);
    if (SUCCEEDED(hr))
        hr = pDialog->SetFileTypes(specs.Count(), specs.Specs());
    if (SUCCEEDED(hr))
        hr = pDialog->SetFileTypeIndex(1);
    // Set before the dialog shows, the default extension follows the type
    // the user picks.
    if (SUCCEEDED(hr))
        hr = pDialog->SetDefaultExtension(kTypes[0].Extension());
    if (SUCCEEDED(hr))
        hr = pDialog->SetFileName(strName);
    return hr;
}

// The path of the file the user chose, and the type he picked.
HRESULT TakeResult(IFileSaveDialog* pDialog, const COleSession& session, CString& strPath, UINT& nType)
{
    HRESULT hr = pDialog->GetFileTypeIndex(&nType);
    CComPtr<IShellItem> item;
    if (SUCCEEDED(hr))
        hr = pDialog->GetResult(item.Receive());
    PWSTR pszPath = nullptr;
    if (SUCCEEDED(hr))
        hr = item->GetDisplayName(SIGDN_FILESYSPATH, &pszPath);
    const COleTaskMemory<wchar_t> path(pszPath, { &session });
    if (SUCCEEDED(hr))
        strPath = path.get();
    return hr;
}

bool Fails(HRESULT hr, LPCWSTR pszWhat)
{
    if (SUCCEEDED(hr))
        return false;
    ReportCause(kProgramSource, pszWhat, static_cast<DWORD>(hr));
    MessageBeep(MB_ICONWARNING);
    return true;
}
}

EListFormat ListFormatOf(const CString& strPath, EListFormat chosen)
{
    const int nDot = strPath.ReverseFind(L'.');
    if (nDot < 0 || strPath.Find(L"\\", nDot) >= 0)
        return chosen;
    const CString strExtension = strPath.Mid(nDot + 1);
    for (const CListFileType& type : kTypes)
        if (strExtension.CompareNoCase(type.Extension()) == 0)
            return type.m_format;
    return chosen;
}

CString DefaultListFileName(const CString& strCaption)
{
    CString strName = strCaption;
    for (LPCWSTR pszReserved : { L"\\", L"/", L":", L"*", L"?", L"\"", L"<", L">", L"|" })
        strName.Replace(pszReserved, L" ");
    return strName;
}

bool CListSaveDialog::Ask(HWND hOwner, const CString& strName, CString& strPath, EListFormat& format)
{
    const COleSession& session = ThreadOleSession();
    CComPtr<IFileSaveDialog> dialog;
    if (Fails(session.CreateInstance(CLSID_FileSaveDialog, IID_IFileSaveDialog, dialog.ReceiveVoid()),
              L"the Save dialog cannot be made; the list is not saved"))
        return false;
    const CFilterSpecs specs;
    if (Fails(SetUp(dialog.Get(), specs, strName), L"the Save dialog cannot be set up; the list is not saved"))
        return false;

    m_pShown = dialog.Get();
    const HRESULT hrShown = dialog->Show(hOwner);
    m_pShown = nullptr;
    if (hrShown == HRESULT_FROM_WIN32(ERROR_CANCELLED))
        return false;
    UINT nType = 0;
    if (Fails(hrShown, L"the Save dialog cannot be shown; the list is not saved") ||
        Fails(TakeResult(dialog.Get(), session, strPath, nType),
              L"the Save dialog gave no file; the list is not saved"))
        return false;
    // The type's index counts from 1.
    format = ListFormatOf(strPath, kTypes[nType >= 1 && nType <= kTypeCount ? nType - 1 : 0].m_format);
    return true;
}

void CListSaveDialog::Close()
{
    if (m_pShown)
        m_pShown->Close(HRESULT_FROM_WIN32(ERROR_CANCELLED));
}
