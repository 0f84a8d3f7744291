#include "DialogTemplate.h"

namespace
{
class Reader
{
public:
    Reader(const BYTE* p, const BYTE* end) : m_p(p), m_end(end) {}
    template <typename T> T Read()
    {
        T value = {};
        if (m_p + sizeof(T) <= m_end)
            memcpy(&value, m_p, sizeof(T));
        m_p += sizeof(T);
        return value;
    }
    CString ReadString()
    {
        CString text;
        for (WCHAR ch; (ch = Read<WCHAR>()) != 0 && m_p <= m_end;)
            text += ch;
        return text;
    }
    // A string, or 0xFFFF followed by an ordinal, or 0 for none.
    CString ReadNameOrOrdinal()
    {
        WORD first = Read<WORD>();
        if (first == 0)
            return CString();
        if (first == 0xFFFF)
        {
            wchar_t ordinal[16];
            wsprintfW(ordinal, L"#%u", Read<WORD>());
            return ordinal;
        }
        m_p -= sizeof(WORD);
        return ReadString();
    }
    void AlignToDword(const BYTE* base) { m_p = base + ((m_p - base + 3) & ~static_cast<ptrdiff_t>(3)); }
    void Skip(size_t n) { m_p += n; }
    bool Ok() const { return m_p <= m_end; }

private:
    const BYTE* m_p;
    const BYTE* m_end;
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
    Reader r(base, base + SizeofResource(hModule, hRes));
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
        r.AlignToDword(base);
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
