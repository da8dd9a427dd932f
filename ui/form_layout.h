#pragma once
// Creates the window's controls, named and placed as the screens expect them.

namespace zoravina {

class PoemCanvas;

void buildControls(PoemCanvas& canvas);

} // namespace zoravina
