#include "UnicodeIniFile.h"

#include <cwctype>

namespace
{
void AppendOneLine(std::wstring& text, const CString& s)
{
    for (int i = 0; i < s.GetLength(); ++i)
    {
        const wchar_t ch = s[i];
        text += (ch == L'\r' || ch == L'\n') ? L' ' : ch;
    }
}

bool NeedsQuotes(const CString& value)
{
    if (value.IsEmpty())
        return false;
    for (wchar_t ch : {value[0], value[value.GetLength() - 1]})
        if (ch == L'"' || ch == L'\'' || iswspace(ch))
            return true;
    return false;
}

class CFileHandle
{
public:
    explicit CFileHandle(HANDLE h) : m_h(h) {}
    ~CFileHandle() { Close(); }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    HANDLE Get() const { return m_h; }
    bool IsValid() const { return m_h != INVALID_HANDLE_VALUE; }
    BOOL Close()
    {
        BOOL ok = TRUE;
        if (IsValid())
            ok = CloseHandle(m_h);
        m_h = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE m_h;
};

bool WriteWhole(const CString& path, const std::wstring& text)
{
    CFileHandle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return false;
    const wchar_t bom = 0xFEFF;
    DWORD written = 0;
    if (!WriteFile(file.Get(), &bom, sizeof(bom), &written, nullptr) || written != sizeof(bom))
        return false;
    const DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (size && (!WriteFile(file.Get(), text.data(), size, &written, nullptr) || written != size))
        return false;
    return FlushFileBuffers(file.Get()) && file.Close();
}
}

void CUnicodeIniFile::AddSection(const CString& name)
{
    m_text += L'[';
    AppendOneLine(m_text, name);
    m_text += L"]\r\n";
}

void CUnicodeIniFile::AddValue(const CString& key, const CString& value)
{
    AppendOneLine(m_text, key);
    m_text += L'=';
    const bool quoted = NeedsQuotes(value);
    if (quoted)
        m_text += L'"';
    AppendOneLine(m_text, value);
    if (quoted)
        m_text += L'"';
    m_text += L"\r\n";
}

BOOL CUnicodeIniFile::Save(const CString& path) const
{
    const CString aside = path + L".new";
    if (WriteWhole(aside, m_text) &&
        MoveFileExW(aside, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return TRUE;
    DeleteFileW(aside);
    return FALSE;
}
