// What leaves the program, and the pages: printing in both forms, melodies
// that loop, reading aloud, installing, the information series and the
// appearance menus, on the model of the window with a scripted platform.

#include "form_harness.h"
#include "markup.h"
#include "pages.h"

#include <gtest/gtest.h>

using namespace zoravina;
namespace fs = std::filesystem;
using Harness = fixtures::FormHarness;


TEST(Printing, TheSimpleFormIsPlainTextInFiveStanzasUnderTheTitle)
{
    Harness h;
    h.compose(1);
    h.engine.poem.brightLines(4) = "A3 vendar: luč 0 in 1 ostaja z nami povs5o3d.";
    h.form.redrawPoem();
    h.scripted.yesNoAnswers = {true};
    h.form.printPoem();
    ASSERT_EQ(h.scripted.questions.size(), 1u);
    EXPECT_EQ(h.scripted.questions[0], (std::pair<std::string, std::string>{"Opozorilo", "Ali jo želiš natisniti v tej preprosti obliki?"}));
    EXPECT_EQ(h.scripted.prints, 1);
    EXPECT_FALSE(h.shown(Control::Text16)) << "emptied and hidden after printing";
    EXPECT_TRUE(h.shown(Control::Label16, 0)) << "and the poem shown again";
    EXPECT_EQ(h.controls.state(Control::Form1).back, rgb(255, 255, 255));
    EXPECT_EQ(h.display.markup.background, 3) << "the simple form keeps the setting";
}

TEST(Printing, TheSimpleTextKeepsZeroAndOneAndDropsTheCodesAndTheColon)
{
    Harness h;
    h.compose(1);
    h.engine.poem.brightLines(4) = "A3 vendar: luč 0 in 1 ostaja z nami povs5o3d.";
    h.form.redrawPoem();
    h.scripted.yesNoAnswers = {false, false};
    h.form.printPoem();
    const std::string& text = h.controls.text(Control::Text16);
    EXPECT_TRUE(text.starts_with("Zoravina je Orn je Zoravina\r\n\r\n"));
    EXPECT_NE(text.find("A vendar luč 0 in 1 ostaja z nami povsod.\r\n"), std::string::npos);
    // Five stanzas: an empty line after lines 5, 10, 13 and 18.
    int emptyLines = 0;
    for (std::size_t at = text.find("\r\n\r\n"); at != std::string::npos; at = text.find("\r\n\r\n", at + 2))
        ++emptyLines;
    EXPECT_EQ(emptyLines, 2 + 4);
}

TEST(Printing, TheColouredFormWithoutBackgroundLeavesThePictureOffAndTheTimerStopped)
{
    Harness h;
    h.compose(3);
    h.controls.setEnabled(Control::Timer1, kNoIndex, true);
    h.scripted.yesNoAnswers = {false, false};
    h.form.printPoem();
    ASSERT_EQ(h.scripted.questions.size(), 2u);
    EXPECT_EQ(h.scripted.questions[1].second, "Ali želiš tiskati skupaj z ozadjem?");
    EXPECT_EQ(h.display.markup.background, 0);
    EXPECT_FALSE(h.controls.isEnabled(Control::Timer1));
    EXPECT_EQ(h.controls.caption(Control::Label5), "Zoravina je Orn je Zoravina");
    EXPECT_TRUE(h.shown(Control::Labl7));
    EXPECT_TRUE(h.shown(Control::Label1, 46)) << "the lines can be clicked again";
    EXPECT_TRUE(h.shown(Control::Command2));

    h.form.chooseLayout(0);
    h.scripted.yesNoAnswers = {false, true};
    h.form.printPoem();
    EXPECT_TRUE(h.shown(Control::Label2, 1)) << "in the 800 x 600 layout its own click areas come back";
    EXPECT_EQ(h.scripted.prints, 2);
}

TEST(Printing, WithoutAPrinterThePoemBecomesAPdfAndTheReaderIsTold)
{
    Harness h;
    h.compose(2);
    h.scripted.printAnswer = PrintOutcome::SavedAsPdf;
    h.scripted.yesNoAnswers = {true};
    h.form.printPoem();
    ASSERT_EQ(h.scripted.notices.size(), 1u);
    EXPECT_NE(h.scripted.notices[0].second.find("Zoravina.pdf"), std::string::npos);
    EXPECT_EQ(h.scripted.questions.size(), 1u) << "the notice asks nothing";
}

