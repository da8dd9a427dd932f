#include "poem_canvas.h"

#include "pictures.h"

#include <QPainter>
#include <QResizeEvent>

namespace zoravina {

PoemCanvas::PoemCanvas(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("canvas"));
    setAutoFillBackground(false);
}

void PoemCanvas::resizeDrawing(QSize size)
{
    if (drawing_.size() == size)
        return;
    QImage resized(size, QImage::Format_ARGB32_Premultiplied);
    resized.fill(Qt::transparent);
    if (!drawing_.isNull()) {
        QPainter p(&resized);
        p.drawImage(0, 0, drawing_);
    }
    drawing_ = resized;
    if (background_ != Background::None)
        picture_ = drawBackground(background_, size);
}

void PoemCanvas::setBackground(Background background)
{
    if (background == background_ && (background == Background::None || picture_.size() == size()))
        return;
    background_ = background;
    picture_ = background == Background::None ? QImage() : drawBackground(background, size());
    update();
}

void PoemCanvas::setBackColour(QColor colour)
{
    backColour_ = colour;
    update();
}

void PoemCanvas::resizeEvent(QResizeEvent* event)
{
    resizeDrawing(event->size());
    QWidget::resizeEvent(event);
}

void PoemCanvas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), backColour_);
    if (!picture_.isNull())
        p.drawImage(0, 0, picture_);
    p.drawImage(0, 0, drawing_);
}

} // namespace zoravina
