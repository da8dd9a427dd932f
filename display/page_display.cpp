#include "page_display.h"

namespace zoravina {

namespace {
constexpr int kPageTop = 1001;
constexpr int kPageIndent = 250;
constexpr int kExampleShiftLeft = 500;
constexpr int kExampleShiftDown = 1000;
} // namespace

void showPage(DisplaySettings& settings, int lastPosition, Surface& surface, WindowControls& controls)
{
    controls.hide(Control::Frame6);
    settings.revealOnHover = 1;
    // Pages stand on no picture but the starry one; the choice stays for later poems too.
    const int background = settings.markup.background;
    if (background == static_cast<int>(Background::Geometry) || background == static_cast<int>(Background::Landscape) ||
        background == static_cast<int>(Background::Sage))
        settings.markup.background = static_cast<int>(Background::None);
    for (Control control : {Control::Label5, Control::Label6, Control::Label9, Control::Label10})
        controls.show(control);

    const Layout& layout = layoutOf(settings.resolution);
    surface.setFontSize(layout.pageFontSize);
    controls.setPersistentDrawing(true);
    controls.setBackground(settings.markup.background);
    settings.centreX = settings.alignment == Alignment::Centre ? layout.centreXCentred : layout.centreXAside;
    settings.topMargin = kPageTop;

    surface.clear();
    surface.moveTo(50, 0);
    const bool example = settings.examplePage == kExamplePage;
    if (example) {
        settings.leftMargin = static_cast<std::int16_t>(settings.leftMargin - kExampleShiftLeft);
        settings.topMargin = static_cast<std::int16_t>(settings.topMargin + kExampleShiftDown);
    }
    StylePass pass(settings.markup.background);
    for (int pos = 1; pos <= lastPosition; ++pos) {
        const double y = settings.topMargin + settings.lineSpacing * (pos + 1);
        beginLine(surface, settings.markup, pass);
        const std::string& line = settings.displayLines(pos);
        double x = settings.leftMargin + kPageIndent;
        if (settings.alignment == Alignment::Centre)
            x = settings.centreX - (surface.textWidth(line) - surface.textWidth(codeDigits(line))) / 2;
        surface.moveTo(x, y);
        printPageLine(line, settings.markup, pass, surface);
    }
    if (example) {
        settings.leftMargin = static_cast<std::int16_t>(settings.leftMargin + kExampleShiftLeft);
        settings.topMargin = static_cast<std::int16_t>(settings.topMargin - kExampleShiftDown);
    }
    settings.examplePage = 0;

    surface.setColour(kAfterDrawing);
    if (settings.resolution == Resolution::Small) {
        controls.setLeft(Control::Label9, 3170);
        controls.setLeft(Control::Label10, 3410);
        controls.setLeft(Control::Label5, 3170);
        controls.setLeft(Control::Label6, 3110);
    }
}

} // namespace zoravina
