#pragma once
// Checks the corpus files against the corpus rules and the shape of a
// complete corpus.

#include "corpus.h"

#include <array>
#include <string>
#include <vector>

namespace zoravina {

struct LintReport {
    std::vector<Diagnostic> violations;
    std::vector<std::string> missing;   // one line per missing group or grade row set
    int versesChecked = 0;
    int gradeRowsChecked = 0;
    int missingVerses = 0;
    int missingGroups = 0;
    int missingGradeRows = 0;
    std::array<int, 4> gradeMix{};   // how many grades are 0, 1, 2 and 3
};

LintReport lintCorpus(const std::vector<CorpusFile>& files, std::string_view shapeText);

} // namespace zoravina
