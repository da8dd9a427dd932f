#pragma once
// The window's controls: one table of what each control is, where it stands
// and how it starts, and the view of them that the displays use. The
// widgets, the handlers' model of the window and the tests are built from
// the table.

#include "surface.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zoravina {

// Every control of the window, the window itself first. Control arrays are
// one entry each; their elements carry an index.
enum class Control {
    Form1,
    // settings screen
    Picture8, Picture9, Picture10, Picture11, Picture12,
    Label17, Label19, Label21, Label23, Label18, Label20, Label22, Label24,
    Picture13, Command4, Label25,
    Frame1, poravnava, Frame2, prednost, Frame4, pesem, Command1, Frame5, pisan, Combo3, Frame3, popravki,
    // poem screen, lowest first: the click areas under the lists and buttons
    Label16, Label1, Label2, Label6, Label5, Label7, Labl7, Label9, Label10, Label3,
    Picture6, Image2, Command2, Command3, Command5, Combo2, combo1, List1, Text1, Text2, Text16,
    // start screen
    Picture7, Command16, Command14, Command15, Command11, Command12, Command13, Command6, namesti, Check1,
    Frame6, Label8, Label11, Label12, Label13, Label14, Label15,
    // background picture stores and the timer
    Picture1, Picture2, Picture3, Picture4, Timer1,
    // menus
    shran, veli, vel, graf, resol, loc, slika, oza, zvokec, Melodija, preberi, zbir, natis, pomo, primer, prim, izu,
};
inline constexpr int kControlCount = static_cast<int>(Control::izu) + 1;

inline constexpr int kNoIndex = -1;

enum class ControlKind {
    Window, Label, Button, Picture, Frame, Option, CheckBox, TextBox, ListBox, ComboBox, Timer, PictureStore,
    Menu, MenuItem,
};

struct Rect {
    int left, top, width, height;   // twips, relative to the parent
};

struct FontSpec {
    std::string_view family;   // empty: the parent's font
    double points;
    bool bold;
};

struct ControlSpec {
    Control id;
    std::string_view name;
    ControlKind kind;
    Control parent;
    std::string_view caption;
    Rect design;                 // of the first element of an array
    FontSpec font;
    std::optional<Colour> fore;
    std::optional<Colour> back;
    bool visible;                // at start; menus: enabled at start
    int firstIndex = kNoIndex;   // arrays: the index range
    int lastIndex = kNoIndex;
    std::span<const Rect> elements = {};   // arrays whose elements stand apart
};

const ControlSpec& controlSpec(Control control);
std::span<const ControlSpec> controlTable();
bool isArray(Control control);
// The design place of one element of a control array (or of the control).
Rect designRect(Control control, int index);
std::optional<Control> controlByName(std::string_view name);
// The caption of one element; the table holds an array's captions one per line.
std::string elementCaption(Control control, int index = kNoIndex);

// The name a widget carries as its object name; an element of a control
// array is named with its index after an underscore ("Label1_5").
std::string controlName(Control control, int index = kNoIndex);

// The four background pictures, 0 for none.
enum class Background : int { None = 0, Geometry = 1, Landscape = 2, Universe = 3, Sage = 4 };

// What the poem and page displays touch on the window.
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
