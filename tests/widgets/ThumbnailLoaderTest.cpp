// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnails a view keeps in memory: within their budget, the pixels alone, three bytes to a
// pixel unless the photo has transparency.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>

#include "WidgetTestSupport.h"
#include "widgets/ThumbnailLoader.h"

TEST(ThumbnailLoader, KeepsThePixelsAloneWithinItsBudget) {
    widgettest::App();
    // The cache's entries read back as four bytes to a pixel; the file manager's may have an
    // alpha channel.
    const struct {
        const char* name;
        QImage::Format entries;  // Format_Invalid: none, made from the photos
        QImage::Format held;
        int bytesPerPixel;
    } cases[] = {
        {"made from the photos", QImage::Format_Invalid, QImage::Format_RGB888, 3},
        {"opaque entries in the cache", QImage::Format_RGB32, QImage::Format_RGB888, 3},
        {"entries with transparency", QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied, 4},
    };
    constexpr int kPhotos = 6;
    constexpr qint64 kBudget = 100 * 1024;  // two or three thumbnails of 128 x 96
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const lum::ThumbnailCache cache(dir.path() + "/thumbnails");
        lum::ThumbnailLoader loader(nullptr, cache, kBudget);
        QStringList paths;
        for (int i = 0; i < kPhotos; ++i) {
            QImage photo(400, 300, QImage::Format_RGB32);
            photo.fill(QColor(200, 40 * i, 90));
            paths << dir.filePath(QString("photo%1.png").arg(i));
            ASSERT_TRUE(photo.save(paths.back()));
            if (c.entries != QImage::Format_Invalid) {
                QImage entry = photo.scaled(128, 96).convertToFormat(c.entries);
                entry.setText("Thumb::URI", lum::ThumbnailCache::UriOf(paths.back()));
                entry.setText("Thumb::MTime", QString::number(QFileInfo(paths.back()).lastModified().toSecsSinceEpoch()));
                ASSERT_TRUE(QDir().mkpath(QFileInfo(cache.EntryPath(paths.back(), 128)).path()));
                ASSERT_TRUE(entry.save(cache.EntryPath(paths.back(), 128)));
            }
        }
        for (const QString& path : paths) loader.Thumbnail(path);
        QElapsedTimer t;
        t.start();
        while (loader.Pending() > 0 && t.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_EQ(loader.Pending(), 0);

        EXPECT_LE(loader.HeldBytes(), kBudget);
        EXPECT_GE(loader.HeldCount(), 1);
        EXPECT_LT(loader.HeldCount(), kPhotos);
        // Each held with its own colour, costing its pixels and no more than a kilobyte besides.
        for (int i = 0; i < kPhotos; ++i) {
            if (!loader.Holds(paths[i])) continue;
            const QImage held = loader.Thumbnail(paths[i]).image;
            EXPECT_EQ(held.size(), QSize(128, 96));
            EXPECT_EQ(held.format(), c.held);
            EXPECT_TRUE(held.textKeys().isEmpty());
            EXPECT_EQ(QColor(held.pixel(60, 40)).green(), 40 * i);
        }
        EXPECT_LE(loader.HeldBytes(), loader.HeldCount() * (128 * 96 * c.bytesPerPixel + 2048));
    }
}
