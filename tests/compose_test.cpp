#include "compose.h"
#include "loaders.h"
#include "test_corpus.h"

#include <gtest/gtest.h>

#include <set>

using namespace zoravina;
using namespace zoravina::fixtures;

namespace {

void composeFromStart(Engine& engine, PoemKind kind, Selectivity selectivity)
{
    engine.poem.poemKind = kind;
    engine.poem.selectivity = selectivity;
    engine.poem.firstPosition = 1;
    engine.poem.brightFromPosition = 1;
    composePoem(engine);
}

// Grades that allow exactly one successor: group g is followed by g % n + 1.
std::string chainRow(int row, int columns)
{
    std::string digits(static_cast<std::size_t>(columns), '0');
    digits[static_cast<std::size_t>(row % columns)] = '3';
    return digits;
}

Files chainedFiles(int groups)
{
    Files files = syntheticFiles();
    for (int block = 2; block <= 6; ++block) {
        std::string rows;
        for (int p = kBlockPositions[block][0] + 1; p <= kBlockPositions[block][1]; ++p)
            for (const char* table : {"fitBB", "fitDD", "fitDB", "fitBD"})
                for (int r = 1; r <= groups; ++r)
                    rows += std::string(table) + " " + std::to_string(p) + " " + std::to_string(r) + " " + chainRow(r, groups) + "\n";
        files["grades-" + std::to_string(block) + ".txt"] = rows;
    }
    return files;
}

} // namespace

TEST(ComposePoem, TheSameSeedComposesTheSamePoem)
{
    const Files files = syntheticFiles();
    Engine first = engineOf(files, 99);
    Engine second = engineOf(files, 99);
    for (PoemKind kind : {PoemKind::Bright, PoemKind::Dark, PoemKind::Combination}) {
        composeFromStart(first, kind, Selectivity::Medium);
        composeFromStart(second, kind, Selectivity::Medium);
        for (int p = 1; p <= 23; ++p) {
            EXPECT_EQ(first.poem.brightLines(p), second.poem.brightLines(p));
            EXPECT_EQ(first.poem.darkLines(p), second.poem.darkLines(p));
        }
    }
}

TEST(ComposePoem, EveryPositionGetsAVerseOfItsRecordedGroupAndVariant)
{
    Engine engine = engineOf(syntheticFiles(), 5);
    for (Selectivity selectivity : {Selectivity::Highest, Selectivity::Medium, Selectivity::Lowest}) {
        composeFromStart(engine, PoemKind::Bright, selectivity);
        for (int p = 1; p <= 23; ++p) {
            const int block = blockOfPosition(p);
            EXPECT_EQ(engine.poem.brightLines(p),
                      tag('b', block, p, engine.poem.poemBrightGroup(1, p), engine.poem.poemBrightVariant(1, p)));
            EXPECT_EQ(engine.poem.chosenBrightGroup(p), engine.poem.poemBrightGroup(1, p));
            EXPECT_EQ(engine.poem.darkLines(p),
                      tag('d', block, p, engine.poem.poemDarkGroup(1, p), engine.poem.poemDarkVariant(1, p)));
        }
        EXPECT_EQ(engine.store.brightVerses(5, 1, 1), "") << "only the last block stays present";
    }
}

TEST(ComposePoem, HighestSelectivityFollowsTheGradesAndTheirSpecialRows)
{
    Engine engine = engineOf(chainedFiles(3), 11);
    for (int run = 0; run < 20; ++run) {
        composeFromStart(engine, PoemKind::Bright, Selectivity::Highest);
        const auto& P = engine.poem;
        auto next = [](int g) { return g % 3 + 1; };
        for (int p = 5; p <= 22; ++p) {
            if (p == 13) {
                EXPECT_EQ(P.chosenBrightGroup(13), next(P.chosenBrightGroup(11))) << "row of position 11";
                EXPECT_EQ(P.chosenDarkGroup(13), 1);
            } else if (p == 14) {
                EXPECT_EQ(P.chosenDarkGroup(14), next(P.chosenDarkGroup(10))) << "row of position 10";
                EXPECT_EQ(P.chosenBrightGroup(14), next(P.chosenBrightGroup(13)));
            } else {
                EXPECT_EQ(P.chosenBrightGroup(p), next(P.chosenBrightGroup(p - 1))) << p;
                EXPECT_EQ(P.chosenDarkGroup(p), next(P.chosenDarkGroup(p - 1))) << p;
            }
        }
    }
}

