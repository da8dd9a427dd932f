#pragma once
// The window's handlers: what each event of the window does to the engine,
// the display settings, the drawing and the controls. Plain C++: the Qt
// window only forwards its events here.

#include "display_settings.h"
#include "engine.h"
#include "form_controls.h"
#include "platform.h"
#include "surface.h"

#include <functional>
#include <string>
#include <vector>

namespace zoravina {

class Guard;

enum class MouseButton { Left, Right, Middle };

// The screens of the window: sets of controls shown together.
enum class Screen { Start, Settings, Poem, Page };

// Window-level values that belong to no control.
struct WindowState {
    double pressX = 0;   // twips: the reference point of the pointer rule
    double pressY = 0;
    std::string collectionPoemTitle;
    int helpPage = 1;
    int melodyChoice = 1;
    int soundMode = 1;
    int saveCounter = 1;
    std::string proposedName = "zoravi1.orn";
    int currentSlot = 0;
    std::string recordingRoot;   // the folder holding zbirka/, found by the collection menu
};

std::vector<std::pair<Control, int>> screenControls(Screen screen);
void showScreen(FormControls& controls, Screen screen);

// The text colour a poem kind or colour mode choice sets.
Colour textColourFor(PoemKind kind);

// The settings an option group writes, in the order of the table.
enum class OptionGroup { Kind, Selectivity, Correction, Alignment, ColourMode };

class Form {
public:
    Form(Engine& engine, DisplaySettings& display, Surface& surface, FormControls& controls, Platform& platform);

    Engine& engine() { return engine_; }
    DisplaySettings& display() { return display_; }
    FormControls& controls() { return controls_; }
    WindowState& window() { return window_; }
    const WindowState& window() const { return window_; }

    // Start-up and the window's own events.
    void startUp(const std::vector<std::string>& installedFonts);
    void timerTick();
    void mousePress(double x, double y, MouseButton button);
    void mouseMove(double x, double y);
    void titleClick();
    bool poemShowing() const { return controls_.isVisible(Control::Label16, 0); }
    bool startScreenShowing() const { return controls_.isVisible(Control::Command13); }

    // Poem commands.
    void newPoem();
    void composeWithSettings();
    void chooseColourModeAndCompose(int element);
    void centrePictureClicked();
    void oldPoem();

    // The settings screen and the quick-settings panel.
    void showSettingsScreen();
    void enterFromStartScreen();
    void optionClicked(OptionGroup group, int index);
    void selectOption(OptionGroup group, int index);
    void fontChosen(const std::string& family);
    void hoverSpotMove(Control spot);
    void cornerPictureMove(Control picture);
    void settingsBackgroundMove();
    void cornerItemClick(Control items, int index);
    void quickSettingsPress(int image, MouseButton button);

    // Changing verses by click.
    void lineClicked(int line);
    void showVerseChoices();
    void verseListDoubleClicked();
    void verseListKey(int characterCode);
    void ownVerseClicked();

    // Keeping poems: files, codes, the collection and the reader's own verses.
    void savePoem();
    void loadPoemFile();
    void openCollectionMenu();
    void chooseCollectionEntry(int row);
    void openCollectionEntry();
    void openOwnVerses();
    void storeOwnVerse();
    void pastePoemCode();
    std::string ownVerseFile() const;

    // Printing, sound, reading aloud, installation.
    void printPoem();
    void chooseMelody(int index);
    void playbackDone();
    void replayWithNotice();
    void readPoemAloud();
    void installProgram();
    std::pair<std::string, std::string> installTargets() const;
    void applySetting(OptionGroup group, int index);
    bool runsInstalled() const;

    // Help and information pages, examples, the notice panel.
    void showInfoPage(Control button);
    void showStartScreen();
    void showExample(int index);
    void infoButtonHover(Control button);
    void showNoticeTexts();

    // The appearance menus.
    void chooseColour(int item);
    void chooseLayout(int index);
    void chooseBackground(int index);

    // The displays, as the handlers call them.
    void redrawPoem();
    void redrawAfterAppearanceChange();
    static Control optionControl(OptionGroup group);

private:
    void rememberCentreOf(Control control, int index = kNoIndex);
    void composeAndShowFromSettings(Guard& guard);
    void applyVerseChoice();
    void applyBackgroundPresets(int background);
    void printWindowAndReport();
    void showInstallTargets();
    FileDialogSetup poemFileDialog() const;
    std::vector<std::string> soundRoots() const;
    std::string collectionFile(const std::string& name) const;
    int listGrade(int position, Side side, int group);

    Engine& engine_;
    DisplaySettings& display_;
    Surface& surface_;
    FormControls& controls_;
    Platform& platform_;
    WindowState window_;
    std::vector<int> listedGroups_;   // the group of each block of the verse list, top to bottom
};

} // namespace zoravina
