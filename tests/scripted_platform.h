#pragma once
// A platform whose dialogs answer from a script and whose devices record
// what they were asked, for running the handlers headless.

#include "platform.h"

#include <deque>
#include <filesystem>
#include <map>

namespace zoravina::fixtures {

class ScriptedPlatform : public FileDialogs, public ColourDialog, public MessageBoxes, public Clipboard, public Printer,
                         public SoundDevice, public Speech, public FolderRoots {
public:
    // Answers, used front first; an empty queue answers "cancel" or "no".
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<Colour>> colourAnswers;
    std::deque<bool> yesNoAnswers;
    PrintOutcome printAnswer = PrintOutcome::Printed;
    bool soundWorks = true;
    bool speechAvailable = true;

    // What was asked.
    std::vector<FileDialogSetup> fileDialogs;
    std::vector<Colour> colourPreselections;
    std::vector<std::pair<std::string, std::string>> questions;
    std::vector<std::pair<std::string, std::string>> notices;
    std::string clipboard;
    int prints = 0;
    std::vector<std::string> soundLog;   // "open <path>", "play", "stop", "close"
    std::vector<std::string> spoken;
    Folders roots;

    Platform platform() { return Platform{*this, *this, *this, *this, *this, *this, *this, *this}; }

    std::optional<std::string> saveFile(const FileDialogSetup& setup) override { return answerFile(setup); }
    std::optional<std::string> openFile(const FileDialogSetup& setup) override { return answerFile(setup); }
    std::optional<Colour> chooseColour(Colour preselected) override
    {
        colourPreselections.push_back(preselected);
        return pop(colourAnswers, std::optional<Colour>());
    }
    bool askYesNo(const std::string& title, const std::string& question) override
    {
        questions.emplace_back(title, question);
        return pop(yesNoAnswers, false);
    }
    void tell(const std::string& title, const std::string& message) override { notices.emplace_back(title, message); }
    void setText(const std::string& text) override { clipboard = text; }
    std::string text() const override { return clipboard; }
    PrintOutcome printWindow(std::string& pdfPath) override
    {
        ++prints;
        if (printAnswer == PrintOutcome::SavedAsPdf)
            pdfPath = roots.documents + "/Zoravina.pdf";
        return printAnswer;
    }
    bool open(const std::string& path) override
    {
        soundLog.push_back("open " + path);
        return soundWorks && std::filesystem::exists(path);
    }
    bool play() override
    {
        soundLog.push_back("play");
        return soundWorks;
    }
    void stop() override { soundLog.push_back("stop"); }
    void close() override { soundLog.push_back("close"); }
    bool available() const override { return speechAvailable; }
    bool speak(const std::string& text) override
    {
        spoken.push_back(text);
        return speechAvailable;
    }
    Folders folders() const override { return roots; }

private:
    std::optional<std::string> answerFile(const FileDialogSetup& setup)
    {
        fileDialogs.push_back(setup);
        return pop(fileAnswers, std::optional<std::string>());
    }
    template <class Queue, class Value>
    static Value pop(Queue& queue, Value fallback)
    {
        if (queue.empty())
            return fallback;
        Value v = queue.front();
        queue.pop_front();
        return v;
    }
};

} // namespace zoravina::fixtures
