#include "selection.h"

#include "grid.h"
#include "state.h"

#include <array>
#include <span>

namespace zoravina {

namespace {

constexpr int kCheckLimit = 1000;

int pick(Random& random, std::int16_t& threshold, int groupCount, std::span<const std::int8_t> row)
{
    if (groupCount <= 0)
        return 0;
    // Each column is a candidate at most once, and no table is wider than a position's groups.
    std::array<int, kGroupExtent> candidates;
    if (groupCount >= static_cast<int>(row.size()) || row.size() > candidates.size())
        throw IndexError("candidate group beyond the grade table's columns");
    if (threshold < 3) {
        const int draw = random.uniform(10);
        threshold = draw == 1 ? 1 : draw <= 4 ? 2 : 3;
    }
    random.reseed();
    int found = 0;
    int checks = 0;
    for (;;) {
        for (int g = 1; g <= groupCount; ++g) {
            if (row[static_cast<std::size_t>(g)] == threshold)
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
    const int leading[] = {row};
    return pick(random, threshold, groupCount, table.row(leading));
}

int pickFitting3(Random& random, std::int16_t& threshold, int groupCount, const GradeTable& table, int first,
                 int second)
{
    const int leading[] = {first, second};
    return pick(random, threshold, groupCount, table.row(leading));
}

} // namespace zoravina
