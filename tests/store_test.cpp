#include "loaders.h"
#include "test_corpus.h"

#include <gtest/gtest.h>

using namespace zoravina;
using namespace zoravina::fixtures;

namespace {

int presentTexts(const Engine& engine, int position)
{
    int count = 0;
    for (int g = 0; g < kGroupExtent; ++g)
        for (int v = 0; v < kVariantExtent; ++v)
            count += engine.store.brightVerses(position, g, v).empty() ? 0 : 1;
    return count;
}

} // namespace

TEST(VerseBlocks, OnlyTheLastBlockIsPresentAfterAWalkThroughThePoemButCountsStay)
{
    Engine engine = engineOf(syntheticFiles());
    for (int p = 1; p <= 23; ++p) {
        engine.poem.currentPosition = static_cast<std::int16_t>(p);
        loadVerseBlock(engine);
    }
    for (int p = 1; p <= 19; ++p) {
        EXPECT_EQ(presentTexts(engine, p), 0) << "position " << p;
        EXPECT_EQ(engine.store.brightGroupCount(p), 3);
        EXPECT_EQ(engine.store.darkVariantCount(p, 2), 4);
    }
    for (int p = 20; p <= 23; ++p)
        EXPECT_EQ(presentTexts(engine, p), 12) << "position " << p;
    // Position 20 is in force as block 6 wrote it.
    EXPECT_EQ(engine.store.brightVerses(20, 1, 1), "b6.20.1.1");
}

TEST(VerseBlocks, EachBlockClearsTheRightPositions)
{
    Engine engine = engineOf(syntheticFiles());
    for (int block : {2, 3, 5})
        loadBrightBlock(engine.store, *engine.corpus, block);

    engine.poem.currentPosition = 3;
    loadVerseBlock(engine);
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(presentTexts(engine, p), 12);
    for (int p = 5; p <= 23; ++p)
        EXPECT_EQ(presentTexts(engine, p), 0);

    engine.poem.currentPosition = 6;
    loadVerseBlock(engine);
    for (int p = 1; p <= 3; ++p)
        EXPECT_EQ(presentTexts(engine, p), 0);
    EXPECT_EQ(engine.store.brightVerses(4, 3, 4), "b2.4.3.4");
    EXPECT_EQ(presentTexts(engine, 8), 12);

    // Block 6 keeps the texts of 21..23 beyond what it clears; 24..27 load it too.
    engine.poem.currentPosition = 27;
    loadVerseBlock(engine);
    EXPECT_EQ(presentTexts(engine, 8), 0);
    EXPECT_EQ(presentTexts(engine, 21), 12);
}

TEST(VerseBlocks, PositionsOutsideTheBlocksLoadAndClearNothing)
{
    Engine engine = engineOf(syntheticFiles());
    engine.poem.currentPosition = 2;
    loadVerseBlock(engine);
    for (int position : {0, 28, -1, 500}) {
        engine.poem.currentPosition = static_cast<std::int16_t>(position);
        loadVerseBlock(engine);
        EXPECT_EQ(presentTexts(engine, 2), 12);
        EXPECT_EQ(engine.store.brightGroupCount(5), 0);
    }
}

TEST(VerseBlocks, ClearingUsesTheCountsInForceSoATextBeyondThemSurvives)
{
    Shape shape;
    // Block 6 writes position 20 with group 2 shorter and group 3 left out.
    shape.text = [](char side, int block, int p, int g, int v) {
        if (block == 6 && p == 20 && (g == 3 || (g == 2 && v == 4)))
            return std::string("#");   // a comment line: not written
        return tag(side, block, p, g, v);
    };
    Engine engine = engineOf(syntheticFiles(shape));
    loadBrightBlock(engine.store, *engine.corpus, 5);
    loadBrightBlock(engine.store, *engine.corpus, 6);
    EXPECT_EQ(engine.store.brightVariantCount(20, 2), 3);
    EXPECT_EQ(engine.store.brightVariantCount(20, 3), 0);   // group 3 written empty by its header only
    EXPECT_EQ(engine.store.brightVerses(20, 2, 4), "b5.20.2.4");

    engine.poem.currentPosition = 21;
    loadVerseBlock(engine);
    EXPECT_EQ(engine.store.brightVerses(20, 2, 4), "b5.20.2.4") << "beyond the count in force, so not cleared";
    EXPECT_EQ(engine.store.brightVerses(20, 2, 3), "b6.20.2.3");
}

TEST(VerseBlocks, GroupZeroIsEmptyAndIndexesOutsideTheExtentsThrow)
{
    Engine engine = engineOf(syntheticFiles());
    engine.poem.currentPosition = 1;
    loadVerseBlock(engine);
    EXPECT_EQ(engine.store.brightVerses(1, 0, 1), "");
    EXPECT_EQ(engine.poem.chosenBrightGroup(7), 0);
    EXPECT_THROW(engine.store.brightVerses(1, 41, 1), IndexError);
    EXPECT_THROW(engine.store.darkVerses(26, 1, 1), IndexError);
    EXPECT_THROW(engine.store.brightVariantCount(1, -1), IndexError);
    EXPECT_THROW(engine.poem.poemBrightGroup(109, 1), IndexError);
}

