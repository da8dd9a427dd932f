#pragma once
// Draws the display procedures' text onto the window's persistent image, in
// the window's font, at twips positions, measured with the real metrics.

#include "surface.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <memory>

namespace zoravina {

class QtSurface : public Surface {
public:
    explicit QtSurface(QImage& image, const QString& family = QStringLiteral("Times New Roman"));

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

    // Ends the painting of a pass so that the image can be shown.
    void finish();

private:
    QPainter& painter();

    QImage& image_;
    QFont font_;
    QColor colour_ = Qt::black;
    double x_ = 0;
    double y_ = 0;
    std::unique_ptr<QPainter> painter_;
};

} // namespace zoravina
