#include "markup.h"
#include "recording_surface.h"

#include <gtest/gtest.h>

using namespace zoravina;
using namespace zoravina::fixtures;

namespace {

constexpr Colour kInitial = rgb(37, 67, 228);
constexpr Colour kText = rgb(0, 0, 255);
constexpr Colour kGreen = rgb(0, 128, 0);
constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kPurple = rgb(192, 0, 192);

struct Pass {
    MarkupSettings settings;
    StylePass style{3};
    RecordingSurface surface;

    explicit Pass(ColourMode mode = ColourMode::Multi, int background = 3) : style(background)
    {
        settings.colourMode = mode;
        settings.background = background;
    }
    void verse(std::string_view line)
    {
        beginLine(surface, settings, style);
        printVerseLine(line, settings, style, surface);
    }
    void page(std::string_view line)
    {
        beginLine(surface, settings, style);
        printPageLine(line, settings, style, surface);
    }
    // The colour of every printed character, as a string of letters: I initial,
    // G green, A/B/C accents, R red, P purple, T text colour, K black, ? other.
    std::string colours() const
    {
        const AccentColours accents = accentColours(settings.background);
        std::string out;
        for (const auto& c : surface.characters()) {
            const Colour k = c.colour;
            out += k == kInitial ? 'I' : k == kGreen ? 'G' : k == kRed ? 'R' : k == kPurple ? 'P' : k == kText ? 'T'
                 : k == accents.a ? 'A' : k == accents.b ? 'B' : k == accents.c ? 'C' : k == 0 ? 'K' : '?';
        }
        return out;
    }
};

} // namespace

TEST(VerseMarkup, MultiColourShowsInitialBodyAndMarkedLetters)
{
    Pass pass;
    pass.verse("Z3arja se razliva čez svet, ki še spi v tiši5n3i.");
    EXPECT_EQ(pass.surface.text(), "Zarja se razliva čez svet, ki še spi v tišini.");
    EXPECT_EQ(pass.colours(), "I" + std::string(42, 'G') + "AGG");

    Pass dark;
    dark.verse("4V6se 7moje imetje je megla, ki ob zori min8e7.");
    const std::string colours = dark.colours();
    EXPECT_EQ(colours.substr(0, 5), "RCCCP") << "red initial, yellow rest of the word, then purple";
    EXPECT_EQ(colours.substr(colours.size() - 2), "?P") << "the orange last letter, the purple stop";
    EXPECT_EQ(dark.surface.characters()[colours.size() - 2].colour, rgb(220, 137, 46));
}

TEST(VerseMarkup, TwoColourModeShowsOnlyTheInitialAndTheTextColour)
{
    Pass pass(ColourMode::Two);
    pass.verse("4O3ko se odpre in vanj se vlije ves sv4e3t.");
    EXPECT_EQ(pass.colours(), std::string(39, 'T')) << "even the red-coded initial takes the text colour";

    Pass plain(ColourMode::Two);
    plain.verse("Z3ora prva poboža vrhove nad spečo doli5n3o.");
    EXPECT_EQ(plain.colours(), "I" + std::string(40, 'T'));

    Pass bare;
    bare.verse("Zora brez kode");
    EXPECT_EQ(bare.colours(), std::string(14, 'I'));
}

TEST(VerseMarkup, TheRedLetterLastsOneCharacterAndRestoresTheCarriedColour)
{
    Pass first;
    first.verse("4Zora");
    EXPECT_EQ(first.colours(), "RKKK") << "the first red letter of a pass falls back to black";

    Pass carried;
    carried.verse("Z3a");
    carried.verse("4Ob");
    carried.verse("43ab");
    EXPECT_EQ(carried.colours(), "IG" "RG" "GG") << "a code after the 4 counts as the red step";
}

TEST(VerseMarkup, GeometryMakesTheCyanWordsItalicAndComparesColoursExactly)
{
    Pass pass(ColourMode::Multi, 1);
    pass.verse("A3b9cd6ef3g");
    const auto characters = pass.surface.characters();
    ASSERT_EQ(characters.size(), 7u);
    const bool expected[] = {false, false, true, true, false, false, false};
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(characters[i].italic, expected[i]) << characters[i].text;
    EXPECT_EQ(characters[4].colour, rgb(198, 199, 199)) << "accent C, one unit of red below accent B";

    Pass stars(ColourMode::Multi, 3);
    stars.verse("A9bc");
    EXPECT_FALSE(stars.surface.characters()[1].italic) << "italic belongs to the Geometrija background";
}

TEST(VerseMarkup, TheTwoColourFilterHidesPunctuationAfterAYellowLetterAcrossLines)
{
    std::optional<char> last;
    EXPECT_EQ(twoColourFilter("a3b, c6d.", last), "a3b, c6d");
    EXPECT_EQ(twoColourFilter(", e3f, g.", last), " e3f, g.") << "still after 6 until the next code";
    EXPECT_EQ(last, '3');
    EXPECT_EQ(codeDigits("4Z3a 7b5c3."), "4375" "3");
    EXPECT_EQ(codeDigits("#$1 2"), "");
}

TEST(PageMarkup, SubstitutesPrintDigitsAndCodesSetStyle)
{
    Pass pass;
    pass.page("$=/# Q*");
    EXPECT_EQ(pass.surface.text(), "2091 @5");

    Pass red;
    red.page("4P4r4ox");
    EXPECT_EQ(red.colours(), "RRRK");

    Pass styled;
    styled.page("1a2b");
    const auto characters = styled.surface.characters();
    EXPECT_TRUE(characters[0].italic);
    EXPECT_FALSE(characters[1].italic);
    EXPECT_EQ(characters[0].colour, rgb(255, 128, 0));
    EXPECT_EQ(characters[1].colour, rgb(192, 192, 192));
    EXPECT_TRUE(styled.surface.bold);
}
