// Unicode.exe against the same copy made through the platform's profile
// functions: the apps.ini it writes from generated temp.ini files must be
// the same, byte for byte.
#include "ProfileFiles.h"
#include "ProfileShapes.h"
#include "ProgramRunner.h"
#include "TestFolders.h"

#include <UnicodeIniFile.h>

#include <gtest/gtest.h>

namespace
{
bool WriteAppsThroughProfileFunctions(const CString& temp, const CString& apps)
{
    CUnicodeIniFile file;
    for (const CString& name : ProfileSectionNames(temp))
    {
        if (name.IsEmpty())
            continue;
        file.AddSection(name);
        file.AddValue(L"CustomerDescription", ProfileString(temp, name, L"CustomerDescription"));
    }
    return file.Save(apps) != FALSE;
}
}

TEST(UnicodeToolDifferentialTest, WritesTheAppsIniTheProfileFunctionsRead)
{
    CTempFolder folder;
    for (unsigned seed = 4001; seed <= 4030; ++seed)
    {
        const std::wstring text = CProfileShapes(seed).File(60);
        const CString temp = folder / L"temp.ini", apps = folder / L"apps.ini", expected = folder / L"expected.ini";
        DeleteFileW(apps);
        const CString content(text.c_str(), static_cast<int>(text.size()));
        ASSERT_TRUE(seed % 2 ? WriteAnsiIni(temp, content) : WriteUtf16Ini(temp, content));

        ASSERT_TRUE(WriteAppsThroughProfileFunctions(temp, expected));
        ASSERT_EQ(
            0u,
            CProgramRunner(BinFolder() + L"\\Unicode.exe", L"\"" + temp + L"\" \"" + apps + L"\"").WaitForExit(60000));

        ASSERT_EQ(ShownText(Utf16FileText(expected)), ShownText(Utf16FileText(apps)))
            << "seed " << seed << ", temp.ini:\n"
            << ShownText(text);
    }
}
