#pragma once
// Poem codes: every verse of a poem named by two-digit group and variant
// numbers, then a kind letter and a background digit.

#include "engine.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoravina {

struct PoemCode {
    PoemKind kind = PoemKind::Bright;
    int background = 0;
    // Per position 1..23: bright group, bright variant, dark group, dark variant.
    std::array<std::array<int, 4>, kPositionExtent> numbers{};
};

char kindLetter(PoemKind kind);
std::string encodePoemCode(const PoemState& poem, int slot, PoemKind kind, int background);
// Accepts a code with or without the blank before the background digit and a
// trailing line break; anything else malformed gives nothing.
std::optional<PoemCode> decodePoemCode(std::string_view text);

// Writes the code into record `slot` and fills the lines of the code's sides
// from the verse store, loading the blocks position by position.
void rebuildPoem(Engine& engine, const PoemCode& code, int slot);

} // namespace zoravina
