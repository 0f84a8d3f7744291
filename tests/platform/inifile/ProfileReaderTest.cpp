#include <ProfileFiles.h>
#include <ProfileReader.h>
#include <TestFolders.h>

#include <gtest/gtest.h>

namespace
{
CStringArray ReadNames(const CString& path)
{
    CStringArray names;
    ReadSectionNames(path, names);
    return names;
}

// Sections named "Name<i>" padded with 'x' so that the whole list, each name
// with its terminating NUL, needs exactly listLength characters.
CString CatalogueNeeding(int listLength, CStringArray& names)
{
    CString text;
    int remaining = listLength;
    for (int i = 0; remaining > 0; ++i)
    {
        wchar_t prefix[16];
        wsprintfW(prefix, L"Name%04d", i);
        const int length = remaining - 1 >= 40 ? 30 : remaining - 1;
        CString name = CString(prefix).Left(length);
        while (name.GetLength() < length)
            name += L'x';
        names.Add(name);
        text += L"[" + name + L"]\r\nCustomerDescription=d\r\n";
        remaining -= length + 1;
    }
    return text;
}
}

TEST(ReadSectionNames, AreReadInFileOrderWithEmptyNamesSkipped)
{
    CTempFolder folder;
    const CString path = folder / L"apps.ini";
    ASSERT_TRUE(WriteAnsiIni(path, L"[gamma]\r\nk=1\r\n[]\r\nk=2\r\n[Alpha]\r\n[beta]\r\nk=3\r\n"));
    const CStringArray names = ReadNames(path);
    ASSERT_EQ(3, names.GetSize());
    EXPECT_STREQ(L"gamma", names[0]);
    EXPECT_STREQ(L"Alpha", names[1]);
    EXPECT_STREQ(L"beta", names[2]);
}

TEST(ReadSectionNames, MissingOrEmptyFileGivesNoNames)
{
    CTempFolder folder;
    EXPECT_EQ(0, ReadNames(folder / L"missing.ini").GetSize());
    ASSERT_TRUE(WriteFileBytes(folder / L"empty.ini", "", 0));
    EXPECT_EQ(0, ReadNames(folder / L"empty.ini").GetSize());
}

TEST(ReadSectionNames, ListsOfAnyLengthAreReadWhole)
{
    CTempFolder folder;
    const CString path = folder / L"apps.ini";
    // Around the first buffer's size, where a cut list first appears, and far beyond it.
    for (int listLength : { 2044, 2045, 2046, 2047, 2048, 2049, 2050, 4094, 4095, 4096, 60000 })
    {
        CStringArray expected;
        ASSERT_TRUE(WriteAnsiIni(path, CatalogueNeeding(listLength, expected)));
        const CStringArray names = ReadNames(path);
        ASSERT_EQ(expected.GetSize(), names.GetSize()) << "list of " << listLength << " characters";
        for (INT_PTR i = 0; i < names.GetSize(); ++i)
            ASSERT_STREQ(expected[i], names[i]) << "list of " << listLength << " characters, name " << i;
    }
}
