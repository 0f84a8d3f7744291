// The skin's colour pairs and their contrast (WCAG 2.1): text at least 4.5:1
// against what it stands on, the focus frame, button borders, the group
// frame, the search box's border and the size grip at least 3:1. The figures are the README's.
#include <Contrast.h>
#include <CorvelAPI.h>

#include <gtest/gtest.h>

#include <cmath>

namespace
{
struct ColourPair
{
    CorvelScheme scheme;
    const char* what;
    COLORREF CorvelColours::*foreground;
    COLORREF CorvelColours::*background;
    double minimum;
    double figure; // to one decimal
};

const double kText = 4.5;
const double kGraphic = 3.0;

const ColourPair kPairs[] = {
    { CorvelScheme::Light, "text on the face", &CorvelColours::text, &CorvelColours::face, kText, 14.5 },
    { CorvelScheme::Light, "text on a row", &CorvelColours::text, &CorvelColours::row, kText, 15.4 },
    { CorvelScheme::Light, "text on an alternate row", &CorvelColours::text, &CorvelColours::alternateRow, kText,
      14.1 },
    { CorvelScheme::Light, "selected text", &CorvelColours::selectionText, &CorvelColours::selection, kText, 13.6 },
    { CorvelScheme::Light, "focus frame on a row", &CorvelColours::focus, &CorvelColours::row, kGraphic, 6.1 },
    { CorvelScheme::Light, "focus frame on an alternate row", &CorvelColours::focus, &CorvelColours::alternateRow,
      kGraphic, 5.6 },
    { CorvelScheme::Light, "size grip on the face", &CorvelColours::frame, &CorvelColours::face, kGraphic, 4.3 },
    { CorvelScheme::Dark, "text on the face", &CorvelColours::text, &CorvelColours::face, kText, 14.3 },
    { CorvelScheme::Dark, "text on a row", &CorvelColours::text, &CorvelColours::row, kText, 12.9 },
    { CorvelScheme::Dark, "text on an alternate row", &CorvelColours::text, &CorvelColours::alternateRow, kText, 11.6 },
    { CorvelScheme::Dark, "selected text", &CorvelColours::selectionText, &CorvelColours::selection, kText, 7.7 },
    { CorvelScheme::Dark, "focus frame on a row", &CorvelColours::focus, &CorvelColours::row, kGraphic, 8.2 },
    { CorvelScheme::Dark, "focus frame on an alternate row", &CorvelColours::focus, &CorvelColours::alternateRow,
      kGraphic, 7.3 },
    { CorvelScheme::Dark, "heading text", &CorvelColours::headingText, &CorvelColours::heading, kText, 12.3 },
    { CorvelScheme::Dark, "button text", &CorvelColours::buttonText, &CorvelColours::button, kText, 10.3 },
    { CorvelScheme::Dark, "focus frame on a button", &CorvelColours::focus, &CorvelColours::button, kGraphic, 6.5 },
    { CorvelScheme::Dark, "button border on the face", &CorvelColours::buttonBorder, &CorvelColours::face, kGraphic,
      5.5 },
    { CorvelScheme::Dark, "default button's border on the face", &CorvelColours::accent, &CorvelColours::face, kGraphic,
      8.1 },
    { CorvelScheme::Dark, "group frame, search box border and size grip on the face", &CorvelColours::frame,
      &CorvelColours::face, kGraphic, 4.1 },
    { CorvelScheme::Dark, "tip text", &CorvelColours::tipText, &CorvelColours::tip, kText, 12.4 },
    { CorvelScheme::Dark, "cue text in the search box", &CorvelColours::cueText, &CorvelColours::row, kText, 6.3 },
};
}

TEST(CorvelColours, EveryPairStandsOutAsFarAsItsElementNeeds)
{
    for (const ColourPair& pair : kPairs)
    {
        const CorvelColours colours = CorvelSchemeColours(pair.scheme);
        const double contrast = Contrast(colours.*pair.foreground, colours.*pair.background);
        const char* scheme = pair.scheme == CorvelScheme::Dark ? "dark" : "light";
        EXPECT_GE(contrast, pair.minimum) << scheme << ": " << pair.what;
        EXPECT_NEAR(pair.figure, std::round(contrast * 10) / 10, 1e-9) << scheme << ": " << pair.what;
    }
}
