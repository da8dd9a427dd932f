#include "compose.h"
#include "pages.h"
#include "page_display.h"
#include "poem_display.h"
#include "recording_surface.h"
#include "test_corpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using namespace zoravina;
using namespace zoravina::fixtures;

namespace {

struct Screen {
    Engine engine = engineOf(syntheticFiles(), 5);
    DisplaySettings settings;
    RecordingSurface surface;
    RecordingControls controls;

    Screen()
    {
        engine.poem.firstPosition = 1;
        composePoem(engine);
    }
    void setLines(const std::string& text)
    {
        for (int p = 1; p <= 23; ++p)
            engine.poem.brightLines(p) = text;
    }
    int show() { return showPoem(engine, settings, surface, controls); }

    // The first run of each drawn line, by its vertical position.
    std::map<double, std::vector<PrintedRun>> lines() const
    {
        std::map<double, std::vector<PrintedRun>> out;
        for (const PrintedRun& run : surface.runs)
            out[run.y].push_back(run);
        return out;
    }
};

} // namespace

TEST(PoemDisplay, StanzaGapsAndTheLargerMiddleStanzaInBothLayouts)
{
    for (Resolution resolution : {Resolution::Large, Resolution::Small}) {
        Screen screen;
        applyLayout(screen.settings, resolution);
        screen.setLines("Z3ora");
        screen.show();
        const auto lines = screen.lines();
        ASSERT_EQ(lines.size(), 23u);
        std::vector<double> tops;
        std::vector<double> sizes;
        for (const auto& [y, runs] : lines) {
            tops.push_back(y);
            sizes.push_back(runs.front().size);
        }
        const double spacing = screen.settings.lineSpacing;
        const double base = screen.settings.baseFontSize;
        const bool large = resolution == Resolution::Large;
        // Line 1 stands two line steps below the top; every stanza adds 0.9 of
        // a line, and the 1024 × 768 layout lifts each stanza by 50 twips.
        EXPECT_NEAR(tops[0], screen.settings.topMargin + 195 + 2 * spacing, 1e-9);
        EXPECT_NEAR(tops[5] - tops[4], 1.9 * spacing - (large ? 50 : 0), 1e-9);
        EXPECT_NEAR(tops[6] - tops[5], spacing, 1e-9);
        EXPECT_NEAR(tops[22], screen.settings.topMargin + 195 - (large ? 200 : 0) + spacing * (24 + 3.6), 1e-9);
        for (int p = 1; p <= 23; ++p)
            EXPECT_EQ(sizes[static_cast<std::size_t>(p - 1)], base + (p >= 11 && p <= 13 ? 1.5 : 0)) << p;
    }
}

TEST(PoemDisplay, RightAlignmentEndsEveryLineAtOneEdgeWhateverItsCodes)
{
    Screen screen;
    screen.settings.alignment = Alignment::Right;
    screen.engine.poem.brightLines(1) = "Z3ora";
    screen.engine.poem.brightLines(2) = "4O3k5o3n7ec6a3.";
    screen.engine.poem.brightLines(3) = "Roka";
    screen.show();
    for (const auto& line : screen.lines()) {
        const PrintedRun& last = line.second.back();
        EXPECT_NEAR(last.x + codePoints(last.text) * last.size * 20, 880 + 14000, 1e-9) << last.text;
    }
    EXPECT_EQ(screen.settings.centreX, 880);
}

TEST(PoemDisplay, CentredLinesStandOnTheCentreAndWideLinesShrink)
{
    Screen screen;
    screen.settings.alignment = Alignment::Centre;
    screen.setLines("Z3ora");
    screen.engine.poem.brightLines(4) = std::string(60, 'x');   // 60 × 270 twips: wider than the screen
    screen.show();
    EXPECT_EQ(screen.settings.centreX, 7750);
    const auto lines = screen.lines();
    const auto& first = lines.begin()->second.front();
    EXPECT_DOUBLE_EQ(first.x + 4 * first.size * 20 / 2, 7750);
    const auto wide = std::next(lines.begin(), 3)->second.front();
    EXPECT_LE(screen.surface.textWidth(wide.text) / 13.5 * wide.size, screen.settings.screenWidth - 1000);
    EXPECT_EQ(std::fmod(wide.size, 0.5), 0.0);
    EXPECT_EQ(std::next(lines.begin(), 4)->second.front().size, 13.5) << "the next line starts at full size again";
}

TEST(PoemDisplay, OnTheLeftAShortPoemMovesTheTitleToTheEdgeInItsShortPunctuation)
{
    Screen screen;
    screen.setLines("Z3ora je");
    screen.show();
    EXPECT_EQ(screen.controls.lefts[Control::Label5], 100);
    EXPECT_EQ(screen.controls.lefts[Control::Label6], 140);
    EXPECT_EQ(screen.controls.caption(Control::Label5), "     Orn je Zoravina je Orn  ");

    // Lines wide enough to centre the title over them keep the drawn punctuation.
    screen.setLines(std::string(50, 'x'));
    const int title = screen.show();
    const int width = 50 * 270;
    EXPECT_EQ(screen.controls.lefts[Control::Label5], width / 2 - 3700);
    EXPECT_EQ(screen.controls.caption(Control::Label5), std::string(kTitleVariants[static_cast<std::size_t>(title - 1)]));
    for (const auto& line : screen.lines())
        EXPECT_DOUBLE_EQ(line.second.front().x, 165 + 450);
}

TEST(PoemDisplay, TheTitlePunctuationIsDrawnAtRandom)
{
    Screen screen;
    std::set<int> seen;
    for (int i = 0; i < 60; ++i)
        seen.insert(screen.show());
    EXPECT_EQ(seen.size(), 6u);
}

