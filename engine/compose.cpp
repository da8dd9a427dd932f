#include "compose.h"

#include "loaders.h"
#include "selection.h"
#include "text.h"

#include <cmath>

namespace zoravina {

namespace {

constexpr int kCombinedLengthLimit = 110;
constexpr int kRejectionsBeforeWidening = 100;
constexpr int kWidening = 10;
constexpr int kDarkVariantSplitPosition = 14;

struct Run {
    Engine& engine;
    std::int16_t threshold;
    int lengthLimit = kCombinedLengthLimit;
    int rejections = 0;
    int widenings = 0;

    const VerseStore& store() const { return engine.store; }
    PoemState& poem() { return engine.poem; }
    const GradeTable& table(TableId id) { return engine.grades[id]; }

    int fit(TableId id, int groupCount, int row)
    {
        return pickFitting(engine.random, threshold, groupCount, table(id), row);
    }
    int fit3(TableId id, int groupCount, int first, int second)
    {
        return pickFitting3(engine.random, threshold, groupCount, table(id), first, second);
    }

    bool isCombination() { return poem().poemKind == PoemKind::Combination; }

    // Bright group of `pos` by the table that serves the position and kind.
    int chooseBrightGroup(int pos)
    {
        PoemState& P = poem();
        const int count = store().brightGroupCount(pos);
        const bool combination = isCombination();
        switch (pos) {
        case 1: return engine.random.uniform(count);
        case 2: return combination ? fit(TableId::fitDB2, count, P.chosenDarkGroup(1))
                                   : fit(TableId::fitBB2, count, P.chosenBrightGroup(1));
        case 3: return combination ? fit(TableId::fitDB3, count, P.chosenDarkGroup(2))
                                   : fit3(TableId::fitBB3, count, P.chosenBrightGroup(1), P.chosenBrightGroup(2));
        case 4: return combination ? fit(TableId::fitDB4, count, P.chosenDarkGroup(3))
                                   : fit(TableId::fitBB4, count, P.chosenBrightGroup(3));
        case 13: return fit3(combination ? TableId::fitDB : TableId::fitBB, count, 13, P.chosenBrightGroup(11));
        case 14: return fit3(combination ? TableId::fitDB : TableId::fitBB, count, 14, P.chosenBrightGroup(13));
        default:
            return combination ? fit3(TableId::fitDB, count, pos, P.chosenDarkGroup(pos - 1))
                               : fit3(TableId::fitBB, count, pos, P.chosenBrightGroup(pos - 1));
        }
    }

    // Dark group of `pos`; `bright` is the bright group just settled for it.
    int chooseDarkGroup(int pos, int bright)
    {
        PoemState& P = poem();
        const int count = store().darkGroupCount(pos);
        if (pos == 13)
            return 1;
        if (isCombination()) {
            switch (pos) {
            // Graded against the bright group standing beside it in this
            // poem, not the one a previous poem left at position 1.
            case 1: return fit(TableId::fitBD1, count, bright);
            case 2: return fit(TableId::fitBD2, count, bright);
            case 3: return bright;
            case 4: return fit(TableId::fitBD4, count, P.chosenBrightGroup(3));
            default: return fit3(TableId::fitBD, count, pos, bright);
            }
        }
        switch (pos) {
        case 1: return engine.random.uniform(count);
        case 2: return fit(TableId::fitDD2, count, P.chosenDarkGroup(1));
        case 3: return fit3(TableId::fitDD3, count, P.chosenDarkGroup(1), P.chosenDarkGroup(2));
        case 4: return fit(TableId::fitDD4, count, P.chosenDarkGroup(3));
        case 14: return fit3(TableId::fitDD, count, 14, P.chosenDarkGroup(10));
        default: return fit3(TableId::fitDD, count, pos, P.chosenDarkGroup(pos - 1));
        }
    }

