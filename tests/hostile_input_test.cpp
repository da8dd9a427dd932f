// Broken and hostile content: every reader of text gives a defined outcome,
// keeps what is sound and says what it dropped.

#include "collection.h"
#include "corpus.h"
#include "loaders.h"
#include "poem_code.h"
#include "text.h"

#include <gtest/gtest.h>

#include <string>

using namespace zoravina;

namespace {

std::string brightCode(char fill = '1')
{
    return std::string(4 * kLastPosition, fill);
}

const Diagnostic* diagnosticAt(const Corpus& corpus, const std::string& file, int line)
{
    for (const Diagnostic& d : corpus.diagnostics)
        if (d.file == file && d.line == line)
            return &d;
    return nullptr;
}

} // namespace

TEST(HostileInput, PoemCodesAcceptOnlyTheirOwnShape)
{
    const std::string digits = brightCode();
    for (const std::string& accepted : {digits + "L3", digits + "L 3", "  " + digits + "L3\r\n", digits + "L0 \n"}) {
        const auto code = decodePoemCode(accepted);
        ASSERT_TRUE(code) << accepted;
        EXPECT_EQ(code->kind, PoemKind::Bright);
        EXPECT_EQ(code->numbers[kLastPosition][1], 11);
    }
    std::string letterInside = digits;
    letterInside[17] = 'x';
    for (const std::string& rejected :
         {std::string(), std::string("   \r\n"), std::string("L3"), std::string("3"), digits + "L5", digits + "L/",
          digits + "X3", digits + "3", digits.substr(1) + "L3", digits + "1L3", letterInside + "L3",
          std::string(8 * kLastPosition, '1') + "L3", digits + "S3"})
        EXPECT_FALSE(decodePoemCode(rejected)) << '"' << rejected << '"';

    const auto dark = decodePoemCode(brightCode('2') + "D1");
    ASSERT_TRUE(dark);
    EXPECT_EQ(dark->numbers[5][0], 0) << "a dark code names no bright verse";
    EXPECT_EQ(dark->numbers[5][2], 22);
    const auto both = decodePoemCode(std::string(8 * kLastPosition, '3') + "S4");
    ASSERT_TRUE(both);
    EXPECT_EQ(both->background, 4);
    EXPECT_EQ(both->numbers[1][3], 33);
}

TEST(HostileInput, TextHelpersStayInsideTheirBytes)
{
    for (char32_t c : {U'a', U'č', U'€', U'𝄞'})
        EXPECT_EQ(decodeUtf8(encodeUtf8(c)), std::u32string(1, c));
    EXPECT_EQ(encodeUtf8(U'č').size(), 2u);
    EXPECT_EQ(encodeUtf8(U'€').size(), 3u);
    EXPECT_EQ(encodeUtf8(U'𝄞').size(), 4u);

    // A sequence cut short at the end of the text, and stray continuation bytes.
    const std::string cut = "ab\xE2\x82";
    EXPECT_EQ(characterCount(cut), 3u);
    EXPECT_EQ(decodeUtf8(cut).size(), 3u);
    EXPECT_EQ(characterCount("\x80\x80x"), 1u) << "continuation bytes without a lead add no character";
    EXPECT_EQ(characterCount("\xF0\x9D\x84\x9E"), 1u);
    EXPECT_EQ(characterCount("\xF8\xF8"), 2u) << "bytes no UTF-8 sequence starts with count one each";

    EXPECT_EQ(parseInt("42"), 42);
    for (const char* bad : {"", "x", "4x", " 4", "99999999999999999999"})
        EXPECT_FALSE(parseInt(bad)) << bad;
    const auto words = splitWords(" \tfitBB  5\t 3  0123 \t");
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(words[3], "0123");
}

