#include "qt_surface.h"

#include "display_settings.h"

#include <QFontMetricsF>

namespace zoravina {

QtSurface::QtSurface(QImage& image, const QString& family) : image_(image)
{
    font_.setFamily(family);
    font_.setBold(true);
    font_.setPointSizeF(13.5);
}

QPainter& QtSurface::painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::TextAntialiasing);
    }
    return *painter_;
}

void QtSurface::finish()
{
    painter_.reset();
}

void QtSurface::clear()
{
    finish();
    image_.fill(Qt::transparent);
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
    QPainter& p = painter();
    p.setFont(font_);
    p.setPen(colour_);
    const QFontMetricsF metrics(font_, &image_);
    // Positions name the top of the text, as the window's print position does.
    p.drawText(QPointF(x_ / kTwipsPerPixel, y_ / kTwipsPerPixel + metrics.ascent()), text);
    x_ += metrics.horizontalAdvance(text) * kTwipsPerPixel;
}

double QtSurface::textWidth(std::string_view utf8) const
{
    const QFontMetricsF metrics(font_, &image_);
    return metrics.horizontalAdvance(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))) * kTwipsPerPixel;
}

} // namespace zoravina
