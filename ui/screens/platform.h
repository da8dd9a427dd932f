#pragma once
// What the handlers ask of the desktop: dialogs, the clipboard, the printer,
// the sound device, speech and the folders. Each is a small interface with a
// Qt implementation in the window and a scripted double in the tests, so
// that every handler runs headless.

#include "surface.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zoravina {

struct FileDialogSetup {
    std::vector<std::pair<std::string, std::string>> filters;   // caption and pattern
    std::string defaultExtension;
    bool askBeforeOverwrite = false;
    std::string proposedName;
    std::string initialFolder;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the reader cancels.
    virtual std::optional<std::string> saveFile(const FileDialogSetup& setup) = 0;
    virtual std::optional<std::string> openFile(const FileDialogSetup& setup) = 0;
};

class ColourDialog {
public:
    virtual ~ColourDialog() = default;
    virtual std::optional<Colour> chooseColour(Colour preselected) = 0;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual bool askYesNo(const std::string& title, const std::string& question) = 0;
    virtual void tell(const std::string& title, const std::string& message) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
    virtual std::string text() const = 0;
};

enum class PrintOutcome { Printed, SavedAsPdf, Failed };

class Printer {
public:
    virtual ~Printer() = default;
    // Prints the window as it looks now; without a printer the page goes to
    // a PDF file, whose path is then given back.
    virtual PrintOutcome printWindow(std::string& pdfPath) = 0;
};

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    virtual bool open(const std::string& path) = 0;
    virtual bool play() = 0;   // the window calls Form::playbackDone when it ends
    virtual void stop() = 0;
    virtual void close() = 0;
};

class Speech {
public:
    virtual ~Speech() = default;
    virtual bool available() const = 0;
    virtual bool speak(const std::string& text) = 0;
    virtual void stop() = 0;
};

struct Folders {
    std::string program;                 // where the program runs from
    std::string programFile;             // the program itself
    std::string userData;                // e.g. ~/.local/share/zoravina
    std::vector<std::string> systemData; // e.g. /usr/share/zoravina
    std::string documents;
    std::string home;
};

class FolderRoots {
public:
    virtual ~FolderRoots() = default;
    virtual Folders folders() const = 0;
};

struct Platform {
    FileDialogs& files;
    ColourDialog& colours;
    MessageBoxes& messages;
    Clipboard& clipboard;
    Printer& printer;
    SoundDevice& sound;
    Speech& speech;
    FolderRoots& roots;
};

} // namespace zoravina
