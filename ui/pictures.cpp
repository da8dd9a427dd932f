#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

namespace zoravina {

namespace {

// Light lines and shapes on pale grey: the picture behind the two-colour
// purple and blue of the "Geometrija" scheme.
void paintGeometry(QPainter& p, QSizeF s)
{
    QLinearGradient sky(0, 0, s.width(), s.height());
    sky.setColorAt(0, QColor(236, 238, 244));
    sky.setColorAt(1, QColor(208, 214, 228));
    p.fillRect(QRectF(QPointF(), s), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    const double unit = s.width() / 16;
    for (int i = 0; i < 9; ++i) {
        p.setPen(QPen(QColor(150, 160, 190, 70), 1.5));
        p.drawEllipse(QPointF(s.width() * 0.78, s.height() * 0.42), unit * (1 + i * 0.75), unit * (1 + i * 0.75));
    }
    for (int i = 0; i < 7; ++i) {
        const double x = s.width() * 0.08 + i * unit * 1.4;
        QPolygonF triangle;
        triangle << QPointF(x, s.height() * 0.95) << QPointF(x + unit * 1.2, s.height() * 0.95)
                 << QPointF(x + unit * 0.6, s.height() * 0.95 - unit * 1.04);
        p.setPen(QPen(QColor(170, 120, 190, 90), 1.2));
        p.setBrush(QColor(190, 160, 210, 35));
        p.drawPolygon(triangle);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 140, 180, 45), 1));
    for (double x = 0; x < s.width(); x += unit / 2)
        p.drawLine(QPointF(x, 0), QPointF(x - s.height() * 0.4, s.height()));
}

// An evening landscape: dusk sky, moon and dark hills, for the bright green
// and red of the "Pokrajina" scheme.
void paintLandscape(QPainter& p, QSizeF s)
{
    QLinearGradient sky(0, 0, 0, s.height());
    sky.setColorAt(0, QColor(18, 22, 58));
    sky.setColorAt(0.55, QColor(64, 44, 92));
    sky.setColorAt(0.8, QColor(120, 70, 80));
    sky.setColorAt(1, QColor(40, 30, 40));
    p.fillRect(QRectF(QPointF(), s), sky);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(s.width() * 0.82, s.height() * 0.18), s.height() * 0.12);
    glow.setColorAt(0, QColor(255, 250, 220, 230));
    glow.setColorAt(0.35, QColor(255, 240, 200, 200));
    glow.setColorAt(1, QColor(255, 240, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(s.width() * 0.82, s.height() * 0.18), s.height() * 0.12, s.height() * 0.12);
    const QColor hills[] = {QColor(52, 40, 70), QColor(34, 30, 50), QColor(20, 20, 32)};
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath path;
        const double base = s.height() * (0.68 + layer * 0.1);
        path.moveTo(0, s.height());
        path.lineTo(0, base);
        for (double x = 0; x <= s.width(); x += s.width() / 40)
            path.lineTo(x, base - std::sin(x / s.width() * (3 + layer) * 3.14159 + layer) * s.height() * (0.06 - layer * 0.01) -
                               std::sin(x / s.width() * 11 + layer * 2) * s.height() * 0.015);
        path.lineTo(s.width(), s.height());
        p.setBrush(hills[layer]);
        p.drawPath(path);
    }
}

// Deep space with a soft band of light and many stars: "Vesolje".
void paintUniverse(QPainter& p, QSizeF s)
{
    QLinearGradient space(0, 0, s.width(), s.height());
    space.setColorAt(0, QColor(6, 8, 30));
    space.setColorAt(0.5, QColor(22, 16, 56));
    space.setColorAt(1, QColor(8, 10, 36));
    p.fillRect(QRectF(QPointF(), s), space);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRadialGradient nebula(QPointF(s.width() * 0.7, s.height() * 0.35), s.width() * 0.45);
    nebula.setColorAt(0, QColor(110, 70, 160, 90));
    nebula.setColorAt(0.5, QColor(60, 50, 130, 45));
    nebula.setColorAt(1, QColor(20, 20, 60, 0));
    p.setBrush(nebula);
    p.drawRect(QRectF(QPointF(), s));
    QRandomGenerator stars(20261208);
    for (int i = 0; i < 420; ++i) {
        const QPointF at(stars.bounded(s.width()), stars.bounded(s.height()));
        const double radius = 0.4 + stars.bounded(1.0) * stars.bounded(1.0) * 1.8;
        p.setBrush(QColor(220 + stars.bounded(36), 220 + stars.bounded(36), 255, 120 + stars.bounded(136)));
        p.drawEllipse(at, radius, radius);
    }
}

