// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>

#include "WidgetTestSupport.h"
#include "widgets/Icons.h"

namespace {

int OpaquePixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 0) ++n;
    return n;
}
int OpaquePixels(const QPixmap& pm) { return OpaquePixels(pm.toImage()); }

// Opaque pixels of an SVG drawn at the given size.
int Ink(const QString& path, QSize size) {
    QSvgRenderer r(path);
    if (!r.isValid()) return -1;
    QImage img(size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    r.render(&p);
    p.end();
    return OpaquePixels(img);
}

QSet<QString> Shipped(const QString& folder) {
    lum::EnsureLumoraResources();
    QSet<QString> names;
    QDirIterator it(folder, {QStringLiteral("*.svg")});
    while (it.hasNext()) names.insert(QFileInfo(it.next()).completeBaseName());
    return names;
}

}  // namespace

class Pictures : public ::testing::Test {
protected:
    void SetUp() override {
        widgettest::App();
        lum::EnsureLumoraResources();
    }
};

TEST_F(Pictures, ListsMatchTheResources) {
    const QStringList icons = LumoraIconNames(), cursors = LumoraCursorNames(), pictures = LumoraPictureNames();
    EXPECT_EQ(QSet<QString>(icons.begin(), icons.end()), Shipped(QStringLiteral(":/icons")));
    EXPECT_EQ(QSet<QString>(cursors.begin(), cursors.end()), Shipped(QStringLiteral(":/cursors")));
    EXPECT_EQ(QSet<QString>(pictures.begin(), pictures.end()), Shipped(QStringLiteral(":/images")));
    // The seven tool cursors the windows register.
    EXPECT_EQ(cursors, QStringList({"POLY", "PIPETTE", "SPRAY", "CRAYON", "EFFETS", "REMPLIR", "CURZOOM"}));
}

TEST_F(Pictures, EveryIconIsAValidDrawing) {
    for (const QString& name : LumoraIconNames()) {
        const std::string n = name.toStdString();
        const QString path = QStringLiteral(":/icons/%1.svg").arg(name);
        QSvgRenderer r(path);
        ASSERT_TRUE(r.isValid()) << n;
        EXPECT_FALSE(r.defaultSize().isEmpty()) << n;
        const int ink = Ink(path, QSize(36, 36));
        EXPECT_GT(ink, 36 * 36 / 20) << n << ": nearly empty";
        const QIcon icon = LumoraIcon(name);
        ASSERT_FALSE(icon.isNull()) << n;
        const QPixmap pm = icon.pixmap(QSize(36, 36));
        EXPECT_FALSE(pm.isNull()) << n;
        EXPECT_GT(OpaquePixels(pm), 0) << n;
    }
    EXPECT_TRUE(LumoraIcon(QStringLiteral("NoSuchButton")).isNull());
    EXPECT_TRUE(LumoraIcon(QString()).isNull());
}

TEST_F(Pictures, CursorsAre32PixelsWithTheHotSpotOnTheDrawing) {
    for (const QString& name : LumoraCursorNames()) {
        const std::string n = name.toStdString();
        ASSERT_GT(Ink(QStringLiteral(":/cursors/%1.svg").arg(name), QSize(32, 32)), 20) << n;
        const QCursor c = LumoraCursor(name);
        EXPECT_EQ(c.shape(), Qt::BitmapCursor) << n;
        const QPixmap pm = c.pixmap();
        ASSERT_FALSE(pm.isNull()) << n;
        EXPECT_EQ(pm.deviceIndependentSize().toSize(), QSize(32, 32)) << n;
        const QPoint hot = c.hotSpot();
        EXPECT_GE(hot.x(), 0) << n;
        EXPECT_GE(hot.y(), 0) << n;
        EXPECT_LT(hot.x(), 32) << n;
        EXPECT_LT(hot.y(), 32) << n;
        // The point that acts should be drawn (or within two pixels of a drawn pixel).
        const QImage img = pm.toImage();
        bool near = false;
        for (int dy = -2; dy <= 2 && !near; ++dy)
            for (int dx = -2; dx <= 2 && !near; ++dx) {
                const QPoint q = hot + QPoint(dx, dy);
                if (img.rect().contains(q) && qAlpha(img.pixel(q)) > 0) near = true;
            }
        EXPECT_TRUE(near) << n << " hot spot " << hot.x() << "," << hot.y() << " on empty ground";
    }
    // A hot spot given by the caller wins.
    EXPECT_EQ(LumoraCursor(QStringLiteral("POLY"), 7, 9).hotSpot(), QPoint(7, 9));
    // Unknown names fall back to the arrow rather than an empty cursor.
    EXPECT_EQ(LumoraCursor(QStringLiteral("NOSUCH")).shape(), Qt::ArrowCursor);
}

TEST_F(Pictures, PicturesRenderAtTheirOwnOrAGivenSize) {
    for (const QString& name : LumoraPictureNames()) {
        const std::string n = name.toStdString();
        const QString path = QStringLiteral(":/images/%1.svg").arg(name);
        QSvgRenderer r(path);
        ASSERT_TRUE(r.isValid()) << n;
        const QPixmap natural = LumoraPicture(name);
        ASSERT_FALSE(natural.isNull()) << n;
        EXPECT_EQ(natural.size(), r.defaultSize()) << n;
        EXPECT_GT(OpaquePixels(natural), natural.width() * natural.height() / 20) << n;
        const QPixmap scaled = LumoraPicture(name, QSize(48, 30));
        EXPECT_EQ(scaled.size(), QSize(48, 30)) << n;
        EXPECT_GT(OpaquePixels(scaled), 0) << n;
    }
    EXPECT_TRUE(LumoraPicture(QStringLiteral("nosuch")).isNull());
}
