#pragma once
// The verse and grade content as parsed from the corpus files. Parsing is
// forgiving: a malformed line is skipped and reported as a diagnostic, so a
// broken file gives a smaller corpus, never a crash.

#include "grades.h"
#include "state.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zoravina {

inline constexpr int kBlockCount = 6;

struct CorpusGroup {
    int number = 0;
    std::string gloss;
    int headerLine = 0;
    std::vector<std::string> verses;
    std::vector<std::string_view> verseViews;   // the same texts, as the store holds them
    std::vector<int> verseLines;
};

struct CorpusPosition {
    int position = 0;
    int headerLine = 0;
    int groupCount = 0;            // the highest group number present
    std::vector<CorpusGroup> groups;
};

struct CorpusVerseFile {
    std::string file;
    std::vector<CorpusPosition> positions;
};

struct CorpusGradeRow {
    TableId table{};
    std::vector<int> leading;
    std::string digits;
    std::vector<std::int8_t> grades;   // the digits as numbers, for fast loads
    std::size_t rowStart = 0;          // where the row starts in its table
    int line = 0;
};

struct CorpusGradeFile {
    std::string file;
    std::vector<CorpusGradeRow> rows;
};

struct Diagnostic {
    std::string file;
    int line = 0;
    std::string rule;
    std::string text;
};

struct CorpusFile {
    std::string name;   // bright-N.txt, dark-N.txt or grades-N.txt
    std::string_view text;
};

struct Corpus {
    // Indexed by block number 1..6; index 0 stays empty.
    std::array<CorpusVerseFile, kBlockCount + 1> bright;
    std::array<CorpusVerseFile, kBlockCount + 1> dark;
    std::array<CorpusGradeFile, kBlockCount + 1> grades;
    std::vector<Diagnostic> diagnostics;

    const CorpusVerseFile& verses(Side side, int block) const { return side == Side::Bright ? bright[block] : dark[block]; }
};

std::shared_ptr<const Corpus> parseCorpus(const std::vector<CorpusFile>& files);

// The corpus compiled into the program, parsed on first use.
std::shared_ptr<const Corpus> embeddedCorpus();
// Every text file of the corpus folder as compiled in, sorted by name.
const std::vector<CorpusFile>& embeddedFiles();
std::string_view embeddedFile(std::string_view name);

} // namespace zoravina
