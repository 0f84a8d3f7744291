// The view of the catalogue the list shows: its sort by either column, both
// ways, and its search as the platform's find function matches.
#include <CatalogueView.h>

#include <gtest/gtest.h>

#include <vector>

namespace
{
// In the catalogue's order: by name without regard to case, equal names
// (Gamma, gamma) in file order. Japanese: "かめら" in hiragana, "カメラ" in
// katakana ("camera"), "漢字" (kanji); "写真" (photo), "あ".
const CCatalogue kProducts = {
    { L"Alpha", L"Tools" },
    { L"beta", L"audio" },
    { L"Gamma", L"Tools" },
    { L"gamma", L"Audio" },
    { L"\u304B\u3081\u3089", L"\u5199\u771F" },
    { L"\u30AB\u30E1\u30E9", L"Zoom" },
    { L"\u6F22\u5B57", L"\u3042" },
};

std::vector<CString> ShownNames(const CCatalogueView& view)
{
    std::vector<CString> names;
    for (int row = 0; row < view.RowCount(); ++row)
        names.push_back(view.Row(row).m_strName);
    return names;
}

CString Joined(const std::vector<CString>& names)
{
    CString text;
    for (const CString& name : names)
        text += (text.IsEmpty() ? L"" : L", ") + name;
    return text;
}
}

TEST(CatalogueView, SortsByEitherColumnBothWaysAsNamesCompareEqualTextsInTheCatalogueOrder)
{
    const struct
    {
        CSortOrder order;
        std::vector<CString> names;
    } cases[] = {
        { { CCatalogueColumn::Software, false },
          { L"Alpha", L"beta", L"Gamma", L"gamma", L"\u304B\u3081\u3089", L"\u30AB\u30E1\u30E9", L"\u6F22\u5B57" } },
        { { CCatalogueColumn::Software, true },
          { L"\u6F22\u5B57", L"\u30AB\u30E1\u30E9", L"\u304B\u3081\u3089", L"Gamma", L"gamma", L"beta", L"Alpha" } },
        // Equal descriptions (audio and Audio, Tools twice) in the order of names.
        { { CCatalogueColumn::Description, false },
          { L"beta", L"gamma", L"Alpha", L"Gamma", L"\u30AB\u30E1\u30E9", L"\u6F22\u5B57", L"\u304B\u3081\u3089" } },
        { { CCatalogueColumn::Description, true },
          { L"\u304B\u3081\u3089", L"\u6F22\u5B57", L"\u30AB\u30E1\u30E9", L"Alpha", L"Gamma", L"beta", L"gamma" } },
    };
    CCatalogueView view;
    view.Load(kProducts);
    for (const auto& c : cases)
    {
        view.SortBy(c.order);
        EXPECT_STREQ(Joined(c.names), Joined(ShownNames(view)))
            << "column " << static_cast<int>(c.order.m_column) << (c.order.m_bDescending ? " descending" : "");
    }
}

TEST(CatalogueView, ShowsTheProductsThatHoldTheTextAsThePlatformFindsItInTheCurrentSort)
{
    const CSortOrder byName, byDescriptionDown = { CCatalogueColumn::Description, true };
    const struct
    {
        const char* what;
        LPCWSTR text;
        CSortOrder order;
        std::vector<CString> names;
    } cases[] = {
        { "nothing typed",
          L"",
          byName,
          { L"Alpha", L"beta", L"Gamma", L"gamma", L"\u304B\u3081\u3089", L"\u30AB\u30E1\u30E9", L"\u6F22\u5B57" } },
        { "another case", L"ALPHA", byName, { L"Alpha" } },
        { "full width", L"\uFF41\uFF4C\uFF50\uFF48\uFF41", byName, { L"Alpha" } },
        { "part of a name", L"amm", byName, { L"Gamma", L"gamma" } },
        { "the description", L"audio", byName, { L"beta", L"gamma" } },
        { "katakana for hiragana too",
          L"\u30AB\u30E1\u30E9",
          byName,
          { L"\u304B\u3081\u3089", L"\u30AB\u30E1\u30E9" } },
        { "half-width katakana", L"\uFF76\uFF92\uFF97", byName, { L"\u304B\u3081\u3089", L"\u30AB\u30E1\u30E9" } },
        { "in the sort", L"tools", byDescriptionDown, { L"Alpha", L"Gamma" } },
        { "no match", L"xyz", byName, {} },
    };
    CCatalogueView view;
    view.Load(kProducts);
    for (const auto& c : cases)
    {
        view.SortBy(c.order);
        EXPECT_TRUE(view.Search(c.text));
        EXPECT_STREQ(Joined(c.names), Joined(ShownNames(view))) << c.what;
        EXPECT_STREQ(c.text, view.SearchText()) << c.what;
    }
}

TEST(CatalogueView, ASearchToldToStopLeavesTheViewAsItWas)
{
    CCatalogueView view;
    view.Load(kProducts);
    ASSERT_TRUE(view.Search(L"alpha"));
    EXPECT_FALSE(view.Search(L"beta", [] { return true; }));
    EXPECT_STREQ(L"alpha", view.SearchText());
    EXPECT_STREQ(L"Alpha", Joined(ShownNames(view)));
}
