#pragma once

#include "controls.h"
#include "display_settings.h"
#include "surface.h"

namespace zoravina {

inline constexpr std::int16_t kExamplePage = 2;

// Prints displayLines 1..lastPosition as a page of the page dialect.
void showPage(DisplaySettings& settings, int lastPosition, Surface& surface, WindowControls& controls);

} // namespace zoravina
