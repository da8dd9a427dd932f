// The corpus compiled into the program: the rows and copies that the
// composition rules depend on.

#include "compose.h"
#include "loaders.h"

#include <gtest/gtest.h>

using namespace zoravina;

namespace {

std::string rowOf(const GradeTable& table, std::vector<int> leading, int columns)
{
    std::string digits;
    leading.push_back(0);
    for (int c = 1; c <= columns; ++c) {
        leading.back() = c;
        digits += static_cast<char>('0' + table.at(leading));
    }
    return digits;
}

} // namespace

TEST(EmbeddedCorpus, ParsesWithoutDiagnostics)
{
    EXPECT_TRUE(embeddedCorpus()->diagnostics.empty());
}

TEST(EmbeddedCorpus, BlockOneWritesTheFixedOpeningGrades)
{
    Engine engine;
    loadTableBlock(engine.grades, *engine.corpus, 1);
    const auto& g = engine.grades;
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(rowOf(g[TableId::fitBB2], {r}, 7), "3333333");
    EXPECT_EQ(rowOf(g[TableId::fitBB2], {5}, 7), "2200003");
    const char* dd2[] = {"2312", "2312", "2323", "1323", "3320", "3333", "3322"};
    for (int r = 1; r <= 7; ++r)
        EXPECT_EQ(rowOf(g[TableId::fitDD2], {r}, 4), dd2[r - 1]);
    EXPECT_EQ(rowOf(g[TableId::fitBD1], {2}, 7), "2333302");
    EXPECT_EQ(rowOf(g[TableId::fitBD1], {5}, 7), "0210200");
    EXPECT_EQ(rowOf(g[TableId::fitBD2], {5}, 4), "3332");
    EXPECT_EQ(rowOf(g[TableId::fitDB3], {1}, 38), "12222222122333333333322222232223333122");
    EXPECT_EQ(rowOf(g[TableId::fitBB3], {1, 1}, 38), "12122222132212222222220222222002222222");
    for (int r = 1; r <= 10; ++r)
        EXPECT_EQ(g[TableId::fitBB3].at(5, r, 1), 0) << "no rows for bright group 5";
}

TEST(EmbeddedCorpus, TheLaterBlocksWriteTheirFixedRowsAndTheLastWriteWins)
{
    Engine engine;
    const auto& g = engine.grades;
    loadTableBlock(engine.grades, *engine.corpus, 1);
    EXPECT_EQ(g[TableId::fitDB4].at(1, 9), 3);
    loadTableBlock(engine.grades, *engine.corpus, 2);
    EXPECT_EQ(g[TableId::fitDB4].at(1, 9), 0);
    EXPECT_EQ(rowOf(g[TableId::fitDB4], {1}, 23), "00002300002000000000000");
    for (int r = 1; r <= 7; ++r)
        EXPECT_EQ(rowOf(g[TableId::fitBB], {6, r}, 3), "233");
    loadTableBlock(engine.grades, *engine.corpus, 4);
    EXPECT_EQ(rowOf(g[TableId::fitBB], {13, 4}, 6), "000313");
    for (int r = 1; r <= 7; ++r)
        EXPECT_EQ(g[TableId::fitDD].at(13, r, 1), 3);
    loadTableBlock(engine.grades, *engine.corpus, 6);
    EXPECT_EQ(rowOf(g[TableId::fitBB], {23, 5}, 11), "20203001130");
    for (int p : {1, 2, 3, 4, 24, 25})
        for (int r = 0; r <= 30; ++r)
            EXPECT_EQ(rowOf(g[TableId::fitBD], {p, r}, 30), std::string(30, '0'));
}

TEST(EmbeddedCorpus, TheQuotedRowsStandAsQuoted)
{
    Engine engine;
    const auto& g = engine.grades;
    loadTableBlock(engine.grades, *engine.corpus, 1);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(rowOf(g[TableId::fitBD1], {r}, 7), "2333302");
    EXPECT_EQ(rowOf(g[TableId::fitBD1], {4}, 7), "0000030");
    const char* bd2[] = {"2222", "3333", "3322", "3322", "3332", "3322", "2222"};
    for (int r = 1; r <= 7; ++r)
        EXPECT_EQ(rowOf(g[TableId::fitBD2], {r}, 4), bd2[r - 1]);
    loadTableBlock(engine.grades, *engine.corpus, 4);
    const char* bb13[] = {"032113", "030333", "032033", "000313", "130203", "030233", "003030"};
    for (int r = 1; r <= 7; ++r)
        EXPECT_EQ(rowOf(g[TableId::fitBB], {13, r}, 6), bb13[r - 1]);
    loadTableBlock(engine.grades, *engine.corpus, 6);
    EXPECT_EQ(rowOf(g[TableId::fitBB], {23, 3}, 11), "20233002130");
}

