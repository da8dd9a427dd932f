// One table of what a reader feels: composing each kind of poem, drawing a
// poem in both layouts, a click on a line until the poem is painted again,
// start-up to the first painted frame, resident memory after a thousand
// compositions, and, when Node and tracery-grammar are at hand, the same
// composition with a Tracery grammar of the corpus's size.
//
//   zoravina_bench_report [--tracery-dir DIR]

#include "compose.h"
#include "loaders.h"
#include "main_window.h"
#include "poem_canvas.h"
#include "poem_display.h"
#include "qt_surface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <utility>
#include <map>
#include <string>
#include <vector>

using namespace zoravina;

namespace {

constexpr const char* kKindNames[] = {"", "bright", "dark", "combination"};

class NoControls : public WindowControls {
public:
    void setVisible(Control, int, bool) override {}
    bool isVisible(Control, int) const override { return false; }
    void setCaption(Control, const std::string&) override {}
    std::string caption(Control) const override { return {}; }
    void setLeft(Control, int) override {}
    void setBackground(int) override {}
    void setPersistentDrawing(bool) override {}
};

void BM_Compose(benchmark::State& state)
{
    Engine engine(embeddedCorpus(), Random(1));
    engine.poem.poemKind = static_cast<PoemKind>(state.range(0));
    engine.poem.selectivity = Selectivity::Highest;
    for (auto _ : state) {
        engine.poem.firstPosition = 1;
        engine.poem.brightFromPosition = 1;
        composePoem(engine);
        benchmark::DoNotOptimize(engine.poem.darkLines(23).data());
    }
}

void BM_ShowPoem(benchmark::State& state)
{
    Engine engine(embeddedCorpus(), Random(3));
    engine.poem.poemKind = PoemKind::Combination;
    composePoem(engine);
    DisplaySettings settings;
    applyLayout(settings, static_cast<Resolution>(state.range(0)));
    const bool large = static_cast<Resolution>(state.range(0)) == Resolution::Large;
    QImage image(large ? 1024 : 800, large ? 768 : 600, QImage::Format_ARGB32_Premultiplied);
    QtSurface surface;
    NoControls controls;
    for (auto _ : state) {
        showPoem(engine, settings, surface, controls);
        QPainter painter(&image);
        surface.paint(painter);
    }
}

void BM_ClickUntilPainted(benchmark::State& state)
{
    MainWindow window(embeddedCorpus(), Random(9));
    window.show();
    Form& form = window.form();
    form.enterFromStartScreen();
    form.selectOption(OptionGroup::Kind, 3);
    form.selectOption(OptionGroup::Correction, static_cast<int>(state.range(0)));
    form.selectOption(OptionGroup::Selectivity, 3);
    form.composeWithSettings();
    QWidget* lines[] = {window.findChild<QWidget*>(QStringLiteral("Label1_5")),
                        window.findChild<QWidget*>(QStringLiteral("Label1_17"))};
    int turn = 0;
    for (auto _ : state) {
        QWidget* line = lines[turn++ % 2];
        QTest::mouseClick(line, Qt::LeftButton, Qt::NoModifier, line->rect().center());
        window.canvas().repaint();
    }
}

// Collects the mean time per iteration of every run, in milliseconds.
class Collector : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                results[run.benchmark_name()] = run.GetAdjustedRealTime() * multiplier(run.time_unit) ;
    }
    std::map<std::string, double> results;

private:
    static double multiplier(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond: return 1e-6;
        case benchmark::kMicrosecond: return 1e-3;
        case benchmark::kMillisecond: return 1.0;
        case benchmark::kSecond: return 1e3;
        }
        return 1.0;
    }
};

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        long value = 0;
        if (key == "VmRSS:" && status >> value)
            return value;
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

// Child modes: each runs in a fresh process so that it measures a real start.
// Notes the first paint event of a widget; the time is taken once it has been handled.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(std::function<void()> done) : done_(std::move(done)) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && done_) {
            QTimer::singleShot(0, std::exchange(done_, nullptr));
        }
        return false;
    }

private:
    std::function<void()> done_;
};

int firstFrameChild(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    MainWindow window;
    FirstPaint watch([&] {
        std::printf("%.3f\n", clock.nsecsElapsed() / 1e6);
        std::fflush(stdout);
        app.quit();
    });
    window.canvas().installEventFilter(&watch);
    window.show();
    return app.exec();
}

int memoryChild(int argc, char** argv)
{
    QApplication app(argc, argv);
    MainWindow window(embeddedCorpus(), Random(5));
    window.show();
    QTest::qWait(50);
    const long before = residentKilobytes();
    Form& form = window.form();
    form.enterFromStartScreen();
    for (int i = 0; i < 1000; ++i) {
        form.selectOption(OptionGroup::Kind, i % 3 + 1);
        form.composeWithSettings();
        if (i % 50 == 0)
            QCoreApplication::processEvents();
    }
    window.canvas().repaint();
    std::printf("%ld %ld\n", before, residentKilobytes());
    return 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct ChildRun {
    std::string output;
    double millisecondsToOutput = 0;   // from starting the process to its first line
};

ChildRun runChild(const QString& mode)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {mode});
    ChildRun run;
    if (child.waitForReadyRead(60000))
        run.millisecondsToOutput = clock.nsecsElapsed() / 1e6;
    child.waitForFinished(60000);
    run.output = child.readAllStandardOutput().trimmed().toStdString();
    return run;
}

