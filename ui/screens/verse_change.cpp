// The reader changes a line: recomposed from that line, picked from the list
// of fitting verses, or taken from the reader's own verses.

#include "form.h"

#include "compose.h"
#include "guard.h"
#include "loaders.h"
#include "poem_display.h"

namespace zoravina {

namespace {

constexpr int kLinesPerColumn = 23;
constexpr int kEnter = 13;
constexpr int kEveryGroup = 4;   // a grade above any grade: the group is listed and preselected
constexpr int kBestGrade = 3;
const std::string kSeparator(58, '-');

int listThresholdFor(Selectivity selectivity)
{
    switch (selectivity) {
    case Selectivity::Highest: return 3;
    case Selectivity::Medium: return 1;
    case Selectivity::Lowest: return 0;
    }
    return 0;
}

} // namespace

void Form::lineClicked(int line)
{
    PoemState& poem = engine_.poem;
    if (poem.correctionMode == CorrectionMode::Manual)
        controls_.show(Control::Label3);
    poem.clickedLine = static_cast<std::int16_t>(line);
    poem.firstPosition = poem.clickedLine;
    poem.brightFromPosition = poem.clickedLine;
    poem.currentPosition = static_cast<std::int16_t>(line > kLinesPerColumn ? line - kLinesPerColumn : line);
    controls_.clearItems(Control::combo1);
    showVerseChoices();
}

// The grade that decides whether group g is listed for the line, by the
// poem kind and the side being changed.
int Form::listGrade(int p, Side side, int g)
{
    const PoemState& poem = engine_.poem;
    const GradeTables& t = engine_.grades;
    auto bright = [&](int q) { return poem.chosenBrightGroup(q); };
    auto dark = [&](int q) { return poem.chosenDarkGroup(q); };
    const bool combination = poem.poemKind == PoemKind::Combination;
    if (!combination && side == Side::Bright) {
        switch (p) {
        case 1:
        case 2: return kEveryGroup;
        case 3: return t[TableId::fitBB3].at(bright(1), bright(2), g);
        case 4: return t[TableId::fitBB4].at(bright(3), g);
        default: return t[TableId::fitBB].at(p, bright(p - 1), g);
        }
    }
    if (!combination) {
        switch (p) {
        case 1: return kEveryGroup;
        case 2: return t[TableId::fitDD2].at(dark(1), g);
        case 3: return t[TableId::fitDD3].at(dark(1), dark(2), g);
        case 4: return t[TableId::fitDD4].at(dark(3), g);
        default: return t[TableId::fitDD].at(p, dark(p - 1), g);
        }
    }
    if (side == Side::Bright) {
        switch (p) {
        case 1: return kEveryGroup;
        case 2: return t[TableId::fitDB2].at(dark(1), g);
        case 3: return t[TableId::fitDB3].at(dark(2), g);
        case 4: return t[TableId::fitDB4].at(dark(3), g);
        default: return t[TableId::fitDB].at(p, dark(p - 1), g);
        }
    }
    switch (p) {
    case 1: return t[TableId::fitBD1].at(bright(1), g);
    case 2: return t[TableId::fitBD2].at(bright(2), g);
    case 3: return t[TableId::fitBD3].at(bright(3), g);
    case 4: return t[TableId::fitBD4].at(bright(3), g);
    default: return t[TableId::fitBD].at(p, bright(p), g);
    }
}

void Form::showVerseChoices()
{
    PoemState& poem = engine_.poem;
    poem.listThreshold = static_cast<std::int16_t>(listThresholdFor(poem.selectivity));
    const bool combination = poem.poemKind == PoemKind::Combination;
    const bool secondColumn = poem.firstPosition > kLinesPerColumn;
    if (secondColumn) {
        poem.firstPosition = static_cast<std::int16_t>(poem.firstPosition - kLinesPerColumn);
        // In a combination poem the second column is the dark half: the bright verse beside it stays.
        poem.brightFromPosition = static_cast<std::int16_t>(poem.firstPosition + (combination ? 1 : 0));
    }

    if (poem.correctionMode == CorrectionMode::Automatic) {
        Guard guard(surface_);
        guard.step([&] { composePoem(engine_); });
        guard.drawing([&] { showPoem(engine_, display_, surface_, controls_); });
        return;
    }
    if (poem.correctionMode != CorrectionMode::Manual)
        return;

    Guard guard(surface_);
    guard.step([&] {
        controls_.show(Control::Command5);
        loadVerseBlock(engine_);
        controls_.show(Control::combo1);
        const Side side = combination ? (secondColumn ? Side::Dark : Side::Bright)
                                      : (poem.poemKind == PoemKind::Dark ? Side::Dark : Side::Bright);
        listedGroups_.clear();
        const int p = poem.firstPosition;
        const VerseStore& store = engine_.store;
        int count = 0;
        for (int g = 1; g <= store.groupCount(side)(p); ++g) {
            const int grade = listGrade(p, side, g);
            if (grade < poem.listThreshold)
                continue;
            for (int v = 1; v <= store.variantCount(side)(p, g); ++v) {
                controls_.addItem(Control::combo1, std::string(store.verses(side)(p, g, v)));
                ++count;
                if (grade >= kBestGrade)
                    controls_.setItemSelected(Control::combo1, controls_.itemCount(Control::combo1) - 1, true);
            }
            controls_.addItem(Control::combo1, kSeparator);
            listedGroups_.push_back(g);
        }
        controls_.setCaption(Control::Label3, "Stevilo moznih verzov je: " + std::to_string(count));
        const bool large = display_.resolution == Resolution::Large;
        controls_.setTop(Control::combo1, kNoIndex, p > 11 ? (large ? 1000 : 300) : (large ? 6500 : 5000));
    });
}

void Form::verseListDoubleClicked()
{
    controls_.hide(Control::combo1);
    controls_.hide(Control::Combo2);
    controls_.hide(Control::Command5);
    applyVerseChoice();
}

// Typed characters close the list; Enter also applies the verse chosen.
void Form::verseListKey(int characterCode)
{
    controls_.hide(Control::combo1);
    controls_.hide(Control::Combo2);
    if (characterCode == kEnter)
        applyVerseChoice();
}

void Form::applyVerseChoice()
{
    PoemState& poem = engine_.poem;
    if (poem.poemKind != PoemKind::Combination && poem.firstPosition > kLinesPerColumn)
        poem.firstPosition = static_cast<std::int16_t>(poem.firstPosition - kLinesPerColumn);
    // The first selected verse; separators stand between groups and are never a verse.
    int group = 0;
    int variant = 0;
    std::string text;
    int block = 0;
    int place = 0;
    for (int row = 0; row < controls_.itemCount(Control::combo1); ++row) {
        const bool separator = controls_.item(Control::combo1, row) == kSeparator;
        if (separator) {
            ++block;
            place = 0;
            continue;
        }
        ++place;
        if (controls_.isItemSelected(Control::combo1, row) && block < static_cast<int>(listedGroups_.size())) {
            group = listedGroups_[static_cast<std::size_t>(block)];
            variant = place;
            text = controls_.item(Control::combo1, row);
            break;
        }
    }
    if (group == 0)
        return;

    const int p = poem.firstPosition;
    Side side = Side::Bright;
    switch (poem.poemKind) {
    case PoemKind::Bright: side = Side::Bright; break;
    case PoemKind::Dark: side = Side::Dark; break;
    case PoemKind::Combination: side = poem.brightFromPosition > p ? Side::Dark : Side::Bright; break;
    }
    Guard guard(surface_);
    guard.step([&] {
        poem.lines(side)(p) = text;
        poem.chosenGroup(side)(p) = static_cast<std::int16_t>(group);
        poem.recordGroup(side)(1, p) = static_cast<std::int16_t>(group);
        poem.recordVariant(side)(1, p) = static_cast<std::int16_t>(variant);
    });
    guard.drawing([&] { showPoem(engine_, display_, surface_, controls_); });
}

void Form::ownVerseClicked()
{
    controls_.hide(Control::combo1);
    controls_.hide(Control::Combo2);
    controls_.hide(Control::Command5);
    const int row = controls_.state(Control::Combo2).currentItem;
    if (row < 0 || row >= controls_.itemCount(Control::Combo2))
        return;
    PoemState& poem = engine_.poem;
    const Side side = poem.clickedLine < kLinesPerColumn + 1 ? Side::Bright : Side::Dark;
    Guard guard(surface_);
    guard.step([&] { poem.lines(side)(poem.firstPosition) = controls_.item(Control::Combo2, row); });
    guard.drawing([&] { showPoem(engine_, display_, surface_, controls_); });
}

} // namespace zoravina
