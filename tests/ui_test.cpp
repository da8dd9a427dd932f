// The real window, offscreen, driven by its widgets' object names.

#include "main_window.h"
#include "test_corpus.h"
#include "poem_canvas.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace zoravina;

namespace {

int redPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 200 && c.green() < 60 && c.blue() < 60 ? 1 : 0;
        }
    return count;
}

int distinctColours(const QImage& image, QRect area)
{
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); y += 3)
        for (int x = area.left(); x <= area.right(); x += 3)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

void save(const QImage& image, const char* name)
{
    if (const char* folder = std::getenv("ZORAVINA_SCREENSHOTS"))
        image.save(QString::fromUtf8(folder) + "/" + name);
}

} // namespace

TEST(Window, OpensWithItsCaptionAndTheEntryButton)
{
    MainWindow window;
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zovo razor"));
    auto* entry = window.findChild<QPushButton*>(QStringLiteral("Command13"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QStringLiteral(" Potrkaj in vstopi"));
    save(window.grab().toImage(), "start.png");
}

TEST(Window, ACombinationPoemStandsOnTheWindowInBothLayouts)
{
    for (Resolution resolution : {Resolution::Large, Resolution::Small}) {
        MainWindow window;
        window.show();
        window.engine().poem.poemKind = PoemKind::Combination;
        applyLayout(window.display(), resolution);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command13")), Qt::LeftButton);
        QApplication::processEvents();
        const QImage shot = window.canvas().grab().toImage();
        save(shot, resolution == Resolution::Large ? "combination-1024.png" : "combination-800.png");
        EXPECT_GT(redPixels(shot), 50) << "red initials of the dark half";
        EXPECT_GT(distinctColours(shot, QRect(600, 500, 300, 200)), 20) << "the background picture shows";
        auto* title = window.findChild<QLabel*>(QStringLiteral("Label5"));
        EXPECT_TRUE(title->isVisible());
        EXPECT_TRUE(title->text().contains(QStringLiteral("Orn")));
        EXPECT_TRUE(window.findChild<QLabel*>(QStringLiteral("Label16_0"))->isVisibleTo(&window)) << "poemShowing";
    }
}

TEST(Window, ATwentyThreeLinePoemStandsInFiveStanzasUnderItsTitle)
{
    MainWindow window;
    window.show();
    window.composeNewPoem();
    auto& poem = window.engine().poem;
    const char* verses[] = {"Z3arja se razliva čez svet, ki še spi v tiši5n3i.", "O3ko se odpre in vanj se vlije ves sv4e3t.",
                            "R3eka v sebi nosi 9nebo 3vse do sla5p3a.", "A3 vendar luč ostaja z nami povs5o3d."};
    for (int p = 1; p <= 23; ++p)
        poem.brightLines(p) = verses[p % 4];
    window.redrawPoem();
    QApplication::processEvents();
    const QImage shot = window.canvas().grab().toImage();
    save(shot, "bright-23.png");

    // Rows where an initial letter in the initial colour stands at the left margin.
    std::vector<int> bandTops;
    bool inBand = false;
    for (int y = 0; y < shot.height(); ++y) {
        bool initial = false;
        for (int x = 36; x < 62 && !initial; ++x) {
            const QColor c = shot.pixelColor(x, y);
            initial = c.blue() > 150 && c.red() < 100 && c.green() < 130;
        }
        if (initial && !inBand)
            bandTops.push_back(y);
        inBand = initial;
    }
    ASSERT_EQ(bandTops.size(), 23u);
    std::vector<int> steps;
    for (std::size_t i = 1; i < bandTops.size(); ++i)
        steps.push_back(bandTops[i] - bandTops[i - 1]);
    const int step = steps[1];
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const bool gap = i == 4 || i == 9 || i == 12 || i == 17;   // after lines 5, 10, 13 and 18
        if (gap)
            EXPECT_GT(steps[i], step * 3 / 2) << "no stanza gap after line " << i + 1;
        else
            EXPECT_LE(steps[i], step + 2) << "a gap inside a stanza after line " << i + 1;
    }
    auto* title = window.findChild<QLabel*>(QStringLiteral("Label5"));
    EXPECT_LT(title->geometry().bottom(), bandTops.front());
}

TEST(Window, AFaultInTheContentIsReportedAndTheWindowStays)
{
    MainWindow window;
    window.show();
    fixtures::Shape shape;
    shape.groups = [](char side, int p) { return side == 'b' && p == 9 ? 35 : 3; };   // beyond the grade tables
    window.engine() = fixtures::engineOf(fixtures::syntheticFiles(shape));
    EXPECT_NO_THROW(window.composeNewPoem());
    EXPECT_FALSE(window.engine().poem.brightLines(8).empty()) << "the lines before the fault stay composed";
    const QImage& drawing = window.canvas().drawing();
    int inked = 0;
    for (int y = 0; y < drawing.height(); y += 2)
        for (int x = 0; x < drawing.width(); x += 2)
            inked += qAlpha(drawing.pixel(x, y)) > 0 ? 1 : 0;
    EXPECT_GT(inked, 0);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
