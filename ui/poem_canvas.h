#pragma once
// The window's drawing area: back colour, background picture, and the
// persistent image that the displays print on. Every control of the
// window's screens is a child of it, placed in twips.

#include "controls.h"

#include <QImage>
#include <QWidget>

namespace zoravina {

class PoemCanvas : public QWidget {
    Q_OBJECT
public:
    explicit PoemCanvas(QWidget* parent = nullptr);

    QImage& drawing() { return drawing_; }
    void setBackground(Background background);
    void setBackColour(QColor colour);
    void resizeDrawing(QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage drawing_;
    QImage picture_;
    Background background_ = Background::None;
    QColor backColour_{0, 0, 128};
};

} // namespace zoravina
