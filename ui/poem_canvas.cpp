#include "poem_canvas.h"

#include "pictures.h"
#include "qt_surface.h"

#include <QPainter>
#include <QResizeEvent>

namespace zoravina {

PoemCanvas::PoemCanvas(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("canvas"));
    setAutoFillBackground(false);
}

void PoemCanvas::setBackground(Background background)
{
    if (background == background_)
        return;
    background_ = background;
    picture_ = QImage();
    update();
}

void PoemCanvas::setBackColour(QColor colour)
{
    backColour_ = colour;
    update();
}

void PoemCanvas::setZoom(double zoom)
{
    zoom_ = zoom;
    picture_ = QImage();
    update();
}

// The picture is drawn for the size and pixel density it is shown at.
const QImage& PoemCanvas::picture()
{
    const QSize pixels = size() * devicePixelRatioF();
    if (background_ != Background::None && picture_.size() != pixels) {
        picture_ = drawBackground(background_, pixels);
        picture_.setDevicePixelRatio(devicePixelRatioF());
    }
    return picture_;
}

void PoemCanvas::render(QPainter& painter)
{
    painter.fillRect(QRectF(QPointF(), size()), backColour_);
    if (background_ != Background::None)
        painter.drawImage(QRectF(QPointF(), size()), picture());
    if (surface_) {
        painter.save();
        painter.scale(zoom_, zoom_);
        surface_->paint(painter);
        painter.restore();
    }
}

void PoemCanvas::resizeEvent(QResizeEvent* event)
{
    picture_ = QImage();
    QWidget::resizeEvent(event);
}

void PoemCanvas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    render(p);
}

} // namespace zoravina
