#pragma once
// The products as loaded (the catalogue, in its order: by name without
// regard to case) and the view the list and the copy read: the products in
// the order of a column, either way, and of them only those that hold the
// search text. Sorting and searching work on the products as loaded; they
// never read the catalogue file again.
#include <Catalogue.h>
#include <CorvelListCtrl.h>
#include <ListHeadings.h>

#include <functional>
#include <vector>

// The list's columns, left to right.
enum class CCatalogueColumn
{
    Software,
    Description,
};
inline constexpr int kCatalogueColumns = 2;

struct CSortOrder
{
    CCatalogueColumn m_column = CCatalogueColumn::Software;
    bool m_bDescending = false;

    friend bool operator==(const CSortOrder& a, const CSortOrder& b)
    {
        return a.m_column == b.m_column && a.m_bDescending == b.m_bDescending;
    }
    friend bool operator!=(const CSortOrder& a, const CSortOrder& b) { return !(a == b); }
};

// Whether the text holds strSought, as the platform's find function
// (FindNLSStringEx) matches for the user's locale: without regard to case,
// and for Japanese to width and kana type. Every text holds the empty one.
bool HoldsText(const CString& strText, const CString& strSought);

class CCatalogueView final : public ICorvelListRows
{
public:
    CCatalogueView() = default;
    CCatalogueView(const CCatalogueView&) = delete;
    CCatalogueView& operator=(const CCatalogueView&) = delete;

    // The products to show, in the catalogue's order, in place of those
    // before; the order and the search text stay.
    void Load(CCatalogue catalogue);
    const CCatalogue& Catalogue() const { return m_catalogue; }

    // By the column's text as names compare (CString::CompareNoCase),
    // ascending or descending; products that compare equal keep the
    // catalogue's order, so equal descriptions stay in the order of names.
    void SortBy(const CSortOrder& order);
    const CSortOrder& Order() const { return m_order; }

    // Shows only the products whose name or description holds the text
    // (all of them for an empty one). Asks bStop now and then while it
    // searches: when that says to stop, the view stays as it was and
    // Search returns false.
    bool Search(const CString& strText, const std::function<bool()>& bStop = nullptr);
    const CString& SearchText() const { return m_strSearchText; }

    // The shown products, in display order.
    int RowCount() const override { return static_cast<int>(m_shown.size()); }
    const CProduct& Row(int nRow) const { return m_catalogue[m_shown[static_cast<size_t>(nRow)]]; }
    LPCWSTR CellText(int nRow, int nColumn) const override;
    // The shown row of the product at its place in the catalogue; -1 when
    // it does not show.
    int RowOf(size_t nProduct) const;
    size_t ProductAt(int nRow) const { return m_shown[static_cast<size_t>(nRow)]; }
    // The shown products, in display order, as the list's files take them.
    CCatalogue ShownRows() const;

    // The column's heading, from the resource module.
    static CString Heading(int nColumn);
    // What the list's files and its copy say besides the rows: the main
    // dialog's caption and the list's headings, from the current resource
    // module (the program's own English ones when it is missing).
    static CListHeadings Headings();

private:
    void ShowMatching();

    CCatalogue m_catalogue;
    CSortOrder m_order;
    CString m_strSearchText;
    // Every product, by its place in the catalogue, in the order.
    std::vector<size_t> m_sorted;
    // Whether each product, by its place in the catalogue, holds the search text.
    std::vector<bool> m_matches;
    // The products shown, in the order.
    std::vector<size_t> m_shown;
};
