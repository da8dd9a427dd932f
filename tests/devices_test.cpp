// The window with the desktop's real devices: a CUPS queue whose printer
// writes PDF files, and a PulseAudio server with a null sink. with_devices.sh
// starts both and says where they are; without them each test says why it
// skips, and never passes without running.

#include "main_window.h"
#include "text.h"
#include "window_driver.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

using namespace zoravina;
using namespace zoravina::driver;

namespace {

QString environment(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// Answers every question box that opens with the next of the given answers.
class QuestionAnswerer : public QObject {
public:
    explicit QuestionAnswerer(QList<QMessageBox::StandardButton> answers) : answers_(std::move(answers))
    {
        timer_.setInterval(50);
        connect(&timer_, &QTimer::timeout, this, [this] {
            QMessageBox* box = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible())
                    box = b;
            if (!box)
                return;
            // A notice is acknowledged; a question nobody expected is answered "no",
            // so that the test fails instead of hanging.
            QAbstractButton* button = box->button(QMessageBox::Ok);
            if (!button) {
                asked << box->text();
                button = box->button(answers_.isEmpty() ? QMessageBox::No : answers_.takeFirst());
            }
            if (button)
                QTest::mouseClick(button, Qt::LeftButton);
        });
        timer_.start();
    }
    QStringList asked;

private:
    QList<QMessageBox::StandardButton> answers_;
    QTimer timer_;
};

QString markupFree(const std::string& line)
{
    QString text = QString::fromStdString(line);
    text.remove(QRegularExpression(QStringLiteral("[0-9]")));
    return text.simplified();
}

QStringList pdfsIn(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
}

QString textOfNewPdf(const QString& folder, const QStringList& before)
{
    for (int waited = 0; waited < 300; ++waited) {
        for (const QString& name : pdfsIn(folder)) {
            if (before.contains(name))
                continue;
            QTest::qWait(500);   // the printer may still be writing
            QProcess pdftotext;
            pdftotext.start(QStringLiteral("pdftotext"), {folder + QLatin1Char('/') + name, QStringLiteral("-")});
            pdftotext.waitForFinished(30000);
            QFile::remove(folder + QLatin1Char('/') + name);
            return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        }
        QTest::qWait(100);
    }
    return {};
}

// A short, quiet tone in the format of the melodies, so that the test hears
// the end of a melody within seconds.
QByteArray shortWave()
{
    const int rate = 22050, samples = rate / 2;
    QByteArray data;
    for (int i = 0; i < samples; ++i) {
        const auto value = static_cast<std::int16_t>(3000 * std::sin(2 * 3.14159265 * 440 * i / rate));
        data.append(reinterpret_cast<const char*>(&value), 2);
    }
    auto u32 = [](std::uint32_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [](std::uint16_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    return "RIFF" + u32(36 + data.size()) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(rate) + u32(rate * 2) + u16(2) +
           u16(16) + "data" + u32(data.size()) + data;
}

} // namespace

TEST(Devices, BothFormsOfThePoemReachARealPdfPrinter)
{
    const QString out = environment("ZORAVINA_CUPS_PDF_OUT");
    if (out.isEmpty())
        GTEST_SKIP() << "no CUPS PDF queue: " << qPrintable(environment("ZORAVINA_CUPS_SKIPPED"));

    MainWindow window(embeddedCorpus(), Random(11));
    window.show();
    QApplication::processEvents();
    click(window, QStringLiteral("Command13"));
    click(window, QStringLiteral("pesem_1"));
    click(window, QStringLiteral("Command1"));
    const QString verse = markupFree(window.engine().poem.brightLines(2));
    ASSERT_FALSE(verse.isEmpty());

    // The plain form: "yes" to the first question.
    QStringList before = pdfsIn(out);
    {
        QuestionAnswerer answers({QMessageBox::Yes});
        chooseMenu(window, {QStringLiteral("Natisni")});
        ASSERT_EQ(answers.asked.size(), 1) << "one question for the plain form";
    }
    const QString plain = textOfNewPdf(out, before);
    ASSERT_FALSE(plain.isEmpty()) << "no PDF came out of the queue in " << qPrintable(out);
    EXPECT_TRUE(plain.contains(verse.left(20))) << qPrintable(plain.left(400));

    // The coloured form, with the background.
    before = pdfsIn(out);
    {
        QuestionAnswerer answers({QMessageBox::No, QMessageBox::Yes});
        chooseMenu(window, {QStringLiteral("Natisni")});
        EXPECT_EQ(answers.asked.size(), 2);
    }
    const QString coloured = textOfNewPdf(out, before);
    ASSERT_FALSE(coloured.isEmpty());
    EXPECT_TRUE(coloured.contains(QStringLiteral("Zoravina"))) << qPrintable(coloured.left(400));
    EXPECT_TRUE(coloured.contains(verse.left(20))) << qPrintable(coloured.left(400));
}

TEST(Devices, AMelodyPlaysThroughARealSoundServerAndStartsAgainWhenItEnds)
{
    if (environment("PULSE_SERVER").isEmpty())
        GTEST_SKIP() << "no sound server: " << qPrintable(environment("ZORAVINA_PULSE_SKIPPED"));

    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/zbirka");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile wave(folder + QStringLiteral("/Melodija1.wav"));
    ASSERT_TRUE(wave.open(QIODevice::WriteOnly));
    wave.write(shortWave());
    wave.close();

    MainWindow window(embeddedCorpus(), Random(3));
    window.show();
    QApplication::processEvents();
    chooseMenu(window, {QStringLiteral("Zvok"), QStringLiteral("Melodija1")});
    auto* player = window.findChild<QMediaPlayer*>(QStringLiteral("melodyPlayer"));
    ASSERT_NE(player, nullptr) << "choosing a melody opens the sound device";
    int ends = 0, starts = player->playbackState() == QMediaPlayer::PlayingState ? 1 : 0;
    QObject::connect(player, &QMediaPlayer::mediaStatusChanged, [&](QMediaPlayer::MediaStatus status) {
        ends += status == QMediaPlayer::EndOfMedia ? 1 : 0;
    });
    QObject::connect(player, &QMediaPlayer::playbackStateChanged, [&](QMediaPlayer::PlaybackState state) {
        starts += state == QMediaPlayer::PlayingState ? 1 : 0;
    });
    bool heard = false;
    for (int waited = 0; waited < 150 && (ends < 2 || !heard); ++waited) {
        QTest::qWait(100);
        if (!heard && player->playbackState() == QMediaPlayer::PlayingState) {
            QProcess pactl;
            pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
            pactl.waitForFinished(5000);
            heard = !pactl.readAllStandardOutput().trimmed().isEmpty();
        }
    }
    EXPECT_TRUE(heard) << "the sound server never received a stream";
    EXPECT_GE(ends, 2) << "the melody did not end twice in 15 seconds";
    EXPECT_GE(starts, 2) << "the end of the melody did not start it again";

    chooseMenu(window, {QStringLiteral("Zvok"), QStringLiteral("ni melodije")});
    QTest::qWait(300);
    EXPECT_NE(player->playbackState(), QMediaPlayer::PlayingState);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zoravina"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
