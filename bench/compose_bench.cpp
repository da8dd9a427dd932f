// Time to compose one whole poem, block reloads included, on a store filled
// to the full shape of the corpus (synthetic verses and grades) and on the
// corpus as it is compiled in.

#include "compose.h"

#include <benchmark/benchmark.h>

#include <map>
#include <random>
#include <sstream>

using namespace zoravina;

namespace {

std::vector<std::string> fields(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

// Verses of typical length and grades with the corpus's mix of 0..3.
std::shared_ptr<const Corpus> fullShapeCorpus()
{
    std::map<std::string, std::string> files;
    std::map<std::pair<std::string, int>, std::vector<int>> composing;
    std::mt19937 random(7);
    std::istringstream shape{std::string(embeddedFile("shape.txt"))};
    for (std::string line; std::getline(shape, line);) {
        const auto f = fields(line);
        if (f.empty() || f[0][0] == '#')
            continue;
        if (f[0] == "verses" || f[0] == "copy") {
            const int position = std::stoi(f[2]);
            std::vector<int> variants;
            if (f[0] == "verses") {
                for (std::size_t k = 8; k < f.size(); ++k)
                    variants.push_back(std::stoi(f[k]));
                composing[{f[1], position}] = variants;
            } else {
                variants = composing[{f[1], position}];
                for (std::size_t k = 4; k < f.size(); ++k) {
                    const auto eq = f[k].find('=');
                    const std::string value = f[k].substr(eq + 1);
                    variants[std::stoul(f[k].substr(0, eq)) - 1] = value == "-" ? 0 : std::stoi(value);
                }
            }
            std::string& text = files[f[1] + "-" + f[3] + ".txt"];
            text += "@position " + f[2] + "\n";
            for (std::size_t g = 0; g < variants.size(); ++g) {
                text += "@group " + std::to_string(g + 1) + " | gloss\n";
                for (int v = 1; v <= variants[g]; ++v)
                    text += "V3erz " + f[2] + "." + std::to_string(g + 1) + "." + std::to_string(v) + " " +
                            std::string(20 + random() % 25, 'a') + "5z3.\n";   // 35 to 65 characters
            }
        } else if (f[0] == "grades") {
            std::string& text = files["grades-" + f[1] + ".txt"];
            const int columns = std::stoi(f[5]);
            std::vector<std::string> rows;
            const auto x = f[4].find('x');
            if (x == std::string::npos) {
                for (int r = 1; r <= std::stoi(f[4]); ++r)
                    rows.push_back((f[3] == "-" ? "" : f[3] + " ") + std::to_string(r));
            } else {
                for (int a = 1; a <= std::stoi(f[4].substr(0, x)); ++a)
                    for (int b = 1; b <= std::stoi(f[4].substr(x + 1)); ++b)
                        rows.push_back(std::to_string(a) + " " + std::to_string(b));
            }
            for (const std::string& row : rows) {
                std::string digits;
                for (int c = 0; c < columns; ++c) {
                    const int draw = static_cast<int>(random() % 100);
                    digits += draw < 60 ? '0' : draw < 64 ? '1' : draw < 82 ? '2' : '3';
                }
                text += f[2] + " " + row + " " + digits + "\n";
            }
        }
    }
    std::vector<CorpusFile> list;
    static std::vector<std::string> keep;
    for (const auto& [name, text] : files)
        list.push_back({name, keep.emplace_back(text)});
    return parseCorpus(list);
}

void composeWhole(benchmark::State& state, std::shared_ptr<const Corpus> corpus)
{
    Engine engine(std::move(corpus), Random(1));
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

void kindsAndSelectivities(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"kind", "selectivity"});
    for (int kind = 1; kind <= 3; ++kind)
        for (int selectivity = 1; selectivity <= 3; ++selectivity)
            bench->Args({kind, selectivity});
}

} // namespace

BENCHMARK(BM_ComposeFullShape)->Apply(kindsAndSelectivities)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeEmbeddedCorpus)->Apply(kindsAndSelectivities)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
