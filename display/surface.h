#pragma once
// What the display procedures draw on: a window image, a printer page, a
// terminal, or a recorder in tests. Positions are twips, sizes points.

#include <cstdint>
#include <string_view>

namespace zoravina {

// 24-bit RGB with red in the low byte, as the poem files and settings hold it.
using Colour = std::uint32_t;
constexpr Colour rgb(int red, int green, int blue)
{
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) | (static_cast<Colour>(blue) << 16);
}
constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

class Surface {
public:
    virtual ~Surface() = default;
    virtual void clear() = 0;
    virtual void setColour(Colour colour) = 0;
    virtual void setItalic(bool on) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setFontSize(double points) = 0;
    virtual double fontSize() const = 0;
    virtual void moveTo(double x, double y) = 0;
    // Prints at the current position and advances it by the text's width.
    virtual void print(std::string_view utf8) = 0;
    virtual double textWidth(std::string_view utf8) const = 0;
};

} // namespace zoravina
