#pragma once
// The desktop behind the handlers' seams: Qt's dialogs, clipboard, printer
// support, multimedia, espeak-ng for speech, and the standard folders.

#include "platform.h"

#include <QObject>

#include <functional>
#include <memory>

class QAudioOutput;
class QMediaPlayer;
class QProcess;
class QWidget;

namespace zoravina {

class QtPlatform : public FileDialogs, public ColourDialog, public MessageBoxes, public Clipboard, public Printer,
                   public FolderRoots {
public:
    explicit QtPlatform(QWidget* window) : window_(window) {}

    std::optional<std::string> saveFile(const FileDialogSetup& setup) override;
    std::optional<std::string> openFile(const FileDialogSetup& setup) override;
    std::optional<Colour> chooseColour(Colour preselected) override;
    bool askYesNo(const std::string& title, const std::string& question) override;
    void tell(const std::string& title, const std::string& message) override;
    void setText(const std::string& text) override;
    std::string text() const override;
    PrintOutcome printWindow(std::string& pdfPath) override;
    Folders folders() const override;

private:
    QWidget* window_;
};

// Wave files through Qt Multimedia; the end of a sound is reported once.
class QtSound : public SoundDevice {
public:
    // The player becomes a child of `owner`, where tests can find it as "melodyPlayer".
    explicit QtSound(std::function<void()> finished, QObject* owner = nullptr);
    ~QtSound() override;

    bool open(const std::string& path) override;
    bool play() override;
    void stop() override;
    void close() override;

private:
    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
    std::function<void()> finished_;
    QObject* owner_ = nullptr;
    bool opened_ = false;
};

// Reading aloud with espeak-ng's Slovenian voice, when it is installed.
class EspeakSpeech : public Speech {
public:
    EspeakSpeech();
    ~EspeakSpeech() override;

    bool available() const override { return !program_.isEmpty(); }
    bool speak(const std::string& text) override;
    void stop() override;

private:
    QString program_;
    std::unique_ptr<QProcess> process_;
};

} // namespace zoravina