TEST(GradeRows, ShortRowsLeaveColumnsAndBadRowsAreRefusedWhole)
{
    GradeTables tables;
    const int row[] = {3};
    setGradeRow(tables, TableId::fitBB4, row, "3210");
    EXPECT_EQ(tables[TableId::fitBB4].at(3, 1), 3);
    EXPECT_EQ(tables[TableId::fitBB4].at(3, 4), 0);
    setGradeRow(tables, TableId::fitBB4, row, "1");
    EXPECT_EQ(tables[TableId::fitBB4].at(3, 2), 2) << "columns beyond the string keep their value";

    EXPECT_THROW(setGradeRow(tables, TableId::fitBB4, row, std::string(26, '1')), IndexError);
    EXPECT_THROW(setGradeRow(tables, TableId::fitBB4, row, "22x2"), std::invalid_argument);
    EXPECT_EQ(tables[TableId::fitBB4].at(3, 1), 1) << "a refused row writes nothing";
    const int outside[] = {41};
    EXPECT_THROW(setGradeRow(tables, TableId::fitBB4, outside, "1"), IndexError);
    EXPECT_THROW(tables[TableId::fitBB].at(26, 1, 1), IndexError);
}

TEST(GradeRows, LoadsAreAUnionWithTheLatestWriteWinning)
{
    Files files = syntheticFiles();
    files["grades-2.txt"] = "fitDD 8 1 111111\nfitDB4 1 00002300002\n";
    files["grades-3.txt"] = "fitDD 8 1 2222223\n";
    files["grades-1.txt"] = "fitDB4 1 00002300302\n";
    Engine engine = engineOf(files);
    auto& grades = engine.grades;
    for (int block : {2, 3, 2})
        loadTableBlock(grades, *engine.corpus, block);
    EXPECT_EQ(grades[TableId::fitDD].at(8, 1, 1), 1);
    EXPECT_EQ(grades[TableId::fitDD].at(8, 1, 7), 3);
    EXPECT_EQ(grades[TableId::fitDB4].at(1, 9), 0);
    loadTableBlock(grades, *engine.corpus, 1);
    EXPECT_EQ(grades[TableId::fitDB4].at(1, 9), 3);
    EXPECT_EQ(grades[TableId::fitBB].at(4, 1, 1), 0);
}

TEST(CorpusParsing, BrokenAndHostileLinesAreSkippedAndReported)
{
    Files files;
    files["bright-1.txt"] =
        "stray verse\n"
        "@position 0\n"
        "@position 1\n"
        "@group 99 | too far\n"
        "dropped\n"
        "@group 2 | fine\n"
        "Z3a\r\n"
        "@group 2 | twice\n"
        "@group 1 | backwards\n"
        "@bogus\n" +
        std::string("\xff\xfe\x00\x01garbage", 12) + "\n";
    files["grades-1.txt"] = "fitXX 1 33\nfitBB2 1\nfitBB2 9 3\nfitBB2 1 3333333333\nfitBB2 1 39\nfitBB2 2 21\n";
    files["whatever.txt"] = "x";
    const auto corpus = corpusOf(files);
    const auto& positions = corpus->bright[1].positions;
    ASSERT_EQ(positions.size(), 1u);
    EXPECT_EQ(positions[0].groupCount, 2);
    ASSERT_EQ(positions[0].groups.size(), 1u);
    EXPECT_EQ(positions[0].groups[0].verses.size(), 1u);
    EXPECT_EQ(positions[0].groups[0].verses[0], "Z3a") << "line endings are not part of a verse";
    ASSERT_EQ(corpus->grades[1].rows.size(), 1u);
    EXPECT_EQ(corpus->grades[1].rows[0].digits, "21");
    EXPECT_GE(corpus->diagnostics.size(), 12u);
}

TEST(CorpusParsing, TooManyVariantsAreCutAtTheStoreExtent)
{
    std::string text = "@position 5\n@group 1 | many\n";
    for (int v = 1; v <= 30; ++v)
        text += "verse " + std::to_string(v) + "\n";
    const auto corpus = corpusOf({{"bright-2.txt", text}});
    EXPECT_EQ(corpus->bright[2].positions[0].groups[0].verses.size(), 21u);
    Engine engine(corpus, Random(1));
    loadBrightBlock(engine.store, *engine.corpus, 2);
    EXPECT_EQ(engine.store.brightVariantCount(5, 1), 21);
}

TEST(VerseBlocks, ALoadAfterAnyOutsideWriteRestoresTheBlock)
{
    Files files = syntheticFiles();
    files["grades-1.txt"] = "fitBB4 2 321\n";
    Engine engine = engineOf(files);
    engine.poem.currentPosition = 2;
    loadVerseBlock(engine);

    engine.store.setVerse(Side::Bright, 2, 1, 1, "changed");
    engine.store.brightVariantCount(3, 2) = 1;
    const int index[] = {2, 1};
    engine.grades[TableId::fitBB4].set(index, 0);
    engine.poem.currentPosition = 3;
    loadVerseBlock(engine);
    EXPECT_EQ(engine.store.brightVerses(2, 1, 1), "b1.2.1.1");
    EXPECT_EQ(engine.store.brightVariantCount(3, 2), 4);
    EXPECT_EQ(engine.grades[TableId::fitBB4].at(2, 1), 3);
}
