#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QConicalGradient>
#include <QRandomGenerator>

#include <array>
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

namespace {

QImage blank(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The settings screen: a night-blue field with faint rings round the centre
// picture, like ripples on still water.
QImage drawSettingsPicture(QSize size)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient field(QPointF(size.width() * 0.5, size.height() * 0.48), size.width() * 0.7);
    field.setColorAt(0, QColor(40, 36, 110));
    field.setColorAt(0.6, QColor(14, 16, 64));
    field.setColorAt(1, QColor(6, 6, 30));
    p.fillRect(image.rect(), field);
    const QPointF centre(size.width() * (7567.0 / 15315), size.height() * (5482.0 / 11130));
    for (int i = 1; i <= 9; ++i) {
        p.setPen(QPen(QColor(170, 180, 255, 60 - i * 5), 1.2));
        const double r = size.height() * (0.16 + i * 0.06);
        p.drawEllipse(centre, r * 1.25, r);
    }
    QRandomGenerator stars(1164);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
        p.setBrush(QColor(230, 230, 255, 60 + stars.bounded(120)));
        const double radius = 0.5 + stars.bounded(1.0) * 1.2;
        p.drawEllipse(QPointF(stars.bounded(size.width()), stars.bounded(size.height())), radius, radius);
    }
    return image;
}

struct CornerWords {
    Control picture;
    Control items;
    const char* heading;
    std::array<const char*, 3> words;
    QColor tint;
};
const CornerWords kCornerWords[] = {
    {Control::Picture9, Control::Label17, "poravnava", {"Levo", "Desno", "Sredina"}, QColor(120, 200, 255)},
    {Control::Picture10, Control::Label21, "pesem", {"Svetla", "Temačna", "Kombinacija"}, QColor(250, 212, 110)},
    {Control::Picture11, Control::Label23, "popravki", {"Ročno", "Samodejno", nullptr}, QColor(150, 230, 160)},
    {Control::Picture12, Control::Label19, "prednost", {"Največja", "Srednja", "Najmanjša"}, QColor(240, 150, 200)},
};

// A corner menu: its setting's name at the top and its option words where
// the items lie, so that an opaque item hides its word.
QImage drawCornerPicture(const CornerWords& corner, QSize size)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const Rect whole = controlSpec(corner.picture).design;
    const double sx = size.width() / double(whole.width);
    const double sy = size.height() / double(whole.height);
    QLinearGradient panel(0, 0, 0, size.height());
    panel.setColorAt(0, QColor(30, 26, 86, 235));
    panel.setColorAt(1, QColor(12, 10, 46, 235));
    p.setBrush(panel);
    p.setPen(QPen(corner.tint, 1.5));
    p.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 10, 10);
    QFont heading(QStringLiteral("Times New Roman"));
    heading.setItalic(true);
    heading.setPixelSize(std::max(8, int(size.height() * 0.12)));
    p.setFont(heading);
    p.setPen(corner.tint);
    const Rect first = designRect(corner.items, controlSpec(corner.items).firstIndex);
    p.drawText(QRectF(0, 0, size.width(), first.top * sy), Qt::AlignCenter, QString::fromUtf8(corner.heading));
    QFont word(QStringLiteral("Times New Roman"));
    word.setBold(true);
    const ControlSpec& items = controlSpec(corner.items);
    for (int i = items.firstIndex; i <= items.lastIndex; ++i) {
        const char* caption = corner.words[static_cast<std::size_t>(i - items.firstIndex)];
        if (!caption)
            continue;
        const Rect r = designRect(corner.items, i);
        const QRectF at(r.left * sx, r.top * sy, r.width * sx, r.height * sy);
        // Each word sits in a black slot, which the item covers when the word is not chosen.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0));
        p.drawRect(at);
        word.setPixelSize(std::max(8, int(at.height() * 0.72)));
        p.setFont(word);
        p.setPen(QColor(255, 255, 255));
        p.drawText(at, Qt::AlignCenter, QString::fromUtf8(caption));
    }
    return image;
}

