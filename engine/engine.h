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

    // The block whose load left the store and the grades as they are now.
    struct LoadedBlock {
        const Corpus* corpus = nullptr;
        int block = 0;
        int clearTo = 0;
        std::uint64_t storeRevision = 0;
        std::uint64_t gradeRevision = 0;
    };

    std::shared_ptr<const Corpus> corpus;
    LoadedBlock loaded;
    VerseStore store;
    PoemState poem;
    GradeTables grades;
    Random random;
};

} // namespace zoravina
