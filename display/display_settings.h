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

struct Place {
    int left, top;   // twips
};

// Every number that differs between the two screen layouts, in twips and
// points: what the displays use and where the window's controls stand.
struct Layout {
    double baseFontSize;           // also the window's font size
    std::int16_t lineSpacing;
    std::int16_t leftMargin;
    std::int16_t topMargin;
    std::int16_t centreXCentred;   // centreX for "Sredina"
    std::int16_t centreXAside;     // centreX for "Levo" and "Desno"
    int titleShift;                // s: half the title's width
    int subtitleShift;             // m
    std::array<int, 4> centredTitleLefts;   // Label5, Label6, Label7, Labl7 for "Sredina"
    double pageFontSize;
    double titleFontSize;          // Label5 and Label6
    double textBoxFontSize;        // Text16
    int screenWidth;               // the screen the layout was drawn for
    int screenHeight;
    int infoButtonsTop;            // Command11, 12, 14, 15, 16
    Place entryButton;             // Command13
    Place startPicture;            // Picture7
    int installButtonLeft;         // Command6; negative: where it stands
    std::array<int, 4> titleLefts; // Label5, Label6, Label9, Label10
    Place noticePanel;             // Frame6
    int creditTop;                 // Label7 and Labl7
    bool largeClickAreas;          // Label1 shown, else Label2
};

// The author line and the subtitle stand 470 twips down in the small layout:
// at 500 their 300 twips of height reach into the first poem line at 790.
inline constexpr Layout kSmallLayout{
    .baseFontSize = 11, .lineSpacing = 263, .leftMargin = 120, .topMargin = 69, .centreXCentred = 6000,
    .centreXAside = -2500, .titleShift = 2900, .subtitleShift = 100, .centredTitleLefts = {3400, 3440, 4000, 3900},
    .pageFontSize = 11, .titleFontSize = 21, .textBoxFontSize = 8.25, .screenWidth = 800 * 15, .screenHeight = 600 * 15,
    .infoButtonsTop = 7700, .entryButton = {10000, 200}, .startPicture = {1800, 2500}, .installButtonLeft = 10,
    .titleLefts = {3170, 3110, 3170, 3410}, .noticePanel = {500, 1969}, .creditTop = 470, .largeClickAreas = false};
inline constexpr Layout kLargeLayout{
    .baseFontSize = 13.5, .lineSpacing = 360, .leftMargin = 165, .topMargin = 50, .centreXCentred = 7750,
    .centreXAside = 880, .titleShift = 3700, .subtitleShift = 0, .centredTitleLefts = {4000, 4040, 5700, 5700},
    .pageFontSize = 13.5, .titleFontSize = 30, .textBoxFontSize = 9.75, .screenWidth = 1024 * 15, .screenHeight = 768 * 15,
    .infoButtonsTop = 9950, .entryButton = {13335, 9950}, .startPicture = {4000, 3900}, .installButtonLeft = -1,
    .titleLefts = {4170, 4110, 5175, 5445}, .noticePanel = {2500, 2500}, .creditTop = 650, .largeClickAreas = true};

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
    settings.screenWidth = layout.screenWidth;
}

} // namespace zoravina
