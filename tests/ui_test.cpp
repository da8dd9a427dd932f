// The real window, offscreen, driven through its widgets' object names with
// simulated clicks, keys and mouse moves.

#include "main_window.h"
#include "poem_canvas.h"
#include "test_corpus.h"
#include "widget_view.h"
#include "window_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace zoravina;

using namespace zoravina::driver;

namespace {

// Three groups of four variants everywhere; the grades below decide lists.
std::shared_ptr<const Corpus> testCorpus(const std::string& extraGrades = "")
{
    fixtures::Files files = fixtures::syntheticFiles();
    files["grades-2.txt"] = "fitBB 6 1 303\nfitBB 6 2 303\nfitBB 6 3 303\n" + extraGrades;
    return fixtures::corpusOf(files);
}

struct Opened {
    MainWindow window;
    explicit Opened(std::shared_ptr<const Corpus> corpus = testCorpus(), std::uint64_t seed = 5)
        : window(std::move(corpus), Random(seed))
    {
        window.show();
        QApplication::processEvents();
    }
    // Enters, chooses a kind and a correction mode in the frames, and composes.
    void composeFromSettings(const QString& kind, const QString& correction = QStringLiteral("popravki_2"))
    {
        click(window, QStringLiteral("Command13"));
        click(window, kind);
        click(window, correction);
        click(window, QStringLiteral("Command1"));
    }
    PoemState& poem() { return window.engine().poem; }
};

std::vector<std::string> lines(const Grid<std::string, kPositionExtent>& of)
{
    std::vector<std::string> out;
    for (int p = 1; p <= 23; ++p)
        out.push_back(of(p));
    return out;
}

} // namespace

TEST(Window, StartsOnTheStartScreenWithEveryCaptionWhole)
{
    Opened o;
    EXPECT_EQ(o.window.windowTitle(), QStringLiteral("Zovo razor"));
    const std::pair<const char*, const char*> buttons[] = {
        {"Command16", "O pesmi"},   {"Command14", "Zasnova pesmi"}, {"Command15", "Napotki za branje in oblikovanje"},
        {"Command11", "O programu"}, {"Command12", "O avtorju"},    {"Command13", " Potrkaj in vstopi"},
        {"Command6", "Namestitev programa"}};
    for (const auto& [name, caption] : buttons) {
        auto* b = find<QPushButton>(o.window, QString::fromLatin1(name));
        EXPECT_TRUE(b->isVisible()) << name;
        EXPECT_EQ(b->text(), QString::fromUtf8(caption));
        EXPECT_GE(b->width(), b->sizeHint().width()) << name << " clips its caption";
    }
    QStringList menus;
    for (QAction* a : o.window.menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"Shrani", "Barva", "Grafika", "Zvok", "Zbirka", "Natisni", "Pomoč", "  ", "Izhod"}));
    EXPECT_FALSE(o.window.view().action(Control::zbir)->isEnabled());
    EXPECT_FALSE(o.window.view().action(Control::primer)->isEnabled());
    EXPECT_TRUE(shown(o.window, "Picture7"));
    EXPECT_FALSE(shown(o.window, "Frame1"));
    save(o.window, "start.png");
}

