#include "form_controls.h"

#include <stdexcept>

namespace zoravina {

FormControls::FormControls()
{
    states_.resize(static_cast<std::size_t>(kControlCount));
    for (const ControlSpec& spec : controlTable()) {
        auto& elements = states_[static_cast<std::size_t>(spec.id)];
        const int first = spec.firstIndex == kNoIndex ? kNoIndex : spec.firstIndex;
        const int last = spec.firstIndex == kNoIndex ? kNoIndex : spec.lastIndex;
        for (int index = first; index <= last; ++index) {
            ControlState state;
            const bool menu = spec.kind == ControlKind::Menu || spec.kind == ControlKind::MenuItem;
            state.visible = menu || spec.visible;
            state.enabled = !menu || spec.visible;
            if (spec.kind == ControlKind::Timer)
                state.enabled = false;
            state.caption = elementCaption(spec.id, index);
            state.rect = designRect(spec.id, index);
            state.back = spec.back;
            state.fore = spec.fore;
            state.fontSize = spec.font.points;
            if (spec.kind == ControlKind::ComboBox)
                state.text = std::string(spec.caption);
            elements.push_back(std::move(state));
            if (index == kNoIndex)
                break;
        }
    }
    drawingFont_ = std::string(controlSpec(Control::Form1).font.family);
}

const ControlState& FormControls::state(Control control, int index) const
{
    const ControlSpec& spec = controlSpec(control);
    const auto& elements = states_[static_cast<std::size_t>(control)];
    if (spec.firstIndex == kNoIndex) {
        if (index != kNoIndex && index != 0)
            throw std::out_of_range("control " + std::string(spec.name) + " has no elements");
        return elements.front();
    }
    if (index < spec.firstIndex || index > spec.lastIndex)
        throw std::out_of_range("no element " + std::to_string(index) + " of " + std::string(spec.name));
    return elements[static_cast<std::size_t>(index - spec.firstIndex)];
}

ControlState& FormControls::mutableState(Control control, int index)
{
    return const_cast<ControlState&>(state(control, index));
}

void FormControls::notify(Control control, int index, Property property)
{
    if (observer_)
        observer_->changed(control, index, property);
}

void FormControls::setVisible(Control control, int index, bool visible)
{
    ControlState& s = mutableState(control, index);
    if (s.visible == visible)
        return;
    s.visible = visible;
    notify(control, index, Property::Visible);
}

bool FormControls::isVisible(Control control, int index) const
{
    return state(control, index).visible;
}

void FormControls::setBackground(int picture)
{
    background_ = picture;
    notify(Control::Form1, kNoIndex, Property::Background);
}

void FormControls::setPersistentDrawing(bool on)
{
    persistent_ = on;
    notify(Control::Form1, kNoIndex, Property::PersistentDrawing);
}

void FormControls::setCaption(Control control, int index, const std::string& caption)
{
    ControlState& s = mutableState(control, index);
    if (s.caption == caption)
        return;
    s.caption = caption;
    notify(control, index, Property::Caption);
}

void FormControls::setEnabled(Control control, int index, bool enabled)
{
    ControlState& s = mutableState(control, index);
    if (s.enabled == enabled)
        return;
    s.enabled = enabled;
    notify(control, index, Property::Enabled);
}

void FormControls::move(Control control, int index, int left, int top)
{
    ControlState& s = mutableState(control, index);
    s.rect.left = left;
    s.rect.top = top;
    notify(control, index, Property::Geometry);
}

void FormControls::setWidth(Control control, int index, int width)
{
    mutableState(control, index).rect.width = width;
    notify(control, index, Property::Geometry);
}

void FormControls::resize(Control control, int width, int height)
{
    ControlState& s = mutableState(control, kNoIndex);
    s.rect.width = width;
    s.rect.height = height;
    notify(control, kNoIndex, Property::Geometry);
}

void FormControls::setSelected(Control control, int index, bool selected)
{
    ControlState& s = mutableState(control, index);
    s.selected = selected;
    notify(control, index, Property::Selected);
}

void FormControls::setTransparent(Control control, int index, bool transparent)
{
    ControlState& s = mutableState(control, index);
    s.transparent = transparent;
    notify(control, index, Property::Transparent);
}

void FormControls::setBackColour(Control control, Colour colour)
{
    mutableState(control, kNoIndex).back = colour;
    notify(control, kNoIndex, Property::BackColour);
}

void FormControls::setForeColour(Control control, Colour colour)
{
    mutableState(control, kNoIndex).fore = colour;
    notify(control, kNoIndex, Property::ForeColour);
}

void FormControls::setFontSize(Control control, double points)
{
    mutableState(control, kNoIndex).fontSize = points;
    notify(control, kNoIndex, Property::FontSize);
}

void FormControls::setText(Control control, const std::string& text)
{
    mutableState(control, kNoIndex).text = text;
    notify(control, kNoIndex, Property::Text);
}

void FormControls::clearItems(Control control)
{
    ControlState& s = mutableState(control, kNoIndex);
    s.items.clear();
    s.itemSelected.clear();
    s.currentItem = -1;
    notify(control, kNoIndex, Property::Items);
}

void FormControls::addItem(Control control, const std::string& text)
{
    ControlState& s = mutableState(control, kNoIndex);
    s.items.push_back(text);
    s.itemSelected.push_back(false);
    notify(control, kNoIndex, Property::Items);
}

const std::string& FormControls::item(Control control, int row) const
{
    return state(control).items.at(static_cast<std::size_t>(row));
}

void FormControls::setItemSelected(Control control, int row, bool selected)
{
    ControlState& s = mutableState(control, kNoIndex);
    s.itemSelected.at(static_cast<std::size_t>(row)) = selected;
    notify(control, kNoIndex, Property::ItemSelection);
}

bool FormControls::isItemSelected(Control control, int row) const
{
    return state(control).itemSelected.at(static_cast<std::size_t>(row));
}

void FormControls::setCurrentItem(Control control, int row)
{
    mutableState(control, kNoIndex).currentItem = row;
    notify(control, kNoIndex, Property::CurrentItem);
}

void FormControls::popup(Control menu, double x, double y)
{
    popupX_ = x;
    popupY_ = y;
    notify(menu, kNoIndex, Property::Popup);
}

void FormControls::setDrawingFont(const std::string& family)
{
    drawingFont_ = family;
    notify(Control::Form1, kNoIndex, Property::DrawingFont);
}

void FormControls::noteItemSelection(Control control, std::vector<bool> selected)
{
    ControlState& s = mutableState(control, kNoIndex);
    selected.resize(s.items.size(), false);
    s.itemSelected = std::move(selected);
}

void FormControls::noteCurrentItem(Control control, int row)
{
    mutableState(control, kNoIndex).currentItem = row;
}

void FormControls::noteSelected(Control control, int index, bool selected)
{
    mutableState(control, index).selected = selected;
}

void FormControls::noteText(Control control, std::string text)
{
    mutableState(control, kNoIndex).text = std::move(text);
}

} // namespace zoravina
