#include "qt_platform.h"

#include "poem_canvas.h"
#include "qt_surface.h"

#include <QAudioOutput>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>
#include <QWidget>

namespace zoravina {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QString filterOf(const FileDialogSetup& setup)
{
    QStringList filters;
    for (const auto& [caption, pattern] : setup.filters)
        filters << q(caption);
    return filters.join(QStringLiteral(";;"));
}

std::optional<std::string> runDialog(QWidget* parent, const FileDialogSetup& setup, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(filterOf(setup));
    dialog.setDefaultSuffix(q(setup.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !setup.askBeforeOverwrite);
    if (!setup.initialFolder.empty())
        dialog.setDirectory(q(setup.initialFolder));
    if (!setup.proposedName.empty() && mode == QFileDialog::AcceptSave)
        dialog.selectFile(q(setup.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

// A widget's font at the same size in the painter's coordinates, whatever
// the resolution of the device behind it.
QFont onDevice(QFont font, const QPainter& painter)
{
    const double deviceDpi = painter.device() ? painter.device()->logicalDpiY() : 0;
    if (deviceDpi > 0 && font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * QtSurface::measuredDpi() / deviceDpi);
    return font;
}

// The widgets over the drawing, painted by hand in stacking order: handed to
// a printer, QWidget::render would turn them into one bitmap, and the page's
// text would no longer be text.
void paintWidgets(QPainter& painter, const QWidget* parent)
{
    for (const QObject* object : parent->children()) {
        const auto* widget = qobject_cast<const QWidget*>(object);
        if (!widget || widget->isHidden() || widget->isWindow())
            continue;
        const QRect box = widget->geometry();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->autoFillBackground())
                painter.fillRect(box, label->palette().color(label->backgroundRole()));
            const QPixmap picture = label->pixmap();
            if (!picture.isNull()) {
                painter.drawPixmap(box, picture);
            } else if (!label->text().isEmpty()) {
                painter.setFont(onDevice(label->font(), painter));
                painter.setPen(label->palette().color(label->foregroundRole()));
                painter.drawText(box.adjusted(label->margin(), label->margin(), -label->margin(), -label->margin()),
                                 int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
            }
        } else if (const auto* edit = qobject_cast<const QTextEdit*>(widget)) {
            // Line by line, measured on the screen like the box itself.
            painter.fillRect(box, edit->palette().color(QPalette::Base));
            const QFontMetricsF metrics(edit->font());
            const double margin = edit->document()->documentMargin();
            QPointF at = QPointF(box.topLeft() + edit->viewport()->pos()) + QPointF(margin, margin + metrics.ascent());
            painter.setFont(onDevice(edit->font(), painter));
            painter.setPen(edit->palette().color(QPalette::Text));
            for (const QString& line : edit->toPlainText().split(QLatin1Char('\n'))) {
                painter.drawText(at, line);
                at.ry() += metrics.lineSpacing();
            }
            continue;
        } else {
            const_cast<QWidget*>(widget)->render(&painter, box.topLeft(), QRegion(), QWidget::DrawWindowBackground);
        }
        painter.save();
        painter.translate(box.topLeft());
        paintWidgets(painter, widget);
        painter.restore();
    }
}

// The window's drawing area as it looks now, fitted to the page, with its
// text as text so that the page stays sharp and can be searched.
void paintWindow(QWidget* window, QPrinter& printer)
{
    auto* canvas = window->findChild<PoemCanvas*>(QStringLiteral("canvas"));
    QWidget* area = canvas ? static_cast<QWidget*>(canvas) : window;
    QPainter painter(&printer);
    const QRectF page = painter.viewport();
    const double scale = std::min(page.width() / area->width(), page.height() / area->height());
    painter.translate(page.x() + (page.width() - area->width() * scale) / 2, page.y());
    painter.scale(scale, scale);
    painter.setClipRect(QRect(QPoint(), area->size()));
    if (canvas)
        canvas->render(painter);
    paintWidgets(painter, area);
}

} // namespace

std::optional<std::string> QtPlatform::saveFile(const FileDialogSetup& setup)
{
    return runDialog(window_, setup, QFileDialog::AcceptSave);
}

std::optional<std::string> QtPlatform::openFile(const FileDialogSetup& setup)
{
    return runDialog(window_, setup, QFileDialog::AcceptOpen);
}

std::optional<Colour> QtPlatform::chooseColour(Colour preselected)
{
    const QColor initial(redOf(preselected), greenOf(preselected), blueOf(preselected));
    const QColor chosen = QColorDialog::getColor(initial, window_);
    if (!chosen.isValid())
        return std::nullopt;
    return rgb(chosen.red(), chosen.green(), chosen.blue());
}

bool QtPlatform::askYesNo(const std::string& title, const std::string& question)
{
    return QMessageBox::question(window_, q(title), q(question), QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtPlatform::tell(const std::string& title, const std::string& message)
{
    QMessageBox::information(window_, q(title), q(message));
}

void QtPlatform::setText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(q(text));
}

std::string QtPlatform::text() const
{
    return QGuiApplication::clipboard()->text().toStdString();
}

PrintOutcome QtPlatform::printWindow(std::string& pdfPath)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QPrinter printer(QPrinterInfo::defaultPrinter());
        printer.setDocName(QStringLiteral("Zoravina"));
        printer.setPageOrientation(QPageLayout::Landscape);
        if (printer.isValid()) {
            paintWindow(window_, printer);
            if (printer.printerState() != QPrinter::Error)
                return PrintOutcome::Printed;
        }
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    QDir().mkpath(folder);
    QString path = folder + QStringLiteral("/Zoravina.pdf");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder + QStringLiteral("/Zoravina-%1.pdf").arg(n);
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setDocName(QStringLiteral("Zoravina"));
    pdf.setPageOrientation(QPageLayout::Landscape);
    paintWindow(window_, pdf);
    if (pdf.printerState() == QPrinter::Error || !QFileInfo::exists(path))
        return PrintOutcome::Failed;
    pdfPath = path.toStdString();
    return PrintOutcome::SavedAsPdf;
}

Folders QtPlatform::folders() const
{
    Folders f;
    f.program = QCoreApplication::applicationDirPath().toStdString();
    f.programFile = QCoreApplication::applicationFilePath().toStdString();
    f.userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation))
        if (folder.toStdString() != f.userData)
            f.systemData.push_back(folder.toStdString());
    f.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    if (f.documents.empty())
        f.documents = QDir::homePath().toStdString();
    f.home = QDir::homePath().toStdString();
    return f;
}

QtSound::QtSound(std::function<void()> finished, QObject* owner) : finished_(std::move(finished)), owner_(owner) {}

QtSound::~QtSound()
{
    opened_ = false;
    if (player_)
        player_->stop();
}

// The device opens with the first sound, not at start-up.
bool QtSound::open(const std::string& path)
{
    opened_ = false;
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isReadable())
        return false;
    if (!player_) {
        output_ = std::make_unique<QAudioOutput>();
        player_ = std::make_unique<QMediaPlayer>(owner_);
        player_->setObjectName(QStringLiteral("melodyPlayer"));
        player_->setAudioOutput(output_.get());
        QObject::connect(player_.get(), &QMediaPlayer::mediaStatusChanged, player_.get(),
                         [this](QMediaPlayer::MediaStatus status) {
                             if (status == QMediaPlayer::EndOfMedia && opened_ && finished_)
                                 finished_();
                         });
    }
    player_->stop();
    player_->setSource(QUrl::fromLocalFile(file));
    opened_ = player_->error() == QMediaPlayer::NoError;
    return opened_;
}

bool QtSound::play()
{
    if (!opened_)
        return false;
    player_->play();
    return player_->error() == QMediaPlayer::NoError;
}

void QtSound::stop()
{
    if (player_)
        player_->stop();
}

void QtSound::close()
{
    opened_ = false;
    if (!player_)
        return;
    player_->stop();
    player_->setSource(QUrl());
}

EspeakSpeech::EspeakSpeech() : program_(QStandardPaths::findExecutable(QStringLiteral("espeak-ng"))) {}

EspeakSpeech::~EspeakSpeech()
{
    stop();
}

bool EspeakSpeech::speak(const std::string& text)
{
    if (!available())
        return false;
    stop();
    process_ = std::make_unique<QProcess>();
    process_->start(program_, {QStringLiteral("-v"), QStringLiteral("sl"), QStringLiteral("--stdin")});
    if (!process_->waitForStarted(2000))
        return false;
    process_->write(QByteArray::fromStdString(text));
    process_->closeWriteChannel();
    return true;
}

void EspeakSpeech::stop()
{
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(1000);
    }
    process_.reset();
}

} // namespace zoravina
