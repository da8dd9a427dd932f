// Start-up, the window's own events, and what every handler shares.

#include "form.h"

#include "guard.h"
#include "poem_display.h"

#include <cmath>

namespace zoravina {

namespace {

constexpr int kClickAreaCount = 46;
constexpr int kLinesPerColumn = 23;
constexpr int kRevealDistance = 500;   // twips the pointer must travel before the poem buttons return
constexpr int kSecondColumnLeftLarge = 7800;
constexpr int kSecondColumnLeftSmall = 5800;
constexpr int kLineLift = 10;

} // namespace

Form::Form(Engine& engine, DisplaySettings& display, Surface& surface, FormControls& controls, Platform& platform)
    : engine_(engine), display_(display), surface_(surface), controls_(controls), platform_(platform)
{
}

std::vector<std::pair<Control, int>> screenControls(Screen screen)
{
    switch (screen) {
    case Screen::Start:
        return {{Control::Picture7, kNoIndex},   {Control::Command16, kNoIndex}, {Control::Command14, kNoIndex},
                {Control::Command15, kNoIndex},  {Control::Command11, kNoIndex}, {Control::Command12, kNoIndex},
                {Control::Command13, kNoIndex},  {Control::Command6, kNoIndex}};
    case Screen::Settings:
        return {{Control::Picture8, kNoIndex}, {Control::Picture13, kNoIndex}, {Control::Label25, 0},
                {Control::Label25, 1},         {Control::Label18, kNoIndex},   {Control::Label20, kNoIndex},
                {Control::Label22, kNoIndex},  {Control::Label24, kNoIndex},   {Control::Frame1, kNoIndex},
                {Control::Frame2, kNoIndex},   {Control::Frame3, kNoIndex},    {Control::Frame4, kNoIndex},
                {Control::Frame5, kNoIndex},   {Control::Label6, kNoIndex}};
    case Screen::Poem:
        return {{Control::Label5, kNoIndex}, {Control::Label6, kNoIndex}, {Control::Label7, kNoIndex}, {Control::Label16, 0}};
    case Screen::Page:
        return {{Control::Label5, kNoIndex}, {Control::Label6, kNoIndex}, {Control::Label9, kNoIndex}, {Control::Label10, kNoIndex}};
    }
    return {};
}

void showScreen(FormControls& controls, Screen screen)
{
    for (const auto& [control, index] : screenControls(screen))
        controls.show(control, index);
}

void Form::startUp(const std::vector<std::string>& installedFonts)
{
    // Every step runs even when one before it failed.
    auto step = [](auto&& f) {
        try {
            f();
        } catch (...) {
        }
    };
    step([&] {
        display_ = DisplaySettings{};
        display_.alignment = Alignment::Left;
        applyLayout(display_, Resolution::Large);
        display_.markup = MarkupSettings{};
        display_.markup.background = static_cast<int>(Background::Universe);
        PoemState& poem = engine_.poem;
        poem.poemKind = PoemKind::Bright;
        poem.selectivity = Selectivity::Highest;
        poem.correctionMode = CorrectionMode::Automatic;
        poem.firstPosition = 1;
        poem.brightFromPosition = 1;
        poem.lastPosition = kLastPosition;
        window_ = WindowState{};
    });
    step([&] {
        for (int i = 1; i <= kClickAreaCount; ++i) {
            controls_.setWidth(Control::Label1, i, 7300);
            controls_.setWidth(Control::Label2, i, 5500);
        }
    });
    step([&] {
        for (int i = kLinesPerColumn + 1; i <= kClickAreaCount; ++i) {
            controls_.move(Control::Label1, i, kSecondColumnLeftLarge, controls_.state(Control::Label1, i).rect.top);
            controls_.move(Control::Label2, i, kSecondColumnLeftSmall, controls_.state(Control::Label2, i).rect.top);
        }
    });
    step([&] {
        for (int i = 1; i <= kClickAreaCount; ++i)
            controls_.hide(Control::Label1, i);
    });
    step([&] {
        for (const char* name : {"Arial CE", "Courier New CE", "Times New Roman CE"})
            controls_.addItem(Control::Combo3, name);
        for (const std::string& family : installedFonts)
            controls_.addItem(Control::Combo3, family);
    });
    step([&] { controls_.setBackground(static_cast<int>(Background::Universe)); });
    step([&] {
        for (int i = 1; i <= kLinesPerColumn; ++i)
            for (int line : {i, kLinesPerColumn + i})
                for (Control areas : {Control::Label1, Control::Label2})
                    controls_.setTop(areas, line, controls_.state(areas, line).rect.top - kLineLift * i);
    });
    step([&] { controls_.move(Control::Frame6, kNoIndex, 2000, 3000); });
    step([&] { showNoticeTexts(); });
    step([&] { showInstallTargets(); });
    step([&] { controls_.setEnabled(Control::preberi, kNoIndex, platform_.speech.available()); });
    // The options the settings screen shows selected when it first opens.
    step([&] {
        controls_.setSelected(Control::pesem, 1, true);
        controls_.setSelected(Control::prednost, 1, true);
        controls_.setSelected(Control::popravki, 2, true);
        controls_.setSelected(Control::pisan, 0, true);
        controls_.setSelected(Control::poravnava, 3, true);
    });
}

void Form::timerTick()
{
    const std::string title = controls_.caption(Control::Label5);
    const std::string alternate = controls_.text(Control::Text1);
    if (title != alternate) {
        controls_.setCaption(Control::Label5, alternate);
        controls_.setCaption(Control::Label6, alternate);
        controls_.setText(Control::Text1, title);
    }
    const bool author = controls_.isVisible(Control::Label7);
    controls_.setVisible(Control::Labl7, kNoIndex, author);
    controls_.setVisible(Control::Label7, kNoIndex, !author);
}

void Form::mousePress(double x, double y, MouseButton button)
{
    window_.pressX = x;
    window_.pressY = y;
    controls_.setEnabled(Control::primer, kNoIndex, true);
    if (button == MouseButton::Right && startScreenShowing()) {
        controls_.hide(Control::Frame6);
        controls_.popup(Control::primer, x, y);
    }
}

void Form::mouseMove(double x, double y)
{
    const bool away = std::abs(x - window_.pressX) > kRevealDistance || std::abs(y - window_.pressY) > kRevealDistance;
    if (away && poemShowing()) {
        controls_.show(Control::Picture6);
        controls_.show(Control::Command2);
        controls_.show(Control::Command3);
    }
}

void Form::titleClick()
{
    if (controls_.isVisible(Control::Label1, 1) || controls_.isVisible(Control::Label2, 1)) {
        controls_.show(Control::Command2);
        controls_.show(Control::Command3);
    }
}

// The centre of a control in window twips: a button inside a picture counts
// from the window's corner, so that the pointer rule measures from where the
// reader really clicked.
void Form::rememberCentreOf(Control control, int index)
{
    const Rect r = controls_.state(control, index).rect;
    double left = r.left;
    double top = r.top;
    for (Control parent = controlSpec(control).parent; parent != Control::Form1; parent = controlSpec(parent).parent) {
        left += controls_.state(parent).rect.left;
        top += controls_.state(parent).rect.top;
    }
    window_.pressX = left + r.width / 2.0;
    window_.pressY = top + r.height / 2.0;
}

void Form::redrawPoem()
{
    Guard guard(surface_);
    guard.drawing([&] { showPoem(engine_, display_, surface_, controls_); });
}

} // namespace zoravina
