#include "markup.h"

#include "text.h"

#include <array>

namespace zoravina {

namespace {

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kVerseGreen = rgb(0, 128, 0);
constexpr Colour kPurple = rgb(192, 0, 192);
constexpr Colour kOrange = rgb(220, 137, 46);

enum class CodeColour { Fixed, AccentA, AccentB, AccentC, RedLetter };

struct CodeRule {
    CodeColour kind;
    Colour fixed;
};

// Verse codes "3".."9" and page codes "1".."9", indexed by digit.
constexpr std::array<CodeRule, 10> kVerseCodes{{
    {}, {}, {},
    {CodeColour::Fixed, kVerseGreen},
    {CodeColour::RedLetter, 0},
    {CodeColour::AccentA, 0},
    {CodeColour::AccentC, 0},
    {CodeColour::Fixed, kPurple},
    {CodeColour::Fixed, kOrange},
    {CodeColour::AccentB, 0},
}};

constexpr std::array<CodeRule, 10> kPageCodes{{
    {},
    {CodeColour::Fixed, rgb(255, 128, 0)},
    {CodeColour::Fixed, rgb(192, 192, 192)},
    {CodeColour::Fixed, rgb(204, 154, 255)},
    {CodeColour::RedLetter, 0},
    {CodeColour::AccentA, 0},
    {CodeColour::AccentC, 0},
    {CodeColour::Fixed, rgb(255, 255, 255)},
    {CodeColour::Fixed, kOrange},
    {CodeColour::AccentB, 0},
}};

// Page texts write the digits they show with these stand-ins.
constexpr std::array<std::pair<char, char>, 11> kPageSubstitutes{{
    {'#', '1'}, {'$', '2'}, {'%', '3'}, {'&', '4'}, {'*', '5'}, {'+', '6'},
    {'y', '7'}, {'@', '8'}, {'/', '9'}, {'=', '0'}, {'Q', '@'},
}};

// Gathers the characters of one style into one print call and passes on
// only real style changes: a line prints as a few runs, not per character.
class LinePrinter {
public:
    explicit LinePrinter(Surface& surface) : surface_(surface) {}
    ~LinePrinter() { flush(); }

    void setColour(Colour colour)
    {
        if (colour_ != colour) {
            flush();
            surface_.setColour(colour);
            colour_ = colour;
        }
    }
    void setItalic(bool on)
    {
        if (italic_ != on) {
            flush();
            surface_.setItalic(on);
            italic_ = on;
        }
    }
    void setBold(bool on)
    {
        if (bold_ != on) {
            flush();
            surface_.setBold(on);
            bold_ = on;
        }
    }
    void print(std::string_view text) { pending_ += text; }

private:
    void flush()
    {
        if (!pending_.empty())
            surface_.print(pending_);
        pending_.clear();
    }

    Surface& surface_;
    std::string pending_;
    std::optional<Colour> colour_;
    std::optional<bool> italic_;
    std::optional<bool> bold_;
};

void applyCode(const CodeRule& rule, const MarkupSettings& settings, StylePass& pass, LinePrinter& surface)
{
    if (settings.colourMode == ColourMode::Two) {
        surface.setColour(settings.textColour);
        return;
    }
    Colour colour = rule.fixed;
    switch (rule.kind) {
    case CodeColour::RedLetter:
        surface.setColour(kRed);
        pass.redLetterCountdown = 2;
        return;
    case CodeColour::AccentA: colour = pass.accents.a; break;
    case CodeColour::AccentB: colour = pass.accents.b; break;
    case CodeColour::AccentC: colour = pass.accents.c; break;
    case CodeColour::Fixed: break;
    }
    surface.setColour(colour);
    pass.currentColour = colour;
}

void countDownRedLetter(const MarkupSettings& settings, StylePass& pass, LinePrinter& surface)
{
    --pass.redLetterCountdown;
    if (pass.redLetterCountdown == 0 && settings.colourMode == ColourMode::Multi)
        surface.setColour(pass.currentColour);
}

} // namespace

AccentColours accentColours(int background)
{
    if (background == kGeometryBackground)
        return {rgb(192, 0, 192), rgb(199, 199, 199), rgb(198, 199, 199)};
    return {rgb(0, 255, 0), rgb(0, 255, 255), rgb(255, 255, 0)};
}

std::string twoColourFilter(std::string_view line, std::optional<char>& lastCode)
{
    std::string result;
    result.reserve(line.size());
    for (char c : line) {
        if (c >= '3' && c <= '9')
            lastCode = c;
        else if ((c == ',' || c == '.' || c == ':' || c == ';') && lastCode == '6')
            continue;
        result.push_back(c);
    }
    return result;
}

std::string codeDigits(std::string_view line)
{
    std::string digits;
    for (char c : line)
        if (c >= '3' && c <= '9')
            digits.push_back(c);
    return digits;
}

std::string withoutVerseCodes(std::string_view line)
{
    std::string out;
    for (char c : line)
        if (c < '3' || c > '9')
            out.push_back(c);
    return out;
}

void beginLine(Surface& surface, const MarkupSettings& settings, StylePass& pass)
{
    surface.setColour(settings.initialColour);
    pass.redLetterCountdown = -1;
}

void printVerseLine(std::string_view line, const MarkupSettings& settings, StylePass& pass, Surface& target)
{
    LinePrinter surface(target);
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t length = utf8Length(static_cast<unsigned char>(line[i]));
        const std::string_view character = line.substr(i, length);
        i += length;
        countDownRedLetter(settings, pass, surface);
        const char c = character[0];
        if (c >= '3' && c <= '9') {
            if (c == '9' && settings.colourMode == ColourMode::Multi && settings.background == kGeometryBackground)
                surface.setItalic(true);
            applyCode(kVerseCodes[static_cast<std::size_t>(c - '0')], settings, pass, surface);
            continue;
        }
        if (pass.currentColour != pass.accents.b)
            surface.setItalic(false);
        surface.print(character);
    }
}

void printPageLine(std::string_view line, const MarkupSettings& settings, StylePass& pass, Surface& target)
{
    LinePrinter surface(target);
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t length = utf8Length(static_cast<unsigned char>(line[i]));
        std::string_view character = line.substr(i, length);
        i += length;
        countDownRedLetter(settings, pass, surface);
        const char c = character[0];
        if (c >= '1' && c <= '9') {
            surface.setItalic(c == '1' || (c == '9' && settings.colourMode == ColourMode::Multi &&
                                           settings.background == kGeometryBackground));
            surface.setBold(true);
            applyCode(kPageCodes[static_cast<std::size_t>(c - '0')], settings, pass, surface);
            continue;
        }
        for (const auto& [written, printed] : kPageSubstitutes) {
            if (c == written) {
                character = std::string_view(&printed, 1);
                break;
            }
        }
        surface.print(character);
    }
}

} // namespace zoravina
