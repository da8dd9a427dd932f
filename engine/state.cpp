#include "state.h"

namespace zoravina {

void VerseStore::setVerse(Side side, int position, int group, int variant, std::string_view text)
{
    std::string_view& cell = verses(side)(position, group, variant);
    filled_(position) += static_cast<std::int16_t>((text.empty() ? 0 : 1) - (cell.empty() ? 0 : 1));
    cell = text;
}

void VerseStore::setOwnedVerse(Side side, int position, int group, int variant, std::string text)
{
    setVerse(side, position, group, variant, ownedTexts_.emplace_back(std::move(text)));
}

void VerseStore::clearPosition(int position)
{
    if (filled_(position) == 0)
        return;
    // The counts in force decide what is cleared: a text beyond them stays.
    for (Side side : {Side::Dark, Side::Bright}) {
        const int groups = groupCount(side)(position);
        for (int g = 1; g <= groups; ++g) {
            const int variants = variantCount(side)(position, g);
            for (int v = 1; v <= variants; ++v)
                setVerse(side, position, g, v, {});
        }
    }
}

std::size_t characterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

} // namespace zoravina