TEST(ComposePoem, CombinationGradesTheDarkVerseAgainstTheBrightOneBesideIt)
{
    Engine engine = engineOf(chainedFiles(3), 12);
    for (int run = 0; run < 20; ++run) {
        composeFromStart(engine, PoemKind::Combination, Selectivity::Highest);
        const auto& P = engine.poem;
        EXPECT_EQ(P.chosenDarkGroup(3), P.chosenBrightGroup(3));
        for (int p = 5; p <= 23; ++p) {
            if (p == 13)
                continue;
            EXPECT_EQ(P.chosenDarkGroup(p), P.chosenBrightGroup(p) % 3 + 1) << p;
            if (p != 14) {
                EXPECT_EQ(P.chosenBrightGroup(p), P.chosenDarkGroup(p - 1) % 3 + 1) << p;
            }
        }
    }
}

TEST(ComposePoem, DarkPositionFourteenDrawsItsVariantFromTheRangeOfTheKind)
{
    Engine engine = engineOf(syntheticFiles(), 21);
    std::set<int> alone, beside, random;
    for (int run = 0; run < 60; ++run) {
        composeFromStart(engine, PoemKind::Dark, Selectivity::Medium);
        alone.insert(engine.poem.poemDarkVariant(1, 14));
        composeFromStart(engine, PoemKind::Combination, Selectivity::Medium);
        beside.insert(engine.poem.poemDarkVariant(1, 14));
        composeFromStart(engine, PoemKind::Dark, Selectivity::Lowest);
        random.insert(engine.poem.poemDarkVariant(1, 14));
    }
    EXPECT_EQ(alone, (std::set<int>{3, 4}));
    EXPECT_EQ(beside, (std::set<int>{1, 2}));
    EXPECT_EQ(random, (std::set<int>{1, 2, 3, 4})) << "no special rule when composing at random";
}

TEST(ComposePoem, TheClosingRuleReplacesGroupFourAfterTheLinesThatAlreadySayIt)
{
    Shape shape;
    shape.groups = [](char, int p) { return p == 22 ? 1 : p == 23 ? 5 : 3; };
    shape.variants = [](char, int p, int) { return p == 22 ? 1 : 4; };
    Files files = syntheticFiles(shape);
    files["grades-6.txt"] = "fitBB 23 1 00030\nfitDB 23 1 00030\n";
    Engine engine = engineOf(files, 3);
    composeFromStart(engine, PoemKind::Bright, Selectivity::Highest);
    EXPECT_EQ(engine.poem.chosenBrightGroup(22), 1);
    EXPECT_EQ(engine.poem.chosenBrightGroup(23), 5);
    composeFromStart(engine, PoemKind::Combination, Selectivity::Highest);
    EXPECT_EQ(engine.poem.chosenBrightGroup(23), 4) << "combination poems keep group 4";
}

TEST(ComposePoem, RecomposingTheDarkHalfOfALineKeepsItsBrightHalf)
{
    Engine engine = engineOf(syntheticFiles(), 8);
    composeFromStart(engine, PoemKind::Combination, Selectivity::Medium);
    PoemState before = engine.poem;
    std::set<std::string> darkSeen;
    for (int run = 0; run < 20; ++run) {
        engine.poem.firstPosition = 5;
        engine.poem.brightFromPosition = 6;
        composePoem(engine);
        for (int p = 1; p <= 5; ++p) {
            EXPECT_EQ(engine.poem.brightLines(p), before.brightLines(p));
            EXPECT_EQ(engine.poem.poemBrightVariant(1, p), before.poemBrightVariant(1, p));
        }
        for (int p = 1; p <= 4; ++p)
            EXPECT_EQ(engine.poem.darkLines(p), before.darkLines(p));
        darkSeen.insert(engine.poem.darkLines(5));
    }
    EXPECT_GT(darkSeen.size(), 1u);
}