// The centre picture: a sun with two halves, many colours on the left and
// two on the right, for the two colour modes the reader can compose in.
QImage drawCentrePicture(QSize size)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double diameter = std::min(size.width() * 0.86, size.height() * 0.72);
    const QRectF disc((size.width() - diameter) / 2, size.height() * 0.08, diameter, diameter);
    QConicalGradient rainbow(disc.center(), 90);
    const QColor hues[] = {QColor(255, 60, 60), QColor(255, 200, 40), QColor(60, 220, 90), QColor(40, 200, 255),
                           QColor(150, 80, 255), QColor(255, 60, 200), QColor(255, 60, 60)};
    for (int i = 0; i < 7; ++i)
        rainbow.setColorAt(i / 6.0, hues[i]);
    p.setPen(Qt::NoPen);
    p.setBrush(rainbow);
    p.drawPie(disc, 90 * 16, 180 * 16);
    QLinearGradient two(disc.topLeft(), disc.bottomRight());
    two.setColorAt(0, QColor(37, 67, 228));
    two.setColorAt(1, QColor(220, 228, 255));
    p.setBrush(two);
    p.drawPie(disc, -90 * 16, 180 * 16);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(250, 212, 110), 2));
    p.drawEllipse(disc);
    QFont label(QStringLiteral("Times New Roman"));
    label.setBold(true);
    label.setPixelSize(std::max(8, size.height() / 13));
    p.setFont(label);
    p.setPen(QColor(255, 255, 255));
    const double y = disc.bottom() + size.height() * 0.005;
    p.drawText(QRectF(0, y, size.width() / 2.0, size.height() * 0.12), Qt::AlignCenter, QStringLiteral("Večbarvno"));
    p.drawText(QRectF(size.width() / 2.0, y, size.width() / 2.0, size.height() * 0.12), Qt::AlignCenter,
               QStringLiteral("Dvobarvno"));
    return image;
}

// The quick-settings images show the alignment a left click chooses.
QImage drawAlignmentImage(int alignment, QSize size)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255), std::max(1.5, size.height() / 12.0), Qt::SolidLine, Qt::RoundCap));
    const double widths[] = {0.7, 0.45, 0.6, 0.35};
    const double margin = size.width() * 0.15;
    const double room = size.width() - 2 * margin;
    for (int i = 0; i < 4; ++i) {
        const double y = size.height() * (0.22 + i * 0.19);
        const double w = room * widths[i];
        double x = margin;
        if (alignment == 2)
            x = margin + room - w;
        else if (alignment == 3)
            x = margin + (room - w) / 2;
        p.drawLine(QPointF(x, y), QPointF(x + w, y));
    }
    return image;
}

// A hover spot shows a small star and the name of the menu it opens.
QImage drawHoverHint(const char* name, QColor tint, QSize size)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF star(size.height() * 0.5, size.height() * 0.5);
    const double r = size.height() * 0.32;
    QPainterPath path;
    for (int i = 0; i < 8; ++i) {
        const double angle = i * 3.14159265 / 4;
        const double reach = i % 2 == 0 ? r : r * 0.3;
        const QPointF point = star + QPointF(std::cos(angle) * reach, std::sin(angle) * reach);
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(tint.red(), tint.green(), tint.blue(), 170));
    p.drawPath(path);
    QFont font(QStringLiteral("Times New Roman"));
    font.setItalic(true);
    font.setPixelSize(std::max(8, int(size.height() * 0.5)));
    p.setFont(font);
    p.setPen(QColor(tint.red(), tint.green(), tint.blue(), 150));
    p.drawText(QRectF(size.height() * 1.1, 0, size.width() - size.height() * 1.1, size.height()), Qt::AlignVCenter | Qt::AlignLeft,
               QString::fromUtf8(name));
    return image;
}

} // namespace

