#pragma once
// Generated profile (INI) files of every odd shape the profile functions
// meet: comments, blanks, quotes, duplicate sections and keys differing in
// case, lines without '=', keys before any section, CR LF / LF / CR line
// ends, embedded NULs (after a blank too) and very long lines. The same seed
// gives the same file.
#include <afxwin.h>

#include <random>
#include <string>
#include <vector>

// Section names and keys the generated files use, so that questions about
// them find something.
extern const std::vector<std::wstring> kShapeSections;
extern const std::vector<std::wstring> kShapeKeys;

class CProfileShapes
{
public:
    explicit CProfileShapes(unsigned seed) : m_random(seed) {}

    // A whole file of lineCount lines.
    std::wstring File(int lineCount);
    // A value as a program might write it: odd characters, quotes, blanks,
    // sometimes long. No line breaks, no NULs.
    std::wstring Value();
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    const std::wstring& Pick(const std::vector<std::wstring>& from)
    {
        return from[static_cast<size_t>(Below(static_cast<int>(from.size())))];
    }

private:
    std::wstring Blanks();
    std::wstring Text(int maxLength);
    std::wstring Line();

    std::mt19937 m_random;
};

// Text for a failure message: control characters escaped, long runs of one
// character shortened.
std::string ShownText(const std::wstring& text);
