// The settings screen: option frames, corner picture menus, font list, and
// the quick-settings panel of the poem screen.

#include "form.h"

#include "poem_display.h"

namespace zoravina {

namespace {

constexpr Control kFrames[] = {Control::Frame1, Control::Frame2, Control::Frame3, Control::Frame4, Control::Frame5};
constexpr Control kHoverSpots[] = {Control::Label18, Control::Label20, Control::Label22, Control::Label24};

// Each corner menu: the hover spot that opens it, its picture, its items and
// the setting its items choose.
struct CornerMenu {
    Control spot;
    Control picture;
    Control items;
    OptionGroup setting;
};
constexpr CornerMenu kCornerMenus[] = {
    {Control::Label18, Control::Picture9, Control::Label17, OptionGroup::Alignment},
    {Control::Label22, Control::Picture10, Control::Label21, OptionGroup::Kind},
    {Control::Label24, Control::Picture11, Control::Label23, OptionGroup::Correction},
    {Control::Label20, Control::Picture12, Control::Label19, OptionGroup::Selectivity},
};

// Each option group and the control of its option buttons.
struct OptionGroupSpec {
    OptionGroup group;
    Control control;
};
constexpr OptionGroupSpec kOptionGroups[] = {
    {OptionGroup::Kind, Control::pesem},           {OptionGroup::Selectivity, Control::prednost},
    {OptionGroup::Correction, Control::popravki},  {OptionGroup::Alignment, Control::poravnava},
    {OptionGroup::ColourMode, Control::pisan},
};

const CornerMenu* menuWith(Control CornerMenu::*member, Control control)
{
    for (const CornerMenu& menu : kCornerMenus)
        if (menu.*member == control)
            return &menu;
    return nullptr;
}

void forEachItem(Control items, auto&& apply)
{
    const ControlSpec& spec = controlSpec(items);
    for (int i = spec.firstIndex; i <= spec.lastIndex; ++i)
        apply(i);
}

} // namespace

Control Form::optionControl(OptionGroup group)
{
    for (const OptionGroupSpec& spec : kOptionGroups)
        if (spec.group == group)
            return spec.control;
    return Control::pesem;
}

void Form::showSettingsScreen()
{
    display_.revealOnHover = 1;
    surface_.clear();
    controls_.hide(Control::Label16, 0);
    controls_.hide(Control::Picture6);
    for (Control control : {Control::Picture8, Control::Picture13})
        controls_.show(control);
    controls_.show(Control::Label25, 0);
    controls_.show(Control::Label25, 1);
    for (Control spot : kHoverSpots)
        controls_.show(spot);
    controls_.setEnabled(Control::zbir, kNoIndex, false);
    for (Control frame : kFrames)
        controls_.show(frame);
    for (int i = 1; i <= 46; ++i) {
        controls_.hide(Control::Label1, i);
        controls_.hide(Control::Label2, i);
    }
    controls_.hide(Control::combo1);
    controls_.hide(Control::Label5);
    controls_.hide(Control::Command2);
    controls_.hide(Control::Command3);
    controls_.show(Control::Command4);
    controls_.hide(Control::Label3);
}

void Form::enterFromStartScreen()
{
    controls_.hide(Control::Frame6);
    controls_.show(Control::Label5);
    controls_.show(Control::Label6);
    display_.revealOnHover = 0;
    controls_.hide(Control::Picture7);
    surface_.clear();
    display_.alignment = Alignment::Centre;

    controls_.setCaption(Control::Label5, "Zoravina je Orn je Zoravina");
    controls_.setCaption(Control::Label6, "Zoravina je Orn je Zoravina");

    controls_.hide(Control::Label10);
    controls_.hide(Control::Label9);
    controls_.show(Control::Picture8);
    controls_.show(Control::Picture13);

    for (const CornerMenu& menu : kCornerMenus)
        forEachItem(menu.items, [&](int i) { controls_.setTransparent(menu.items, i, true); });
    controls_.show(Control::Label25, 0);
    controls_.show(Control::Label25, 1);
    for (Control spot : kHoverSpots)
        controls_.show(spot);

    for (Control button : {Control::Command11, Control::Command12, Control::Command14, Control::Command15, Control::Command16,
                           Control::Command13, Control::Command6})
        controls_.hide(button);

    for (Control frame : kFrames)
        controls_.show(frame);
    controls_.hide(Control::Frame6);
}

// Choosing an option by program runs the same handler as a click.
void Form::selectOption(OptionGroup group, int index)
{
    const Control options = optionControl(group);
    const ControlSpec& spec = controlSpec(options);
    for (int i = spec.firstIndex; i <= spec.lastIndex; ++i)
        controls_.setSelected(options, i, i == index);
    optionClicked(group, index);
}

void Form::optionClicked(OptionGroup group, int index)
{
    const Control options = optionControl(group);
    const ControlSpec& spec = controlSpec(options);
    for (int i = spec.firstIndex; i <= spec.lastIndex; ++i)
        if (controls_.isSelected(options, i) != (i == index))
            controls_.setSelected(options, i, i == index);
    applySetting(group, index);
}

// The setting an option or a corner item stands for, and the text colour that goes with the kind.
void Form::applySetting(OptionGroup group, int index)
{
    PoemState& poem = engine_.poem;
    const auto value = static_cast<std::int16_t>(index);
    switch (group) {
    case OptionGroup::Kind:
        poem.poemKind = static_cast<PoemKind>(value);
        display_.markup.textColour = textColourFor(poem.poemKind);
        break;
    case OptionGroup::Selectivity: poem.selectivity = static_cast<Selectivity>(value); break;
    case OptionGroup::Correction: poem.correctionMode = static_cast<CorrectionMode>(value); break;
    case OptionGroup::Alignment: display_.alignment = static_cast<Alignment>(value); break;
    case OptionGroup::ColourMode:
        display_.markup.colourMode = static_cast<ColourMode>(value);
        display_.markup.textColour = textColourFor(poem.poemKind);
        break;
    }
}

void Form::fontChosen(const std::string& family)
{
    controls_.setDrawingFont(family);
}

void Form::hoverSpotMove(Control spot)
{
    const CornerMenu* menu = menuWith(&CornerMenu::spot, spot);
    if (!menu)
        return;
    forEachItem(menu->items, [&](int i) { controls_.show(menu->items, i); });
    controls_.show(menu->picture);
    controls_.hide(spot);
}

void Form::cornerPictureMove(Control picture)
{
    const CornerMenu* menu = menuWith(&CornerMenu::picture, picture);
    if (!menu || display_.revealOnHover != 1)
        return;
    forEachItem(menu->items, [&](int i) { controls_.setTransparent(menu->items, i, true); });
    display_.revealOnHover = 0;
}

void Form::settingsBackgroundMove()
{
    display_.revealOnHover = 1;
}

// A corner item sets its setting directly; the option buttons of the frames
// keep showing what they showed.
void Form::cornerItemClick(Control items, int index)
{
    const CornerMenu* menu = menuWith(&CornerMenu::items, items);
    if (!menu)
        return;
    applySetting(menu->setting, index);
    forEachItem(items, [&](int i) { controls_.setTransparent(items, i, i == index); });
}

void Form::quickSettingsPress(int image, MouseButton button)
{
    PoemState& poem = engine_.poem;
    if (button == MouseButton::Right) {
        switch (image) {
        case 1:
            selectOption(OptionGroup::ColourMode, display_.markup.colourMode == ColourMode::Multi ? 1 : 0);
            break;
        case 2:
            selectOption(OptionGroup::Correction, poem.correctionMode == CorrectionMode::Manual ? 2 : 1);
            break;
        case 3: {
            const int next = static_cast<int>(poem.selectivity) >= 3 || static_cast<int>(poem.selectivity) < 1
                                 ? 1
                                 : static_cast<int>(poem.selectivity) + 1;
            selectOption(OptionGroup::Selectivity, next);
            constexpr Colour kPanelColours[] = {rgb(255, 0, 0), rgb(255, 255, 0), rgb(0, 255, 0)};
            controls_.setBackColour(Control::Picture6, kPanelColours[next - 1]);
            break;
        }
        default: break;
        }
    } else {
        selectOption(OptionGroup::Alignment, image);
    }
    surface_.clear();
    redrawPoem();
}

} // namespace zoravina
