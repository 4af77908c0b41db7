// SPDX-License-Identifier: GPL-3.0-or-later
// The one list of photo names the desktop takes, in each notation its users need.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "WidgetTestSupport.h"
#include "widgets/PhotoFiles.h"
#include "widgets/QtPrompts.h"

TEST(PhotoFiles, OneListForTheListTheChoosersAndFileOpen) {
    widgettest::App();
    const QStringList filters = lum::PhotoNameFilters();
    for (const char* p : {"*.jpg", "*.jpeg", "*.heic", "*.heif", "*.png", "*.webp", "*.tif", "*.tiff"})
        EXPECT_TRUE(filters.contains(QString::fromLatin1(p))) << p;
    EXPECT_EQ(lum::PhotoListMask(), filters.join(QLatin1Char(';')));
    // A file dialog takes the open filter as it is and matches each pattern.
    EXPECT_EQ(lum::QtPrompts::QtFilter(lum::PhotoOpenFilter().toStdString()),
              QStringLiteral("Photos (") + filters.join(QLatin1Char(' ')) + QLatin1Char(')'));
    QTemporaryDir dir;
    for (const char* name : {"a.JPG", "b.heic", "c.Png", "d.tiff", "e.bmp", "f.txt", "webp"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QStringList listed = QDir(dir.path()).entryList(filters, QDir::Files, QDir::Name);
    EXPECT_EQ(listed, (QStringList{"a.JPG", "b.heic", "c.Png", "d.tiff", "e.bmp"}));
    for (const QString& name : listed) EXPECT_TRUE(lum::IsPhotoFileName(dir.filePath(name)));
    EXPECT_FALSE(lum::IsPhotoFileName(dir.filePath("f.txt")));
    EXPECT_FALSE(lum::IsPhotoFileName(dir.filePath("webp")));
}
