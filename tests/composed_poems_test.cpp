// A thousand poems of each kind, composed at the highest selectivity from the
// corpus as it ships, and the 108 poems of the collection: what a reader would
// see if the grades or the codes let a fault through.

#include "collection.h"
#include "compose.h"
#include "poem_code.h"
#include "loaders.h"
#include "markup.h"
#include "text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace zoravina;

namespace {

constexpr int kPoems = 1000;

// The first letter of a line, or 0 for a line of question marks.
char32_t opening(const std::string& verse)
{
    for (char32_t c : decodeUtf8(withoutVerseCodes(verse)))
        if (c != U' ')
            return c == U'?' ? 0 : c;
    return 0;
}

bool isLower(char32_t c)
{
    return (c >= U'a' && c <= U'z') || c == U'č' || c == U'š' || c == U'ž';
}

bool isUpper(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || c == U'Č' || c == U'Š' || c == U'Ž';
}

char32_t closing(const std::string& verse)
{
    const std::u32string text = decodeUtf8(withoutVerseCodes(verse));
    return text.empty() ? 0 : text.back();
}

// Every fault of one column between neighbouring lines.
std::vector<std::string> linkFaults(const Grid<std::string, kPositionExtent>& lines)
{
    std::vector<std::string> faults;
    for (int p = 1; p < kLastPosition; ++p) {
        const char32_t end = closing(lines(p));
        const char32_t next = opening(lines(p + 1));
        // A line of question marks is no sentence: the title line after it may open either way.
        if (next == 0 || opening(lines(p)) == 0)
            continue;
        const bool endsSentence = end == U'.' || end == U'!' || end == U'?';
        const bool goesOn = end == U',' || end == U':';
        if ((endsSentence && isLower(next)) || (goesOn && isUpper(next)))
            faults.push_back(std::to_string(p) + ": " + withoutVerseCodes(lines(p)) + " / " + withoutVerseCodes(lines(p + 1)));
    }
    return faults;
}

} // namespace

TEST(ComposedPoems, AThousandOfEachKindAreWholeAndKeepTheirSentencesTogether)
{
    for (PoemKind kind : {PoemKind::Bright, PoemKind::Dark, PoemKind::Combination}) {
        Engine engine(embeddedCorpus(), Random(2026 + static_cast<int>(kind)));
        engine.poem.poemKind = kind;
        engine.poem.selectivity = Selectivity::Highest;
        int widened = 0;
        std::vector<std::string> faults;
        for (int n = 0; n < kPoems; ++n) {
            engine.poem.firstPosition = 1;
            engine.poem.brightFromPosition = 1;
            ComposeStats stats;
            composePoem(engine, &stats);
            widened += stats.widenings > 0 ? 1 : 0;
            for (int p = 1; p <= kLastPosition; ++p) {
                if (kind != PoemKind::Dark) {
                    ASSERT_FALSE(engine.poem.brightLines(p).empty()) << "bright line " << p << " of poem " << n;
                }
                if (kind != PoemKind::Bright) {
                    ASSERT_FALSE(engine.poem.darkLines(p).empty()) << "dark line " << p << " of poem " << n;
                }
            }
            for (const auto* column : {&engine.poem.brightLines, &engine.poem.darkLines})
                if ((column == &engine.poem.brightLines) != (kind == PoemKind::Dark))
                    for (std::string& fault : linkFaults(*column))
                        faults.push_back(std::move(fault));
        }
        std::sort(faults.begin(), faults.end());
        faults.erase(std::unique(faults.begin(), faults.end()), faults.end());
        std::string shown;
        for (std::size_t i = 0; i < faults.size() && i < 12; ++i)
            shown += "\n  " + faults[i];
        EXPECT_TRUE(faults.empty()) << faults.size() << " different broken links:" << shown;
        if (kind == PoemKind::Combination) {
            EXPECT_LT(widened, kPoems / 100) << "the length limit had to grow in " << widened << " of " << kPoems << " poems";
        }
    }
}

TEST(CollectionPoems, EveryEntryIsAWholePoemOfItsKindWithItsSentencesTogether)
{
    const Collection& collection = embeddedCollection();
    ASSERT_TRUE(collection.errors.empty());
    // The three poems whose codes are given keep them exactly.
    EXPECT_EQ(collection.entry(1)->code,
              "01100707370504010107011604040801010509020102010101011201030606060308100404010602040101010501L4");
    EXPECT_EQ(collection.entry(7)->code,
              "07010301220207010401050501050303040202010103010401040502010304030402040101030902041405080305D0");
    EXPECT_EQ(collection.entry(4)->code,
              "0108020804050305130413051202240104020602010602030202020502030602020105080806041004010101010401020203010210"
              "030406010204040109010102010106050302080102020204020401020105060201040102020501S0");
    Engine engine(embeddedCorpus(), Random(1));
    for (int number = 1; number <= kCollectionPoems; ++number) {
        const CollectionEntry* entry = collection.entry(number);
        ASSERT_NE(entry, nullptr) << number;
        const auto code = decodePoemCode(entry->code);
        ASSERT_TRUE(code) << "entry " << number << " has no sound code: \"" << entry->code << '"';
        EXPECT_EQ(code->kind, kindOfEntry(number)) << "entry " << number;
        EXPECT_FALSE(entry->reason.empty()) << "entry " << number << " says why the poem fits its title";
        engine.poem.brightLines.fill({});
        engine.poem.darkLines.fill({});
        rebuildPoem(engine, *code, number);
        for (int p = 1; p <= kLastPosition; ++p) {
            const std::string bright = withoutVerseCodes(engine.poem.brightLines(p));
            const std::string dark = withoutVerseCodes(engine.poem.darkLines(p));
            if (code->kind != PoemKind::Dark) {
                EXPECT_FALSE(bright.empty()) << "entry " << number << ", bright line " << p;
            }
            if (code->kind != PoemKind::Bright) {
                EXPECT_FALSE(dark.empty()) << "entry " << number << ", dark line " << p;
            }
            // A combination line longer than 110 visible characters crowds the window.
            if (code->kind == PoemKind::Combination) {
                EXPECT_LE(characterCount(bright) + characterCount(dark), 110u) << "entry " << number << ", line " << p;
            }
        }
        if (code->kind != PoemKind::Dark)
            for (const std::string& fault : linkFaults(engine.poem.brightLines))
                ADD_FAILURE() << "entry " << number << ", bright " << fault;
        if (code->kind != PoemKind::Bright)
            for (const std::string& fault : linkFaults(engine.poem.darkLines))
                ADD_FAILURE() << "entry " << number << ", dark " << fault;
    }
}