TEST(Sound, AMelodyPlaysAgainAfterItEndsUntilNiMelodije)
{
    Harness h;
    fs::create_directories(fs::path(h.scripted.roots.program) / "zbirka");
    for (const char* name : {"Melodija1.wav", "Melodija2.wav"})
        fixtures::spit((fs::path(h.scripted.roots.program) / "zbirka" / name).string(), "RIFF");
    h.form.chooseMelody(1);
    h.form.chooseMelody(2);
    h.scripted.soundLog.clear();
    h.form.playbackDone();
    ASSERT_GE(h.scripted.soundLog.size(), 3u);
    EXPECT_EQ(h.scripted.soundLog[1], "open " + (fs::path(h.scripted.roots.program) / "zbirka" / "Melodija2.wav").string())
        << "the melody chosen last starts again";
    EXPECT_EQ(h.scripted.soundLog[2], "play");
    h.form.chooseMelody(4);
    h.scripted.soundLog.clear();
    h.form.playbackDone();
    EXPECT_EQ(h.scripted.soundLog, (std::vector<std::string>{"close"})) << "after ni melodije nothing plays again";
}

TEST(Sound, TheReadingAloudSpeaksThePoemWithoutMarkupAndPausesAtTheStanzas)
{
    Harness h;
    h.compose(1);
    h.form.readPoemAloud();
    ASSERT_EQ(h.scripted.spoken.size(), 1u);
    const std::string& ssml = h.scripted.spoken[0];
    std::string words = ssml;
    for (std::size_t at = words.find('<'); at != std::string::npos; at = words.find('<'))
        words.erase(at, words.find('>', at) - at + 1);
    EXPECT_EQ(words.find_first_of("3456789"), std::string::npos) << "markup digits are not spoken: " << words;
    EXPECT_NE(words.find(withoutVerseCodes(h.engine.poem.brightLines(2))), std::string::npos);
    int stanzas = 0;
    for (std::size_t at = ssml.find("900ms"); at != std::string::npos; at = ssml.find("900ms", at + 1))
        ++stanzas;
    EXPECT_EQ(stanzas, 4);

    Harness silent;
    silent.scripted.speechAvailable = false;
    silent.form.startUp({});
    EXPECT_FALSE(silent.controls.isEnabled(Control::preberi)) << "without espeak-ng the item is off, not broken";
}

TEST(Installation, TheFirstClickOffersTheRealFoldersAndTheSecondReportsWhatHappened)
{
    Harness h;
    fs::create_directories(h.scripted.roots.program);
    fixtures::spit(h.scripted.roots.programFile, "program");
    fs::create_directories(fs::path(h.scripted.roots.program) / "zbirka");
    for (int m = 1; m <= 3; ++m)
        fixtures::spit((fs::path(h.scripted.roots.program) / "zbirka" / ("Melodija" + std::to_string(m) + ".wav")).string(), "RIFF");
    h.form.installProgram();
    EXPECT_EQ(h.controls.caption(Control::Command6), "NAPREJ");
    EXPECT_EQ(h.controls.state(Control::namesti, 1).caption, (fs::path(h.scripted.roots.home) / "zoravina").string() + "/");
    EXPECT_TRUE(h.shown(Control::Check1));
    EXPECT_FALSE(fs::exists(fs::path(h.scripted.roots.home) / "zoravina")) << "the first click copies nothing";

    h.form.installProgram();
    const fs::path target = fs::path(h.scripted.roots.home) / "zoravina";
    EXPECT_EQ(fixtures::slurp((target / "zoravina").string()), "program");
    EXPECT_TRUE(fs::exists(target / "zbirka" / "Melodija3.wav"));
    EXPECT_FALSE(h.shown(Control::Command6));
    EXPECT_EQ(h.display.displayLines(9), "zoravina ");

    Harness failing;
    failing.form.installProgram();
    failing.controls.setSelected(Control::Check1, kNoIndex, true);
    failing.form.installProgram();
    bool toldTheStep = false;
    for (int p = 1; p <= 23; ++p)
        toldTheStep |= failing.display.displayLines(p).find("Pesem=.wav") != std::string::npos;
    if (embeddedPages().page("install-failed")) {
        EXPECT_TRUE(toldTheStep) << "the missing recording is named on the page";
    }
}

TEST(Installation, IsOfferedOnlyWhenTheProgramDoesNotRunFromAnInstalledPlace)
{
    const auto offered = [](const std::string& programFolder) {
        Harness h;
        if (!programFolder.empty())
            h.scripted.roots.program = programFolder == "~" ? h.scripted.roots.home + "/zoravina/" : programFolder;
        h.form.startUp({});
        return h.shown(Control::Command6);
    };
    EXPECT_TRUE(offered("")) << "from the folder it was unpacked or built in";
    EXPECT_FALSE(offered("/usr/bin")) << "installed by the package";
    EXPECT_FALSE(offered("/usr/local/bin"));
    EXPECT_FALSE(offered("/opt/zoravina"));
    EXPECT_FALSE(offered("~")) << "installed by its own button, trailing slash and all";
    EXPECT_TRUE(offered("/usrx/bin"));
}

