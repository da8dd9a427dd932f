#pragma once
// The verse store, the poem state and the settings that steer composition.

#include "grid.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zoravina {

inline constexpr int kPositionExtent = 26;   // positions 0..25, the poem uses 1..23
inline constexpr int kGroupExtent = 41;      // groups 0..40
inline constexpr int kVariantExtent = 22;    // variants 0..21
inline constexpr int kSlotExtent = 109;      // poem record slots 0..108
inline constexpr int kLastPosition = 23;

enum class Side { Bright, Dark };

// Option indexes as the settings screen stores them; any other value is
// possible (and means "compose nothing" for the selectivity).
enum class PoemKind : std::int16_t { Bright = 1, Dark = 2, Combination = 3 };
enum class Selectivity : std::int16_t { Highest = 1, Medium = 2, Lowest = 3 };
enum class CorrectionMode : std::int16_t { Manual = 1, Automatic = 2 };

using PositionArray16 = Grid<std::int16_t, kPositionExtent>;
using GroupArray16 = Grid<std::int16_t, kPositionExtent, kGroupExtent>;
using RecordArray = Grid<std::int16_t, kSlotExtent, kPositionExtent>;

// Verse texts are views into the parsed corpus, which lives for the whole
// run; a block load then writes views instead of copying strings.
class VerseStore {
public:
    using Texts = Grid<std::string_view, kPositionExtent, kGroupExtent, kVariantExtent>;

    Texts brightVerses;
    Texts darkVerses;
    PositionArray16 brightGroupCount;
    PositionArray16 darkGroupCount;
    GroupArray16 brightVariantCount;
    GroupArray16 darkVariantCount;

    Texts& verses(Side side) { return side == Side::Bright ? brightVerses : darkVerses; }
    const Texts& verses(Side side) const { return side == Side::Bright ? brightVerses : darkVerses; }
    PositionArray16& groupCount(Side side) { return side == Side::Bright ? brightGroupCount : darkGroupCount; }
    const PositionArray16& groupCount(Side side) const { return side == Side::Bright ? brightGroupCount : darkGroupCount; }
    GroupArray16& variantCount(Side side) { return side == Side::Bright ? brightVariantCount : darkVariantCount; }
    const GroupArray16& variantCount(Side side) const { return side == Side::Bright ? brightVariantCount : darkVariantCount; }

    // Writes a text and keeps count of the non-empty texts per position, so
    // that clearing a position that holds none costs nothing.
    void setVerse(Side side, int position, int group, int variant, std::string_view text);
    void clearPosition(int position);
    // Writes a group's texts as variants 1..n; throws IndexError beyond the extents.
    void setGroupVerses(Side side, int position, int group, std::span<const std::string_view> texts);
    // Changes with every write to the store (and with mutable reads).
    std::uint64_t revision() const;

private:
    PositionArray16 filled_;
};

struct PoemState {
    Grid<std::string, kPositionExtent> brightLines;
    Grid<std::string, kPositionExtent> darkLines;
    PositionArray16 chosenBrightGroup;
    PositionArray16 chosenDarkGroup;
    RecordArray poemBrightGroup;
    RecordArray poemBrightVariant;
    RecordArray poemDarkGroup;
    RecordArray poemDarkVariant;
    std::int16_t currentBrightGroup = 0;
    std::int16_t currentDarkGroup = 0;

    std::int16_t firstPosition = 1;
    std::int16_t lastPosition = kLastPosition;
    std::int16_t brightFromPosition = 1;
    std::int16_t currentPosition = 0;
    std::int16_t clickedLine = 0;
    std::int16_t listThreshold = 0;

    PoemKind poemKind = PoemKind::Bright;
    Selectivity selectivity = Selectivity::Highest;
    CorrectionMode correctionMode = CorrectionMode::Automatic;

    Grid<std::string, kPositionExtent>& lines(Side side) { return side == Side::Bright ? brightLines : darkLines; }
    PositionArray16& chosenGroup(Side side) { return side == Side::Bright ? chosenBrightGroup : chosenDarkGroup; }
    RecordArray& recordGroup(Side side) { return side == Side::Bright ? poemBrightGroup : poemDarkGroup; }
    RecordArray& recordVariant(Side side) { return side == Side::Bright ? poemBrightVariant : poemDarkVariant; }
};

} // namespace zoravina
