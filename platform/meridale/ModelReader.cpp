#include "ModelReader.h"

#include <AfxHandle.h>
#include <objidl.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <set>

namespace
{
using CreateXmlReaderFn = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

CString LocalName(IXmlReader* reader)
{
    LPCWSTR name = nullptr;
    return SUCCEEDED(reader->GetLocalName(&name, nullptr)) ? CString(name) : CString();
}

// Section names that are not yet taken. The profile functions compare them
// without regard to case, so a second section of a name taken in any case
// would be lost, and an empty name cannot be looked up at all.
class CSectionNames
{
public:
    // The module's id when it is free, else "Module" + its position (with
    // a further number should that be taken too).
    CString Take(const CString& id, int position)
    {
        CString name = id;
        for (int n = 1; name.IsEmpty() || IsTaken(name); ++n)
        {
            wchar_t derived[48];
            wsprintfW(derived, n == 1 ? L"Module%d" : L"Module%d-%d", position, n);
            name = derived;
        }
        m_taken.insert(name);
        return name;
    }

private:
    struct NoCaseLess
    {
        bool operator()(const CString& a, const CString& b) const { return a.CompareNoCase(b) < 0; }
    };

    bool IsTaken(const CString& name) const { return m_taken.count(name) != 0; }

    std::set<CString, NoCaseLess> m_taken;
};

CString ModuleId(IXmlReader* reader)
{
    LPCWSTR id = nullptr;
    if (reader->MoveToAttributeByName(L"id", nullptr) != S_OK || FAILED(reader->GetValue(&id, nullptr)))
        return CString();
    CString value(id);
    reader->MoveToElement();
    return value;
}

// Walks the document: Module elements under the root become sections, their
// child elements keys; the text under a child, as the reader gives it, its value.
bool ReadModules(IXmlReader* reader, CUnicodeIniFile& ini)
{
    int position = 0;
    CSectionNames sections;
    bool inModule = false;
    bool inChild = false;
    CString key;
    CString value;
    // Open elements, counted from the element events: wine's reader reports
    // end elements one level deeper than their start.
    UINT depth = 0;
    XmlNodeType type;
    HRESULT hr;
    while ((hr = reader->Read(&type)) == S_OK)
    {
        switch (type)
        {
        case XmlNodeType_Element:
        {
            const UINT level = depth;
            const bool empty = reader->IsEmptyElement() != FALSE;
            if (!empty)
                ++depth;
            if (level == 1)
            {
                inModule = LocalName(reader) == L"Module";
                if (inModule)
                    ini.AddSection(sections.Take(ModuleId(reader), ++position));
                inModule = inModule && !empty;
            }
            else if (level == 2 && inModule)
            {
                key = LocalName(reader);
                value.Empty();
                inChild = !empty;
                if (empty)
                    ini.AddValue(key, value);
            }
            break;
        }
        case XmlNodeType_Text:
        case XmlNodeType_CDATA:
        case XmlNodeType_Whitespace:
            if (inChild)
            {
                LPCWSTR text = nullptr;
                if (SUCCEEDED(reader->GetValue(&text, nullptr)))
                    value += text;
            }
            break;
        case XmlNodeType_EndElement:
            --depth;
            if (depth == 2 && inChild)
            {
                ini.AddValue(key, value);
                inChild = false;
            }
            else if (depth == 1)
                inModule = false;
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
bool ReadModelFile(const CString& modelPath, CUnicodeIniFile& ini)
{
    // mingw has no import library for xmllite.dll.
    CLibraryHandle xmllite(LoadLibraryW(L"xmllite.dll"));
    auto createReader = reinterpret_cast<CreateXmlReaderFn>(
        reinterpret_cast<void*>(xmllite ? GetProcAddress(xmllite.get(), "CreateXmlReader") : nullptr));
    if (!createReader)
        return false;

    CComPtr<IStream> stream;
    if (FAILED(SHCreateStreamOnFileEx(modelPath, STGM_READ | STGM_SHARE_DENY_WRITE, FILE_ATTRIBUTE_NORMAL,
                                      FALSE, nullptr, stream.Receive())))
        return false;
    CComPtr<IXmlReader> reader;
    if (FAILED(createReader(__uuidof(IXmlReader), reader.ReceiveVoid(), nullptr)) ||
        FAILED(reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
        FAILED(reader->SetInput(stream.Get())))
        return false;
    return ReadModules(reader.Get(), ini);
}
