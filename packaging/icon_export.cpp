// Build-time tool: writes the program's icon as a PNG of a given size or as an
// SVG, from the same drawing as the window icon, so the installed icons can
// never drift from the one the window shows.
//
// Usage: icon_export OUT.png SIZE | icon_export OUT.svg
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>
#include <cstdio>

#include "ui/app_icon.h"

namespace {

constexpr int kDesignSize = 64;  // the drawing's own grid

bool WritePng(const QString& path, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        ui::PaintAppIcon(painter, size);
    }
    return image.save(path, "PNG");
}

bool WriteSvg(const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kDesignSize, kDesignSize));
    svg.setViewBox(QRect(0, 0, kDesignSize, kDesignSize));
    svg.setTitle(QStringLiteral("Ovantra Rules File Editor"));
    svg.setDescription(QStringLiteral("A page of rules and a pen"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    ui::PaintAppIcon(painter, kDesignSize);
    return painter.end();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: icon_export OUT.png SIZE | icon_export OUT.svg\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    bool ok = false;
    if (out.endsWith(QLatin1String(".svg"))) {
        ok = WriteSvg(out);
    } else if (out.endsWith(QLatin1String(".png")) && argc == 3) {
        const int size = QString::fromLocal8Bit(argv[2]).toInt();
        ok = size > 0 && size <= 1024 && WritePng(out, size);
    }
    if (!ok) {
        std::fprintf(stderr, "icon_export: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