// Parchment with the faint figure of a seated sage: "Modrijan".
void paintSage(QPainter& p, QSizeF s)
{
    QRadialGradient paper(QPointF(s.width() * 0.45, s.height() * 0.45), s.width() * 0.75);
    paper.setColorAt(0, QColor(246, 236, 210));
    paper.setColorAt(1, QColor(214, 192, 150));
    p.fillRect(QRectF(QPointF(), s), paper);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = s.height() / 10;
    const QPointF seat(s.width() * 0.8, s.height() * 0.86);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 120, 80, 55));
    QPainterPath robe;
    robe.moveTo(seat + QPointF(-2.2 * u, 0));
    robe.cubicTo(seat + QPointF(-2 * u, -2.5 * u), seat + QPointF(-1.2 * u, -4.2 * u), seat + QPointF(0, -4.4 * u));
    robe.cubicTo(seat + QPointF(1.2 * u, -4.2 * u), seat + QPointF(2 * u, -2.5 * u), seat + QPointF(2.2 * u, 0));
    robe.closeSubpath();
    p.drawPath(robe);
    p.drawEllipse(seat + QPointF(0, -5 * u), 0.75 * u, 0.85 * u);
    QPainterPath beard;
    beard.moveTo(seat + QPointF(-0.5 * u, -4.7 * u));
    beard.quadTo(seat + QPointF(0, -3.2 * u), seat + QPointF(0.5 * u, -4.7 * u));
    p.setBrush(QColor(120, 95, 60, 45));
    p.drawPath(beard);
    p.setPen(QPen(QColor(120, 90, 50, 70), u * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(seat + QPointF(1.6 * u, 0.2 * u), seat + QPointF(2.2 * u, -6.2 * u));
    p.setPen(QPen(QColor(150, 120, 80, 40), 1));
    for (int i = 0; i < 12; ++i)
        p.drawLine(QPointF(s.width() * 0.05, s.height() * (0.08 + i * 0.075)),
                   QPointF(s.width() * (0.3 + (i % 3) * 0.05), s.height() * (0.08 + i * 0.075)));
}

} // namespace

QImage drawBackground(Background background, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QSizeF s = size;
    switch (background) {
    case Background::None: break;
    case Background::Geometry: paintGeometry(p, s); break;
    case Background::Landscape: paintLandscape(p, s); break;
    case Background::Universe: paintUniverse(p, s); break;
    case Background::Sage: paintSage(p, s); break;
    }
    return image;
}

QImage drawStartPicture(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, size.width(), 0);
    band.setColorAt(0, QColor(30, 20, 70));
    band.setColorAt(0.5, QColor(70, 50, 120));
    band.setColorAt(1, QColor(30, 20, 70));
    p.fillRect(image.rect(), band);
    p.setPen(QPen(QColor(230, 200, 120), 2));
    p.drawRect(image.rect().adjusted(3, 3, -4, -4));
    QFont title(QStringLiteral("Times New Roman"));
    title.setBold(true);
    title.setPixelSize(size.height() * 2 / 5);
    p.setFont(title);
    p.setPen(QColor(20, 10, 40));
    const QRect upper(0, size.height() / 10, size.width(), size.height() / 2);
    p.drawText(upper.translated(3, 3), Qt::AlignCenter, QStringLiteral("Zoravina"));
    p.setPen(QColor(245, 215, 130));
    p.drawText(upper, Qt::AlignCenter, QStringLiteral("Zoravina"));
    QFont sub(QStringLiteral("Times New Roman"));
    sub.setItalic(true);
    sub.setPixelSize(size.height() / 7);
    p.setFont(sub);
    p.setPen(QColor(210, 220, 255));
    p.drawText(QRect(0, size.height() * 6 / 10, size.width(), size.height() / 3), Qt::AlignCenter,
               QStringLiteral("pesem, ki jo sestaviš sam"));
    return image;
}

QImage drawWindowIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient disc(QPointF(size * 0.4, size * 0.35), size * 0.7);
    disc.setColorAt(0, QColor(90, 70, 170));
    disc.setColorAt(1, QColor(20, 14, 60));
    p.setBrush(disc);
    p.setPen(QPen(QColor(240, 205, 120), size / 24.0));
    p.drawEllipse(QRectF(size * 0.04, size * 0.04, size * 0.92, size * 0.92));
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    font.setPixelSize(size * 3 / 5);
    p.setFont(font);
    p.setPen(QColor(255, 60, 60));
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("Z"));
    return image;
}

} // namespace zoravina
