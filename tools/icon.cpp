// Renders the program's icon for the desktop: a scalable SVG and the PNG sizes
// of the hicolor theme, into OUTDIR/hicolor/<size>/apps/zoravina.{svg,png}.

#include "pictures.h"

#include <QDir>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zoravina-icon OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const int sizes[] = {16, 24, 32, 48, 64, 128, 256, 512};
    for (int size : sizes) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(folder) || !zoravina::drawWindowIcon(size).save(folder + QStringLiteral("/zoravina.png"))) {
            std::fprintf(stderr, "zoravina-icon: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    const QString scalable = out + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(scalable)) {
        std::fprintf(stderr, "zoravina-icon: cannot write %s\n", qPrintable(scalable));
        return 1;
    }
    QSvgGenerator svg;
    svg.setFileName(scalable + QStringLiteral("/zoravina.svg"));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Zoravina"));
    svg.setDescription(QStringLiteral("Ikona programa Zoravina"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        std::fprintf(stderr, "zoravina-icon: cannot write the SVG icon\n");
        return 1;
    }
    zoravina::paintWindowIcon(painter, 256);
    painter.end();
    return 0;
}
