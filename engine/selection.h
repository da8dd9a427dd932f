#pragma once
// Choosing a group whose grade equals a threshold digit. The threshold is the
// caller's and is shared across the calls of one composition: that is how
// the selectivity setting acts and how the search relaxes when nothing fits.

#include "grades.h"
#include "grid.h"
#include "random.h"

#include <cstdint>

namespace zoravina {

// Returns a group 1..groupCount whose entry table[row][g] equals the
// threshold, or 0 when none is found within the check limit (or there are
// no groups at all).
int pickFitting(Random& random, std::int16_t& threshold, int groupCount, const GradeTable& table, int row);
int pickFitting3(Random& random, std::int16_t& threshold, int groupCount, const GradeTable& table, int first,
                 int second);

} // namespace zoravina