TEST(ComposePoem, NothingIsComposedForAnUnknownSelectivityOrAnEmptyRange)
{
    Engine engine = engineOf(syntheticFiles(), 2);
    engine.poem.selectivity = static_cast<Selectivity>(4);
    composePoem(engine);
    EXPECT_EQ(engine.poem.brightLines(1), "");
    engine.poem.selectivity = Selectivity::Highest;
    engine.poem.firstPosition = 24;
    composePoem(engine);
    EXPECT_EQ(engine.poem.brightLines(23), "");
    EXPECT_EQ(engine.poem.currentPosition, 0);
}

TEST(ComposePoem, CombinationLinesStayUnderTheLengthLimitWhilePossibleAndTheRunAlwaysEnds)
{
    Shape shape;
    // Variant 1 is short, the rest long: only some pairs fit in 110 characters.
    shape.text = [](char side, int block, int p, int g, int v) {
        return tag(side, block, p, g, v) + std::string(v == 1 ? 10 : 60, side == 'b' ? 'x' : 'y');
    };
    Engine engine = engineOf(syntheticFiles(shape), 4);
    for (int run = 0; run < 10; ++run) {
        composeFromStart(engine, PoemKind::Combination, Selectivity::Lowest);
        for (int p = 1; p <= 23; ++p)
            EXPECT_LE(engine.poem.brightLines(p).size() + engine.poem.darkLines(p).size(), 110u);
    }

    shape.text = [](char side, int block, int p, int g, int v) { return tag(side, block, p, g, v) + std::string(70, 'z'); };
    Engine tooLong = engineOf(syntheticFiles(shape), 4);
    composeFromStart(tooLong, PoemKind::Combination, Selectivity::Medium);
    EXPECT_FALSE(tooLong.poem.darkLines(23).empty()) << "the limit widens after 100 rejections";
}

TEST(ComposePoem, NoFittingGroupGivesTheEmptyTextOfGroupZero)
{
    Engine engine = engineOf(syntheticFiles(), 6);
    // Grades no threshold can equal, in rows that no block load rewrites.
    for (int r = 0; r <= 30; ++r)
        for (int c = 1; c <= 3; ++c) {
            const int index[] = {7, r, c};
            engine.grades[TableId::fitBB].set(index, 9);
        }
    composeFromStart(engine, PoemKind::Bright, Selectivity::Highest);
    EXPECT_EQ(engine.poem.chosenBrightGroup(7), 0);
    EXPECT_EQ(engine.poem.brightLines(7), "");
    EXPECT_FALSE(engine.poem.brightLines(8).empty()) << "the run goes on";
}

TEST(ComposePoem, AnIndexErrorEndsTheRunAndKeepsWhatWasComposed)
{
    Shape shape;
    shape.groups = [](char side, int p) { return side == 'b' && p == 9 ? 35 : 3; };
    Engine engine = engineOf(syntheticFiles(shape), 6);
    engine.poem.poemKind = PoemKind::Bright;
    EXPECT_THROW(composePoem(engine), IndexError) << "35 groups exceed the grade table's columns";
    EXPECT_FALSE(engine.poem.brightLines(8).empty());
    EXPECT_EQ(engine.poem.brightLines(9), "");
}

TEST(ComposePoem, AnEmptyCorpusComposesEmptyLinesWithoutLooping)
{
    Engine engine = engineOf({}, 1);
    for (PoemKind kind : {PoemKind::Bright, PoemKind::Dark, PoemKind::Combination})
        for (Selectivity selectivity : {Selectivity::Highest, Selectivity::Medium, Selectivity::Lowest}) {
            composeFromStart(engine, kind, selectivity);
            EXPECT_EQ(engine.poem.brightLines(12), "");
        }
}
