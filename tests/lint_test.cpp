#include "lint.h"
#include "test_corpus.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace zoravina;

namespace {

const char* kShape =
    "verses bright 1 1 Z 04 n 5 2 1\n"
    "verses bright 2 1 O 04 e 45 1\n"
    "verses dark 1 1 D 4 i 8 2\n"
    "verses dark 11 3 ? 0 ? 0 2\n"
    "copy bright 1 2 1=1\n"
    "grades 1 fitBB2 - 2 3\n"
    "grades 1 fitBB3 - 1x2 4\n";

LintReport lint(const fixtures::Files& files)
{
    std::vector<CorpusFile> list;
    for (const auto& [name, text] : files)
        list.push_back({name, text});
    return lintCorpus(list, kShape);
}

std::vector<std::string> rules(const LintReport& report)
{
    std::vector<std::string> out;
    for (const Diagnostic& d : report.violations)
        out.push_back(d.file + ":" + std::to_string(d.line) + ":" + d.rule);
    return out;
}

} // namespace

TEST(Lint, AWellFormedPartialCorpusPassesAndCountsWhatIsMissing)
{
    const auto report = lint({{"bright-1.txt",
                               "@position 1\n@group 1 | Dawn.\n"
                               "Z3arja se razliva čez speče doli5n3e.\n"
                               "4Z3ora tiho vstaja nad ravni5n6o3.\n"},
                              {"dark-1.txt", "@position 1\n@group 1 | Day.\n4D7an se tiho nagiba k noč8i7,\n4D6an 7ugaša v temni, tihi noč8i7,\n"},
                              {"grades-1.txt", "fitBB2 1 333\nfitBB3 1 2 0123\n"}});
    EXPECT_TRUE(report.violations.empty()) << ::testing::PrintToString(rules(report));
    EXPECT_EQ(report.versesChecked, 4);
    EXPECT_EQ(report.missingGroups, 5);   // bright 1 group 2, bright position 2, the copy in block 2, dark 11
    EXPECT_EQ(report.missingVerses, 1 + 1 + 2 + 2);
    EXPECT_EQ(report.missingGradeRows, 2);
}

TEST(Lint, EachBrokenRuleNamesTheFileTheLineAndTheRule)
{
    const auto report = lint({{"bright-1.txt",
                               "@position 1\n"
                               "@group 1 | Dawn.\n"
                               "Sonce se razliva čez speče doli5n3e.\n"      // 3: initial
                               "Z3ora vstaja nad ravni5n3o\n"               // 4: punctuation
                               "@group 2 | Short.\n"
                               "Z3a kra5n3o.\n"                             // 6: length
                               "Z3arja se razliva čez speče dolin5e3.\n"    // 7: marked letter
                               "@position 2\n"
                               "@group 1 | Eye.\n"
                               "O3ko se odpre in v njem je 2 sv4e3t.\n"     // 10: printed digit
                               "O3ko se odpre in \"v njem\" je sv4e3t.\n"}, // 11: character
                              {"bright-2.txt", "@position 1\n@group 1 | Copy.\nZ3arja se razliva čez speče doli5n3e.\n"},
                              {"dark-1.txt",
                               "@position 1\n@group 1 | Day.\n"
                               "5D7an se tiho nagiba k noč8i7,\n"            // 3: initial code
                               "4D7an se tiho nagiba k noč8i7,\n"
                               "4D7an se tiho nagiba k noč8i7,\n"},          // 5: shape (3 of 2) and duplicate
                              {"dark-3.txt", "@position 11\n@group 1 | Questions.\n???????????????????????????\n?????\n"},
                              {"grades-1.txt", "fitBB2 1 33\nfitBB2 3 333\nfitBB2 2 333\nfitBB2 2 333\n"}});
    const auto found = rules(report);
    for (const char* expected :
         {"bright-1.txt:3:initial", "bright-1.txt:4:punctuation", "bright-1.txt:6:length", "bright-1.txt:7:marked-letter",
          "bright-1.txt:10:printed-digit", "bright-1.txt:11:character \"", "dark-1.txt:3:initial-code", "dark-1.txt:2:shape",
          "dark-1.txt:5:duplicate", "dark-3.txt:4:question-marks", "grades-1.txt:1:grade-row", "grades-1.txt:2:grade-row",
          "grades-1.txt:4:grade-row"})
        EXPECT_NE(std::find(found.begin(), found.end(), expected), found.end()) << expected << " in " << ::testing::PrintToString(found);
    EXPECT_EQ(std::count(found.begin(), found.end(), "bright-2.txt:3:duplicate"), 0) << "a block's copy may repeat its verses";
}
