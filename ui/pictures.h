#pragma once
// Every picture of the window is drawn in code at the size it is shown.

#include "controls.h"

#include <QImage>
#include <QSize>

class QPainter;

namespace zoravina {

QImage drawBackground(Background background, QSize size);
QImage drawStartPicture(QSize size);
QImage drawWindowIcon(int size);
// Paints the icon into a square of the given side, on any paint device.
void paintWindowIcon(QPainter& painter, qreal size);
// The picture a picture control of the window shows, or a null image.
QImage drawControlPicture(Control control, int index, QSize size);

} // namespace zoravina