TEST(Window, EnteringShowsTheSettingsScreenWithItsOptionsAsTheyStart)
{
    Opened o;
    click(o.window, QStringLiteral("Command13"));
    for (const char* frame : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Picture8", "Picture13"})
        EXPECT_TRUE(shown(o.window, frame)) << frame;
    for (const char* hidden : {"Command13", "Command11", "Command6", "Picture7", "Command4"})
        EXPECT_FALSE(shown(o.window, hidden)) << hidden;
    for (const char* selected : {"pesem_1", "prednost_1", "popravki_2", "pisan_0", "poravnava_3"})
        EXPECT_TRUE(find<QRadioButton>(o.window, QString::fromLatin1(selected))->isChecked()) << selected;
    EXPECT_EQ(find<QRadioButton>(o.window, "pesem_1")->text(), QStringLiteral("Svetla "));
    EXPECT_EQ(find<QGroupBox>(o.window, "Frame2")->title(), QStringLiteral("PREDNOST"));
    EXPECT_EQ(o.window.display().alignment, Alignment::Centre);

    moveOver(find(o.window, "Label22"));
    EXPECT_TRUE(shown(o.window, "Picture10")) << "the hover spot opens its corner menu";
    EXPECT_FALSE(shown(o.window, "Label22"));
    save(o.window, "settings.png");
}

TEST(Window, TheOldPoemButtonReturnsToThePoemWithoutComposing)
{
    Opened o;
    o.composeFromSettings(QStringLiteral("pesem_3"));
    const auto bright = lines(o.poem().brightLines);
    const auto dark = lines(o.poem().darkLines);
    ASSERT_FALSE(bright.front().empty());
    moveOverCanvas(o.window, {700, 700});
    click(o.window, QStringLiteral("Command3"));
    EXPECT_TRUE(shown(o.window, "Command4"));
    EXPECT_FALSE(shown(o.window, "Label5")) << "the settings screen hides the title";
    EXPECT_TRUE(shown(o.window, "Label6")) << "but not its shadow";
    click(o.window, QStringLiteral("pesem_1"));
    click(o.window, QStringLiteral("Command4"));
    EXPECT_EQ(lines(o.poem().brightLines), bright);
    EXPECT_EQ(lines(o.poem().darkLines), dark);
    EXPECT_EQ(o.poem().poemKind, PoemKind::Bright);
    EXPECT_TRUE(shown(o.window, "Label1_46"));
}

TEST(Window, ThePoemButtonsReturnOnlyAfterThePointerLeavesTheLastPressBy500Twips)
{
    Opened o;
    o.composeFromSettings(QStringLiteral("pesem_1"));
    ASSERT_TRUE(shown(o.window, "Label16_0"));
    moveOverCanvas(o.window, {700, 700});
    ASSERT_TRUE(shown(o.window, "Command2"));
    click(o.window, QStringLiteral("Command2"));
    EXPECT_FALSE(shown(o.window, "Command2")) << "a new poem hides its buttons";
    const QPoint centre = find(o.window, "Command2")->geometry().center();
    moveOverCanvas(o.window, centre + QPoint(30, 30));   // 450 twips away
    EXPECT_FALSE(shown(o.window, "Command2"));
    EXPECT_FALSE(shown(o.window, "Picture6"));
    moveOverCanvas(o.window, centre + QPoint(0, 35));   // 525 twips away
    EXPECT_TRUE(shown(o.window, "Command2"));
    EXPECT_TRUE(shown(o.window, "Command3"));
    EXPECT_TRUE(shown(o.window, "Picture6"));
}

TEST(Window, RightClicksOnTheSelectivityImageCycleItAndColourThePanel)
{
    Opened o;
    o.composeFromSettings(QStringLiteral("pesem_1"));
    moveOverCanvas(o.window, {700, 700});
    ASSERT_TRUE(shown(o.window, "Picture6"));
    const std::pair<Selectivity, QColor> expected[] = {
        {Selectivity::Medium, QColor(255, 255, 0)}, {Selectivity::Lowest, QColor(0, 255, 0)}, {Selectivity::Highest, QColor(255, 0, 0)}};
    for (const auto& [selectivity, colour] : expected) {
        moveOverCanvas(o.window, {700, 700});   // every redraw hides the panel until the pointer moves
        click(o.window, QStringLiteral("Image2_3"), Qt::RightButton);
        EXPECT_EQ(o.poem().selectivity, selectivity);
        const QImage panel = find(o.window, "Picture6")->grab().toImage();
        EXPECT_EQ(panel.pixelColor(panel.width() - 2, 2), colour);
        EXPECT_TRUE(find<QRadioButton>(o.window, QStringLiteral("prednost_%1").arg(static_cast<int>(selectivity)))->isChecked());
    }
    moveOverCanvas(o.window, {700, 700});
    click(o.window, QStringLiteral("Image2_2"));
    EXPECT_EQ(o.window.display().alignment, Alignment::Right) << "a left click on the right-hand image aligns right";
}

TEST(Window, AnAutomaticChangeAtLineFiveKeepsTheLinesAboveIt)
{
    Opened o;
    o.composeFromSettings(QStringLiteral("pesem_1"));
    const auto before = lines(o.poem().brightLines);
    for (int attempt = 0; attempt < 5 && lines(o.poem().brightLines) == before; ++attempt)
        click(o.window, QStringLiteral("Label1_5"));
    const auto after = lines(o.poem().brightLines);
    EXPECT_EQ(std::vector(after.begin(), after.begin() + 4), std::vector(before.begin(), before.begin() + 4));
    EXPECT_NE(after, before) << "lines 5 to 23 are composed anew";
    EXPECT_EQ(o.poem().firstPosition, 5);
}

TEST(Window, AClickOnADarkHalfOfACombinationLineKeepsItsBrightVerse)
{
    Opened o;
    o.composeFromSettings(QStringLiteral("pesem_3"));
    const auto bright = lines(o.poem().brightLines);
    const auto dark = lines(o.poem().darkLines);
    for (int attempt = 0; attempt < 5 && lines(o.poem().darkLines) == dark; ++attempt)
        click(o.window, QStringLiteral("Label1_28"));
    const auto brightAfter = lines(o.poem().brightLines);
    const auto darkAfter = lines(o.poem().darkLines);
    EXPECT_EQ(std::vector(brightAfter.begin(), brightAfter.begin() + 5), std::vector(bright.begin(), bright.begin() + 5));
    EXPECT_EQ(std::vector(darkAfter.begin(), darkAfter.begin() + 4), std::vector(dark.begin(), dark.begin() + 4));
    EXPECT_NE(darkAfter, dark);
    EXPECT_EQ(o.poem().brightFromPosition, 6);
}

TEST(Window, UnderTheHighestSelectivityTheManualListPreselectsEveryVerseAndEnterAppliesTheFirst)
{
    Opened o;
    o.composeFromSettings(QStringLiteral("pesem_1"), QStringLiteral("popravki_1"));
    click(o.window, QStringLiteral("Label1_6"));
    auto* list = find<QListWidget>(o.window, "combo1");
    ASSERT_TRUE(list->isVisible());
    // Position 6 grades groups 1 and 3 with a 3 after every group of line 5.
    ASSERT_EQ(list->count(), 10);
    for (int row = 0; row < list->count(); ++row) {
        const bool separator = list->item(row)->text() == QString(58, '-');
        EXPECT_EQ(separator, row == 4 || row == 9);
        if (!separator) {
            EXPECT_TRUE(list->item(row)->isSelected()) << row;
        }
    }
    EXPECT_EQ(find<QLabel>(o.window, "Label3")->text(), QStringLiteral("Stevilo moznih verzov je: 8"));
    EXPECT_TRUE(shown(o.window, "Command5"));
    save(o.window, "manual-list.png");
    QTest::keyClick(list, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(o.poem().brightLines(6), fixtures::tag('b', 2, 6, 1, 1));
    EXPECT_EQ(o.poem().chosenBrightGroup(6), 1);
    EXPECT_EQ(o.poem().poemBrightVariant(1, 6), 1);
}

TEST(Window, ChoosingTheThirdVerseOfTheSecondListedGroupRecordsThatGroupsRealNumber)
{
    Opened o;
    o.composeFromSettings(QStringLiteral("pesem_1"), QStringLiteral("popravki_1"));
    click(o.window, QStringLiteral("Label1_6"));
    auto* list = find<QListWidget>(o.window, "combo1");
    ASSERT_EQ(list->count(), 10);
    QListWidgetItem* third = list->item(7);   // group 3, variant 3: group 2 is not listed
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(third).center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(third).center());
    QApplication::processEvents();
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(shown(o.window, "Command5"));
    EXPECT_EQ(o.poem().brightLines(6), fixtures::tag('b', 2, 6, 3, 3));
    EXPECT_EQ(o.poem().chosenBrightGroup(6), 3);
    EXPECT_EQ(o.poem().poemBrightGroup(1, 6), 3);
    EXPECT_EQ(o.poem().poemBrightVariant(1, 6), 3);
}

TEST(Window, ATypedCharacterClosesTheListWithoutAChangeWhileArrowsMoveInIt)
{
    Opened o;
    o.composeFromSettings(QStringLiteral("pesem_1"), QStringLiteral("popravki_1"));
    const auto before = lines(o.poem().brightLines);
    click(o.window, QStringLiteral("Label1_6"));
    auto* list = find<QListWidget>(o.window, "combo1");
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_TRUE(list->isVisible()) << "an arrow moves in the list";
    QTest::keyClick(list, Qt::Key_X);
    QApplication::processEvents();
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(lines(o.poem().brightLines), before);
}

TEST(Window, ACornerItemSetsTheKindWhileTheFrameStillShowsTheOldOne)
{
    Opened o;
    click(o.window, QStringLiteral("Command13"));
    moveOver(find(o.window, "Label22"));
    moveOver(find(o.window, "Picture10"));
    click(o.window, QStringLiteral("Label21_2"));
    EXPECT_EQ(o.poem().poemKind, PoemKind::Dark);
    EXPECT_EQ(o.window.display().markup.textColour, rgb(0, 0, 64));
    EXPECT_TRUE(find<QRadioButton>(o.window, "pesem_1")->isChecked());
    const auto& controls = o.window.controls();
    EXPECT_TRUE(controls.state(Control::Label21, 2).transparent) << "the chosen word shows";
    EXPECT_FALSE(controls.state(Control::Label21, 1).transparent);
    EXPECT_FALSE(controls.state(Control::Label21, 3).transparent);
    save(o.window, "settings-corner.png");
}

TEST(Window, APoemStandsOnTheWindowInBothLayouts)
{
    for (Resolution resolution : {Resolution::Large, Resolution::Small}) {
        Opened o(embeddedCorpus());
        click(o.window, QStringLiteral("Command13"));
        click(o.window, QStringLiteral("pesem_3"));
        o.window.form().chooseLayout(resolution == Resolution::Large ? 1 : 0);
        click(o.window, QStringLiteral("Command1"));
        const QImage shot = o.window.canvas().grab().toImage();
        save(o.window, resolution == Resolution::Large ? "combination-1024.png" : "combination-800.png");
        int red = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 60 && c.blue() < 60 ? 1 : 0;
            }
        EXPECT_GT(red, 50) << "red initials of the dark half";
        // The first line's text starts lineSpacing * 2 + 195 below the top margin.
        const auto& d = o.window.display();
        const int firstLineTop = d.topMargin + 195 + d.lineSpacing * 2;
        for (const char* credit : {"Label7", "Labl7"}) {
            const QRect box = find<QLabel>(o.window, credit)->geometry();
            EXPECT_LE((box.y() + box.height()) * 15, firstLineTop) << credit << " reaches into line 1";
        }
    }
}

