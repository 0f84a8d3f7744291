#include "CatalogueView.h"

#include <DialogTemplate.h>
#include <resource.h>

#include <algorithm>
#include <numeric>

namespace
{
const UINT kHeadings[kCatalogueColumns] = { IDS_COLUMN_SOFTWARE, IDS_COLUMN_DESCRIPTION };

// As the platform's find functions match what a user types: case, width
// and kana type aside.
const DWORD kFindFlags = FIND_FROMSTART | LINGUISTIC_IGNORECASE | NORM_IGNOREWIDTH | NORM_IGNOREKANATYPE;

// How many products are searched between two questions whether to stop.
const size_t kSearchStride = 256;

const CString& TextOf(const CProduct& product, CCatalogueColumn column)
{
    return column == CCatalogueColumn::Software ? product.m_strName : product.m_strDescription;
}
}

bool HoldsText(const CString& strText, const CString& strSought)
{
    if (strSought.IsEmpty())
        return true;
    return FindNLSStringEx(LOCALE_NAME_USER_DEFAULT, kFindFlags, strText, strText.GetLength(), strSought,
                           strSought.GetLength(), nullptr, nullptr, nullptr, 0) >= 0;
}

void CCatalogueView::Load(CCatalogue catalogue)
{
    m_catalogue = std::move(catalogue);
    m_matches.assign(m_catalogue.size(), true);
    SortBy(m_order);
    const CString strText = m_strSearchText;
    Search(strText);
}

void CCatalogueView::SortBy(const CSortOrder& order)
{
    m_order = order;
    // Each text folded to lower case once, not at every comparison; a
    // stable sort of the catalogue's order keeps it among equal texts.
    std::vector<CString> keys;
    keys.reserve(m_catalogue.size());
    for (const CProduct& product : m_catalogue)
        keys.push_back(CString(TextOf(product, order.m_column)).MakeLower());
    m_sorted.resize(m_catalogue.size());
    std::iota(m_sorted.begin(), m_sorted.end(), size_t{ 0 });
    std::stable_sort(m_sorted.begin(), m_sorted.end(), [&](size_t a, size_t b) {
        const int nCompared = keys[a].Compare(keys[b]);
        return order.m_bDescending ? nCompared > 0 : nCompared < 0;
    });
    ShowMatching();
}

bool CCatalogueView::Search(const CString& strText, const std::function<bool()>& bStop)
{
    std::vector<bool> matches(m_catalogue.size(), true);
    for (size_t i = 0; i < m_catalogue.size() && !strText.IsEmpty(); ++i)
    {
        if (bStop && i % kSearchStride == 0 && bStop())
            return false;
        const CProduct& product = m_catalogue[i];
        matches[i] = HoldsText(product.m_strName, strText) || HoldsText(product.m_strDescription, strText);
    }
    m_strSearchText = strText;
    m_matches = std::move(matches);
    ShowMatching();
    return true;
}

void CCatalogueView::ShowMatching()
{
    m_shown.clear();
    std::copy_if(m_sorted.begin(), m_sorted.end(), std::back_inserter(m_shown),
                 [&](size_t nProduct) { return m_matches[nProduct]; });
}

LPCWSTR CCatalogueView::CellText(int nRow, int nColumn) const
{
    return TextOf(Row(nRow), static_cast<CCatalogueColumn>(nColumn)).GetString();
}

CCatalogue CCatalogueView::ShownRows() const
{
    CCatalogue rows;
    rows.reserve(m_shown.size());
    for (const size_t nProduct : m_shown)
        rows.push_back(m_catalogue[nProduct]);
    return rows;
}

int CCatalogueView::RowOf(size_t nProduct) const
{
    for (int nRow = 0; nRow < RowCount(); ++nRow)
        if (ProductAt(nRow) == nProduct)
            return nRow;
    return -1;
}

CString CCatalogueView::Heading(int nColumn)
{
    CString strHeading;
    strHeading.LoadString(kHeadings[nColumn]);
    return strHeading;
}

CListHeadings CCatalogueView::Headings()
{
    CListHeadings headings;
    // The template's caption rather than IDS_MAIN_CAPTION, which only the
    // resource module holds; the two are the same by construction.
    headings.m_strCaption = ReadDialogTemplate(AfxGetResourceHandle(), IDD_SOFTWAREINFO_DIALOG).caption;
    headings.m_strName = Heading(static_cast<int>(CCatalogueColumn::Software));
    headings.m_strDescription = Heading(static_cast<int>(CCatalogueColumn::Description));
    return headings;
}