TEST(PoemDisplay, ACombinationLineWithAnEmptyHalfIsComposedAgainBeforeItIsShown)
{
    Screen screen;
    screen.engine.poem.poemKind = PoemKind::Combination;
    const std::string keep = screen.engine.poem.darkLines(6);
    screen.engine.poem.darkLines(7).clear();
    screen.engine.poem.brightLines(9).clear();
    screen.engine.poem.brightFromPosition = 12;
    screen.show();
    EXPECT_EQ(screen.engine.poem.darkLines(6), keep);
    EXPECT_FALSE(screen.engine.poem.darkLines(7).empty());
    EXPECT_FALSE(screen.engine.poem.brightLines(9).empty()) << "an empty bright half is renewed too";
    EXPECT_EQ(screen.settings.displayLines(7), screen.engine.poem.brightLines(7) + " " + screen.engine.poem.darkLines(7));
}

TEST(PoemDisplay, PreparesTheWindowAndMarksThePoemAsShowing)
{
    Screen screen;
    screen.settings.markup.background = 1;
    screen.show();
    auto& c = screen.controls;
    EXPECT_TRUE(c.isVisible(Control::Label16, 0));
    EXPECT_TRUE(c.isVisible(Control::Label1, 46));
    EXPECT_FALSE(c.isVisible(Control::Label2, 1));
    for (Control hidden : {Control::Text16, Control::Picture8, Control::Command2, Control::Command3, Control::Label9})
        EXPECT_FALSE(c.isVisible(hidden, kNoIndex)) << controlName(hidden);
    EXPECT_EQ(c.background, 1);
    EXPECT_FALSE(c.persistent);
    EXPECT_EQ(screen.surface.colour, rgb(8, 0, 0));
}

TEST(PageDisplay, ExamplePagesSitLowerAndFurtherLeftAndTheMarginsReturn)
{
    DisplaySettings settings;
    RecordingSurface surface;
    RecordingControls controls;
    for (int p = 1; p <= 23; ++p)
        settings.displayLines(p) = " ";
    settings.displayLines(1) = "5P3rimer";
    settings.markup.background = 2;
    settings.alignment = Alignment::Right;
    settings.examplePage = kExamplePage;
    showPage(settings, 23, surface, controls);
    ASSERT_FALSE(surface.runs.empty());
    EXPECT_DOUBLE_EQ(surface.runs.front().x, 165 - 500 + 250) << "left-aligned even for Desno";
    EXPECT_DOUBLE_EQ(surface.runs.front().y, 1001 + 1000 + 360 * 2);
    EXPECT_EQ(settings.leftMargin, 165);
    EXPECT_EQ(settings.topMargin, 1001);
    EXPECT_EQ(settings.examplePage, 0);
    EXPECT_EQ(settings.markup.background, 0) << "pages keep no landscape behind them";
    EXPECT_EQ(settings.revealOnHover, 1);
    EXPECT_EQ(surface.runs.back().y, 1001 + 1000 + 360 * 24) << "blank lines keep their height";
}

TEST(PageDisplay, CentredPagesDoNotCountColourCodesButDoCountSubstitutes)
{
    DisplaySettings settings;
    RecordingSurface surface;
    RecordingControls controls;
    settings.alignment = Alignment::Centre;
    settings.markup.background = 3;
    settings.displayLines(1) = "5ab3cd";
    settings.displayLines(2) = "1ab2#$";
    showPage(settings, 2, surface, controls);
    EXPECT_DOUBLE_EQ(surface.runs.front().x, 7750 - 4 * 270 / 2.0);
    const auto second = std::find_if(surface.runs.begin(), surface.runs.end(), [](const PrintedRun& r) { return r.y > 1800; });
    EXPECT_DOUBLE_EQ(second->x, 7750 - 6 * 270 / 2.0);
    EXPECT_EQ(settings.markup.background, 3) << "the starry picture stays";
}

namespace {

std::string withoutCodes(const std::string& text)
{
    std::string out;
    for (char c : text)
        if (c < '0' || c > '9')
            out += c;
    out.erase(0, out.find_first_not_of(' '));
    out.erase(out.find_last_not_of(' ') + 1);
    return out;
}

} // namespace

// The example pages show verses of the corpus; a verse edited in the corpus
// must not live on, changed or gone, on a page that says it is the poem's.
TEST(PageContent, EveryVerseOnAnExamplePageStandsInTheCorpus)
{
    std::set<std::string> verses;
    const Corpus& corpus = *embeddedCorpus();
    for (const auto* side : {&corpus.bright, &corpus.dark})
        for (const CorpusVerseFile& file : *side)
            for (const CorpusPosition& position : file.positions)
                for (const CorpusGroup& group : position.groups)
                    for (const std::string& verse : group.verses)
                        verses.insert(withoutCodes(verse));
    int checked = 0;
    for (const char* id : {"example-A", "example-B", "example-C", "example-D"}) {
        const PageText* page = embeddedPages().page(id);
        ASSERT_NE(page, nullptr) << id;
        for (int l = 1; l <= kPageLines; ++l) {
            std::string line = page->lines[l];
            line.erase(0, line.find_first_not_of(' '));
            // Explanations open with a colour code, headings spell every letter in red.
            if (line.empty() || std::string("726").find(line[0]) != std::string::npos ||
                (line.size() > 2 && line[0] == '4' && line[2] == '4'))
                continue;
            std::string text = withoutCodes(line);
            if (text.find_first_not_of('?') == std::string::npos)
                continue;
            ++checked;
            EXPECT_TRUE(verses.count(text)) << id << " line " << l << ": " << text;
        }
    }
    EXPECT_GE(checked, 20);
}
