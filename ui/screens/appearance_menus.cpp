// The appearance menus: the screen layout and the background picture.

#include "form.h"

#include "page_display.h"
#include "poem_display.h"

namespace zoravina {

namespace {

constexpr Control kInfoButtons[] = {Control::Command11, Control::Command12, Control::Command14, Control::Command15,
                                    Control::Command16};

// Each background's picture and colour pair; the first row is "brez ozadja".
struct BackgroundScheme {
    Colour initial;
    Colour text;
};
constexpr BackgroundScheme kSchemes[] = {
    {0, 0},
    {rgb(37, 67, 228), rgb(255, 0, 255)},
    {rgb(255, 0, 0), rgb(0, 255, 0)},
    {rgb(255, 0, 255), rgb(0, 255, 255)},
    {rgb(0, 0, 255), rgb(255, 0, 255)},
};

} // namespace

// What is on the screen is drawn again: the page on the start screen, the
// poem elsewhere; nothing while the notice panel covers the window.
void Form::redrawAfterAppearanceChange()
{
    if (controls_.isVisible(Control::Frame6))
        return;
    if (startScreenShowing())
        showPage(display_, engine_.poem.lastPosition, surface_, controls_);
    else
        redrawPoem();
}

void Form::chooseLayout(int index)
{
    if (controls_.isVisible(Control::Label9)) {
        controls_.hide(Control::Label7);
        controls_.hide(Control::Labl7);
        controls_.hide(Control::Command6);
    }
    const Resolution resolution = index == 0 ? Resolution::Small : Resolution::Large;
    const Layout& layout = layoutOf(resolution);
    applyLayout(display_, resolution);
    surface_.setFontSize(layout.baseFontSize);
    controls_.resize(Control::Form1, layout.screenWidth, layout.screenHeight);
    controls_.setFontSize(Control::Label5, layout.titleFontSize);
    controls_.setFontSize(Control::Label6, layout.titleFontSize);
    controls_.setFontSize(Control::Text16, layout.textBoxFontSize);
    for (Control button : kInfoButtons)
        controls_.setTop(button, kNoIndex, layout.infoButtonsTop);
    controls_.move(Control::Command13, kNoIndex, layout.entryButton.left, layout.entryButton.top);
    controls_.move(Control::Picture7, kNoIndex, layout.startPicture.left, layout.startPicture.top);
    if (layout.installButtonLeft >= 0)
        controls_.setLeft(Control::Command6, layout.installButtonLeft);
    const Control titles[] = {Control::Label5, Control::Label6, Control::Label9, Control::Label10};
    for (std::size_t i = 0; i < std::size(titles); ++i)
        controls_.setLeft(titles[i], layout.titleLefts[i]);
    controls_.move(Control::Frame6, kNoIndex, layout.noticePanel.left, layout.noticePanel.top);
    controls_.setTop(Control::Label7, kNoIndex, layout.creditTop);
    controls_.setTop(Control::Labl7, kNoIndex, layout.creditTop);
    if (!startScreenShowing()) {
        for (int i = 1; i <= 46; ++i) {
            controls_.setVisible(Control::Label1, i, layout.largeClickAreas);
            controls_.setVisible(Control::Label2, i, !layout.largeClickAreas);
        }
    }
    redrawAfterAppearanceChange();
}

void Form::chooseBackground(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(kSchemes)))
        return;
    if (controls_.isVisible(Control::Label9)) {
        controls_.hide(Control::Label7);
        controls_.hide(Control::Labl7);
        controls_.hide(Control::Command6);
    }
    display_.markup.background = index;
    if (index == 0) {
        selectOption(OptionGroup::ColourMode, 0);
    } else {
        selectOption(OptionGroup::ColourMode, 1);
        display_.markup.initialColour = kSchemes[index].initial;
        display_.markup.textColour = kSchemes[index].text;
    }
    redrawAfterAppearanceChange();
}

} // namespace zoravina
