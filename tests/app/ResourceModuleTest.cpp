#include <ResourceModule.h>
#include <resource.h>

#include <afxwin.h>
#include <gtest/gtest.h>

TEST(LoadResourceModule, SecondCallKeepsTheModuleLoadedTheFirstTime)
{
    ASSERT_TRUE(LoadResourceModule());
    HINSTANCE hFirst = AfxGetResourceHandle();
    EXPECT_NE(AfxGetInstanceHandle(), hFirst);
    EXPECT_TRUE(LoadResourceModule());
    EXPECT_EQ(hFirst, AfxGetResourceHandle());
}

TEST(LoadResourceModule, MapsTheModuleAsDataSoNoneOfItsCodeRuns)
{
    ASSERT_TRUE(LoadResourceModule());
    // Modules mapped as data files carry a tag in the handle's low bits and
    // are not in the loader's list of modules.
    EXPECT_NE(0u, reinterpret_cast<ULONG_PTR>(AfxGetResourceHandle()) & 3);
    EXPECT_EQ(nullptr, GetModuleHandleW(L"SoftInfoRes.dll"));
}

TEST(LoadResourceModule, DialogsStringsAndIconsComeFromTheModule)
{
    ASSERT_TRUE(LoadResourceModule());
    CString caption;
    EXPECT_TRUE(caption.LoadString(IDS_MAIN_CAPTION));
    EXPECT_STREQ(L"Software Information", caption);
    EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle(MAKEINTRESOURCEW(IDD_SOFTWAREINFO_DIALOG), RT_DIALOG));
    EXPECT_NE(nullptr, LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME)));
}
