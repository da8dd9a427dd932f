// zoravina-cli: the command-line companion for corpus authors and testers.

#include "collection.h"
#include "compose.h"
#include "json.h"
#include "lint.h"
#include "loaders.h"
#include "markup.h"
#include "poem_code.h"

#include <charconv>
#include <iomanip>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using namespace zoravina;

namespace {

constexpr int kUsageError = 2;

int usage()
{
    std::cerr << "usage:\n"
                 "  zoravina-cli dump BLOCK [BLOCK ...]\n"
                 "  zoravina-cli compose [--kind 1|2|3] [--selectivity 1|2|3] [--seed N] [--count C] [--json]\n"
                 "  zoravina-cli show CODE|ENTRY [--ansi]\n"
                 "  zoravina-cli collection\n"
                 "  zoravina-cli lint [--complete]\n";
    return kUsageError;
}

std::optional<long long> number(std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

template <class Array>
std::string jsonArray(int from, int to, Array&& element)
{
    std::string out = "[";
    for (int i = from; i <= to; ++i) {
        if (i > from)
            out += ',';
        out += element(i);
    }
    return out + "]";
}

int dump(const std::vector<std::string>& args)
{
    if (args.empty())
        return usage();
    Engine engine;
    for (const std::string& arg : args) {
        const auto block = number(arg);
        if (!block)
            return usage();
        loadBrightBlock(engine.store, *engine.corpus, static_cast<int>(*block));
        loadDarkBlock(engine.store, *engine.corpus, static_cast<int>(*block));
        loadTableBlock(engine.grades, *engine.corpus, static_cast<int>(*block));
    }
    const VerseStore& store = engine.store;
    std::ostringstream out;
    out << "{";
    for (Side side : {Side::Bright, Side::Dark}) {
        const std::string name = side == Side::Bright ? "bright" : "dark";
        out << jsonString(name + "GroupCount") << ":"
            << jsonArray(0, kPositionExtent - 1, [&](int p) { return std::to_string(store.groupCount(side)(p)); }) << ",";
        out << jsonString(name + "VariantCount") << ":" << jsonArray(0, kPositionExtent - 1, [&](int p) {
            return jsonArray(0, kGroupExtent - 1, [&](int g) { return std::to_string(store.variantCount(side)(p, g)); });
        }) << ",";
        out << jsonString(name + "Verses") << ":{";
        bool first = true;
        for (int p = 0; p < kPositionExtent; ++p)
            for (int g = 0; g < kGroupExtent; ++g)
                for (int v = 0; v < kVariantExtent; ++v) {
                    const std::string_view text = store.verses(side)(p, g, v);
                    if (text.empty())
                        continue;
                    out << (first ? "" : ",") << jsonString(std::to_string(p) + "," + std::to_string(g) + "," + std::to_string(v))
                        << ":" << jsonString(text);
                    first = false;
                }
        out << "},";
    }
    out << "\"grades\":[";
    bool first = true;
    for (const GradeTable& table : engine.grades) {
        const TableShape& shape = table.shape();
        const int columns = shape.extents[shape.rank - 1];
        const auto cells = table.cells();
        for (std::size_t offset = 0; offset < cells.size(); ++offset) {
            if (cells[offset] == 0)
                continue;
            out << (first ? "" : ",") << "[" << jsonString(shape.name);
            std::size_t rest = offset / static_cast<std::size_t>(columns);
            std::vector<std::size_t> index{offset % static_cast<std::size_t>(columns)};
            for (int d = shape.rank - 2; d >= 0; --d) {
                index.insert(index.begin(), rest % static_cast<std::size_t>(shape.extents[d]));
                rest /= static_cast<std::size_t>(shape.extents[d]);
            }
            for (std::size_t i : index)
                out << "," << i;
            out << "," << static_cast<int>(cells[offset]) << "]";
            first = false;
        }
    }
    out << "]}";
    std::cout << out.str() << "\n";
    return 0;
}

int compose(const std::vector<std::string>& args)
{
    long long kind = 1, selectivity = 1, seed = 1, count = 1;
    bool json = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        auto value = [&](long long& target, long long lo, long long hi) {
            const auto parsed = i + 1 < args.size() ? number(args[++i]) : std::nullopt;
            if (!parsed || *parsed < lo || *parsed > hi)
                return false;
            target = *parsed;
            return true;
        };
        bool ok = true;
        if (args[i] == "--kind")
            ok = value(kind, 1, 3);
        else if (args[i] == "--selectivity")
            ok = value(selectivity, 1, 3);
        else if (args[i] == "--seed")
            ok = value(seed, 0, (1LL << 62));
        else if (args[i] == "--count")
            ok = value(count, 0, 1000000);
        else if (args[i] == "--json")
            json = true;
        else
            ok = false;
        if (!ok)
            return usage();
    }
    Engine engine(embeddedCorpus(), Random(static_cast<std::uint64_t>(seed)));
    PoemState& poem = engine.poem;
    poem.poemKind = static_cast<PoemKind>(kind);
    poem.selectivity = static_cast<Selectivity>(selectivity);
    for (long long n = 0; n < count; ++n) {
        poem.firstPosition = 1;
        poem.brightFromPosition = 1;
        try {
            composePoem(engine);
        } catch (const IndexError& error) {
            std::cerr << "napaka: " << error.what() << "\n";
            return 1;
        }
        const std::string code = encodePoemCode(poem, 1, poem.poemKind, 0);
        if (json) {
            auto numbers = [&](const RecordArray& record) {
                return jsonArray(1, kLastPosition, [&](int p) { return std::to_string(record(1, p)); });
            };
            auto lines = [&](const Grid<std::string, kPositionExtent>& text) {
                return jsonArray(1, kLastPosition, [&](int p) { return jsonString(text(p)); });
            };
            std::cout << "{\"code\":" << jsonString(code) << ",\"brightGroups\":" << numbers(poem.poemBrightGroup)
                      << ",\"brightVariants\":" << numbers(poem.poemBrightVariant) << ",\"darkGroups\":" << numbers(poem.poemDarkGroup)
                      << ",\"darkVariants\":" << numbers(poem.poemDarkVariant) << ",\"brightLines\":" << lines(poem.brightLines)
                      << ",\"darkLines\":" << lines(poem.darkLines) << "}\n";
        } else {
            std::cout << code << "\n";
            for (int p = 1; p <= kLastPosition; ++p) {
                switch (poem.poemKind) {
                case PoemKind::Bright: std::cout << poem.brightLines(p); break;
                case PoemKind::Dark: std::cout << poem.darkLines(p); break;
                case PoemKind::Combination: std::cout << poem.brightLines(p) << " " << poem.darkLines(p); break;
                }
                std::cout << "\n";
            }
            std::cout << "\n";
        }
    }
    return 0;
}

// Prints marked-up lines in a terminal with 24-bit colour escapes.
class AnsiSurface : public Surface {
public:
    void clear() override {}
    void setColour(Colour colour) override { colour_ = colour; }
    void setItalic(bool on) override { italic_ = on; }
    void setBold(bool) override {}
    void setFontSize(double) override {}
    double fontSize() const override { return 0; }
    void moveTo(double, double) override {}
    void print(std::string_view text) override
    {
        if (!printed_ || colour_ != printedColour_ || italic_ != printedItalic_)
            std::cout << "\x1b[" << (italic_ ? "3;" : "23;") << "38;2;" << redOf(colour_) << ";" << greenOf(colour_) << ";"
                      << blueOf(colour_) << "m";
        std::cout << text;
        printed_ = true;
        printedColour_ = colour_;
        printedItalic_ = italic_;
    }
    void endLine()
    {
        std::cout << "\x1b[0m\n";
        printed_ = false;
    }
    double textWidth(std::string_view) const override { return 0; }

private:
    Colour colour_ = 0;
    bool italic_ = false;
    bool printed_ = false;
    Colour printedColour_ = 0;
    bool printedItalic_ = false;
};

int show(const std::vector<std::string>& args)
{
    if (args.empty() || args.size() > 2 || (args.size() == 2 && args[1] != "--ansi"))
        return usage();
    // A collection entry number stands for its code; its kind follows from the number.
    std::string text = args[0];
    std::optional<PoemKind> entryKind;
    if (const auto entry = number(text); entry && text.size() <= 3) {
        const CollectionEntry* e = embeddedCollection().entry(static_cast<int>(*entry));
        entryKind = kindOfEntry(static_cast<int>(*entry));
        if (!e || !entryKind || e->code.empty()) {
            std::cerr << "no collection poem " << text << "\n";
            return kUsageError;
        }
        text = e->code;
    }
    auto code = decodePoemCode(text);
    if (!code) {
        std::cerr << "not a poem code\n";
        return kUsageError;
    }
    if (entryKind)
        code->kind = *entryKind;
    Engine engine;
    try {
        rebuildPoem(engine, *code, 1);
    } catch (const IndexError& error) {
        std::cerr << "napaka: " << error.what() << "\n";
        return 1;
    }
    const bool ansi = args.size() == 2;
    MarkupSettings settings;
    StylePass pass(settings.background);
    AnsiSurface surface;
    for (int p = 1; p <= kLastPosition; ++p) {
        std::string line;
        switch (code->kind) {
        case PoemKind::Bright: line = engine.poem.brightLines(p); break;
        case PoemKind::Dark: line = engine.poem.darkLines(p); break;
        case PoemKind::Combination: line = engine.poem.brightLines(p) + " " + engine.poem.darkLines(p); break;
        }
        if (ansi) {
            beginLine(surface, settings, pass);
            printVerseLine(line, settings, pass, surface);
            surface.endLine();
        } else {
            std::cout << line << "\n";
        }
    }
    return 0;
}

// Every entry of the collection: number, kind letter, title, code.
int collection(const std::vector<std::string>& args)
{
    if (!args.empty())
        return usage();
    const Collection& c = embeddedCollection();
    for (const std::string& error : c.errors)
        std::cerr << "collection.txt: " << error << "\n";
    for (const CollectionEntry& entry : c.entries) {
        const auto kind = kindOfEntry(entry.number);
        std::cout << entry.number << "\t" << (kind ? std::string(1, kindLetter(*kind)) : std::string("-")) << "\t"
                  << entry.title << "\t" << entry.code << "\n";
    }
    return c.errors.empty() ? 0 : 1;
}

int lint(const std::vector<std::string>& args)
{
    const bool complete = args.size() == 1 && args[0] == "--complete";
    if (!args.empty() && !complete)
        return usage();
    std::vector<CorpusFile> files;
    for (const CorpusFile& file : embeddedFiles())
        if (file.name != "shape.txt" && file.name != "collection.txt")
            files.push_back(file);
    const LintReport report = lintCorpus(files, embeddedFile("shape.txt"));
    const std::string folder = "engine/corpus/";
    for (const Diagnostic& d : report.violations)
        std::cout << folder << d.file << ":" << d.line << ": " << d.rule << ": " << d.text << "\n";
    if (complete)
        for (const std::string& line : report.missing)
            std::cout << folder << line << "\n";
    std::cout << "lint: " << report.versesChecked << " verses and " << report.gradeRowsChecked << " grade rows checked, "
              << report.violations.size() << " violations; missing " << report.missingVerses << " verses ("
              << report.missingGroups << " whole groups) and " << report.missingGradeRows << " grade rows\n";
    const int grades = report.gradeMix[0] + report.gradeMix[1] + report.gradeMix[2] + report.gradeMix[3];
    if (grades > 0) {
        std::cout << "grades: " << grades << " in rows counted once;";
        for (int g = 0; g < 4; ++g)
            std::cout << " " << g << ": " << std::fixed << std::setprecision(1) << 100.0 * report.gradeMix[g] / grades << " %";
        std::cout << "\n";
    }
    const bool missing = report.missingVerses + report.missingGradeRows > 0;
    return !report.violations.empty() || (complete && missing) ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string verb = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (verb == "dump")
        return dump(args);
    if (verb == "compose")
        return compose(args);
    if (verb == "show")
        return show(args);
    if (verb == "lint")
        return lint(args);
    if (verb == "collection")
        return collection(args);
    return usage();
}
