// SPDX-License-Identifier: GPL-3.0-or-later
// The photo list's two views: switched and remembered, and the list's habits in the thumbnails.
#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include "GuiTestSupport.h"
#include "app/WindowSettings.h"
#include "thumbs/ThumbnailCache.h"
#include "view/FolderTree.h"
#include "view/PhotoList.h"
#include "view/PhotoThumbView.h"
#include "widgets/ThumbnailLoader.h"

using namespace guitest;

TEST(PhotoListViews, ThumbnailsAndDetailsKeepEveryHabitOfTheList) {
    App();
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Lumora", "Lumora").remove("MainWindow");
    QTemporaryDir dir;
    const QString a = WriteJpeg(dir.filePath("a.jpg"), 640, 480), b = WriteJpeg(dir.filePath("b.jpg"), 480, 640);
    const QString c = WriteJpeg(dir.filePath("c.jpg"), 64, 48);
    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    w.show();
    QApplication::setActiveWindow(&w);
    auto* list = w.findChild<PhotoList*>("LsFilelistView282");
    auto* thumbs = w.findChild<PhotoThumbView*>("PhotoThumbnailView");
    ASSERT_TRUE(thumbs && w.findChild<FolderTree*>("LsDirTree211")->OpenPath(dir.path()));
    Pump();
    const auto index = [list](const QString& path) { return list->IndexOfItem(list->ItemOfPath(path)); };
    const auto thumbnail = [&](const QString& path) {
        return thumbs->Loader()->Thumbnail(path, index(path).data(PhotoList::TimeRole).toLongLong()).image;
    };
    const auto remembered = [](const char* key) { return lum::WindowSettings::Flag(key); };
    const auto key = [](QWidget* to, int k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(to, Qt::Key(k), m); };

    struct Case {
        const char* what;
        std::function<void()> act;
        std::function<bool()> done;
    };
    const Case cases[] = {
        {"thumbnails by default", [] {}, [&] { return w.ShowsThumbnails() && thumbs->isVisible() && !list->isVisible(); }},
        {"their pictures arrive, upright", [] {},
         [&] { return thumbnail(a).size() == QSize(128, 96) && thumbnail(b).size() == QSize(96, 128) && thumbnail(c).size() == QSize(64, 48); }},
        {"a click opens a photo",
         [&] { QTest::mouseClick(thumbs->viewport(), Qt::LeftButton, {}, thumbs->visualRect(index(a)).center()); },
         [&] { return w.ShownPhoto() == a; }},
        {"the arrow keys open the photo they rest on", [&] { key(thumbs, Qt::Key_Right); }, [&] { return w.ShownPhoto() == b; }},
        {"Shift and an arrow select without opening", [&] { key(thumbs, Qt::Key_Right, Qt::ShiftModifier); },
         [&] { return list->SelectedPaths() == QStringList({b, c}) && w.ShownPhoto() == b; }},
        {"Ctrl+A selects every entry for the batch", [&] { key(thumbs, Qt::Key_A, Qt::ControlModifier); },
         [&] { return list->SelectedPaths().size() == 3; }},
        {"Home and Enter open the first photo",
         [&] {
             thumbs->setCurrentIndex(index(c));
             key(thumbs, Qt::Key_Home);
             key(thumbs, Qt::Key_Right);
             key(thumbs, Qt::Key_Return);
         },
         [&] { return w.ShownPhoto() == a; }},
        {"Ctrl and the wheel make them large, remembered",
         [&] {
             const QPointF at = thumbs->viewport()->rect().center();
             QWheelEvent up(at, thumbs->viewport()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                            Qt::NoScrollPhase, false);
             QApplication::sendEvent(thumbs->viewport(), &up);
         },
         [&] { return thumbs->Side() == 256 && remembered(lum::WindowSettings::kLargeThumbnails) && thumbnail(b).height() == 256; }},
        {"Ctrl+2 shows the details, the current photo kept, remembered", [&] { key(&w, Qt::Key_2, Qt::ControlModifier); },
         [&] {
             return !w.ShowsThumbnails() && list->isVisible() && list->currentItem() == list->ItemOfPath(a) &&
                    remembered(lum::WindowSettings::kPhotoListDetails);
         }},
        {"Ctrl+1 the thumbnails again", [&] { key(&w, Qt::Key_1, Qt::ControlModifier); },
         [&] { return w.ShowsThumbnails() && !remembered(lum::WindowSettings::kPhotoListDetails); }},
        {"the view button switches too", [&] { w.findChild<QToolButton*>("PhotoListViewButton")->click(); },
         [&] { return !w.ShowsThumbnails(); }},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(PumpUntil(c.done, 10000)) << c.what;
    }
    // Both choices hold in the next window.
    MainWindow next(&prompts);
    EXPECT_FALSE(next.ShowsThumbnails());
    EXPECT_EQ(next.findChild<PhotoThumbView*>()->Side(), lum::ThumbnailCache::kLarge);
}
