#include "Utf16TextFile.h"

bool SaveUtf16Text(const CFileInFolder& file, const std::wstring& strText)
{
    // A leftover of an interrupted write goes first; the file is then made
    // anew, so that no name planted there is written through.
    const CFileInFolder aside = file.Sibling(file.Name() + L".new");
    if (!RemoveFile(aside))
        return false;
    CFileHandle written(CreateNewFile(aside));
    if (!written)
        return false;
    const wchar_t chBom = 0xFEFF;
    return WriteWholeInPlace(std::move(written), file,
                             { { &chBom, sizeof(chBom) }, { strText.data(), strText.size() * sizeof(wchar_t) } });
}
