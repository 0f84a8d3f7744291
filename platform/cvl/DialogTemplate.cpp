#include "DialogTemplate.h"

namespace
{
// Reads the template's fields in order; past its end every field reads as
// zero, and Ok() says so.
class Reader
{
public:
    Reader(const BYTE* pData, size_t nSize) : m_pData(pData), m_nSize(nSize) {}
    template <typename T> T Read()
    {
        T value = {};
        if (m_nOffset <= m_nSize && sizeof(T) <= m_nSize - m_nOffset)
            memcpy(&value, m_pData + m_nOffset, sizeof(T));
        m_nOffset += sizeof(T);
        return value;
    }
    CString ReadString()
    {
        CString text;
        for (WCHAR ch; (ch = Read<WCHAR>()) != 0 && Ok();)
            text += ch;
        return text;
    }
    // A string, or 0xFFFF followed by an ordinal, or 0 for none.
    CString ReadNameOrOrdinal()
    {
        const WORD first = Read<WORD>();
        if (first == 0)
            return CString();
        if (first == 0xFFFF)
        {
            wchar_t ordinal[16];
            wsprintfW(ordinal, L"#%u", Read<WORD>());
            return ordinal;
        }
        m_nOffset -= sizeof(WORD);
        return ReadString();
    }
    void AlignToDword() { m_nOffset = (m_nOffset + 3) & ~static_cast<size_t>(3); }
    void Skip(size_t n) { m_nOffset += n; }
    bool Ok() const { return m_nOffset <= m_nSize; }

private:
    const BYTE* m_pData;
    size_t m_nSize;
    size_t m_nOffset = 0;
};

CString ControlClass(CString name)
{
    static const struct
    {
        LPCWSTR ordinal;
        LPCWSTR name;
    } atoms[] = { { L"#128", L"Button" },  { L"#129", L"Edit" },      { L"#130", L"Static" },
                  { L"#131", L"ListBox" }, { L"#132", L"ScrollBar" }, { L"#133", L"ComboBox" } };
    for (const auto& atom : atoms)
        if (name == atom.ordinal)
            return atom.name;
    return name;
}
}

DialogTemplate ReadDialogTemplate(HINSTANCE hModule, UINT id)
{
    DialogTemplate result;
    HRSRC hRes = FindResourceW(hModule, MAKEINTRESOURCEW(id), RT_DIALOG);
    HGLOBAL hData = hRes ? LoadResource(hModule, hRes) : nullptr;
    const BYTE* base = hData ? static_cast<const BYTE*>(LockResource(hData)) : nullptr;
    if (!base)
        return result;
    Reader r(base, SizeofResource(hModule, hRes));
    if (r.Read<WORD>() != 1 || r.Read<WORD>() != 0xFFFF)
        return result; // not an extended template
    r.Read<DWORD>();   // help ID
    result.exStyle = r.Read<DWORD>();
    result.style = r.Read<DWORD>();
    const WORD count = r.Read<WORD>();
    result.x = r.Read<short>();
    result.y = r.Read<short>();
    result.cx = r.Read<short>();
    result.cy = r.Read<short>();
    result.menu = r.ReadNameOrOrdinal();
    result.windowClass = r.ReadNameOrOrdinal();
    result.caption = r.ReadString();
    if (result.style & DS_SETFONT)
    {
        result.pointSize = r.Read<WORD>();
        result.weight = r.Read<WORD>();
        result.italic = r.Read<BYTE>();
        result.charset = r.Read<BYTE>();
        result.typeface = r.ReadString();
    }
    for (WORD i = 0; i < count; ++i)
    {
        r.AlignToDword();
        DialogItem item;
        r.Read<DWORD>(); // help ID
        item.exStyle = r.Read<DWORD>();
        item.style = r.Read<DWORD>();
        item.x = r.Read<short>();
        item.y = r.Read<short>();
        item.cx = r.Read<short>();
        item.cy = r.Read<short>();
        item.id = static_cast<int>(r.Read<DWORD>());
        item.className = ControlClass(r.ReadNameOrOrdinal());
        item.text = r.ReadNameOrOrdinal();
        r.Skip(r.Read<WORD>());
        result.items.push_back(item);
    }
    result.valid = r.Ok();
    return result;
}
