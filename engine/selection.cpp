#include "selection.h"

#include <array>

namespace zoravina {

namespace {

constexpr int kCheckLimit = 1000;

template <class Entry>
int pick(Random& random, std::int16_t& threshold, int groupCount, Entry&& entry)
{
    if (groupCount <= 0)
        return 0;
    if (threshold < 3) {
        const int draw = random.uniform(10);
        threshold = draw == 1 ? 1 : draw <= 4 ? 2 : 3;
    }
    random.reseed();
    std::array<int, 1024> candidates{};
    int found = 0;
    int checks = 0;
    for (;;) {
        for (int g = 1; g <= groupCount; ++g) {
            if (entry(g) == threshold && found < static_cast<int>(candidates.size()))
                candidates[found++] = g;
            ++checks;
        }
        if (found == 0 && ++threshold == 4)
            threshold = 0;
        if (checks > kCheckLimit)
            return 0;
        if (found > 0)
            return candidates[static_cast<std::size_t>(random.uniform(found) - 1)];
    }
}

} // namespace

int pickFitting(Random& random, std::int16_t& threshold, int groupCount, const GradeTable& table, int row)
{
    return pick(random, threshold, groupCount, [&](int g) { return table.at(row, g); });
}

int pickFitting3(Random& random, std::int16_t& threshold, int groupCount, const GradeTable& table, int first,
                 int second)
{
    return pick(random, threshold, groupCount, [&](int g) { return table.at(first, second, g); });
}

} // namespace zoravina
