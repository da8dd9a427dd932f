// The real window, offscreen: a click on a poem line until the poem is
// painted again, in automatic and in manual correction mode (with every
// verse of the line listed).

#include "main_window.h"
#include "poem_canvas.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace zoravina;

namespace {

void BM_ClickOnALineUntilPainted(benchmark::State& state)
{
    MainWindow window(embeddedCorpus(), Random(9));
    window.show();
    Form& form = window.form();
    form.enterFromStartScreen();
    form.selectOption(OptionGroup::Kind, 3);
    form.selectOption(OptionGroup::Correction, static_cast<int>(state.range(0)));
    form.selectOption(OptionGroup::Selectivity, 3);   // the manual list then holds every verse of the line
    form.composeWithSettings();
    // Two lines in turn, so that no two clicks make a double click.
    QWidget* lines[] = {window.findChild<QWidget*>(QStringLiteral("Label1_5")),
                        window.findChild<QWidget*>(QStringLiteral("Label1_17"))};
    int turn = 0;
    for (auto _ : state) {
        QWidget* line = lines[turn++ % 2];
        QTest::mouseClick(line, Qt::LeftButton, Qt::NoModifier, line->rect().center());
        window.canvas().repaint();
    }
}

} // namespace

BENCHMARK(BM_ClickOnALineUntilPainted)->ArgName("correction")->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
