// A thousand poems of each kind, composed at the highest selectivity from the
// corpus as it ships: what a reader would see if the grades let a fault through.

#include "compose.h"
#include "loaders.h"
#include "text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace zoravina;

namespace {

constexpr int kPoems = 1000;

std::string plain(const std::string& verse)
{
    std::string out;
    for (char c : verse)
        if (c < '0' || c > '9')
            out += c;
    return out;
}

// The first letter of a line, or 0 for a line of question marks.
char32_t opening(const std::string& verse)
{
    for (char32_t c : decodeUtf8(plain(verse)))
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
    const std::u32string text = decodeUtf8(plain(verse));
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
            faults.push_back(std::to_string(p) + ": " + plain(lines(p)) + " / " + plain(lines(p + 1)));
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
                if (kind != PoemKind::Dark)
                    ASSERT_FALSE(engine.poem.brightLines(p).empty()) << "bright line " << p << " of poem " << n;
                if (kind != PoemKind::Bright)
                    ASSERT_FALSE(engine.poem.darkLines(p).empty()) << "dark line " << p << " of poem " << n;
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
