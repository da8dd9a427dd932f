// The window's handlers without widgets: the model of the controls, a
// recording surface, and a corpus the tests write.

#include "form_harness.h"

#include <gtest/gtest.h>

using namespace zoravina;

using Harness = fixtures::FormHarness;

TEST(Handlers, StartUpSetsEveryDefaultAndLiftsTheClickAreas)
{
    Harness h;
    EXPECT_EQ(h.display.alignment, Alignment::Left);
    EXPECT_EQ(h.display.markup.background, 3);
    EXPECT_EQ(h.display.markup.initialColour, rgb(37, 67, 228));
    EXPECT_EQ(h.engine.poem.correctionMode, CorrectionMode::Automatic);
    EXPECT_EQ(h.controls.background(), 3);
    // Design tops less ten twips per line of the column, the second column at its own left.
    EXPECT_EQ(h.controls.state(Control::Label1, 1).rect.top, 1010);
    EXPECT_EQ(h.controls.state(Control::Label1, 23).rect.top, 10185 - 230);
    EXPECT_EQ(h.controls.state(Control::Label1, 24).rect.top, 1035 - 10);
    EXPECT_EQ(h.controls.state(Control::Label2, 46).rect.left, 5800);
    EXPECT_EQ(h.controls.state(Control::Label2, 46).rect.top, 7830 - 230);
    EXPECT_EQ(h.controls.item(Control::Combo3, 0), "Arial CE");
    EXPECT_EQ(h.controls.item(Control::Combo3, 3), "Liberation Serif");
    EXPECT_EQ(h.controls.state(Control::Frame6).rect.left, 2000);
    EXPECT_FALSE(h.controls.isEnabled(Control::zbir));
}

TEST(Handlers, EnteringAndOpeningTheSettingsDifferAsTheirStepsSay)
{
    Harness entering;
    entering.form.enterFromStartScreen();
    EXPECT_EQ(entering.display.alignment, Alignment::Centre);
    EXPECT_FALSE(entering.shown(Control::Command4)) << "only the settings command offers the old poem";
    EXPECT_FALSE(entering.shown(Control::Command6));
    EXPECT_TRUE(entering.controls.state(Control::Label17, 2).transparent);
    EXPECT_TRUE(entering.shown(Control::Label5));

    Harness opening;
    opening.form.composeWithSettings();
    opening.form.showSettingsScreen();
    EXPECT_TRUE(opening.shown(Control::Command4));
    EXPECT_FALSE(opening.shown(Control::Label5));
    EXPECT_TRUE(opening.shown(Control::Label6));
    EXPECT_FALSE(opening.controls.isEnabled(Control::zbir));
    EXPECT_EQ(opening.display.revealOnHover, 1);
    EXPECT_EQ(opening.display.alignment, Alignment::Left) << "the settings command leaves the alignment";
}

TEST(Handlers, ThePoemKindAndColourModeOptionsResetTheTextColour)
{
    Harness h;
    h.display.markup.textColour = rgb(1, 2, 3);
    h.form.optionClicked(OptionGroup::Kind, 2);
    EXPECT_EQ(h.display.markup.textColour, rgb(0, 0, 64));
    EXPECT_TRUE(h.controls.isSelected(Control::pesem, 2));
    EXPECT_FALSE(h.controls.isSelected(Control::pesem, 1));
    h.display.markup.textColour = rgb(1, 2, 3);
    h.form.optionClicked(OptionGroup::ColourMode, 1);
    EXPECT_EQ(h.display.markup.colourMode, ColourMode::Two);
    EXPECT_EQ(h.display.markup.textColour, rgb(0, 0, 64)) << "the dark kind still decides";
    h.form.chooseColourModeAndCompose(0);
    EXPECT_EQ(h.display.markup.colourMode, ColourMode::Multi);
    EXPECT_FALSE(h.shown(Control::Label18));
    EXPECT_TRUE(h.shown(Control::Label16, 0));
}

