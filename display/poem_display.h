#pragma once

#include "controls.h"
#include "display_settings.h"
#include "engine.h"
#include "surface.h"

namespace zoravina {

// The six punctuations of the title, one drawn at random for each display.
inline constexpr std::array<std::string_view, 6> kTitleVariants{
    "Zoravina je, Orn je Zoravina", "    Orn je, Zoravina je Orn  ", "     Orn je Zoravina je Orn  ",
    "Zoravina je Orn je Zoravina",  "    Orn je Zoravina, je Orn  ", "Zoravina je Orn, je Zoravina",
};

// Draws the current poem: lines, stanza gaps, the larger title stanza,
// alignment and title. A combination poem with an empty half-line is
// composed anew from that line first (index errors from that propagate).
// Returns the title variant drawn, 1..6.
int showPoem(Engine& engine, DisplaySettings& settings, Surface& surface, WindowControls& controls);

} // namespace zoravina
