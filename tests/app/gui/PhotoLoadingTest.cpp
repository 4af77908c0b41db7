// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "GuiTestSupport.h"
#include "view/PhotoView.h"

using namespace guitest;

namespace {

class PhotoLoading : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        w = std::make_unique<MainWindow>(&prompts);
        w->show();
        Pump();
    }
    QStringList memoLines() const {
        return w->findChild<QPlainTextEdit*>("PhotoFileNameMemo")->toPlainText().split(QLatin1Char('\n'));
    }
    // A photo dropped on the window is opened as a click in the photo list would.
    void drop(const QString& path) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDropEvent ev(QPointF(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        // Straight to the window: without a drag in progress the application would not route it.
        static_cast<QObject*>(w.get())->event(&ev);
        Pump(50);  // the drop opens the photo once the event has returned
        LoadSettled(*w);
    }

    QTemporaryDir dir;
    lum::RecordingPrompts prompts;
    std::unique_ptr<MainWindow> w;
};

}  // namespace

TEST_F(PhotoLoading, FillsMemoInfoAndCaption) {
    const QString path = WriteJpeg(dir.filePath("a.jpg"), 640, 480);
    w->OpenPhotoFile(path);
    ASSERT_TRUE(LoadSettled(*w));
    const lum::EditState& st = w->State();
    EXPECT_EQ(st.picture.Baseline().width(), 640);
    EXPECT_EQ(st.picture.Work().height(), 480);
    EXPECT_TRUE(st.file.Loaded());
    EXPECT_TRUE(w->editor().Saved());
    EXPECT_FALSE(st.file.Optimized());
    EXPECT_EQ(st.file.CurrentFileName(), path.toStdString());
    EXPECT_EQ(st.file.SaveFolder(), dir.path().toStdString());
    EXPECT_EQ(w->windowTitle(), CaptionOf(path));

    const QStringList lines = memoLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], path);
    EXPECT_EQ(lines[1], QStringLiteral("Width: 640  Height: 480"));
    ASSERT_TRUE(lines[2].startsWith(QStringLiteral("Modified: ")));
    // Short date of the file's modification time first.
    const QDateTime stamp = QFileInfo(path).lastModified();
    EXPECT_TRUE(lines[2].contains(QLocale().toString(stamp.date(), QLocale::ShortFormat)));
    EXPECT_EQ(w->FileInfoText(), lines[0] + "#" + lines[1] + "#" + lines[2] + "#");
    // The photo became the baseline.
    EXPECT_EQ(st.picture.Work(), st.picture.Baseline());
    EXPECT_TRUE(st.picture.SourceCopy().empty());  // made by the first operation
    EXPECT_EQ(w->OriginalThumbnail().size(), QSize(267, 200));
}

TEST_F(PhotoLoading, ThumbnailSizes) {
    const std::pair<QSize, QSize> cases[] = {
        {{150, 120}, {150, 120}},  // smaller than 200 both ways: the photo itself
        {{100, 400}, {50, 200}},   // narrow
        {{400, 100}, {200, 50}},   // wide
        {{640, 480}, {267, 200}},  // landscape: the shorter side is 200
        {{300, 400}, {200, 267}},  // portrait
        {{200, 200}, {200, 200}},  // exactly 200: its own thumbnail
        {{200, 300}, {133, 200}},
    };
    int n = 0;
    for (const auto& [photo, thumb] : cases) {
        const QString path = WriteJpeg(dir.filePath(QStringLiteral("t%1.jpg").arg(n++)), photo.width(), photo.height());
        w->OpenPhotoFile(path);
        ASSERT_TRUE(LoadSettled(*w));
        EXPECT_EQ(w->OriginalThumbnail().size(), thumb) << photo.width() << "x" << photo.height();
        if (thumb != photo) {
            auto* tool = w->findChild<QWidget*>("ViewOrginalPhotoToolWindow");
            EXPECT_EQ(tool->size(), thumb + QSize(20, 20));
        }
    }
}

TEST_F(PhotoLoading, ADecodeErrorChangesNothingShown) {
    const QString good = WriteJpeg(dir.filePath("good.jpg"), 120, 80);
    w->OpenPhotoFile(good);
    ASSERT_TRUE(LoadSettled(*w));
    const lum::Image before = w->State().picture.Work();
    const QStringList memoBefore = memoLines();
    const QString captionBefore = w->windowTitle();
    const int zoomBefore = w->State().zoom.Slot();

    const QString bad = dir.filePath("bad.jpg");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00 this is not a photo", 28));
    f.close();
    drop(bad);

    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].rfind("JPEG error #", 0), 0u) << prompts.messages[0];
    EXPECT_EQ(w->State().picture.Work(), before);
    EXPECT_EQ(w->State().picture.Baseline(), before);
    EXPECT_EQ(memoLines(), memoBefore);
    EXPECT_EQ(w->windowTitle(), captionBefore);
    EXPECT_EQ(w->State().zoom.Slot(), zoomBefore);
}

