// Times the main dialog's catalogue loading against the list view's own cost.
// For catalogues of 100, 1,023 and 5,000 products, written with the names in
// reverse order, it prints the time LoadCatalogue needs on the real dialog's
// list and the time the list needs to take the same rows, pre-sorted,
// inserted directly. Each figure is the median of five runs.
#include "BenchTiming.h"

#include <DialogDriver.h>
#include <ResourceModule.h>
#include <SoftwareInfoDialog.h>
#include <TestFolders.h>
#include <ProfileFiles.h>
#include <resource.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
struct Product
{
    CString name;
    CString description;
};

// Names like "Marbek Photo Studio Deluxe 7.2": a maker, two or three words and a version.
std::vector<Product> MakeProducts(int count)
{
    static const LPCWSTR makers[] = { L"Marbek", L"Quenta", L"Northwind", L"Bluefield", L"Corvel", L"Ardent" };
    static const LPCWSTR words[] = { L"Photo", L"Media", L"Office", L"Backup", L"Recovery", L"Studio", L"Player",
                                     L"Security", L"Update", L"Manager", L"Wireless", L"Utility", L"Centre",
                                     L"Deluxe", L"Express", L"Assistant", L"Touch", L"Camera", L"Audio" };
    const int nWords = static_cast<int>(sizeof(words) / sizeof(words[0]));
    std::vector<Product> products;
    for (int i = 0; i < count; ++i)
    {
        wchar_t name[128], description[160];
        wsprintfW(name, L"%s %s %s %s %d.%d", makers[i % 6], words[i % nWords], words[(i / nWords) % nWords],
                  i % 3 ? L"Suite" : L"Tools", 1 + i / 100, i % 100);
        wsprintfW(description, L"%s for the %s and %s features of this computer, version %d",
                  words[(i * 7) % nWords], words[(i * 3) % nWords], words[(i * 5) % nWords], i);
        products.push_back({ name, description });
    }
    std::stable_sort(products.begin(), products.end(),
                     [](const Product& a, const Product& b) { return a.name.CompareNoCase(b.name) < 0; });
    return products;
}

CString CatalogueText(const std::vector<Product>& products)
{
    CString text;
    for (auto it = products.rbegin(); it != products.rend(); ++it)
        text += L"[" + it->name + L"]\r\nCustomerDescription=" + it->description + L"\r\nLabel=" + it->name + L"\r\n";
    return text;
}

// Inserts the rows as LoadCatalogue does: from the last to the first, each
// at the top, with the list's redrawing off meanwhile.
void InsertRows(HWND hList, const std::vector<Product>& products)
{
    SendMessageW(hList, WM_SETREDRAW, FALSE, 0);
    for (auto it = products.rbegin(); it != products.rend(); ++it)
    {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.pszText = const_cast<LPWSTR>(it->name.GetString());
        SendMessageW(hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        LVITEMW sub = {};
        sub.iSubItem = 1;
        sub.pszText = const_cast<LPWSTR>(it->description.GetString());
        SendMessageW(hList, LVM_SETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&sub));
    }
    SendMessageW(hList, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hList, nullptr, TRUE);
}
}

int main()
{
    if (!LoadResourceModule())
    {
        std::printf("The resource module could not be loaded.\n");
        return 1;
    }
    CTempFolder folder;
    CSoftwareInfoDialog dlg;
    bool complete = true;
    RunDialog(dlg, [&](HWND hDlg) {
        HWND hList = GetDlgItem(hDlg, IDC_SOFTWARE_LIST);
        std::printf("%8s %12s %12s %8s\n", "products", "load ms", "bare ms", "ratio");
        for (int count : { 100, 1023, 5000 })
        {
            const std::vector<Product> products = MakeProducts(count);
            const CString text = CatalogueText(products);
            std::vector<double> load, bare;
            for (int run = 0; run < 5; ++run)
            {
                // A new file each run, so nothing comes from a cache.
                wchar_t name[32];
                wsprintfW(name, L"apps-%d-%d.ini", count, run);
                const CString path = folder / name;
                WriteAnsiIni(path, text);

                SendMessageW(hList, LVM_DELETEALLITEMS, 0, 0);
                CStopwatch loading;
                dlg.LoadCatalogue(path);
                load.push_back(loading.Milliseconds());
                complete = complete && SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0) == count;

                SendMessageW(hList, LVM_DELETEALLITEMS, 0, 0);
                CStopwatch inserting;
                InsertRows(hList, products);
                bare.push_back(inserting.Milliseconds());
            }
            const double loadMs = Median(load);
            const double bareMs = Median(bare);
            std::printf("%8d %12.1f %12.1f %8.2f\n", count, loadMs, bareMs, loadMs / bareMs);
        }
    });
    if (!complete)
    {
        std::printf("LoadCatalogue did not show every product.\n");
        return 1;
    }
    return 0;
}
