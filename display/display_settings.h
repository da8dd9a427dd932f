#pragma once
// What the poem and page displays read and write besides the poem itself.

#include "grid.h"
#include "markup.h"
#include "state.h"

#include <array>
#include <string>

namespace zoravina {

enum class Alignment : std::int16_t { Left = 1, Right = 2, Centre = 3 };
enum class Resolution : std::int16_t { Small = 1, Large = 2 };   // 800 × 600 and 1024 × 768 layouts

// Every number that differs between the two screen layouts, in twips and points.
struct Layout {
    double baseFontSize;
    std::int16_t lineSpacing;
    std::int16_t leftMargin;
    std::int16_t topMargin;
    std::int16_t centreXCentred;   // centreX for "Sredina"
    std::int16_t centreXAside;     // centreX for "Levo" and "Desno"
    int titleShift;                // s: half the title's width
    int subtitleShift;             // m
    std::array<int, 4> centredTitleLefts;   // Label5, Label6, Label7, Labl7 for "Sredina"
    double pageFontSize;
    double titleFontSize;
};

inline constexpr Layout kSmallLayout{11, 263, 120, 69, 6000, -2500, 2900, 100, {3400, 3440, 4000, 3900}, 11, 21};
inline constexpr Layout kLargeLayout{13.5, 360, 165, 50, 7750, 880, 3700, 0, {4000, 4040, 5700, 5700}, 13.5, 30};

inline const Layout& layoutOf(Resolution resolution)
{
    return resolution == Resolution::Small ? kSmallLayout : kLargeLayout;
}

inline constexpr int kTwipsPerPixel = 15;
// The drawing colour a display leaves behind when it is done.
inline constexpr Colour kAfterDrawing = rgb(8, 0, 0);

struct DisplaySettings {
    Alignment alignment = Alignment::Left;
    MarkupSettings markup;                 // colour mode, initial and text colour, background
    Resolution resolution = Resolution::Large;
    std::int16_t lineSpacing = kLargeLayout.lineSpacing;
    std::int16_t leftMargin = kLargeLayout.leftMargin;
    std::int16_t topMargin = kLargeLayout.topMargin;
    std::int16_t centreX = kLargeLayout.centreXAside;
    double baseFontSize = kLargeLayout.baseFontSize;
    std::int16_t revealOnHover = 0;
    std::int16_t examplePage = 0;
    double screenWidth = 1024 * kTwipsPerPixel;   // twips

    Grid<std::string, kPositionExtent> displayLines;
};

} // namespace zoravina

namespace zoravina {

// Puts the numbers of a screen layout into the settings.
inline void applyLayout(DisplaySettings& settings, Resolution resolution)
{
    const Layout& layout = layoutOf(resolution);
    settings.resolution = resolution;
    settings.baseFontSize = layout.baseFontSize;
    settings.lineSpacing = layout.lineSpacing;
    settings.leftMargin = layout.leftMargin;
    settings.topMargin = layout.topMargin;
    settings.centreX = layout.centreXAside;
}

} // namespace zoravina
