// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the application icon at the hicolor sizes:
//   lumora_render_icons ICON.svg OUTDIR SIZE...   writes OUTDIR/SIZExSIZE/lumora.png
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: lumora_render_icons ICON.svg OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "lumora_render_icons: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    for (int i = 3; i < args.size(); ++i) {
        const int size = args[i].toInt();
        if (size <= 0) {
            std::fprintf(stderr, "lumora_render_icons: bad size %s\n", qPrintable(args[i]));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString dir = QStringLiteral("%1/%2x%2").arg(args[2]).arg(size);
        const QString file = dir + QStringLiteral("/lumora.png");
        if (!QDir().mkpath(dir) || !image.convertToFormat(QImage::Format_ARGB32).save(file, "PNG")) {
            std::fprintf(stderr, "lumora_render_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