// The bright poem's 23 positions as Tracery rules, each holding every bright
// verse written at that position: the same choice a composition makes, without
// the grades.
std::string traceryGrammar()
{
    const auto corpus = embeddedCorpus();
    std::string json = "{\"origin\":[\"";
    for (int p = 1; p <= kLastPosition; ++p)
        json += "#p" + std::to_string(p) + "#" + (p < kLastPosition ? "\\n" : "");
    json += "\"]";
    for (int p = 1; p <= kLastPosition; ++p) {
        json += ",\"p" + std::to_string(p) + "\":[";
        bool first = true;
        for (const CorpusVerseFile& file : corpus->bright)
            for (const CorpusPosition& position : file.positions) {
                if (position.position != p || blockOfPosition(p) != static_cast<int>(&file - corpus->bright.data()))
                    continue;
                for (const CorpusGroup& group : position.groups)
                    for (const std::string& verse : group.verses) {
                        json += first ? "\"" : ",\"";
                        first = false;
                        for (char c : verse) {
                            if (c == '"' || c == '\\' || c == '#')
                                json += '\\';
                            json += c;
                        }
                        json += '"';
                    }
            }
        json += "]";
    }
    return json + "}";
}

// Milliseconds per poem that tracery-grammar takes in Node, or a negative
// number when Node or the package is missing.
double traceryMilliseconds(const QString& traceryDir)
{
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (node.isEmpty() || !QFile::exists(traceryDir + QStringLiteral("/node_modules/tracery-grammar")))
        return -1;
    QTemporaryDir scratch;
    const QString grammarPath = scratch.filePath(QStringLiteral("grammar.json"));
    QFile grammar(grammarPath);
    if (!grammar.open(QIODevice::WriteOnly))
        return -1;
    grammar.write(QByteArray::fromStdString(traceryGrammar()));
    grammar.close();
    const QString script = QStringLiteral(
        "const tracery = require(process.argv[2] + '/node_modules/tracery-grammar');"
        "const grammar = tracery.createGrammar(JSON.parse(require('fs').readFileSync(process.argv[1], 'utf8')));"
        "let poems = 0, length = 0; for (let i = 0; i < 2000; ++i) length += grammar.flatten('#origin#').length;"
        "const n = 20000, start = process.hrtime.bigint();"
        "for (let i = 0; i < n; ++i) length += grammar.flatten('#origin#').length;"
        "const ms = Number(process.hrtime.bigint() - start) / 1e6;"
        "console.log((ms / n).toFixed(6), length > 0 ? 'ok' : 'empty');");
    QProcess child;
    child.start(node, {QStringLiteral("-e"), script, grammarPath, QDir(traceryDir).absolutePath()});
    child.waitForFinished(300000);
    const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
    return words.size() == 2 && words[1] == "ok" ? words[0].toDouble() : -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--first-frame")
        return firstFrameChild(argc, argv);
    if (argc == 2 && std::string(argv[1]) == "--memory")
        return memoryChild(argc, argv);
    QString traceryDir = QStringLiteral("bench/tracery");
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--tracery-dir")
            traceryDir = QString::fromLocal8Bit(argv[i + 1]);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    benchmark::RegisterBenchmark("compose", BM_Compose)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("showPoem", BM_ShowPoem)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("click", BM_ClickUntilPainted)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond);
    int benchArgc = 1;
    benchmark::Initialize(&benchArgc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    const auto& r = collector.results;

    std::vector<double> startsInProcess, startsFromExec;
    for (int i = 0; i < 9; ++i) {
        const ChildRun run = runChild(QStringLiteral("--first-frame"));
        if (run.output.empty())
            continue;
        startsInProcess.push_back(std::stod(run.output));
        startsFromExec.push_back(run.millisecondsToOutput);
    }
    long rssBefore = -1, rssAfter = -1;
    std::sscanf(runChild(QStringLiteral("--memory")).output.c_str(), "%ld %ld", &rssBefore, &rssAfter);
    const double tracery = traceryMilliseconds(traceryDir);

    std::printf("\n| measurement | result | target |\n|---|---|---|\n");
    for (int kind = 1; kind <= 3; ++kind)
        std::printf("| compose a %s poem (highest selectivity) | %.1f µs | |\n", kKindNames[kind],
                    r.at("compose/" + std::to_string(kind)) * 1000);
    std::printf("| showPoem, combination poem, 800 × 600 layout | %.2f ms | |\n", r.at("showPoem/1"));
    std::printf("| showPoem, combination poem, 1024 × 768 layout | %.2f ms | |\n", r.at("showPoem/2"));
    std::printf("| click on a line until painted, automatic correction | %.2f ms | < 16 ms |\n", r.at("click/2"));
    std::printf("| click on a line until painted, manual list of every verse | %.2f ms | < 16 ms |\n", r.at("click/1"));
    std::printf("| start-up to the first painted frame, from starting the process (median of %zu) | %.0f ms | < 200 ms |\n",
                startsFromExec.size(), median(startsFromExec));
    std::printf("| the same, from entering main() | %.0f ms | |\n", median(startsInProcess));
    std::printf("| resident memory, window shown / after 1,000 compositions | %.1f / %.1f MiB | |\n", rssBefore / 1024.0,
                rssAfter / 1024.0);
    if (tracery > 0) {
        const double ours = r.at("compose/1");
        std::printf("| the same bright poem with tracery-grammar in Node | %.1f µs | |\n", tracery * 1000);
        std::printf("| Tracery time / compose time | %.1f × | ≥ 20 × |\n", tracery / ours);
    } else {
        std::printf("| Tracery comparison | skipped: node or %s/node_modules/tracery-grammar missing | |\n",
                    qPrintable(traceryDir));
    }
    return 0;
}
