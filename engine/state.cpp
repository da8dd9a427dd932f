#include "state.h"

namespace zoravina {

void VerseStore::setVerse(Side side, int position, int group, int variant, std::string_view text)
{
    std::string_view& cell = verses(side)(position, group, variant);
    filled_(position) += static_cast<std::int16_t>((text.empty() ? 0 : 1) - (cell.empty() ? 0 : 1));
    cell = text;
}

void VerseStore::clearPosition(int position)
{
    const VerseStore& self = *this;
    if (self.filled_(position) == 0)
        return;
    // The counts in force decide what is cleared: a text beyond them stays.
    int cleared = 0;
    for (Side side : {Side::Dark, Side::Bright}) {
        const int groups = self.groupCount(side)(position);
        for (int g = 1; g <= groups; ++g) {
            const int variants = self.variantCount(side)(position, g);
            if (variants <= 0)
                continue;
            std::span<std::string_view> run = verses(side).lastDimension(position, g);
            if (variants >= static_cast<int>(run.size()))
                throw IndexError("variant count beyond the store");
            for (int v = 1; v <= variants; ++v) {
                cleared += run[v].empty() ? 0 : 1;
                run[v] = {};
            }
        }
    }
    filled_(position) = static_cast<std::int16_t>(self.filled_(position) - cleared);
}

void VerseStore::setGroupVerses(Side side, int position, int group, std::span<const std::string_view> texts)
{
    std::span<std::string_view> run = verses(side).lastDimension(position, group);
    if (texts.size() >= run.size())
        throw IndexError("more variants than the store holds");
    int change = 0;
    for (std::size_t v = 0; v < texts.size(); ++v) {
        change += (texts[v].empty() ? 0 : 1) - (run[v + 1].empty() ? 0 : 1);
        run[v + 1] = texts[v];
    }
    filled_(position) = static_cast<std::int16_t>(filled_(position) + change);
}

std::uint64_t VerseStore::revision() const
{
    return brightVerses.revision() + darkVerses.revision() + brightGroupCount.revision() + darkGroupCount.revision() +
           brightVariantCount.revision() + darkVariantCount.revision() + filled_.revision();
}

} // namespace zoravina
