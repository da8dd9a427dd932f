#include "poem_code.h"

#include "loaders.h"

namespace zoravina {

namespace {

bool hasBright(PoemKind kind) { return kind == PoemKind::Bright || kind == PoemKind::Combination; }
bool hasDark(PoemKind kind) { return kind == PoemKind::Dark || kind == PoemKind::Combination; }

void appendTwoDigits(std::string& out, int number)
{
    out.push_back(static_cast<char>('0' + (number / 10) % 10));
    out.push_back(static_cast<char>('0' + number % 10));
}

} // namespace

char kindLetter(PoemKind kind)
{
    switch (kind) {
    case PoemKind::Bright: return 'L';
    case PoemKind::Dark: return 'D';
    case PoemKind::Combination: return 'S';
    }
    return '?';
}

std::string encodePoemCode(const PoemState& poem, int slot, PoemKind kind, int background)
{
    std::string code;
    for (int p = 1; p <= kLastPosition; ++p) {
        if (hasBright(kind)) {
            appendTwoDigits(code, poem.poemBrightGroup(slot, p));
            appendTwoDigits(code, poem.poemBrightVariant(slot, p));
        }
        if (hasDark(kind)) {
            appendTwoDigits(code, poem.poemDarkGroup(slot, p));
            appendTwoDigits(code, poem.poemDarkVariant(slot, p));
        }
    }
    code.push_back(kindLetter(kind));
    code.push_back(static_cast<char>('0' + background));
    return code;
}

std::optional<PoemCode> decodePoemCode(std::string_view text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (text.size() < 2)
        return std::nullopt;
    PoemCode code;
    const char digit = text.back();
    if (digit < '0' || digit > '4')
        return std::nullopt;
    code.background = digit - '0';
    text.remove_suffix(1);
    if (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    switch (text.back()) {
    case 'L': code.kind = PoemKind::Bright; break;
    case 'D': code.kind = PoemKind::Dark; break;
    case 'S': code.kind = PoemKind::Combination; break;
    default: return std::nullopt;
    }
    text.remove_suffix(1);
    const std::size_t perPosition = code.kind == PoemKind::Combination ? 8 : 4;
    if (text.size() != perPosition * kLastPosition || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    for (int p = 1; p <= kLastPosition; ++p) {
        const std::string_view part = text.substr((p - 1) * perPosition, perPosition);
        std::array<int, 4> numbers{};
        for (std::size_t k = 0; k < perPosition / 2; ++k)
            numbers[k] = (part[2 * k] - '0') * 10 + (part[2 * k + 1] - '0');
        code.numbers[p] = code.kind == PoemKind::Dark ? std::array<int, 4>{0, 0, numbers[0], numbers[1]} : numbers;
    }
    return code;
}

void rebuildPoem(Engine& engine, const PoemCode& code, int slot)
{
    PoemState& poem = engine.poem;
    for (int p = 1; p <= kLastPosition; ++p) {
        const auto& [brightGroup, brightVariant, darkGroup, darkVariant] = code.numbers[p];
        poem.poemBrightGroup(slot, p) = static_cast<std::int16_t>(brightGroup);
        poem.poemBrightVariant(slot, p) = static_cast<std::int16_t>(brightVariant);
        poem.poemDarkGroup(slot, p) = static_cast<std::int16_t>(darkGroup);
        poem.poemDarkVariant(slot, p) = static_cast<std::int16_t>(darkVariant);
    }
    for (int p = 1; p <= kLastPosition; ++p) {
        poem.currentPosition = static_cast<std::int16_t>(p);
        loadVerseBlock(engine);
        const auto& [brightGroup, brightVariant, darkGroup, darkVariant] = code.numbers[p];
        if (hasBright(code.kind))
            poem.brightLines(p) = std::string(engine.store.brightVerses(p, brightGroup, brightVariant));
        if (hasDark(code.kind))
            poem.darkLines(p) = std::string(engine.store.darkVerses(p, darkGroup, darkVariant));
    }
}

} // namespace zoravina