TEST(Pages, TheInformationButtonsTurnTheirPagesByTheirCaptions)
{
    Harness h;
    const auto expectPage = [&](const char* id) {
        const PageText* page = embeddedPages().page(id);
        ASSERT_NE(page, nullptr) << id;
        for (int p = 1; p <= 23; ++p)
            EXPECT_EQ(h.display.displayLines(p), page->lines[static_cast<std::size_t>(p)]) << id << " line " << p;
    };
    if (!embeddedPages().page("program-1"))
        GTEST_SKIP() << "the page texts are not written yet";
    const char* captions[] = {"Naslednja stran", "O programu", "Naslednja stran"};
    const char* pages[] = {"program-1", "program-2", "program-1"};
    for (int click = 0; click < 3; ++click) {
        h.form.showInfoPage(Control::Command11);
        expectPage(pages[click]);
        EXPECT_EQ(h.controls.caption(Control::Command11), captions[click]);
        EXPECT_EQ(h.shown(Control::Command12), click == 1) << "the other buttons hide while the series goes on";
    }
    EXPECT_EQ(h.controls.state(Control::Label9).fore, rgb(255, 128, 0));

    const char* poemCaptions[] = {"O interaktivnosti", "Naslednja stran", "O vsebini"};
    for (int click = 0; click < 3; ++click) {
        h.form.showInfoPage(Control::Command16);
        EXPECT_EQ(h.controls.caption(Control::Command16), poemCaptions[click]);
        EXPECT_EQ(h.shown(Control::Command14), click == 2);
    }
    h.form.showInfoPage(Control::Command14);
    h.form.showStartScreen();
    EXPECT_EQ(h.controls.caption(Control::Command14), "Naslednja stran") << "the help menu leaves the series where it was";
    h.form.showInfoPage(Control::Command14);
    expectPage("design-2");
}

TEST(Pages, AnExampleStandsLowerAndFurtherLeftAndTurnsTheExampleMenuOff)
{
    Harness h;
    h.controls.setEnabled(Control::primer, kNoIndex, true);
    h.form.showExample(3);
    EXPECT_FALSE(h.controls.isEnabled(Control::primer));
    EXPECT_EQ(h.display.examplePage, 0);
    ASSERT_FALSE(h.surface.runs.empty());
    double lowest = 1e9;
    for (const auto& run : h.surface.runs)
        lowest = std::min(lowest, run.y);
    EXPECT_GE(lowest, 1001 + 1000) << "1000 twips lower than an ordinary page";
}

TEST(Appearance, TheColourDialogOpensOnPureBlueAndACancelChangesNothing)
{
    Harness h;
    h.compose(1);
    const MarkupSettings before = h.display.markup;
    h.form.chooseColour(2);
    ASSERT_EQ(h.scripted.colourPreselections.size(), 1u);
    EXPECT_EQ(h.scripted.colourPreselections[0], rgb(0, 0, 255));
    EXPECT_EQ(h.display.markup.textColour, before.textColour);
    h.scripted.colourAnswers = {rgb(10, 200, 30)};
    h.form.chooseColour(1);
    EXPECT_EQ(h.scripted.colourPreselections[1], rgb(0, 0, 255)) << "blue every time";
    EXPECT_EQ(h.display.markup.initialColour, rgb(10, 200, 30));
    EXPECT_EQ(h.controls.state(Control::Label5).fore, rgb(10, 200, 30));
}

TEST(Appearance, ALandscapeGivesRedInitialsOnGreenTextAndALayoutOnTheStartScreenRedrawsThePage)
{
    Harness h;
    h.compose(1);
    h.form.chooseBackground(2);
    EXPECT_EQ(h.display.markup.colourMode, ColourMode::Two);
    bool red = false;
    bool green = false;
    for (const auto& c : h.surface.characters()) {
        red |= c.colour == rgb(255, 0, 0);
        green |= c.colour == rgb(0, 255, 0);
    }
    EXPECT_TRUE(red && green);
    EXPECT_TRUE(h.controls.isSelected(Control::pisan, 1));

    Harness start;
    const int areasBefore = start.shown(Control::Label1, 1);
    start.form.chooseLayout(0);
    EXPECT_EQ(start.display.topMargin, 1001) << "the page was drawn, not a poem";
    EXPECT_EQ(start.shown(Control::Label1, 1), areasBefore);
    EXPECT_FALSE(start.shown(Control::Label2, 1)) << "on the start screen the click areas stay as they were";
    EXPECT_EQ(start.display.lineSpacing, 263);

    Harness notice;
    notice.controls.show(Control::Frame6);
    const int clears = notice.surface.clears;
    notice.form.chooseLayout(0);
    EXPECT_EQ(notice.surface.clears, clears) << "nothing is drawn while the notice panel shows";
    EXPECT_EQ(notice.display.resolution, Resolution::Small);
}
