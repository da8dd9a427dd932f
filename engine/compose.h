#pragma once

#include "engine.h"

namespace zoravina {

// Composes positions poem.firstPosition..poem.lastPosition of both the bright
// and the dark poem. Index errors from the content propagate to the caller;
// positions composed before the error keep their new verses.
void composePoem(Engine& engine);

} // namespace zoravina
