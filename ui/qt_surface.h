#pragma once
// The displays' text, kept as a list of runs at design positions and
// measured with the real font metrics at the design size. The window paints
// the list at whatever size it stands, and the printer gets it as text.

#include "surface.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

#include <vector>

class QPainter;

namespace zoravina {

struct TextRun {
    QPointF at;   // design pixels (15 twips each), the text's baseline start
    QFont font;
    QColor colour;
    QString text;
};

class QtSurface : public Surface {
public:
    explicit QtSurface(const QString& family = QStringLiteral("Times New Roman"));

    void clear() override;
    void setColour(Colour colour) override;
    void setItalic(bool on) override;
    void setBold(bool on) override;
    void setFontSize(double points) override;
    double fontSize() const override { return font_.pointSizeF(); }
    void moveTo(double x, double y) override;
    void print(std::string_view utf8) override;
    double textWidth(std::string_view utf8) const override;

    void setFamily(const QString& family) { font_.setFamily(family); }
    const std::vector<TextRun>& runs() const { return runs_; }
    // Paints the runs; the painter's transform maps design pixels to its device.
    void paint(QPainter& painter) const;
    // The resolution that point sizes were measured at: the screen's.
    static double measuredDpi();

private:
    QFont font_;
    QColor colour_ = Qt::black;
    double x_ = 0;
    double y_ = 0;
    std::vector<TextRun> runs_;
};

} // namespace zoravina
