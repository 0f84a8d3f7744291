#include <SectionNameArray.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace
{
CSectionNameArray Sorted(std::initializer_list<LPCWSTR> names)
{
    CSectionNameArray array;
    for (LPCWSTR name : names)
        array.Add(name);
    array.SortNoCase();
    return array;
}

std::wstring Folded(const CString& name)
{
    std::wstring folded(name.GetString());
    CharLowerBuffW(&folded[0], static_cast<DWORD>(folded.size()));
    return folded;
}

void ExpectOrder(const CSectionNameArray& array, std::initializer_list<LPCWSTR> expected)
{
    ASSERT_EQ(static_cast<INT_PTR>(expected.size()), array.GetSize());
    INT_PTR i = 0;
    for (LPCWSTR name : expected)
        EXPECT_STREQ(name, array[i++]) << "position " << i - 1;
}
}

TEST(SectionNameArrayTest, SortsIgnoringCaseAndKeepsEqualNamesInTheirOrder)
{
    ExpectOrder(Sorted({ L"beta", L"Alpha", L"gamma" }), { L"Alpha", L"beta", L"gamma" });
    ExpectOrder(Sorted({ L"Tool", L"TOOL", L"Apps", L"tool" }), { L"Apps", L"Tool", L"TOOL", L"tool" });
    ExpectOrder(Sorted({ L"TOOL", L"Tool" }), { L"TOOL", L"Tool" });
    // Compared after folding to lower case: the underscore lies below 'b'
    // but above 'B'.
    ExpectOrder(Sorted({ L"aB", L"a_" }), { L"a_", L"aB" });
    // Beyond basic Latin the platform's lower-case mapping decides.
    ExpectOrder(Sorted({ L"\x00C4rger", L"Zoo", L"\x00E4rger", L"\x03A9mega", L"\x03C9mega" }),
                { L"Zoo", L"\x00C4rger", L"\x00E4rger", L"\x03A9mega", L"\x03C9mega" });
    ExpectOrder(Sorted({}), {});
    ExpectOrder(Sorted({ L"Only" }), { L"Only" });
}

TEST(SectionNameArrayTest, ManyNamesEndInAscendingOrderWithTiesInOriginalOrder)
{
    // Names drawn from few letters in mixed case: many compare equal.
    CSectionNameArray array;
    unsigned seed = 12345;
    for (int i = 0; i < 3000; ++i)
    {
        CString name;
        for (int k = 0; k < 3; ++k)
        {
            seed = seed * 1103515245u + 12345u;
            const wchar_t letter = static_cast<wchar_t>(L'a' + (seed >> 16) % 3);
            name += (seed >> 20) % 2 ? letter : static_cast<wchar_t>(letter - L'a' + L'A');
        }
        array.Add(name);
    }
    // Names equal ignoring case, in the order they came.
    std::map<std::wstring, std::vector<std::wstring>> before;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
    {
        before[Folded(array[i])].push_back(array[i].GetString());
    }

    array.SortNoCase();

    ASSERT_EQ(3000, array.GetSize());
    std::map<std::wstring, std::vector<std::wstring>> after;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
    {
        if (i > 0)
        {
            ASSERT_LE(array[i - 1].CompareNoCase(array[i]), 0) << "position " << i;
        }
        after[Folded(array[i])].push_back(array[i].GetString());
    }
    EXPECT_EQ(before, after);
}