// A reader's first visit with the program's own verses: every kind, both
// kinds of change, and the way back to the poem.
TEST(Window, AReadersFirstVisitWithTheRealVerses)
{
    Opened o(embeddedCorpus(), 11);
    click(o.window, QStringLiteral("Command13"));
    moveOver(find(o.window, "Label18"));
    save(o.window, "tour-settings-corner.png");
    for (const char* kind : {"pesem_1", "pesem_2", "pesem_3"}) {
        if (!shown(o.window, "Frame4")) {
            moveOverCanvas(o.window, {900, 700});
            click(o.window, QStringLiteral("Command3"));
        }
        click(o.window, QString::fromLatin1(kind));
        click(o.window, QStringLiteral("popravki_2"));
        click(o.window, QStringLiteral("Command1"));
        EXPECT_TRUE(shown(o.window, "Label16_0")) << kind;
        for (int p = 1; p <= 8; ++p) {
            EXPECT_FALSE(o.poem().brightLines(p).empty()) << kind << " line " << p;
            EXPECT_FALSE(o.poem().darkLines(p).empty()) << kind << " line " << p;
        }
        save(o.window, (std::string("tour-") + kind + ".png").c_str());
        click(o.window, QStringLiteral("Label1_3"));
        EXPECT_TRUE(shown(o.window, "Label16_0"));
    }
    moveOverCanvas(o.window, {900, 700});
    click(o.window, QStringLiteral("Command3"));
    click(o.window, QStringLiteral("popravki_1"));
    click(o.window, QStringLiteral("Command4"));
    click(o.window, QStringLiteral("Label1_4"));
    auto* list = find<QListWidget>(o.window, "combo1");
    EXPECT_TRUE(list->isVisible());
    EXPECT_GT(list->count(), 0);
    save(o.window, "tour-manual-list.png");
    const std::string first = o.window.controls().item(Control::combo1, 0);
    EXPECT_EQ(list->item(0)->text().toStdString().find_first_of("3456789"), std::string::npos) << "shown without markup";
    const QPoint at = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QApplication::processEvents();
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(o.poem().brightLines(4), first) << "the verse goes in with its markup";
}

