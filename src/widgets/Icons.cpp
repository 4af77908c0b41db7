// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Icons.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

static void initLumoraResources() { Q_INIT_RESOURCE(lumora); }

namespace lum {

void EnsureLumoraResources() {
    static const bool done = [] {
        initLumoraResources();
        return true;
    }();
    (void)done;
}

}  // namespace lum

namespace {

// Hot spots of the cursor drawings, in 32 x 32 pixels.
struct HotSpot {
    int x, y;
};
const QHash<QString, HotSpot>& cursorHotSpots() {
    static const QHash<QString, HotSpot> t{
        {"POLY", {4, 4}},     {"PIPETTE", {3, 28}}, {"SPRAY", {5, 6}},   {"CRAYON", {3, 28}},
        {"EFFETS", {16, 16}}, {"REMPLIR", {4, 25}}, {"CURZOOM", {13, 13}},
    };
    return t;
}

// Pictures are drawn at 2x on high-density screens so they stay sharp.
qreal screenRatio() {
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return app->devicePixelRatio() >= 1.5 ? 2.0 : 1.0;
    return 1.0;
}

QPixmap renderSvg(const QString& path, const QSize& size, qreal dpr) {
    QSvgRenderer r(path);
    if (!r.isValid()) return QPixmap();
    const QSize px = (QSizeF(size) * dpr).toSize();
    QImage img(px, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        r.render(&p);
    }
    QPixmap pm = QPixmap::fromImage(img);
    pm.setDevicePixelRatio(dpr);
    return pm;
}

}  // namespace

QIcon LumoraIcon(const QString& designName) {
    lum::EnsureLumoraResources();
    const QString path = QStringLiteral(":/icons/%1.svg").arg(designName);
    if (!QFile::exists(path)) return QIcon();
    return QIcon(path);
}

QCursor LumoraCursor(const QString& name, int hotX, int hotY) {
    lum::EnsureLumoraResources();
    const QString path = QStringLiteral(":/cursors/%1.svg").arg(name);
    if (!QFile::exists(path)) return QCursor(Qt::ArrowCursor);
    QPixmap pm = renderSvg(path, QSize(32, 32), screenRatio());
    if (hotX < 0 || hotY < 0) {
        const HotSpot h = cursorHotSpots().value(name, HotSpot{0, 0});
        hotX = h.x;
        hotY = h.y;
    }
    return QCursor(pm, hotX, hotY);
}

QPixmap LumoraPicture(const QString& name, const QSize& size) {
    lum::EnsureLumoraResources();
    const QString path = QStringLiteral(":/images/%1.svg").arg(name);
    if (!QFile::exists(path)) return QPixmap();
    QSize s = size;
    if (!s.isValid()) {
        QSvgRenderer r(path);
        s = r.defaultSize();
    }
    return renderSvg(path, s, screenRatio());
}

QStringList LumoraIconNames() {
    return {"lumora",
            "ProcessingOptimumActionSpeedButton",
            "UndoSpeedButton",
            "ComparePhotosSpeedButton",
            "SaveAndReplacePhotoSpeedButton",
            "ShowOriginalPhotoSpeedButton",
            "Btrot90",
            "CropSpeedButton",
            "StraightenSpeedButton",
            "RedEyeSpeedButton",
            "SpeedButton1",
            "ZoomPhotosSpeedButton",
            "SpeedButton2",
            "SpeedButton3",
            "TarnelhomeSpeedButton",
            "Btselectcercle",
            "Btselectrect",
            "BtNotool",
            "Btselectpoly",
            // The compare window's pane buttons (its design names repeat the main window's).
            "Compare_SpeedButton4",
            "Compare_SpeedButton5",
            "Compare_SpeedButton9",
            "Compare_SetZoomScaleSpeedButton",
            "Compare_DivideWindowinto2EvenSpeedButton",
            "Btpipette",
            "Btligne",
            "Btcrayon",
            "Btpeinture",
            "Btspray",
            "Btechange",
            "Btbarbouiller",
            "Btdubruit",
            "Btassombrir",
            "Bteclaircir",
            "Btdurcir",
            "Btflou",
            "Btzoom"};
}

QStringList LumoraCursorNames() {
    return {"POLY", "PIPETTE", "SPRAY", "CRAYON", "EFFETS", "REMPLIR", "CURZOOM"};
}

QStringList LumoraPictureNames() { return {"logo", "welcome", "progress", "banner"}; }
