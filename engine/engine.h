#pragma once
// Everything composition works on, one instance per program (or per test).

#include "corpus.h"
#include "grades.h"
#include "random.h"
#include "state.h"

#include <memory>

namespace zoravina {

struct Engine {
    explicit Engine(std::shared_ptr<const Corpus> corpusData = embeddedCorpus(), Random generator = Random{})
        : corpus(std::move(corpusData)), random(std::move(generator))
    {
    }

    std::shared_ptr<const Corpus> corpus;
    VerseStore store;
    PoemState poem;
    GradeTables grades;
    Random random;
};

} // namespace zoravina