TEST_F(PhotoLoading, SwitchingAfterOptimizeAsksToReplace) {
    const QString a = WriteJpeg(dir.filePath("a.jpg"), 90, 60);
    const QString b = WriteJpeg(dir.filePath("b.jpg"), 60, 90);
    w->OpenPhotoFile(a);
    ASSERT_TRUE(LoadSettled(*w));
    EXPECT_TRUE(prompts.questions.empty());
    w->findChild<QToolButton*>("ProcessingOptimumActionSpeedButton")->click();
    EXPECT_TRUE(w->State().file.Optimized());
    prompts.messages.clear();

    prompts.answers = {false};
    drop(b);
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0], "Unsaved Changes: Save the optimized photo a.jpg before opening b.jpg?");
    EXPECT_EQ(w->State().picture.Baseline().width(), 60);
    EXPECT_TRUE(w->editor().Saved());
    EXPECT_FALSE(w->State().file.Optimized());
    EXPECT_TRUE(prompts.messages.empty());

    // Not optimized: no question.
    drop(a);
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(w->State().picture.Baseline().width(), 90);
}

TEST_F(PhotoLoading, ACancelledSaveBeforeAFailedSwitchKeepsThePhotoUnsaved) {
    const QString good = WriteJpeg(dir.filePath("good.jpg"), 90, 60);
    w->OpenPhotoFile(good);
    ASSERT_TRUE(LoadSettled(*w));
    w->findChild<QToolButton*>("ProcessingOptimumActionSpeedButton")->click();
    const lum::Image optimized = w->State().picture.Work();
    ASSERT_FALSE(w->editor().Saved());

    const QString bad = dir.filePath("bad.jpg");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00 this is not a photo", 28));
    f.close();
    prompts.answers = {true};  // yes, save first ...
    prompts.savePaths = {""};  // ... but the save dialog is cancelled
    drop(bad);

    EXPECT_EQ(w->State().picture.Work(), optimized);
    EXPECT_FALSE(w->editor().Saved());  // so closing still asks about the optimized photo
    EXPECT_TRUE(QFileInfo(good).exists());
}