// Positions 4 and 8 are graded by two blocks; the copies differ only where the
// block before them must not be contradicted.
TEST(EmbeddedCorpus, TheSecondCopiesOfGradeRowsDifferOnlyWhereTheyMust)
{
    Engine first, second;
    loadTableBlock(first.grades, *first.corpus, 1);
    loadTableBlock(second.grades, *second.corpus, 2);
    const struct {
        TableId table;
        int columns;
    } position4[] = {{TableId::fitBB4, 23}, {TableId::fitDD4, 30}, {TableId::fitBD4, 30}, {TableId::fitDB4, 24}};
    for (const auto& [table, columns] : position4)
        for (int r = 1; r <= 38; ++r)
            if (!(table == TableId::fitDB4 && r == 1)) {
                EXPECT_EQ(rowOf(first.grades[table], {r}, columns), rowOf(second.grades[table], {r}, columns))
                    << tableShape(table).name << " row " << r;
            }
    EXPECT_EQ(rowOf(first.grades[TableId::fitDB4], {1}, 23), "00002300302000000000000");

    Engine third;
    loadTableBlock(third.grades, *third.corpus, 3);
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(rowOf(second.grades[TableId::fitBB], {8, r}, 18), rowOf(third.grades[TableId::fitBB], {8, r}, 18));
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(rowOf(second.grades[TableId::fitDB], {8, r}, 18), rowOf(third.grades[TableId::fitDB], {8, r}, 18));
        EXPECT_EQ(rowOf(second.grades[TableId::fitDD], {8, r}, 7).substr(0, 6), rowOf(third.grades[TableId::fitDD], {8, r}, 7).substr(0, 6));
        EXPECT_EQ(second.grades[TableId::fitDD].at(8, r, 7), 0) << "block 2 writes six grades";
    }
    for (int r = 1; r <= 18; ++r)
        EXPECT_EQ(rowOf(second.grades[TableId::fitBD], {8, r}, 7).substr(0, 6), rowOf(third.grades[TableId::fitBD], {8, r}, 7).substr(0, 6));
    // Block 3's seventh grade survives a later load of block 2.
    loadTableBlock(third.grades, *third.corpus, 2);
    int seventh = 0;
    for (int r = 1; r <= 18; ++r)
        seventh += third.grades[TableId::fitBD].at(8, r, 7);
    EXPECT_GT(seventh, 0);
}

TEST(EmbeddedCorpus, BlockTwoCopiesPositionFourWithItsSmallDifferences)
{
    const Corpus& corpus = *embeddedCorpus();
    for (Side side : {Side::Bright, Side::Dark}) {
        const auto& composing = corpus.verses(side, 1).positions;
        const auto& copies = corpus.verses(side, 2).positions;
        if (composing.size() < 4 || copies.empty() || copies.front().position != 4)
            GTEST_SKIP() << "position 4 is not written yet";
        const CorpusPosition& composed = composing[3];
        const CorpusPosition& copy = copies.front();
        ASSERT_EQ(composed.groups.size(), copy.groups.size());
        int reworded = 0;
        for (std::size_t g = 0; g < composed.groups.size(); ++g) {
            std::vector<std::string> verses = composed.groups[g].verses;
            if (side == Side::Bright && composed.groups[g].number == 11)
                verses.erase(verses.begin() + 1);   // the copy leaves out the second variant
            ASSERT_EQ(verses.size(), copy.groups[g].verses.size()) << "group " << composed.groups[g].number;
            for (std::size_t v = 0; v < verses.size(); ++v)
                reworded += verses[v] != copy.groups[g].verses[v] ? 1 : 0;
        }
        EXPECT_EQ(reworded, 1);
    }

    Engine engine;
    loadBrightBlock(engine.store, *engine.corpus, 1);
    EXPECT_EQ(engine.store.brightVariantCount(4, 11), 3);
    loadBrightBlock(engine.store, *engine.corpus, 2);
    EXPECT_EQ(engine.store.brightVariantCount(4, 11), 2);
}

TEST(EmbeddedCorpus, EveryComposedLineOfTheWrittenPositionsHasAVerse)
{
    Engine engine(embeddedCorpus(), Random(17));
    for (PoemKind kind : {PoemKind::Bright, PoemKind::Dark, PoemKind::Combination}) {
        for (int run = 0; run < 30; ++run) {
            engine.poem.poemKind = kind;
            engine.poem.firstPosition = 1;
            engine.poem.brightFromPosition = 1;
            composePoem(engine);
            for (int p = 1; p <= 23; ++p) {
                if (engine.store.brightGroupCount(p) > 0) {
                    EXPECT_FALSE(engine.poem.brightLines(p).empty()) << p;
                }
                if (engine.store.darkGroupCount(p) > 0) {
                    EXPECT_FALSE(engine.poem.darkLines(p).empty()) << p;
                }
            }
        }
    }
}
