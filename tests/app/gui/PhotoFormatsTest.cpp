// SPDX-License-Identifier: GPL-3.0-or-later
// Photos of every format read, in the main window: listed, opened by a click, a drop or the
// loader, shown as the decoder gives them, a HEIC's thumbnail as the quick preview, and saved as
// a JPEG beside the original, which stays as it was.
#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

#include "../../image/FormatMakers.h"
#include "GuiTestSupport.h"
#include "app/PhotoLoader.h"
#include "image/ColourProfile.h"
#include "image/Formats.h"
#include "view/PhotoList.h"

using namespace guitest;
namespace ft = formats_test;

namespace {

QString Write(const QTemporaryDir& dir, const char* name, const ft::Bytes& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    lum::WriteFileAtomic(path.toStdString(), bytes);
    return path;
}

lum::Image Decoded(const QString& path, lum::PictureMetadata* meta = nullptr) {
    const std::vector<uint8_t> b = lum::ReadFileBytes(path.toStdString());
    return lum::DecodePicture(b.data(), b.size(), nullptr, meta);
}

}  // namespace

TEST(PhotoFormats, ListedOpenedShownAsDecodedAndSavedBesideAsJpeg) {
    App();
    QTemporaryDir dir;
    const ft::Samples rgb = ft::Pattern(90, 60, 3, 8, 1), deep = ft::Pattern(90, 60, 4, 16, 2);
    ft::Extras phone{ft::DisplayP3Profile(), ft::ExifBlock("Lumora phone", 6), {}};
    const QString heic = Write(dir, "IMG_0001.HEIC", ft::MakeHeic(rgb, 80, phone, 6));
    const QString png = Write(dir, "alpha.png", ft::MakePng(deep));
    const QString webp = Write(dir, "web.webp", ft::MakeWebp(ft::Pattern(90, 60, 4, 8, 3), false));
    const QString tiff = Write(dir, "scan.tiff", ft::MakeTiff(rgb));
    Write(dir, "notes.txt", {'h', 'i'});

    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    w.show();
    Pump();
    auto* list = w.findChild<PhotoList*>(QStringLiteral("LsFilelistView282"));
    list->setDirectory(dir.path() + QLatin1Char('/'));
    Pump();
    for (const QString& p : {heic, png, webp, tiff}) EXPECT_NE(list->ItemOfPath(p), nullptr) << p.toStdString();
    EXPECT_EQ(list->ItemOfPath(dir.filePath("notes.txt")), nullptr);

    // Opened from the list and through File > Open.
    for (const QString& p : {heic, png, webp, tiff, png, heic}) {
        SCOPED_TRACE(p.toStdString());
        if (prompts.openFolders.size() < 2) {
            prompts.openPaths = {p.toStdString()};
            Action(w, "Ouvrir1")->trigger();
        } else {
            w.OpenPhotoFile(p);
        }
        ASSERT_TRUE(LoadSettled(w));
        EXPECT_TRUE(w.State().picture.Work() == Decoded(p));
        EXPECT_EQ(w.State().file.CurrentFileName(), p.toStdString());
        EXPECT_TRUE(prompts.messages.empty());
    }
    // The phone's photo came upright and in sRGB.
    w.OpenPhotoFile(heic);
    ASSERT_TRUE(LoadSettled(w));
    EXPECT_EQ(w.State().picture.Work().width(), 60);
    std::vector<uint8_t> icc;
    ASSERT_TRUE(lum::ProfileOfMetadata(w.State().file.Metadata(), icc));
    EXPECT_TRUE(icc.empty());

    // Dropped: a PNG is taken like a JPEG, a text file is not.
    for (const QString& p : {png, dir.filePath("notes.txt")}) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(p)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject*>(&w)->event(&enter);
        EXPECT_EQ(enter.isAccepted(), p == png);
    }

    // Saved: the dialog proposes IMG_0001.jpg beside the original; the HEIC stays as it was.
    const std::vector<uint8_t> original = lum::ReadFileBytes(heic.toStdString());
    w.findChild<QToolButton*>(QStringLiteral("ProcessingOptimumActionSpeedButton"))->click();
    // The original's name typed back: said to be changed, then confirmed as shown.
    prompts.savePaths = {heic.toStdString(), dir.filePath("IMG_0001.jpg").toStdString()};
    w.findChild<QToolButton*>(QStringLiteral("SaveAndReplacePhotoSpeedButton"))->click();
    ASSERT_FALSE(prompts.savePresets.empty());
    EXPECT_EQ(prompts.savePresets.back(), dir.filePath("IMG_0001.jpg").toStdString());
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(lum::ReadFileBytes(heic.toStdString()), original);
    lum::PictureMetadata saved;
    const lum::Image jpeg = Decoded(dir.filePath("IMG_0001.jpg"), &saved);
    EXPECT_EQ(jpeg.width(), 60);
    EXPECT_EQ(lum::ExifOrientation(saved), 1);
    EXPECT_EQ(w.State().file.CurrentFileName(), dir.filePath("IMG_0001.jpg").toStdString());
}

TEST(PhotoFormats, AHeicsThumbnailIsThePreviewWhileItDecodes) {
    App();
    QTemporaryDir dir;
    const QString heic = Write(dir, "phone.heic", ft::MakeHeic(ft::Pattern(640, 480, 3, 8, 4), 60, {}, 1, 160));
    std::vector<std::string> events;
    lum::Image preview, photo;
    lum::PhotoLoader::Handlers h;
    h.preview = [&](lum::PhotoLoader::Preview& p) {
        events.push_back("preview");
        EXPECT_EQ(p.width, 640);
        preview = std::move(p.image);
    };
    h.loaded = [&](lum::PhotoLoader::Photo& p) {
        events.push_back("loaded");
        photo = std::move(p.image);
    };
    lum::PhotoLoader loader(h);
    loader.Load(heic, [](int, int) { return 100; });  // a thumbnail is quicker at any zoom
    ASSERT_TRUE(PumpUntil([&loader] { return !loader.Pending(); }, 60000));
    EXPECT_EQ(events, (std::vector<std::string>{"preview", "loaded"}));
    EXPECT_EQ(preview.width(), 160);
    EXPECT_TRUE(photo == Decoded(heic));
}
