#include "selection.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace zoravina;

namespace {

struct Fixture {
    GradeTables tables;
    GradeTable& fitBB4 = tables[TableId::fitBB4];
    Random random{42};

    void row(int r, std::initializer_list<int> grades)
    {
        int column = 1;
        for (int grade : grades) {
            const int index[] = {r, column++};
            fitBB4.set(index, grade);
        }
    }
};

} // namespace

TEST(PickFitting, AtThresholdThreeOnlyGroupsRatedThreeAreTakenEvenlyAndTheThresholdStays)
{
    Fixture f;
    f.row(1, {0, 3, 2, 1, 3, 2});
    std::map<int, int> seen;
    for (int i = 0; i < 2000; ++i) {
        std::int16_t threshold = 3;
        ++seen[pickFitting(f.random, threshold, 6, f.fitBB4, 1)];
        ASSERT_EQ(threshold, 3);
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_NEAR(seen[2], 1000, 100);
    EXPECT_NEAR(seen[5], 1000, 100);
}

TEST(PickFitting, WithoutAThreeTheSearchCyclesThroughZeroOneTwo)
{
    Fixture f;
    f.row(1, {1, 2, 1, 0, 2});
    std::int16_t threshold = 3;
    EXPECT_EQ(pickFitting(f.random, threshold, 5, f.fitBB4, 1), 4) << "pass 0 finds the group rated 0 first";
    EXPECT_EQ(threshold, 0);

    f.row(2, {1, 2, 1, 2, 2});
    threshold = 3;
    const int group = pickFitting(f.random, threshold, 5, f.fitBB4, 2);
    EXPECT_TRUE(group == 1 || group == 3);
    EXPECT_EQ(threshold, 1);
}

TEST(PickFitting, AnUnwrittenRowMakesEveryGroupACandidate)
{
    Fixture f;
    std::set<int> seen;
    for (int i = 0; i < 500; ++i) {
        std::int16_t threshold = 3;
        seen.insert(pickFitting(f.random, threshold, 7, f.fitBB4, 9));
        EXPECT_EQ(threshold, 0);
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST(PickFitting, GivesUpWhenNothingCanMatchAndReturnsAtOnceWithoutGroups)
{
    Fixture f;
    f.row(1, {7, 7, 7, 7, 7});
    std::int16_t threshold = 3;
    EXPECT_EQ(pickFitting(f.random, threshold, 5, f.fitBB4, 1), 0);
    // 201 passes of 5 checks: 3 + 201 steps of the 0..3 cycle.
    EXPECT_EQ(threshold, (3 + 201) % 4);

    threshold = 2;
    EXPECT_EQ(pickFitting(f.random, threshold, 0, f.fitBB4, 1), 0);
    EXPECT_EQ(pickFitting(f.random, threshold, -3, f.fitBB4, 1), 0);
    EXPECT_EQ(threshold, 2) << "no groups: nothing drawn";

    threshold = 9;   // a threshold no entry can equal
    EXPECT_EQ(pickFitting(f.random, threshold, 5, f.fitBB4, 2), 0);
}

TEST(PickFitting, AThresholdBelowThreeIsDrawnTenThirtySixtyPercent)
{
    Fixture f;
    f.row(1, {1, 2, 3});
    std::map<int, int> drawn;
    for (int i = 0; i < 20000; ++i) {
        std::int16_t threshold = 2;
        pickFitting(f.random, threshold, 3, f.fitBB4, 1);
        ++drawn[threshold];
    }
    EXPECT_NEAR(drawn[1], 2000, 300);
    EXPECT_NEAR(drawn[2], 6000, 400);
    EXPECT_NEAR(drawn[3], 12000, 500);
}

TEST(PickFitting, ThreeIndexTablesAndBadIndexes)
{
    GradeTables tables;
    Random random(3);
    const int row[] = {5, 2};
    setGradeRow(tables, TableId::fitBB, row, "0030");
    std::int16_t threshold = 3;
    EXPECT_EQ(pickFitting3(random, threshold, 4, tables[TableId::fitBB], 5, 2), 3);
    EXPECT_THROW(pickFitting3(random, threshold, 4, tables[TableId::fitBB], 26, 2), IndexError);
    EXPECT_THROW(pickFitting(random, threshold, 30, tables[TableId::fitBB4], 1), IndexError)
        << "a group count beyond the table's columns is a content fault";
}