// An enlarged window zooms the whole drawing evenly; the layout's rules
// still see the design width, and the lines are clicked where they stand.
TEST(Window, AnEnlargedWindowZoomsTheWholeDrawingEvenly)
{
    Opened o;
    o.composeFromSettings(QStringLiteral("pesem_1"));
    auto* area = find(o.window, "Label1_5");
    const QRect before = area->geometry();
    o.window.resize(1536, 1152 + o.window.menuBar()->height());
    QApplication::processEvents();
    EXPECT_EQ(o.window.canvas().size(), QSize(1536, 1152));
    EXPECT_NEAR(area->width(), before.width() * 1.5, 2);
    EXPECT_NEAR(area->y(), before.y() * 1.5, 2);
    EXPECT_EQ(o.window.display().screenWidth, 1024 * 15) << "the rules see the design width";
    const auto lines = o.poem().brightLines;
    click(o.window, QStringLiteral("Label1_5"));
    EXPECT_EQ(o.poem().firstPosition, 5) << "a click on the zoomed line reaches it";
    save(o.window, "zoomed.png");
    o.window.resize(2000, 900 + o.window.menuBar()->height());
    QApplication::processEvents();
    EXPECT_EQ(o.window.canvas().height(), 900) << "the drawing keeps its proportions and fits the height";
    EXPECT_EQ(o.window.canvas().width(), 1200);
}