TEST(HostileInput, BrokenCorpusLinesAreReportedAndTheRestIsKept)
{
    const std::string bright =
        "verse before any position\r\n"
        "@position 0\n"
        "@position x\n"
        "@position 2\r\n"
        "@group 1 | A gloss.  \r\n"
        "Z3vezda sij5a3.\t\r\n"
        "@group 1 | The same number again.\n"
        "@group 41 | Beyond the groups.\n"
        "@group | No number.\n"
        "@group 3\n"
        "O3koli sve5t3a.\n"
        "@position 2\n"
        "@group 4 | After a position written twice.\n"
        "@unknown header\n"
        "@position 24\n"
        "@position 5\n"
        "@group 1 | Last line without a line break.\n"
        "V3se je tu5k3aj.";
    std::string manyVariants = "@position 3\n@group 1 | Too many variants.\n";
    for (int v = 1; v <= 22; ++v)
        manyVariants += "R3oža " + std::to_string(v) + " cv5e3t.\n";
    const std::string grades =
        "nosuchtable 1 0123\n"
        "fitBB 5 1\n"
        "fitBB 0 1 0123\n"
        "fitBB 5 x 0123\n"
        "fitBB 26 1 0123\n"
        "fitBB 5 1 0124\n"
        "fitBB 5 1 " + std::string(41, '1') + "\n"
        "fitBB 5 2 0123\r\n"
        "   # a comment after blanks\n";
    const auto corpus = parseCorpus({{"bright-1.txt", bright}, {"dark-1.txt", manyVariants},
                                     {"grades-2.txt", grades}, {"bright-7.txt", "@position 1\n"},
                                     {"notes.txt", "anything"}});

    const CorpusVerseFile& file = corpus->bright[1];
    ASSERT_EQ(file.positions.size(), 2u) << "position 2 once, and position 5";
    const CorpusPosition& two = file.positions[0];
    ASSERT_EQ(two.groups.size(), 2u);
    EXPECT_EQ(two.groups[0].gloss, "A gloss.");
    ASSERT_EQ(two.groups[0].verses.size(), 1u);
    EXPECT_EQ(two.groups[0].verses[0], "Z3vezda sij5a3.\t") << "the verse keeps its text; only the line break goes";
    EXPECT_EQ(two.groups[1].number, 3);
    EXPECT_EQ(two.groupCount, 3);
    ASSERT_EQ(file.positions[1].groups.size(), 1u);
    EXPECT_EQ(file.positions[1].groups[0].verses.at(0), "V3se je tu5k3aj.");

    for (int line : {1, 2, 3, 7, 8, 9, 10, 12, 13, 14, 15})
        EXPECT_NE(diagnosticAt(*corpus, "bright-1.txt", line), nullptr) << "line " << line;
    EXPECT_EQ(diagnosticAt(*corpus, "bright-1.txt", 10)->rule, "gloss");
    EXPECT_EQ(corpus->dark[1].positions.at(0).groups.at(0).verses.size(), 21u) << "a group holds at most 21 variants";
    EXPECT_NE(diagnosticAt(*corpus, "dark-1.txt", 24), nullptr);

    ASSERT_EQ(corpus->grades[2].rows.size(), 1u) << "only the sound row";
    EXPECT_EQ(corpus->grades[2].rows[0].leading, (std::vector<int>{5, 2}));
    for (int line = 1; line <= 7; ++line)
        EXPECT_NE(diagnosticAt(*corpus, "grades-2.txt", line), nullptr) << "line " << line;
    EXPECT_EQ(diagnosticAt(*corpus, "grades-2.txt", 9), nullptr) << "a comment is no fault";
    EXPECT_NE(diagnosticAt(*corpus, "bright-7.txt", 0), nullptr) << "block 7 does not exist";
    EXPECT_NE(diagnosticAt(*corpus, "notes.txt", 0), nullptr);
}

TEST(HostileInput, BrokenCollectionLinesAreReportedAndNumberingHolds)
{
    const Collection collection = parseCollection(
        "# heading\r\n"
        "1 | Prva |  | \r\n"
        "\r\n"
        "x | Brez številke | |\n"
        "3 | Preskočena | |\n"
        "2\n"
        "2 | Druga | 0101L0 | zakaj\n"
        "3 | Tretja");
    ASSERT_EQ(collection.entries.size(), 3u);
    EXPECT_EQ(collection.entries[0].title, "Prva");
    EXPECT_EQ(collection.entries[1].code, "0101L0");
    EXPECT_EQ(collection.entries[1].reason, "zakaj");
    EXPECT_EQ(collection.entries[2].title, "Tretja");
    EXPECT_EQ(collection.entries[2].line, 8);
    EXPECT_EQ(collection.errors.size(), 3u) << "no number, a skipped number, a line without a title";
    EXPECT_EQ(collection.entry(4), nullptr);
    for (int number : {0, 109, -1})
        EXPECT_FALSE(kindOfEntry(number));
    EXPECT_EQ(kindOfEntry(42), PoemKind::Bright);
    EXPECT_EQ(kindOfEntry(43), PoemKind::Combination);
    EXPECT_EQ(kindOfEntry(108), PoemKind::Dark);
}

TEST(HostileInput, BlockNumbersOutsideTheCorpusLoadNothing)
{
    Engine engine;
    const auto corpus = embeddedCorpus();
    for (int block : {0, 7, -1}) {
        loadBrightBlock(engine.store, *corpus, block);
        loadDarkBlock(engine.store, *corpus, block);
        loadTableBlock(engine.grades, *corpus, block);
    }
    EXPECT_EQ(engine.store.brightGroupCount(1), 0);
    EXPECT_EQ(engine.store.darkGroupCount(23), 0);
    EXPECT_EQ(blockOfPosition(0), 0);
    EXPECT_EQ(blockOfPosition(28), 0);
}
