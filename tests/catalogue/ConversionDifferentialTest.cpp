// ConvertModulesToTemp against the same conversion made through the
// platform's profile functions (one call per value, one rewrite per entry):
// the temp.ini they write from generated modules.ini files must be the same.
#include "CataloguePreparation.h"

#include "ProfileFiles.h"
#include "ProfileShapes.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

namespace
{
CString ProfileCutAndTrimmedValue(const CString& path, const CString& section, LPCWSTR key)
{
    CString value = ProfileString(path, section, key, 1024);
    value.Trim();
    return value;
}

// The conversion as the profile functions make it, starting from an empty
// UTF-16 temp.ini so that every character survives.
void ConvertThroughProfileFunctions(const CString& modules, const CString& temp)
{
    bool created = false;
    for (const CString& name : ProfileSectionNames(modules))
    {
        if (name.IsEmpty())
            continue;
        const CString label = ProfileCutAndTrimmedValue(modules, name, L"CustomerLabel");
        const CString description = ProfileCutAndTrimmedValue(modules, name, L"CustomerDescription");
        if (label.IsEmpty())
            continue;
        if (!created)
            created = WriteUtf16Ini(temp, L"");
        WritePrivateProfileStringW(label, L"CustomerDescription", description, temp);
    }
}
}

TEST(ConversionDifferentialTest, WritesTheTempIniTheProfileFunctionsWrite)
{
    CTempFolder folder;
    int converted = 0;
    for (unsigned seed = 3001; seed <= 3080; ++seed)
    {
        const std::wstring text = CProfileShapes(seed).File(60);
        wchar_t name[32];
        wsprintfW(name, L"%u", seed);
        const CString modules = folder / (CString(name) + L"-modules.ini");
        const CString expected = folder / (CString(name) + L"-expected.ini");
        const CString temp = folder / (CString(name) + L"-temp.ini");
        const CString content(text.c_str(), static_cast<int>(text.size()));
        ASSERT_TRUE(seed % 2 ? WriteAnsiIni(modules, content) : WriteUtf16Ini(modules, content));

        ConvertThroughProfileFunctions(modules, expected);
        ConvertModulesToTemp(modules, temp);

        ASSERT_EQ(PathExists(expected), PathExists(temp)) << "seed " << seed;
        ASSERT_EQ(ShownText(Utf16FileText(expected)), ShownText(Utf16FileText(temp)))
            << "seed " << seed << ", modules.ini:\n"
            << ShownText(text);
        converted += PathExists(temp);
    }
    EXPECT_GT(converted, 40) << "most files hold a label";
}
