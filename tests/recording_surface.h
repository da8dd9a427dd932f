#pragma once
// A surface that records what is printed, with a simple metric: every
// character is 20 twips wide per point of font size.

#include "controls.h"
#include "surface.h"

#include <map>
#include <string>
#include <vector>

namespace zoravina::fixtures {

struct PrintedRun {
    double x, y;
    Colour colour;
    bool italic, bold;
    double size;
    std::string text;
};

inline std::size_t codePoints(std::string_view text)
{
    std::size_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

class RecordingSurface : public Surface {
public:
    std::vector<PrintedRun> runs;
    int clears = 0;
    Colour colour = 0;
    bool italic = false, bold = false;
    double size = 13.5, x = 0, y = 0;

    void clear() override { ++clears; runs.clear(); }
    void setColour(Colour c) override { colour = c; }
    void setItalic(bool on) override { italic = on; }
    void setBold(bool on) override { bold = on; }
    void setFontSize(double points) override { size = points; }
    double fontSize() const override { return size; }
    void moveTo(double toX, double toY) override { x = toX; y = toY; }
    void print(std::string_view text) override
    {
        runs.push_back({x, y, colour, italic, bold, size, std::string(text)});
        x += textWidth(text);
    }
    double textWidth(std::string_view text) const override { return static_cast<double>(codePoints(text)) * size * 20; }

    // One entry per printed character: the character and the style it got.
    struct Character {
        std::string text;
        Colour colour;
        bool italic;
    };
    std::vector<Character> characters() const
    {
        std::vector<Character> out;
        for (const PrintedRun& run : runs)
            for (std::size_t i = 0; i < run.text.size();) {
                std::size_t n = 1;
                while (i + n < run.text.size() && (static_cast<unsigned char>(run.text[i + n]) & 0xC0) == 0x80)
                    ++n;
                out.push_back({run.text.substr(i, n), run.colour, run.italic});
                i += n;
            }
        return out;
    }
    std::string text() const
    {
        std::string out;
        for (const PrintedRun& run : runs)
            out += run.text;
        return out;
    }
};

class RecordingControls : public WindowControls {
public:
    std::map<std::string, bool> visible;
    std::map<Control, std::string> captions;
    std::map<Control, int> lefts;
    int background = -1;
    bool persistent = true;

    void setVisible(Control control, int index, bool on) override { visible[controlName(control, index)] = on; }
    bool isVisible(Control control, int index) const override
    {
        const auto it = visible.find(controlName(control, index));
        return it != visible.end() && it->second;
    }
    void setCaption(Control control, const std::string& caption) override { captions[control] = caption; }
    std::string caption(Control control) const override
    {
        const auto it = captions.find(control);
        return it == captions.end() ? std::string() : it->second;
    }
    void setLeft(Control control, int twips) override { lefts[control] = twips; }
    void setBackground(int picture) override { background = picture; }
    void setPersistentDrawing(bool on) override { persistent = on; }
};

} // namespace zoravina::fixtures
