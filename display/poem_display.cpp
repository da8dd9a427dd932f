#include "poem_display.h"

#include "compose.h"

#include <cmath>

namespace zoravina {

namespace {

constexpr int kClickAreas = 46;
constexpr double kMiddleStanzaExtra = 1.5;
constexpr double kWideLineReduction = 1.5;
constexpr double kShrinkStep = 0.5;
constexpr double kSmallestFontSize = 1;
constexpr int kBaseOffset = 195;
constexpr int kRightEdgeFromCentre = 14000;
constexpr int kRightMarginForShrinking = 1000;
constexpr int kLeftIndent = 450;

bool startsStanza(int position) { return position == 6 || position == 11 || position == 14 || position == 19; }
bool inMiddleStanza(int position) { return position >= 11 && position <= 13; }

void prepareWindow(const DisplaySettings& settings, WindowControls& controls)
{
    controls.hide(Control::Text16);
    controls.hide(Control::Label25, 0);
    controls.hide(Control::Label25, 1);
    controls.hide(Control::Picture8);
    controls.hide(Control::Picture13);
    const Control clickAreas = settings.resolution == Resolution::Large ? Control::Label1 : Control::Label2;
    for (int i = 1; i <= kClickAreas; ++i)
        controls.show(clickAreas, i);
    controls.hide(Control::Label9);
    controls.hide(Control::Label10);
    controls.setPersistentDrawing(true);
    for (Control control : {Control::Picture6, Control::Command2, Control::Command3, Control::Command4, Control::Label3})
        controls.hide(control);
    for (Control control : {Control::Label5, Control::Label6, Control::Label7})
        controls.show(control);
    // A redraw never touches the system clipboard: it holds the reader's things.
    if (settings.markup.background == static_cast<int>(Background::Geometry))
        controls.setPersistentDrawing(false);
    controls.setBackground(settings.markup.background);
}

std::string lineOf(Engine& engine, int position)
{
    PoemState& poem = engine.poem;
    switch (poem.poemKind) {
    case PoemKind::Bright: return poem.brightLines(position);
    case PoemKind::Dark: return poem.darkLines(position);
    case PoemKind::Combination:
        if (poem.brightLines(position).empty() || poem.darkLines(position).empty()) {
            poem.firstPosition = static_cast<std::int16_t>(position);
            // An empty bright half can only be repaired if the driver may renew it.
            if (poem.brightLines(position).empty() && poem.brightFromPosition > position)
                poem.brightFromPosition = static_cast<std::int16_t>(position);
            composePoem(engine);
        }
        return poem.brightLines(position) + " " + poem.darkLines(position);
    }
    return {};
}

void placeTitle(const DisplaySettings& settings, double widest, WindowControls& controls)
{
    const Layout& layout = layoutOf(settings.resolution);
    const int s = layout.titleShift;
    const int m = layout.subtitleShift;
    const int w = static_cast<int>(widest);
    if (settings.alignment == Alignment::Centre) {
        const auto& lefts = layout.centredTitleLefts;
        controls.setLeft(Control::Label5, lefts[0]);
        controls.setLeft(Control::Label6, lefts[1]);
        controls.setLeft(Control::Label7, lefts[2]);
        controls.setLeft(Control::Labl7, lefts[3]);
        return;
    }
    int left = 0;
    if (settings.alignment == Alignment::Right) {
        left = static_cast<int>(settings.screenWidth) - w / 2 - s;
    } else {
        left = w / 2 - s;
        if (left < 100) {
            // Too little room to centre the title over the lines: it moves to
            // the edge in the punctuation that begins with the short word.
            left = 100;
            controls.setCaption(Control::Label5, std::string(kTitleVariants[2]));
            controls.setCaption(Control::Label6, std::string(kTitleVariants[2]));
        }
    }
    controls.setLeft(Control::Label5, left);
    controls.setLeft(Control::Label6, left + 40);
    controls.setLeft(Control::Label7, static_cast<int>(left + 1.5 * s - 3700));
    controls.setLeft(Control::Labl7, static_cast<int>(m + left + 1.5 * s - 3900));
}

} // namespace

int showPoem(Engine& engine, DisplaySettings& settings, Surface& surface, WindowControls& controls)
{
    prepareWindow(settings, controls);
    const Layout& layout = layoutOf(settings.resolution);

    engine.random.reseed();
    const int title = engine.random.uniform(static_cast<int>(kTitleVariants.size()));
    controls.setCaption(Control::Label5, std::string(kTitleVariants[static_cast<std::size_t>(title - 1)]));
    controls.setCaption(Control::Label6, std::string(kTitleVariants[static_cast<std::size_t>(title - 1)]));
    settings.centreX = settings.alignment == Alignment::Centre ? layout.centreXCentred : layout.centreXAside;

    double reduction = 0;
    double widest = 0;
    std::optional<char> lastCode;
    const int lastPosition = engine.poem.lastPosition;
    for (int pos = 1; pos <= lastPosition; ++pos) {
        std::string line = lineOf(engine, pos);
        if (settings.markup.colourMode == ColourMode::Two)
            line = twoColourFilter(line, lastCode);
        const double width = surface.textWidth(line);
        if (width > settings.screenWidth)
            reduction = kWideLineReduction;
        widest = std::max(widest, width);
        settings.displayLines(pos) = std::move(line);
    }
    if (reduction > 0)
        surface.setFontSize(surface.fontSize() - reduction);

    surface.clear();
    surface.moveTo(50, 0);
    double stanzaGap = 0;
    int baseOffset = kBaseOffset;
    StylePass pass(settings.markup.background);
    for (int pos = 1; pos <= lastPosition; ++pos) {
        double size = settings.baseFontSize + (inMiddleStanza(pos) ? kMiddleStanzaExtra : 0);
        surface.setFontSize(size);
        if (startsStanza(pos)) {
            stanzaGap += 0.9;
            if (settings.lineSpacing == 360)
                baseOffset -= 50;
        }
        const double y = settings.topMargin + baseOffset + settings.lineSpacing * (pos + 1 + stanzaGap);
        beginLine(surface, settings.markup, pass);

        const std::string& line = settings.displayLines(pos);
        const std::string codes = codeDigits(line);
        auto visibleWidth = [&] { return surface.textWidth(line) - surface.textWidth(codes); };
        double x = 0;
        switch (settings.alignment) {
        case Alignment::Left:
            x = settings.leftMargin + kLeftIndent;
            while (surface.textWidth(line) > settings.screenWidth && size > kSmallestFontSize)
                surface.setFontSize(size -= kShrinkStep);
            break;
        case Alignment::Right:
        case Alignment::Centre:
            while (visibleWidth() > settings.screenWidth - kRightMarginForShrinking && size > kSmallestFontSize)
                surface.setFontSize(size -= kShrinkStep);
            x = settings.alignment == Alignment::Right ? settings.centreX + kRightEdgeFromCentre - visibleWidth()
                                                       : settings.centreX - visibleWidth() / 2;
            break;
        }
        surface.moveTo(x, y);
        printVerseLine(line, settings.markup, pass, surface);
        surface.setFontSize(settings.baseFontSize - reduction);
    }

    placeTitle(settings, widest, controls);
    if (reduction > 0)
        surface.setFontSize(settings.baseFontSize);
    surface.setColour(kAfterDrawing);
    controls.hide(Control::Text16);
    controls.show(Control::Label16, 0);
    return title;
}

} // namespace zoravina
