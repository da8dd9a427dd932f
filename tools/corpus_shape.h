#pragma once
// The shape of a complete corpus as shape.txt describes it: which block
// writes which positions and groups, the letters and codes of every
// position, and the grade rows of every block.

#include "corpus.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace zoravina {

struct PositionRules {
    std::u32string initials;
    std::u32string initialCodes;   // U'0' stands for no code
    char32_t mark = 0;             // U'?' for the question-mark lines
    std::u32string markCodes;
};

struct BlockPosition {
    std::vector<int> variants;     // per group; -1: the group is not written
};

struct GradeSet {
    int block = 0;
    TableId table{};
    int position = 0;              // 0 for the tables of positions 1 to 4
    std::vector<std::vector<int>> rows;   // leading indexes of every expected row
    std::map<int, int> wideRows;   // row -> columns, where it differs
    int columns = 0;
};

struct CorpusShape {
    std::map<std::pair<Side, int>, PositionRules> rules;
    std::map<std::tuple<Side, int, int>, BlockPosition> blocks;   // side, block, position
    std::vector<GradeSet> grades;
    std::vector<std::string> errors;
};

CorpusShape parseCorpusShape(std::string_view text);

} // namespace zoravina
