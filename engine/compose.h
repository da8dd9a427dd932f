#pragma once

#include "engine.h"

namespace zoravina {

// Composes positions poem.firstPosition..poem.lastPosition of both the bright
// and the dark poem. Index errors from the content propagate to the caller;
// positions composed before the error keep their new verses.
struct ComposeStats {
    int rejectedLines = 0;   // combination lines drawn again for their length
    int widenings = 0;       // times the length limit had to grow
};
void composePoem(Engine& engine, ComposeStats* stats = nullptr);

} // namespace zoravina
