#include "ProfileFiles.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const DWORD kLargeBuffer = 1 << 20;

std::string Encoded(UINT codePage, const CString& text)
{
    const int size = WideCharToMultiByte(codePage, 0, text, text.GetLength(), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, text, text.GetLength(), &bytes[0], size, nullptr, nullptr);
    return bytes;
}
}

bool WriteAnsiIni(const CString& path, const CString& text)
{
    const std::string bytes = Encoded(CP_ACP, text);
    return WriteFileBytes(path, bytes.data(), bytes.size());
}

bool WriteUtf8Ini(const CString& path, const CString& text)
{
    const std::string bytes = "\xEF\xBB\xBF" + Encoded(CP_UTF8, text);
    return WriteFileBytes(path, bytes.data(), bytes.size());
}

bool WriteUtf16BigEndianIni(const CString& path, const CString& text)
{
    std::string bytes = "\xFE\xFF";
    for (int i = 0; i < text.GetLength(); ++i)
    {
        bytes += static_cast<char>(text[i] >> 8);
        bytes += static_cast<char>(text[i] & 0xFF);
    }
    return WriteFileBytes(path, bytes.data(), bytes.size());
}

bool WriteUtf16Ini(const CString& path, const CString& text)
{
    const std::wstring content = L"\xFEFF" + std::wstring(text.GetString(), static_cast<size_t>(text.GetLength()));
    return WriteFileBytes(path, content.data(), content.size() * sizeof(wchar_t));
}

bool BackdateFile(const CString& path)
{
    const CFileHandle file(
        CreateFileW(path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return false;
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time = { { now.dwLowDateTime, now.dwHighDateTime } };
    time.QuadPart -= 3600ULL * 10000000ULL;
    const FILETIME written = { time.LowPart, time.HighPart };
    return SetFileTime(file.get(), nullptr, nullptr, &written) != FALSE;
}

std::vector<CString> ProfileSectionNames(const CString& path)
{
    // A list that does not fit comes back as the buffer's size - 2: asked
    // again with a larger one. (A buffer far larger than any list, taken
    // for every call, costs more than the call.)
    std::vector<wchar_t> buffer(4096);
    DWORD count = 0;
    while ((count = GetPrivateProfileSectionNamesW(buffer.data(), static_cast<DWORD>(buffer.size()), path)) ==
           buffer.size() - 2)
        buffer.resize(buffer.size() * 2);
    std::vector<CString> names;
    for (DWORD start = 0; start < count;)
    {
        CString name(buffer.data() + start);
        names.push_back(name);
        start += static_cast<DWORD>(name.GetLength()) + 1;
    }
    return names;
}

std::wstring ProfileSectionList(const CString& path)
{
    std::wstring list;
    for (const CString& name : ProfileSectionNames(path))
        list += std::wstring(name.GetString()) + L"\n";
    return list;
}

CString ProfileValue(const CString& path, LPCWSTR section, LPCWSTR key)
{
    std::vector<wchar_t> buffer(kLargeBuffer);
    GetPrivateProfileStringW(section, key, L"<missing>", buffer.data(), kLargeBuffer, path);
    return buffer.data();
}

void ExpectProfileValues(const CString& path, std::initializer_list<CProfileValue> values)
{
    for (const CProfileValue& value : values)
        EXPECT_STREQ(value.value, ProfileValue(path, value.section, value.key))
            << "[" << value.section << "] " << value.key;
}

CString ProfileString(const CString& path, LPCWSTR section, LPCWSTR key, DWORD size)
{
    std::vector<wchar_t> buffer(size);
    const DWORD count = GetPrivateProfileStringW(section, key, L"", buffer.data(), size, path);
    return CString(buffer.data(), static_cast<int>(count));
}

bool StartsWithUtf16Bom(const CString& path)
{
    const CFileHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return false;
    BYTE bom[2] = {};
    DWORD read = 0;
    ReadFile(file.get(), bom, sizeof(bom), &read, nullptr);
    return read == sizeof(bom) && bom[0] == 0xFF && bom[1] == 0xFE;
}

std::wstring Utf16FileText(const CString& path)
{
    const std::string bytes = ReadFileBytes(path);
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
}
