#include "qt_surface.h"

#include "display_settings.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QPainter>

namespace zoravina {

QtSurface::QtSurface(const QString& family)
{
    font_.setFamily(family);
    font_.setBold(true);
    font_.setPointSizeF(13.5);
    // Unhinted glyphs scale evenly, so a line measured at the design size fits at any zoom.
    font_.setHintingPreference(QFont::PreferNoHinting);
}

void QtSurface::clear()
{
    runs_.clear();
}

void QtSurface::setColour(Colour colour)
{
    colour_ = QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

void QtSurface::setItalic(bool on)
{
    font_.setItalic(on);
}

void QtSurface::setBold(bool on)
{
    font_.setBold(on);
}

void QtSurface::setFontSize(double points)
{
    if (points > 0)
        font_.setPointSizeF(points);
}

void QtSurface::moveTo(double x, double y)
{
    x_ = x;
    y_ = y;
}

void QtSurface::print(std::string_view utf8)
{
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const QFontMetricsF metrics(font_);
    // Positions name the top of the text, as the window's print position does.
    runs_.push_back({QPointF(x_ / kTwipsPerPixel, y_ / kTwipsPerPixel + metrics.ascent()), font_, colour_, text});
    x_ += metrics.horizontalAdvance(text) * kTwipsPerPixel;
}

double QtSurface::textWidth(std::string_view utf8) const
{
    const QFontMetricsF metrics(font_);
    return metrics.horizontalAdvance(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))) * kTwipsPerPixel;
}

void QtSurface::paint(QPainter& painter) const
{
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Point sizes resolve against the device's resolution; a printer's is far
    // finer than the screen's the runs were measured on, so the sizes are
    // carried over in design pixels.
    const QPaintDevice* device = painter.device();
    const double deviceDpi = device ? device->logicalDpiY() : 0;
    const double factor = deviceDpi > 0 ? measuredDpi() / deviceDpi : 1.0;
    for (const TextRun& run : runs_) {
        QFont font = run.font;
        if (factor != 1.0 && font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * factor);
        painter.setFont(font);
        painter.setPen(run.colour);
        painter.drawText(run.at, run.text);
    }
}

double QtSurface::measuredDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

} // namespace zoravina
