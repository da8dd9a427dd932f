#pragma once
// The state of every control of the window, kept in plain C++ so that the
// handlers run and are tested without widgets. The window's widgets follow
// it through an observer; what the reader does in a widget (selecting list
// items, typing) is noted back into it before a handler runs.

#include "controls.h"

#include <optional>
#include <string>
#include <vector>

namespace zoravina {

struct ControlState {
    bool visible = false;
    bool enabled = true;
    std::string caption;
    Rect rect{};
    bool selected = false;
    bool transparent = false;
    std::optional<Colour> back;
    std::optional<Colour> fore;
    double fontSize = 0;
    std::vector<std::string> items;
    std::vector<bool> itemSelected;
    int currentItem = -1;
    std::string text;
};

enum class Property {
    Visible, Enabled, Caption, Geometry, Selected, Transparent, BackColour, ForeColour, FontSize, Items,
    ItemSelection, CurrentItem, Text, Popup, Background, PersistentDrawing, DrawingFont,
};

class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void changed(Control control, int index, Property property) = 0;
};

class FormControls : public WindowControls {
public:
    FormControls();

    void setObserver(ControlObserver* observer) { observer_ = observer; }

    // Throws std::out_of_range for an index outside the control's range.
    const ControlState& state(Control control, int index = kNoIndex) const;

    void setVisible(Control control, int index, bool visible) override;
    bool isVisible(Control control, int index = kNoIndex) const override;
    void setCaption(Control control, const std::string& caption) override { setCaption(control, kNoIndex, caption); }
    std::string caption(Control control) const override { return state(control).caption; }
    void setLeft(Control control, int twips) override { move(control, kNoIndex, twips, state(control).rect.top); }
    void setBackground(int picture) override;
    void setPersistentDrawing(bool on) override;

    void setCaption(Control control, int index, const std::string& caption);
    void setEnabled(Control control, int index, bool enabled);
    bool isEnabled(Control control, int index = kNoIndex) const { return state(control, index).enabled; }
    void move(Control control, int index, int left, int top);
    void setTop(Control control, int index, int top) { move(control, index, state(control, index).rect.left, top); }
    void setWidth(Control control, int index, int width);
    void resize(Control control, int width, int height);
    void setSelected(Control control, int index, bool selected);
    bool isSelected(Control control, int index) const { return state(control, index).selected; }
    void setTransparent(Control control, int index, bool transparent);
    void setBackColour(Control control, Colour colour);
    void setForeColour(Control control, Colour colour);
    void setFontSize(Control control, double points);
    void setText(Control control, const std::string& text);
    const std::string& text(Control control) const { return state(control).text; }

    void clearItems(Control control);
    void addItem(Control control, const std::string& text);
    int itemCount(Control control) const { return static_cast<int>(state(control).items.size()); }
    const std::string& item(Control control, int row) const;
    void setItemSelected(Control control, int row, bool selected);
    bool isItemSelected(Control control, int row) const;
    void setCurrentItem(Control control, int row);

    void popup(Control menu, double x, double y);
    double popupX() const { return popupX_; }
    double popupY() const { return popupY_; }

    int background() const { return background_; }
    bool persistentDrawing() const { return persistent_; }
    void setDrawingFont(const std::string& family);
    const std::string& drawingFont() const { return drawingFont_; }

    // What the reader did in a widget, noted without echoing it back.
    void noteItemSelection(Control control, std::vector<bool> selected);
    void noteCurrentItem(Control control, int row);
    void noteText(Control control, std::string text);
    void noteSelected(Control control, int index, bool selected);

private:
    ControlState& mutableState(Control control, int index);
    void notify(Control control, int index, Property property);

    std::vector<std::vector<ControlState>> states_;
    ControlObserver* observer_ = nullptr;
    int background_ = 0;
    bool persistent_ = true;
    std::string drawingFont_;
    double popupX_ = 0;
    double popupY_ = 0;
};

} // namespace zoravina
