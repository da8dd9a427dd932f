// The real window, offscreen, driven by its widgets' object names.

#include "main_window.h"
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

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
