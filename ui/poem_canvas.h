#pragma once
// The window's drawing area: back colour, background picture, and the text
// the displays printed, painted at the canvas's zoom over the design size.
// Every control of the window's screens is a child of it.

#include "controls.h"

#include <QImage>
#include <QWidget>

namespace zoravina {

class QtSurface;

class PoemCanvas : public QWidget {
    Q_OBJECT
public:
    explicit PoemCanvas(QWidget* parent = nullptr);

    void setSurface(const QtSurface* surface) { surface_ = surface; }
    void setBackground(Background background);
    void setBackColour(QColor colour);
    // Pixels per design pixel.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    // The whole canvas as it looks, onto any painter (a printer's too), text as text.
    void render(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const QImage& picture();

    const QtSurface* surface_ = nullptr;
    QImage picture_;
    Background background_ = Background::None;
    QColor backColour_{0, 0, 128};
    double zoom_ = 1;
};

} // namespace zoravina
