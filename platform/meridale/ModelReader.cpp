#include "ModelReader.h"

#include <AfxBinding.h>
#include <ProfileSyntax.h>
#include <objidl.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <set>

namespace
{
using CreateXmlReaderFn = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

CString LocalName(IXmlReader* pReader)
{
    LPCWSTR pszName = nullptr;
    return SUCCEEDED(pReader->GetLocalName(&pszName, nullptr)) ? CString(pszName) : CString();
}

// A section name as the profile functions read it back: the file holds it
// on one line (CUnicodeIniFile makes line breaks blanks), and the blanks
// around it are dropped.
CString AsReadBack(CString strName)
{
    strName.Replace(L"\r", L" ");
    strName.Replace(L"\n", L" ");
    const std::wstring_view name = TrimmedProfileText(ProfileView(strName));
    return CString(name.data(), static_cast<int>(name.size()));
}

// Section names that are not yet taken. The profile functions compare them
// as read back and without regard to case, so a second section of a name
// taken in any case (or with other blanks around it) would be lost, and an
// empty name cannot be looked up at all.
class CSectionNames
{
public:
    // The module's id as read back when that is free, else "Module" + its
    // position (with a further number should that be taken too).
    CString Take(const CString& strId, int nPosition)
    {
        CString strName = AsReadBack(strId);
        for (int nSuffix = 1; strName.IsEmpty() || IsTaken(strName); ++nSuffix)
        {
            wchar_t szDerived[48];
            wsprintfW(szDerived, nSuffix == 1 ? L"Module%d" : L"Module%d-%d", nPosition, nSuffix);
            strName = szDerived;
        }
        m_taken.insert(strName);
        return strName;
    }

private:
    struct NoCaseLess
    {
        bool operator()(const CString& a, const CString& b) const { return a.CompareNoCase(b) < 0; }
    };

    bool IsTaken(const CString& strName) const { return m_taken.count(strName) != 0; }

    std::set<CString, NoCaseLess> m_taken;
};

CString ModuleId(IXmlReader* pReader)
{
    LPCWSTR pszId = nullptr;
    if (pReader->MoveToAttributeByName(L"id", nullptr) != S_OK || FAILED(pReader->GetValue(&pszId, nullptr)))
        return CString();
    CString strValue(pszId);
    pReader->MoveToElement();
    return strValue;
}

// Module elements under the root become sections, their child elements
// keys; the text under a child, as the reader gives it, its value. Fed the
// reader's element, text and end-element events in document order.
class CModuleWalk
{
public:
    CModuleWalk(IXmlReader* pReader, CUnicodeIniFile& ini) : m_pReader(pReader), m_ini(ini) {}

    void OnElement();
    void OnText();
    void OnEndElement();

private:
    IXmlReader* m_pReader;
    CUnicodeIniFile& m_ini;
    CSectionNames m_sections;
    int m_nPosition = 0;
    bool m_bInModule = false;
    bool m_bInChild = false;
    CString m_strKey;
    CString m_strValue;
    // Open elements, counted from the element events: wine's reader reports
    // end elements one level deeper than their start.
    UINT m_nDepth = 0;
};

void CModuleWalk::OnElement()
{
    const UINT nLevel = m_nDepth;
    const bool bEmpty = m_pReader->IsEmptyElement() != FALSE;
    if (!bEmpty)
        ++m_nDepth;
    if (nLevel == 1)
    {
        m_bInModule = LocalName(m_pReader) == L"Module";
        if (m_bInModule)
            m_ini.AddSection(m_sections.Take(ModuleId(m_pReader), ++m_nPosition));
        m_bInModule = m_bInModule && !bEmpty;
    }
    else if (nLevel == 2 && m_bInModule)
    {
        m_strKey = LocalName(m_pReader);
        m_strValue.Empty();
        m_bInChild = !bEmpty;
        if (bEmpty)
            m_ini.AddValue(m_strKey, m_strValue);
    }
}

void CModuleWalk::OnText()
{
    LPCWSTR pszText = nullptr;
    if (m_bInChild && SUCCEEDED(m_pReader->GetValue(&pszText, nullptr)))
        m_strValue += pszText;
}

void CModuleWalk::OnEndElement()
{
    --m_nDepth;
    if (m_nDepth == 2 && m_bInChild)
    {
        m_ini.AddValue(m_strKey, m_strValue);
        m_bInChild = false;
    }
    else if (m_nDepth == 1)
        m_bInModule = false;
}

// Walks the whole document; S_OK at its end, else what the reader returned.
HRESULT ReadModules(IXmlReader* pReader, CUnicodeIniFile& ini)
{
    CModuleWalk walk(pReader, ini);
    XmlNodeType nodeType;
    HRESULT hr;
    while ((hr = pReader->Read(&nodeType)) == S_OK)
    {
        switch (nodeType)
        {
        case XmlNodeType_Element:
            walk.OnElement();
            break;
        case XmlNodeType_Text:
        case XmlNodeType_CDATA:
        case XmlNodeType_Whitespace:
            walk.OnText();
            break;
        case XmlNodeType_EndElement:
            walk.OnEndElement();
            break;
        default:
            break;
        }
    }
    return hr == S_FALSE ? S_OK : hr;
}
}

// Under wine (8) its xmllite crashes the process on a comment of 512 KiB or
// more, and fails on models with a thousand long comments or with an
// ISO-8859-1 declaration; Windows' XmlLite reads all of them. These are
// faults of wine's reader, not of the model, and are not worked around.
HRESULT ReadModelFile(const CString& strModelPath, CUnicodeIniFile& ini)
{
    // mingw has no import library for xmllite.dll; the system's own, never
    // one beside the program.
    const CLibraryHandle xmllite = LoadSystemLibrary(L"xmllite.dll");
    const auto createReader = BoundFunction<CreateXmlReaderFn>(xmllite.get(), "CreateXmlReader");
    if (!createReader)
        return HRESULT_FROM_WIN32(GetLastError());

    CComPtr<IStream> stream;
    HRESULT hr = SHCreateStreamOnFileEx(strModelPath, STGM_READ | STGM_SHARE_DENY_WRITE, FILE_ATTRIBUTE_NORMAL, FALSE,
                                        nullptr, stream.Receive());
    CComPtr<IXmlReader> reader;
    if (SUCCEEDED(hr))
        hr = createReader(__uuidof(IXmlReader), reader.ReceiveVoid(), nullptr);
    if (SUCCEEDED(hr))
        hr = reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
    if (SUCCEEDED(hr))
        hr = reader->SetInput(stream.Get());
    return SUCCEEDED(hr) ? ReadModules(reader.Get(), ini) : hr;
}
