// Time to compose one whole poem, block reloads included, on a store filled
// to the full shape of the corpus (synthetic verses and grades) and on the
// corpus as it is compiled in.

#include "compose.h"
#include "corpus_shape.h"

#include <benchmark/benchmark.h>

#include <map>
#include <random>

using namespace zoravina;

namespace {

// Verses of typical length and grades with the corpus's mix of 0..3, in
// exactly the shape of a complete corpus.
std::shared_ptr<const Corpus> fullShapeCorpus()
{
    const CorpusShape shape = parseCorpusShape(embeddedFile("shape.txt"));
    std::mt19937 random(7);
    std::map<std::string, std::string> files;
    for (const auto& [key, written] : shape.blocks) {
        const auto& [side, block, position] = key;
        std::string& text = files[std::string(side == Side::Bright ? "bright-" : "dark-") + std::to_string(block) + ".txt"];
        text += "@position " + std::to_string(position) + "\n";
        for (std::size_t g = 0; g < written.variants.size(); ++g) {
            if (written.variants[g] < 0)
                continue;
            text += "@group " + std::to_string(g + 1) + " | gloss\n";
            for (int v = 1; v <= written.variants[g]; ++v)
                text += "V3erz " + std::to_string(position) + "." + std::to_string(g + 1) + "." + std::to_string(v) + " " +
                        std::string(20 + random() % 25, 'a') + "5z3.\n";   // 35 to 65 characters
        }
    }
    for (const GradeSet& set : shape.grades) {
        std::string& text = files["grades-" + std::to_string(set.block) + ".txt"];
        for (const std::vector<int>& leading : set.rows) {
            const auto wide = set.wideRows.find(leading.back());
            const int columns = wide == set.wideRows.end() ? set.columns : wide->second;
            text += std::string(tableShape(set.table).name);
            for (int index : leading)
                text += " " + std::to_string(index);
            text += " ";
            for (int c = 0; c < columns; ++c) {
                const int draw = static_cast<int>(random() % 100);
                text += draw < 60 ? '0' : draw < 64 ? '1' : draw < 82 ? '2' : '3';
            }
            text += "\n";
        }
    }
    std::vector<CorpusFile> list;
    for (const auto& [name, text] : files)
        list.push_back({name, text});
    return parseCorpus(list);
}

void composeWhole(benchmark::State& state, std::shared_ptr<const Corpus> corpus, Random random = Random(1))
{
    Engine engine(std::move(corpus), std::move(random));
    engine.poem.poemKind = static_cast<PoemKind>(state.range(0));
    engine.poem.selectivity = static_cast<Selectivity>(state.range(1));
    for (auto _ : state) {
        engine.poem.firstPosition = 1;
        engine.poem.brightFromPosition = 1;
        composePoem(engine);
        benchmark::DoNotOptimize(engine.poem.brightLines(23).data());
    }
}

void BM_ComposeFullShape(benchmark::State& state)
{
    static const auto corpus = fullShapeCorpus();
    composeWhole(state, corpus);
}

void BM_ComposeEmbeddedCorpus(benchmark::State& state)
{
    composeWhole(state, embeddedCorpus());
}

// As the program runs: the generator is reseeded from the clock before every selection.
void BM_ComposeFullShapeReseeded(benchmark::State& state)
{
    static const auto corpus = fullShapeCorpus();
    composeWhole(state, corpus, Random());
}

void kindsAndSelectivities(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"kind", "selectivity"});
    for (int kind = 1; kind <= 3; ++kind)
        for (int selectivity = 1; selectivity <= 3; ++selectivity)
            bench->Args({kind, selectivity});
}

} // namespace

BENCHMARK(BM_ComposeFullShape)->Apply(kindsAndSelectivities)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeFullShapeReseeded)->Apply(kindsAndSelectivities)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeEmbeddedCorpus)->Apply(kindsAndSelectivities)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
