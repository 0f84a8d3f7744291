#include "Catalogue.h"

#include "ProfileFiles.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace
{
struct CCatalogueCase
{
    LPCWSTR m_text;
    std::vector<std::pair<LPCWSTR, LPCWSTR>> m_products;
};

// A name shared by sections differing in case is looked up in the first of
// them, as the profile functions look it up.
const CCatalogueCase kCases[] = {
    { L"[beta]\r\nCustomerDescription=b\r\n[Alpha]\r\nCustomerDescription=a\r\n[gamma]\r\nCustomerDescription=c\r\n",
      { { L"Alpha", L"a" }, { L"beta", L"b" }, { L"gamma", L"c" } } },
    { L"[Tool]\r\nCustomerDescription=first\r\n[TOOL]\r\nCustomerDescription=second\r\n",
      { { L"Tool", L"first" }, { L"TOOL", L"first" } } },
    { L"[Only]\r\nLabel=x\r\n[ONLY]\r\nCustomerDescription=hidden\r\n", {} },
    { L"[Blank]\r\nCustomerDescription= \t \r\n[Kept]\r\ncustomerdescription=\t kept \r\n", { { L"Kept", L"kept" } } },
    { L"", {} },
};
}

TEST(ReadCatalogue, ListsProductsAsTheProfileFunctionsAnswer)
{
    CTempFolder folder;
    for (const CCatalogueCase& c : kCases)
    {
        const CString path = folder / L"apps.ini";
        ASSERT_TRUE(WriteAnsiIni(path, c.m_text));
        const CCatalogue catalogue = ReadCatalogue(path);
        ASSERT_EQ(c.m_products.size(), catalogue.size()) << c.m_text;
        for (size_t i = 0; i < catalogue.size(); ++i)
        {
            EXPECT_STREQ(c.m_products[i].first, catalogue[i].m_strName) << c.m_text;
            EXPECT_STREQ(c.m_products[i].second, catalogue[i].m_strDescription) << c.m_text;
        }
    }
}

TEST(ReadCatalogue, MissingFileGivesAnEmptyCatalogue)
{
    CTempFolder folder;
    EXPECT_TRUE(ReadCatalogue(folder / L"apps.ini").empty());
}