    // Group 4 may not close the poem after group 1's first wording or group
    // 4's later wordings at line 22; group 5 closes it in their place.
    int applyClosingRule(int group)
    {
        PoemState& P = poem();
        const int before = P.chosenBrightGroup(22);
        if (group != 4 || (before != 1 && before != 4))
            return group;
        const int recordedGroup = P.poemBrightGroup(1, 22);
        const int recordedVariant = P.poemBrightVariant(1, 22);
        if (recordedGroup == 1 && recordedVariant == 1)
            return 5;
        if (recordedGroup == 4 && recordedVariant > 6)
            return 5;
        return group;
    }

    int drawDarkVariant(int pos, int group)
    {
        const int count = store().darkVariantCount(pos, group);
        if (pos != kDarkVariantSplitPosition)
            return engine.random.uniform(count);
        // Variants 1 and 2 are worded to stand beside a bright verse, the
        // rest to stand alone.
        const int alone = static_cast<int>(std::floor(engine.random.next() * (count - 2))) + 3;
        if (!isCombination())
            return alone;
        return static_cast<int>(std::floor(2 * engine.random.next())) + 1;
    }

    void write(Side side, int pos, int group, int variant)
    {
        PoemState& P = poem();
        P.lines(side)(pos) = std::string(store().verses(side)(pos, group, variant));
        P.chosenGroup(side)(pos) = static_cast<std::int16_t>(group);
        P.recordGroup(side)(1, pos) = static_cast<std::int16_t>(group);
        P.recordVariant(side)(1, pos) = static_cast<std::int16_t>(variant);
    }

    void composeWithTables(int pos)
    {
        PoemState& P = poem();
        P.currentPosition = static_cast<std::int16_t>(pos);
        loadVerseBlock(engine);
        const bool renewBright = pos >= P.brightFromPosition;
        if (pos == 1) {
            P.currentBrightGroup = renewBright ? static_cast<std::int16_t>(chooseBrightGroup(1)) : P.chosenBrightGroup(1);
        } else {
            int group = chooseBrightGroup(pos);
            if (pos == kLastPosition && !isCombination())
                group = applyClosingRule(group);
            P.currentBrightGroup = renewBright ? static_cast<std::int16_t>(group) : P.chosenBrightGroup(pos);
        }
        P.currentDarkGroup = static_cast<std::int16_t>(chooseDarkGroup(pos, P.currentBrightGroup));
        if (renewBright)
            write(Side::Bright, pos, P.currentBrightGroup,
                  engine.random.uniform(store().brightVariantCount(pos, P.currentBrightGroup)));
        write(Side::Dark, pos, P.currentDarkGroup, drawDarkVariant(pos, P.currentDarkGroup));
    }

    void composeAtRandom(int pos)
    {
        loadBlockForPosition(engine, pos);
        if (pos >= poem().brightFromPosition) {
            const int group = engine.random.uniform(store().brightGroupCount(pos));
            write(Side::Bright, pos, group, engine.random.uniform(store().brightVariantCount(pos, group)));
        }
        const int group = engine.random.uniform(store().darkGroupCount(pos));
        write(Side::Dark, pos, group, engine.random.uniform(store().darkVariantCount(pos, group)));
    }

    bool lineTooLong(int pos)
    {
        if (!isCombination())
            return false;
        const std::size_t length = characterCount(poem().brightLines(pos)) + characterCount(poem().darkLines(pos));
        if (length <= static_cast<std::size_t>(lengthLimit))
            return false;
        if (++rejections > kRejectionsBeforeWidening) {
            lengthLimit += kWidening;
            ++widenings;
        }
        return true;
    }
};

} // namespace

void composePoem(Engine& engine, ComposeStats* stats)
{
    PoemState& P = engine.poem;
    const Selectivity selectivity = P.selectivity;
    const bool withTables = selectivity == Selectivity::Highest || selectivity == Selectivity::Medium;
    if (!withTables && selectivity != Selectivity::Lowest)
        return;
    engine.random.reseed();
    Run run{engine, static_cast<std::int16_t>(4 - static_cast<int>(selectivity))};
    for (int pos = P.firstPosition; pos <= P.lastPosition; ++pos) {
        do {
            if (withTables)
                run.composeWithTables(pos);
            else
                run.composeAtRandom(pos);
        } while (run.lineTooLong(pos));
    }
    if (stats)
        *stats = {run.rejections, run.widenings};
}

} // namespace zoravina
