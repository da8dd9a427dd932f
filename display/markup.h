#pragma once
// In-line markup: digits inside verse and page texts switch colour and style
// and are never printed themselves.

#include "surface.h"

#include <optional>
#include <string>
#include <string_view>

namespace zoravina {

enum class ColourMode : std::int16_t { Multi = 0, Two = 1 };

struct AccentColours {
    Colour a;
    Colour b;
    Colour c;
};

inline constexpr int kGeometryBackground = 1;

AccentColours accentColours(int background);

struct MarkupSettings {
    ColourMode colourMode = ColourMode::Multi;
    Colour initialColour = rgb(37, 67, 228);
    Colour textColour = rgb(0, 0, 255);
    int background = 3;
};

// The style state of one drawing pass.
struct StylePass {
    explicit StylePass(int background) : accents(accentColours(background)) {}
    AccentColours accents;
    Colour currentColour = 0;
    int redLetterCountdown = -1;
    std::optional<char> lastCode;
};

// Two-colour mode hides the punctuation that follows a yellow-marked letter.
std::string twoColourFilter(std::string_view line, std::optional<char>& lastCode);
// The verse codes "3".."9" of a line, in order; their width is not visible.
std::string codeDigits(std::string_view line);
// The line as a reader sees it: the verse codes "3".."9" left out.
std::string withoutVerseCodes(std::string_view line);
void beginLine(Surface& surface, const MarkupSettings& settings, StylePass& pass);
void printVerseLine(std::string_view line, const MarkupSettings& settings, StylePass& pass, Surface& surface);
void printPageLine(std::string_view line, const MarkupSettings& settings, StylePass& pass, Surface& surface);

} // namespace zoravina
