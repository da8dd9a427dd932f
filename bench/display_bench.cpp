// Time to redraw a combination poem on the window's image at 1024 × 768
// with real fonts.

#include "compose.h"
#include "poem_display.h"
#include "qt_surface.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace zoravina;

namespace {

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

void BM_ShowCombinationPoem(benchmark::State& state)
{
    Engine engine(embeddedCorpus(), Random(3));
    engine.poem.poemKind = PoemKind::Combination;
    composePoem(engine);
    DisplaySettings settings;
    settings.alignment = static_cast<Alignment>(state.range(0));
    QImage image(1024, 768, QImage::Format_ARGB32_Premultiplied);
    QtSurface surface;
    NoControls controls;
    for (auto _ : state) {
        showPoem(engine, settings, surface, controls);
        QPainter painter(&image);
        surface.paint(painter);
    }
}

} // namespace

BENCHMARK(BM_ShowCombinationPoem)->ArgName("alignment")->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
