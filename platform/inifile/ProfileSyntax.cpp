#include "ProfileSyntax.h"

#include <algorithm>

namespace
{
// The profile functions trim the ASCII white space and the old end-of-file
// mark (Ctrl+Z), not every character iswspace counts (no-break space,
// ideographic space).
bool IsBlank(wchar_t ch)
{
    return ch == L' ' || (ch >= L'\t' && ch <= L'\r') || ch == L'\x1a';
}

// The profile functions hand names and values over as C strings, so an
// embedded NUL ends them.
std::wstring_view UpToNul(std::wstring_view text)
{
    return text.substr(0, text.find(L'\0'));
}

// Names match without regard to the case of the ASCII letters only: the
// profile functions under wine tell "Caf\u00e9" from "CAF\u00c9". Whether
// Windows folds other letters too, its recorded answers do not say.
wchar_t FoldedChar(wchar_t ch)
{
    return (ch >= L'a' && ch <= L'z') ? static_cast<wchar_t>(ch - L'a' + L'A') : ch;
}

bool IsQuoted(std::wstring_view value)
{
    return value.size() > 1 && (value[0] == L'"' || value[0] == L'\'') && value.back() == value[0];
}
}

std::wstring_view TrimmedProfileText(std::wstring_view text)
{
    size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

std::wstring_view ProfileValueAsWritten(std::wstring_view value)
{
    size_t first = 0;
    while (first < value.size() && IsBlank(value[first]))
        ++first;
    return value.substr(first);
}

CProfileLine ParseProfileLine(std::wstring_view line)
{
    CProfileLine parsed;
    line = TrimmedProfileText(line);
    if (line.empty())
        return parsed;
    if (line[0] == L'[')
    {
        const size_t close = line.rfind(L']');
        if (close != 0 && close != std::wstring_view::npos)
        {
            parsed.m_kind = CProfileLine::Section;
            parsed.m_name = UpToNul(TrimmedProfileText(line.substr(1, close - 1)));
            return parsed;
        }
    }
    parsed.m_kind = CProfileLine::Entry;
    const size_t equals = line.find(L'=');
    parsed.m_bHasValue = equals != std::wstring_view::npos;
    if (parsed.m_bHasValue)
    {
        const std::wstring_view name = TrimmedProfileText(line.substr(0, equals));
        parsed.m_bNameless = name.empty();
        parsed.m_name = UpToNul(name);
        parsed.m_value = UpToNul(TrimmedProfileText(line.substr(equals + 1)));
    }
    else
        parsed.m_name = UpToNul(line);
    return parsed;
}

std::wstring FoldedProfileName(std::wstring_view name)
{
    std::wstring folded(name);
    for (wchar_t& ch : folded)
        ch = FoldedChar(ch);
    return folded;
}

bool SameProfileName(std::wstring_view a, std::wstring_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](wchar_t x, wchar_t y) { return FoldedChar(x) == FoldedChar(y); });
}

std::wstring ProfileValueInBuffer(std::wstring_view value, size_t cchBuffer)
{
    if (cchBuffer == 0)
        return std::wstring();
    const size_t room = cchBuffer - 1;
    if (!IsQuoted(value))
        return std::wstring(value.substr(0, room));
    // A value in matching quotes comes without them. The platform copies
    // what follows the opening quote and drops the last character copied
    // whenever the closing quote would have fitted with its NUL: a value of
    // exactly room characters inside quotes loses its last character.
    std::wstring copied(value.substr(1, room));
    if (value.size() - 1 <= cchBuffer)
        copied.pop_back();
    return copied;
}