QImage drawControlPicture(Control control, int index, QSize size)
{
    if (size.isEmpty())
        return {};
    switch (control) {
    case Control::Picture7: return drawStartPicture(size);
    case Control::Picture8: return drawSettingsPicture(size);
    case Control::Picture13: return drawCentrePicture(size);
    case Control::Image2: return drawAlignmentImage(index, size);
    default: break;
    }
    for (const CornerWords& corner : kCornerWords)
        if (corner.picture == control)
            return drawCornerPicture(corner, size);
    const std::pair<Control, const CornerWords*> spots[] = {{Control::Label18, &kCornerWords[0]},
                                                            {Control::Label22, &kCornerWords[1]},
                                                            {Control::Label24, &kCornerWords[2]},
                                                            {Control::Label20, &kCornerWords[3]}};
    for (const auto& [spot, corner] : spots)
        if (spot == control)
            return drawHoverHint(corner->heading, corner->tint, size);
    return {};
}

// The program's mark: a disc whose day half holds a sun and whose night half
// holds a crescent, the two poems side by side. Shapes only, no letters, so that
// it reads at 16 pixels and renders the same as a bitmap and as a vector drawing.
void paintWindowIcon(QPainter& p, qreal size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = size * 0.46;
    const QPointF c(size / 2, size / 2);
    const QRectF disc(c.x() - r, c.y() - r, 2 * r, 2 * r);

    QPainterPath whole;
    whole.addEllipse(disc);
    // The border between day and night bends like a wave: two half circles.
    QPainterPath day;
    day.moveTo(c.x(), c.y() - r);
    day.arcTo(disc, 90, 180);
    day.arcTo(QRectF(c.x() - r / 2, c.y(), r, r), 270, -180);
    day.arcTo(QRectF(c.x() - r / 2, c.y() - r, r, r), 270, 180);
    day.closeSubpath();
    const QPainterPath night = whole.subtracted(day);

    QLinearGradient dayFill(disc.topLeft(), disc.bottomRight());
    dayFill.setColorAt(0, QColor(255, 226, 130));
    dayFill.setColorAt(1, QColor(236, 150, 50));
    QLinearGradient nightFill(disc.topRight(), disc.bottomLeft());
    nightFill.setColorAt(0, QColor(52, 40, 128));
    nightFill.setColorAt(1, QColor(14, 10, 46));
    p.setPen(Qt::NoPen);
    p.fillPath(day, dayFill);
    p.fillPath(night, nightFill);

    const QPointF sun(c.x() - r * 0.42, c.y() - r * 0.30);
    const qreal sunRadius = r * 0.20;
    p.setPen(QPen(QColor(255, 252, 230), std::max<qreal>(1.0, size / 40), Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 8; ++ray) {
        const double angle = ray * 3.14159265358979 / 4;
        const QPointF dir(std::cos(angle), std::sin(angle));
        p.drawLine(sun + dir * (sunRadius * 1.45), sun + dir * (sunRadius * 2.05));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 252, 230));
    p.drawEllipse(sun, sunRadius, sunRadius);

    const QPointF moon(c.x() + r * 0.40, c.y() + r * 0.30);
    const qreal moonRadius = r * 0.26;
    QPainterPath crescent;
    crescent.addEllipse(moon, moonRadius, moonRadius);
    QPainterPath bite;
    bite.addEllipse(moon + QPointF(moonRadius * 0.55, -moonRadius * 0.35), moonRadius * 0.9, moonRadius * 0.9);
    p.fillPath(crescent.subtracted(bite), QColor(232, 228, 255));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(250, 205, 110), std::max<qreal>(1.0, size / 28)));
    p.drawEllipse(disc);
    p.restore();
}

QImage drawWindowIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintWindowIcon(p, size);
    return image;
}

} // namespace zoravina