TEST_F(PhotoLoading, OnlyPhotoFilesAreAcceptedAsDrops) {
    const QString text = dir.filePath("notes.txt");
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("hello");
    f.close();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(text)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject*>(w.get())->event(&enter);
    EXPECT_FALSE(enter.isAccepted());

    const QString photo = WriteJpeg(dir.filePath("p.JPG"), 30, 20);
    QMimeData photoMime;
    photoMime.setUrls({QUrl::fromLocalFile(photo)});
    QDragEnterEvent enterPhoto(QPoint(10, 10), Qt::CopyAction, &photoMime, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject*>(w.get())->event(&enterPhoto);
    EXPECT_TRUE(enterPhoto.isAccepted());
}

TEST_F(PhotoLoading, LoadingResetsSelectionToolAndMacroRecording) {
    const QString a = WriteJpeg(dir.filePath("a.jpg"), 40, 30);
    lum::EditState& st = w->State();
    st.selection.Set(lum::SelectionKind::FreeShape, lum::Rect{0, 0, 1, 1}, {}, lum::Mask(1, 1, 1));
    st.tools.SetMode(lum::ToolMode::MovingSelection);
    st.zoom.SetSlot(3);
    Action(*w, "Initmacro")->trigger();
    EXPECT_EQ(w->editor().Macro().State(), lum::MacroState::Started);
    w->OpenPhotoFile(a);
    ASSERT_TRUE(LoadSettled(*w));
    EXPECT_EQ(st.selection.Kind(), lum::SelectionKind::None);
    EXPECT_EQ(st.tools.Mode(), lum::ToolMode::None);
    EXPECT_EQ(w->editor().Macro().State(), lum::MacroState::Closed);
    EXPECT_EQ(st.zoom.Slot(), 7);  // small photo: 100 %
    EXPECT_EQ(w->View()->Canvas()->size(), QSize(40, 30));
}

TEST_F(PhotoLoading, DamagedPhotosOpenWithANoticeUnreadableOnesNameFileAndCause) {
    // A photo whose end was lost: what is there opens, with a notice naming the file.
    QImage noisy(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) noisy.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x ^ y) % 256));
    const QString cut = dir.filePath("cut.jpg");
    ASSERT_TRUE(noisy.save(cut, "JPG", 90));
    QFile f(cut);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const qint64 keep = f.size() * 3 / 4;
    ASSERT_TRUE(f.resize(keep));
    f.close();
    w->OpenPhotoFile(cut);
    ASSERT_TRUE(LoadSettled(*w));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].rfind(cut.toStdString() + " is damaged: ", 0), 0u) << prompts.messages[0];
    // What it means in plain words, what a save does, then the decoder's own words.
    EXPECT_EQ(prompts.messages[0], QDir::toNativeSeparators(cut).toStdString() +
                                       " is damaged: the lower part of the picture is missing (the file ends early). "
                                       "Saving it keeps the picture as shown.\n\nThe decoder said: the file ends before "
                                       "the picture does; the picture data breaks off before its end");
    EXPECT_EQ(w->ShownPhoto(), cut);
    EXPECT_EQ(w->State().picture.Work().width(), 320);
    EXPECT_EQ(w->windowTitle(), CaptionOf(cut));
    const lum::Image shown = w->State().picture.Work();

    // A JPEG the decoder rejects: its number, the file and its words; nothing changes.
    const QString junk = dir.filePath("junk.jpg");
    QFile g(junk);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write(QByteArray("\xFF\xD8\xFF\xC0 and then some words that are no picture at all"));
    g.close();
    w->OpenPhotoFile(junk);
    ASSERT_TRUE(LoadSettled(*w));
    ASSERT_EQ(prompts.messages.size(), 2u);
    const std::string& m = prompts.messages[1];
    EXPECT_EQ(m.rfind("JPEG error #", 0), 0u) << m;
    const size_t in = m.find(" in " + junk.toStdString() + ": ");
    ASSERT_NE(in, std::string::npos) << m;
    EXPECT_GT(m.size(), in + junk.size() + 6) << "the library's words follow: " << m;
    EXPECT_EQ(w->ShownPhoto(), cut);
    EXPECT_EQ(w->State().picture.Work(), shown);
    EXPECT_EQ(w->windowTitle(), CaptionOf(cut));

    // Something that is no picture of any format read, under a photo's name: the file, then why.
    g.open(QIODevice::WriteOnly);
    g.write(QByteArray("GIF89a and then some words that are no picture at all"));
    g.close();
    w->OpenPhotoFile(junk);
    ASSERT_TRUE(LoadSettled(*w));
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.messages[2], junk.toStdString() + ": Unknown picture format");
    EXPECT_EQ(w->ShownPhoto(), cut);
}

TEST_F(PhotoLoading, TheWindowTurnsWhileAPhotoDecodesAndANewerPhotoTakesOver) {
    const QString big = WriteJpeg(dir.filePath("big.jpg"), 3000, 2000);
    const QString small = WriteJpeg(dir.filePath("small.jpg"), 640, 480);
    w->OpenPhotoFile(small);
    ASSERT_TRUE(LoadSettled(*w));
    w->State().picture.Work().fill(1, 2, 3);  // tells the shown photo from a reload
    const lum::Image marked = w->State().picture.Work();

    // Runs while the big photo decodes, as the list's delayed keyboard opening would.
    bool ran = false, hourglass = false, untouched = false;
    bool newer = false;
    QTimer::singleShot(0, w.get(), [&] {
        ran = true;
        hourglass = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        untouched = w->State().file.CurrentFileName() == small.toStdString() && w->State().picture.Work() == marked;
        newer = w->SwitchToPhoto(small);
    });
    EXPECT_TRUE(w->SwitchToPhoto(big));  // started, then superseded
    ASSERT_TRUE(LoadSettled(*w));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(hourglass);
    EXPECT_TRUE(untouched);  // nothing of the big photo before it was decoded
    EXPECT_TRUE(newer);
    const lum::EditState& st = w->State();
    EXPECT_EQ(st.file.CurrentFileName(), small.toStdString());
    EXPECT_EQ(st.picture.Work().width(), 640);
    EXPECT_EQ(st.picture.Baseline(), st.picture.Work());
    EXPECT_NE(st.picture.Work(), marked);  // reloaded
    EXPECT_EQ(w->windowTitle(), CaptionOf(small));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(prompts.messages.empty());
    // The big photo was dropped, not delivered late.
    Pump(100);
    EXPECT_EQ(st.file.CurrentFileName(), small.toStdString());
    EXPECT_EQ(st.picture.Work().width(), 640);
}
