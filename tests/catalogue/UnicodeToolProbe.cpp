// Stands in for Unicode.exe where a test wants to see how the tool is
// started: writes run.txt beside itself with one line each for its
// parameters (the command line after the program's own name), its current
// folder, and which of modules.ini, temp.ini and apps.ini lie beside the
// temp.ini it is given; copies that temp.ini to temp-seen.ini beside itself.
#include <FileQueries.h>
#include <AfxHandle.h>

#include <string>

namespace
{
std::wstring Folder(const std::wstring& path)
{
    return path.substr(0, path.find_last_of(L'\\'));
}

const wchar_t* Presence(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES ? L"absent" : L"present";
}

// The command line after the program's name, quoted or not.
std::wstring Parameters()
{
    const std::wstring line = GetCommandLineW();
    const size_t nameEnd = line[0] == L'"' ? line.find(L'"', 1) : line.find(L' ');
    if (nameEnd == std::wstring::npos)
        return std::wstring();
    const size_t start = line.find_first_not_of(L' ', nameEnd + 1);
    return start == std::wstring::npos ? std::wstring() : line.substr(start);
}
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    const std::wstring here = GetModuleFolder(nullptr).GetString();
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);

    int argc = 0;
    const CLocalMemory<LPWSTR*> arguments(CommandLineToArgvW(GetCommandLineW(), &argc));
    LPWSTR* argv = arguments.get();
    std::wstring record = Parameters() + L"\n" + current + L"\n";
    if (argc == 3)
    {
        const std::wstring data = Folder(argv[1]);
        record += std::wstring(L"modules.ini ") + Presence(data + L"\\modules.ini") + L"\n";
        record += std::wstring(L"temp.ini ") + Presence(argv[1]) + L"\n";
        record += std::wstring(L"apps.ini ") + Presence(argv[2]) + L"\n";
        CopyFileW(argv[1], (here + L"\\temp-seen.ini").c_str(), FALSE);
    }

    const CFileHandle file(CreateFileW((here + L"\\run.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return 1;
    DWORD written = 0;
    WriteFile(file.get(), record.data(), static_cast<DWORD>(record.size() * sizeof(wchar_t)), &written, nullptr);
    return 0;
}