TEST(Handlers, TheTimerSwapsTheTitleWithTheCollectionTitleAndTheCreditLines)
{
    Harness h;
    h.controls.setCaption(Control::Label5, "Zoravina je Orn je Zoravina");
    h.controls.setText(Control::Text1, "  Darilo  ");
    h.controls.show(Control::Label7);
    h.form.timerTick();
    EXPECT_EQ(h.controls.caption(Control::Label5), "  Darilo  ");
    EXPECT_EQ(h.controls.state(Control::Label6).caption, "  Darilo  ");
    EXPECT_EQ(h.controls.text(Control::Text1), "Zoravina je Orn je Zoravina");
    EXPECT_TRUE(h.shown(Control::Labl7));
    EXPECT_FALSE(h.shown(Control::Label7));
    h.form.timerTick();
    EXPECT_EQ(h.controls.caption(Control::Label5), "Zoravina je Orn je Zoravina");
    EXPECT_TRUE(h.shown(Control::Label7));
}

TEST(Handlers, ARightPressOnlyOnTheStartScreenOpensTheExamples)
{
    Harness h;
    h.form.mousePress(3000, 2000, MouseButton::Right);
    EXPECT_TRUE(h.controls.isEnabled(Control::primer));
    EXPECT_EQ(h.controls.popupX(), 3000);
    h.form.enterFromStartScreen();
    h.controls.setEnabled(Control::primer, kNoIndex, false);
    h.form.mousePress(100, 100, MouseButton::Right);
    EXPECT_TRUE(h.controls.isEnabled(Control::primer));
    EXPECT_EQ(h.controls.popupX(), 3000) << "no pop-up off the start screen";
}

// A failure must never look like success: the word stays on the drawing
// even though the redraw that follows the failed composition clears it.
TEST(Handlers, AFailedCompositionLeavesTheWordNapakaOnTheDrawing)
{
    fixtures::Shape shape;
    shape.groups = [](char side, int p) { return side == 'b' && p == 9 ? 35 : 3; };   // beyond the grade tables
    Harness h(fixtures::syntheticFiles(shape));
    h.form.newPoem();
    EXPECT_GE(h.surface.clears, 1);
    EXPECT_NE(h.surface.text().find("napaka"), std::string::npos);
    EXPECT_TRUE(h.shown(Control::Label16, 0)) << "the poem is shown all the same";

    Harness healthy;
    healthy.form.newPoem();
    EXPECT_EQ(healthy.surface.text().find("napaka"), std::string::npos);
}

TEST(Handlers, TheManualListOfTheFirstLinesHoldsEveryVerseSelectedAndPlacesItselfByLine)
{
    Harness h;
    h.form.selectOption(OptionGroup::Correction, 1);
    h.form.selectOption(OptionGroup::Selectivity, 1);
    h.form.composeWithSettings();
    h.form.lineClicked(2);
    ASSERT_EQ(h.controls.itemCount(Control::combo1), 3 * 5);
    for (int row = 0; row < 15; ++row)
        EXPECT_EQ(h.controls.isItemSelected(Control::combo1, row), row % 5 != 4);
    EXPECT_EQ(h.controls.state(Control::combo1).rect.top, 6500);
    EXPECT_EQ(h.controls.caption(Control::Label3), "Stevilo moznih verzov je: 12");

    h.form.lineClicked(14);
    EXPECT_EQ(h.controls.state(Control::combo1).rect.top, 1000);
    EXPECT_EQ(h.controls.itemCount(Control::combo1), 0) << "no grade rows: nothing fits under the highest selectivity";
    EXPECT_EQ(h.controls.caption(Control::Label3), "Stevilo moznih verzov je: 0");
    h.form.verseListKey(13);
    EXPECT_FALSE(h.shown(Control::combo1)) << "Enter on an empty list closes it and changes nothing";
}

TEST(Handlers, ApplyingWithNothingSelectedOrOnlyASeparatorChangesNothing)
{
    Harness h;
    h.form.selectOption(OptionGroup::Correction, 1);
    h.form.selectOption(OptionGroup::Selectivity, 3);
    h.form.composeWithSettings();
    const std::string before = h.engine.poem.brightLines(7);
    h.form.lineClicked(7);
    for (int row = 0; row < h.controls.itemCount(Control::combo1); ++row)
        h.controls.setItemSelected(Control::combo1, row, row == 4);   // the first separator
    h.form.verseListDoubleClicked();
    EXPECT_EQ(h.engine.poem.brightLines(7), before);
}
