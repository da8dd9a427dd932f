// The commands that compose a new poem, and the one that returns to it.

#include "form.h"

#include "compose.h"
#include "guard.h"
#include "poem_display.h"

namespace zoravina {

namespace {

constexpr const char* kPlainTitle = "Zoravina je Orn je zoravina";
constexpr Colour kDarkPoemText = rgb(0, 0, 64);
constexpr Colour kPoemText = rgb(0, 0, 255);
constexpr Control kFrames[] = {Control::Frame1, Control::Frame2, Control::Frame3, Control::Frame4, Control::Frame5};

} // namespace

Colour textColourFor(PoemKind kind) { return kind == PoemKind::Dark ? kDarkPoemText : kPoemText; }

void Form::newPoem()
{
    Guard guard(surface_);
    guard.step([&] { rememberCentreOf(Control::Command2); });
    guard.step([&] {
        engine_.poem.firstPosition = 1;
        engine_.poem.brightFromPosition = 1;
    });
    guard.step([&] {
        controls_.hide(Control::combo1);
        controls_.hide(Control::Labl7);
        controls_.hide(Control::Label3);
    });
    guard.step([&] {
        controls_.hide(Control::Command2);
        controls_.hide(Control::Command3);
    });
    guard.step([&] { controls_.hide(Control::Label16, 0); });
    guard.step([&] { controls_.setEnabled(Control::Timer1, kNoIndex, false); });
    guard.step([&] {
        controls_.setCaption(Control::Label5, kPlainTitle);
        controls_.setCaption(Control::Label6, kPlainTitle);
    });
    guard.step([&] { window_.collectionPoemTitle.clear(); });
    guard.step([&] { composePoem(engine_); });
    guard.drawing([&] { showPoem(engine_, display_, surface_, controls_); });
}

// The steps that "Izpis", the colour-mode labels and the centre picture share.
void Form::composeAndShowFromSettings(Guard& guard)
{
    guard.step([&] { controls_.hide(Control::Label16, 0); });
    guard.step([&] {
        engine_.poem.firstPosition = 1;
        engine_.poem.brightFromPosition = 1;
    });
    guard.step([&] { controls_.setEnabled(Control::zbir, kNoIndex, true); });
    guard.step([&] {
        for (Control frame : kFrames)
            controls_.hide(frame);
    });
    guard.step([&] {
        controls_.hide(Control::combo1);
        controls_.show(Control::Command1);
        controls_.hide(Control::Command4);
    });
    guard.step([&] { controls_.setEnabled(Control::Timer1, kNoIndex, false); });
    guard.step([&] {
        controls_.setCaption(Control::Label5, kPlainTitle);
        controls_.setCaption(Control::Label6, kPlainTitle);
    });
    guard.step([&] { composePoem(engine_); });
    guard.drawing([&] { showPoem(engine_, display_, surface_, controls_); });
}

void Form::composeWithSettings()
{
    Guard guard(surface_);
    composeAndShowFromSettings(guard);
}

void Form::chooseColourModeAndCompose(int element)
{
    Guard guard(surface_);
    guard.step([&] { display_.markup.colourMode = element == 1 ? ColourMode::Two : ColourMode::Multi; });
    guard.step([&] { display_.markup.textColour = textColourFor(engine_.poem.poemKind); });
    guard.step([&] {
        for (Control spot : {Control::Label18, Control::Label20, Control::Label22, Control::Label24})
            controls_.hide(spot);
    });
    composeAndShowFromSettings(guard);
}

void Form::centrePictureClicked()
{
    Guard guard(surface_);
    guard.step([&] { rememberCentreOf(Control::Picture13); });
    composeAndShowFromSettings(guard);
}

void Form::oldPoem()
{
    rememberCentreOf(Control::Command4);
    controls_.hide(Control::combo1);
    controls_.hide(Control::Label3);
    controls_.hide(Control::Command4);
    controls_.show(Control::Command2);
    controls_.show(Control::Command3);
    controls_.setEnabled(Control::zbir, kNoIndex, true);
    for (Control frame : kFrames)
        controls_.hide(frame);
    const Control areas = display_.resolution == Resolution::Large ? Control::Label1 : Control::Label2;
    for (int i = 1; i <= 46; ++i)
        controls_.show(areas, i);
    showPoem(engine_, display_, surface_, controls_);
}

} // namespace zoravina
