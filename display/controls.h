#pragma once
// The window controls that the displays show, hide, caption and move. The
// window implements this over its widgets; tests implement it over a map.

#include <array>
#include <string>
#include <string_view>

namespace zoravina {

enum class Control {
    Text16, Label25, Picture8, Picture13, Label1, Label2, Label9, Label10, Picture6, Command2, Command3,
    Command4, Label3, Label5, Label6, Label7, Labl7, Label16, Frame6,
};

inline constexpr int kNoIndex = -1;

// Control names as the widgets' object names carry them; an element of a
// control array is named with its index after an underscore ("Label1_5").
inline constexpr std::array<std::string_view, 19> kControlNames{
    "Text16", "Label25", "Picture8", "Picture13", "Label1", "Label2", "Label9", "Label10", "Picture6", "Command2",
    "Command3", "Command4", "Label3", "Label5", "Label6", "Label7", "Labl7", "Label16", "Frame6",
};

inline std::string controlName(Control control, int index = kNoIndex)
{
    std::string name(kControlNames[static_cast<std::size_t>(control)]);
    return index == kNoIndex ? name : name + "_" + std::to_string(index);
}

// The four background pictures, 0 for none.
enum class Background : int { None = 0, Geometry = 1, Landscape = 2, Universe = 3, Sage = 4 };

class WindowControls {
public:
    virtual ~WindowControls() = default;
    virtual void setVisible(Control control, int index, bool visible) = 0;
    virtual bool isVisible(Control control, int index) const = 0;
    virtual void setCaption(Control control, const std::string& caption) = 0;
    virtual std::string caption(Control control) const = 0;
    virtual void setLeft(Control control, int twips) = 0;
    virtual void setBackground(int picture) = 0;
    virtual void setPersistentDrawing(bool on) = 0;

    void show(Control control, int index = kNoIndex) { setVisible(control, index, true); }
    void hide(Control control, int index = kNoIndex) { setVisible(control, index, false); }
};

} // namespace zoravina