TEST(Window, TheArrowKeysChooseALineAndEnterChangesItAndAScreenReaderReadsTheLines)
{
    Opened o;
    o.composeFromSettings(QStringLiteral("pesem_3"));
    auto* canvas = &o.window.canvas();
    canvas->setFocus();
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(canvas, Qt::Key_Down);
    QTest::keyClick(canvas, Qt::Key_Right);
    const auto bright = lines(o.poem().brightLines);
    QTest::keyClick(canvas, Qt::Key_Return);
    EXPECT_EQ(o.poem().clickedLine, 30) << "down six from line 1, then the dark half";
    EXPECT_EQ(lines(o.poem().brightLines)[6], bright[6]) << "the bright verse beside it stays";
    auto* area = find(o.window, "Label1_30");
    EXPECT_EQ(area->accessibleName(), QStringLiteral("Vrstica 7"));
    std::string plain;
    for (char c : o.poem().darkLines(7))
        if (c < '3' || c > '9')
            plain.push_back(c);
    EXPECT_EQ(area->accessibleDescription().toStdString(), plain) << "the line's text without its markup";
    EXPECT_FALSE(find(o.window, "Label21_2")->accessibleName().isEmpty());
}

TEST(Window, TheInformationButtonsTurnTheirPagesAndTheMenusChangeTheLook)
{
    Opened o;
    auto* info = find<QPushButton>(o.window, "Command11");
    const char* captions[] = {"Naslednja stran", "O programu", "Naslednja stran"};
    for (const char* caption : captions) {
        click(o.window, QStringLiteral("Command11"));
        EXPECT_EQ(info->text(), QString::fromUtf8(caption));
    }
    EXPECT_NE(o.window.display().displayLines(4).find("4P4r4o4g4r4a4m"), std::string::npos) << "page 1 again";
    EXPECT_FALSE(shown(o.window, "Command12")) << "the series hides the other buttons";
    save(o.window, "page-program.png");

    chooseMenu(o.window, {"Grafika", "Ločljivost", "800 X 600"});
    EXPECT_EQ(o.window.display().resolution, Resolution::Small);
    EXPECT_EQ(o.window.display().topMargin, 1001) << "the start screen's page is drawn again, not a poem";
    chooseMenu(o.window, {"Grafika", "Ločljivost", "1024 x 768"});

    chooseMenu(o.window, {"Pomoč"});
    EXPECT_TRUE(shown(o.window, "Command12")) << "Pomoč brings every button back";
    o.window.form().showExample(2);
    save(o.window, "page-example-B.png");

    o.composeFromSettings(QStringLiteral("pesem_1"));
    chooseMenu(o.window, {"Grafika", "Ozadje", "Pokrajina"});
    EXPECT_EQ(o.window.display().markup.background, 2);
    EXPECT_EQ(o.window.display().markup.initialColour, rgb(255, 0, 0));
    EXPECT_EQ(o.window.display().markup.textColour, rgb(0, 255, 0));
    EXPECT_TRUE(find<QRadioButton>(o.window, "pisan_1")->isChecked());
}

