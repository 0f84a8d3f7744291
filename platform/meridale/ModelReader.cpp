#include "ModelReader.h"

#include <AfxHandle.h>
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

// Walks the document: Module elements under the root become sections, their
// child elements keys; the text under a child, as the reader gives it, its value.
bool ReadModules(IXmlReader* pReader, CUnicodeIniFile& ini)
{
    int nPosition = 0;
    CSectionNames sections;
    bool bInModule = false;
    bool bInChild = false;
    CString strKey;
    CString strValue;
    // Open elements, counted from the element events: wine's reader reports
    // end elements one level deeper than their start.
    UINT nDepth = 0;
    XmlNodeType nodeType;
    HRESULT hr;
    while ((hr = pReader->Read(&nodeType)) == S_OK)
    {
        switch (nodeType)
        {
        case XmlNodeType_Element:
        {
            const UINT nLevel = nDepth;
            const bool bEmpty = pReader->IsEmptyElement() != FALSE;
            if (!bEmpty)
                ++nDepth;
            if (nLevel == 1)
            {
                bInModule = LocalName(pReader) == L"Module";
                if (bInModule)
                    ini.AddSection(sections.Take(ModuleId(pReader), ++nPosition));
                bInModule = bInModule && !bEmpty;
            }
            else if (nLevel == 2 && bInModule)
            {
                strKey = LocalName(pReader);
                strValue.Empty();
                bInChild = !bEmpty;
                if (bEmpty)
                    ini.AddValue(strKey, strValue);
            }
            break;
        }
        case XmlNodeType_Text:
        case XmlNodeType_CDATA:
        case XmlNodeType_Whitespace:
            if (bInChild)
            {
                LPCWSTR pszText = nullptr;
                if (SUCCEEDED(pReader->GetValue(&pszText, nullptr)))
                    strValue += pszText;
            }
            break;
        case XmlNodeType_EndElement:
            --nDepth;
            if (nDepth == 2 && bInChild)
            {
                ini.AddValue(strKey, strValue);
                bInChild = false;
            }
            else if (nDepth == 1)
                bInModule = false;
            break;
        default:
            break;
        }
    }
    return hr == S_FALSE;
}
}

// Under wine (8) its xmllite crashes the process on a comment of 512 KiB or
// more, and fails on models with a thousand long comments or with an
// ISO-8859-1 declaration; Windows' XmlLite reads all of them. These are
// faults of wine's reader, not of the model, and are not worked around.
bool ReadModelFile(const CString& strModelPath, CUnicodeIniFile& ini)
{
    // mingw has no import library for xmllite.dll.
    CLibraryHandle xmllite(LoadLibraryW(L"xmllite.dll"));
    auto createReader = reinterpret_cast<CreateXmlReaderFn>(
        reinterpret_cast<void*>(xmllite ? GetProcAddress(xmllite.get(), "CreateXmlReader") : nullptr));
    if (!createReader)
        return false;

    CComPtr<IStream> stream;
    if (FAILED(SHCreateStreamOnFileEx(strModelPath, STGM_READ | STGM_SHARE_DENY_WRITE, FILE_ATTRIBUTE_NORMAL, FALSE,
                                      nullptr, stream.Receive())))
        return false;
    CComPtr<IXmlReader> reader;
    if (FAILED(createReader(__uuidof(IXmlReader), reader.ReceiveVoid(), nullptr)) ||
        FAILED(reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
        FAILED(reader->SetInput(stream.Get())))
        return false;
    return ReadModules(reader.Get(), ini);
}
