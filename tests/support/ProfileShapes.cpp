#include "ProfileShapes.h"

#include <cstdio>

const std::vector<std::wstring> kShapeSections = { L"Alpha",     L"alpha",        L"ALPHA",       L"Beta",
                                                   L"Caf\u00e9", L"CAF\u00c9",    L"Stra\u00dfe", L"STRASSE",
                                                   L"Tool",      L"\u5199\u771f", L"a]b",         L"x=y",
                                                   L";semi",     L"\"q\"",        L"M1",          L"m1" };
const std::vector<std::wstring> kShapeKeys = {
    L"CustomerDescription", L"customerDESCRIPTION", L"CustomerLabel", L"CUSTOMERLABEL", L"Label",
    L"Customer Description"
};

namespace
{
// Letters, blanks of several kinds, the syntax characters, characters inside
// and outside the ANSI code page, and the old end-of-file mark.
const wchar_t kOdd[] = L"aZ09 \t=[];\"'#\\\u00e9\u00c9\u00df\u00a0\u3000\u5199\x1a\v\f";
}

std::wstring CProfileShapes::Blanks()
{
    static const wchar_t* const blanks[] = { L"", L"", L" ", L"\t", L"  \t ", L"\u3000" };
    return blanks[Below(6)];
}

std::wstring CProfileShapes::Text(int maxLength)
{
    std::wstring text;
    const int length = Below(maxLength + 1);
    for (int i = 0; i < length; ++i)
        text += Below(3) ? static_cast<wchar_t>(L'a' + Below(26)) : kOdd[Below(static_cast<int>(wcslen(kOdd)))];
    return text;
}

std::wstring CProfileShapes::Value()
{
    switch (Below(9))
    {
    case 0:
        return L"\"" + Text(12) + L"\"";
    case 1:
        return L"'" + Text(12) + L"'";
    case 2:
        return L"\"" + Text(12);
    case 3:
        return Blanks() + Text(12) + Blanks();
    case 4:
        return std::wstring(static_cast<size_t>(1015 + Below(15)), L'v') + Text(3);
    case 5:
        return L"\"" + std::wstring(static_cast<size_t>(1018 + Below(10)), L'q') + L"\"";
    case 6:
        return std::wstring(static_cast<size_t>(2000 + Below(4000)), L'w');
    case 7:
        return L"";
    default:
        return Text(20);
    }
}

std::wstring CProfileShapes::Line()
{
    switch (Below(16))
    {
    case 0:
        return Blanks();
    case 1:
        return L";" + Pick(kShapeKeys) + L"=" + Text(10);
    case 2:
        return L"#" + Text(10);
    case 3:
        return Blanks() + L"[" + Blanks() + Pick(kShapeSections) + Blanks() + L"]" + Blanks();
    case 4:
        return L"[" + Pick(kShapeSections) + L"]" + Text(6);
    case 5:
        return L"[" + Text(8) + L"]";
    case 6:
        return L"[" + Pick(kShapeSections);
    case 7:
        return L"[]";
    case 8:
        return Pick(kShapeKeys);
    case 9:
        return L"=" + Value();
    case 10:
    {
        std::wstring line = Pick(kShapeKeys) + L"=" + Text(8);
        line.insert(static_cast<size_t>(Below(static_cast<int>(line.size()) + 1)), 1, L'\0');
        return line;
    }
    case 11:
    {
        std::wstring line = L"[" + Pick(kShapeSections) + L"]";
        line.insert(static_cast<size_t>(1 + Below(static_cast<int>(line.size()) - 1)), 1, L'\0');
        return line;
    }
    // A NUL after a blank, which ends the name before its trimmed end.
    case 12:
        return L"[" + Pick(kShapeSections) + L" " + std::wstring(1, L'\0') + Text(4) + L"]";
    case 13:
        return Pick(kShapeKeys) + L" " + std::wstring(1, L'\0') + Text(3) + L"=" + Value();
    default:
        return Blanks() + Pick(kShapeKeys) + Blanks() + L"=" + Blanks() + Value();
    }
}

std::wstring CProfileShapes::File(int lineCount)
{
    static const wchar_t* const ends[] = { L"\r\n", L"\n", L"\r" };
    const int style = Below(4); // one line end throughout, or mixed
    std::wstring text;
    for (int i = 0; i < lineCount; ++i)
        text += Line() + ends[style < 3 ? style : Below(3)];
    return text;
}

std::string ShownText(const std::wstring& text)
{
    std::string shown;
    for (size_t i = 0; i < text.size();)
    {
        size_t run = 1;
        while (i + run < text.size() && text[i + run] == text[i])
            ++run;
        const wchar_t ch = text[i];
        char one[16];
        if (ch >= 0x20 && ch < 0x7F)
            sprintf(one, "%c", static_cast<char>(ch));
        else
            sprintf(one, "\\x%X", static_cast<unsigned>(ch));
        if (run > 8)
        {
            shown += std::string(one) + "{" + std::to_string(run) + "}";
            i += run;
        }
        else
        {
            shown += one;
            ++i;
        }
    }
    return shown;
}