TEST(Window, AFaultInTheContentIsReportedAndTheWindowStays)
{
    fixtures::Shape shape;
    shape.groups = [](char side, int p) { return side == 'b' && p == 9 ? 35 : 3; };   // beyond the grade tables
    Opened o(fixtures::corpusOf(fixtures::syntheticFiles(shape)));
    o.composeFromSettings(QStringLiteral("pesem_1"));
    EXPECT_FALSE(o.poem().brightLines(8).empty()) << "the lines before the fault stay composed";
    EXPECT_TRUE(shown(o.window, "Label16_0")) << "and the poem is shown";
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Every background under a real poem in both layouts: each picture is its own,
// and the poem stays on top of it.
TEST(Window, EveryBackgroundCarriesARealCombinationPoemInBothLayouts)
{
    Opened o(embeddedCorpus(), 23);
    o.composeFromSettings(QStringLiteral("pesem_3"));
    QList<QImage> seen;
    for (const char* layout : {"1024 x 768", "800 X 600"}) {
        chooseMenu(o.window, {"Grafika", "Ločljivost", layout});
        for (const char* background : {"Geometrija", "Pokrajina", "Vesolje", "Modrijan"}) {
            chooseMenu(o.window, {"Grafika", "Ozadje", background});
            EXPECT_FALSE(o.window.surface().runs().empty()) << background << " in " << layout << " hides the poem";
            const QImage image = o.window.canvas().grab().toImage();
            for (const QImage& other : seen)
                EXPECT_NE(image, other) << background << " in " << layout << " looks like another picture";
            seen << image;
            save(o.window, (std::string("background-") + background + "-" + (layout[0] == '8' ? "800" : "1024") + ".png").c_str());
        }
    }
}
