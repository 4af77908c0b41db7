// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractItemView>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidgetItem>
#include <atomic>
#include <chrono>
#include <thread>

#include "GuiTestSupport.h"
#include "app/PhotoLoader.h"
#include "view/PhotoList.h"
#include "view/PhotoView.h"

using namespace guitest;

namespace {

// The full decode held back until the test lets it go, so what the window shows meanwhile
// can be looked at; it then decodes, or fails as a file the decoder refuses.
struct HeldDecode {
    std::atomic<bool> hold{false}, release{false}, fail{false};

    HeldDecode() {
        lum::PhotoLoader::SetFullDecodeForTests([this](const uint8_t* data, size_t size, lum::PictureMetadata* meta,
                                                       const lum::DecodeOptions& opts, lum::DecodeReport* report) {
            while (hold && !release) {
                if (opts.cancel && opts.cancel->load()) throw lum::DecodeCancelled();
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            if (fail) throw lum::CodecError("Not a JPEG file: starts with 0x00 0x00");
            return lum::DecodeJpeg(data, size, meta, opts, report);
        });
    }
    ~HeldDecode() { lum::PhotoLoader::SetFullDecodeForTests(nullptr); }
};

QString WriteSolidJpeg(const QString& path, int w, int h, QRgb colour) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    img.save(path, "JPG", 90);
    return path;
}

bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 12 && std::abs(qGreen(a) - qGreen(b)) < 12 && std::abs(qBlue(a) - qBlue(b)) < 12;
}

class PhotoPreview : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        w = std::make_unique<MainWindow>(&prompts);
        w->resize(1000, 720);
        w->show();
        Pump();
        shown = WriteSolidJpeg(dir.filePath("blue.jpg"), 320, 240, qRgb(20, 40, 210));
        big = WriteSolidJpeg(dir.filePath("red.jpg"), 3200, 2400, qRgb(220, 30, 30));
        ASSERT_TRUE(w->SwitchToPhoto(shown));
        ASSERT_TRUE(LoadSettled(*w));
        w->State().picture.Work().fill(1, 2, 3);  // tells the photo on screen from a reload
        w->editor().Redraw();
        Pump();
    }

    // Everything a load may change only once its photo is decoded.
    struct Snapshot {
        lum::Image work, memory, source;
        std::string file;
        int zoomIndex = 0, zoom = 0;
        QString memo, caption;
        QSize box;
        QImage painted;
    };
    Snapshot snapshot() const {
        const lum::EditState& st = w->State();
        return {st.picture.Work(), st.picture.Baseline(), st.picture.SourceCopy(), st.file.CurrentFileName(),
                st.zoom.Slot(), st.zoom.Zoom(), w->findChild<QPlainTextEdit*>("PhotoFileNameMemo")->toPlainText(),
                w->windowTitle(), w->View()->Canvas()->size(), w->View()->Canvas()->grab().toImage()};
    }
    // The paint box size the big photo will be shown at: the commit's fit.
    QSize bigOnScreen() const {
        const int z = lum::ZoomState::FitPercent(3200, 2400, w->View()->OuterWidth(), w->View()->OuterHeight());
        return QSize(3200 * z / 100, 2400 * z / 100);
    }
    // Runs `look` once the preview is on screen (while the load waits), then lets the decode go.
    void whenPreviewShown(const std::function<void()>& look) {
        QTimer::singleShot(0, w.get(), [this, look] {
            seenPreview = PumpUntil([this] { return w->View()->ShowsPreview(); });
            if (seenPreview) look();
            held.release = true;
        });
    }

    QTemporaryDir dir;
    lum::RecordingPrompts prompts;
    std::unique_ptr<MainWindow> w;
    HeldDecode held;
    QString shown, big;
    bool seenPreview = false;
};

}  // namespace

TEST_F(PhotoPreview, IsPaintedAtTheFitWhileTheStateWaitsThenTheExactPhotoTakesItsPlace) {
    const Snapshot before = snapshot();
    held.hold = true;
    Snapshot during;
    QImage previewPainted;
    whenPreviewShown([&] { during = snapshot(); });
    ASSERT_TRUE(w->SwitchToPhoto(big));
    ASSERT_TRUE(LoadSettled(*w));
    ASSERT_TRUE(seenPreview);

    // Nothing of the state moved while the preview was shown ...
    EXPECT_EQ(during.work, before.work);
    EXPECT_EQ(during.memory, before.memory);
    EXPECT_EQ(during.source, before.source);
    EXPECT_EQ(during.file, before.file);
    EXPECT_EQ(during.zoomIndex, before.zoomIndex);
    EXPECT_EQ(during.memo, before.memo);
    EXPECT_EQ(during.caption, before.caption);
    // ... but the view painted the new photo, at the size it is then shown at.
    EXPECT_EQ(during.box, bigOnScreen());
    ASSERT_FALSE(during.painted.isNull());
    EXPECT_TRUE(Near(during.painted.pixel(during.box.width() / 2, during.box.height() / 2), qRgb(220, 30, 30)));

    // The exact photo: no jump in size, the state follows it, the preview is gone.
    const Snapshot after = snapshot();
    EXPECT_FALSE(w->View()->ShowsPreview());
    EXPECT_EQ(after.box, during.box);
    EXPECT_EQ(after.file, big.toStdString());
    EXPECT_EQ(w->State().picture.Work().width(), 3200);
    EXPECT_EQ(after.zoomIndex, 0);
    EXPECT_EQ(after.zoom * 3200 / 100, during.box.width());
    EXPECT_TRUE(Near(after.painted.pixel(after.box.width() / 2, after.box.height() / 2), qRgb(220, 30, 30)));
}

TEST_F(PhotoPreview, AFailedDecodeAfterThePreviewLeavesViewAndStateAsTheyWere) {
    // Scrolled and zoomed somewhere, so the layout has something to come back to.
    w->View()->ZoomToPercent(400);
    w->View()->horizontalScrollBar()->setValue(200);
    Pump();
    const int scroll = w->View()->horizontalScrollBar()->value();
    const Snapshot before = snapshot();
    held.hold = true;
    held.fail = true;
    whenPreviewShown([] {});
    EXPECT_TRUE(w->SwitchToPhoto(big));  // started; its failure comes later
    ASSERT_TRUE(LoadSettled(*w));
    ASSERT_TRUE(seenPreview);
    Pump();

    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].find("red.jpg"), std::string::npos) << prompts.messages[0];
    EXPECT_FALSE(w->View()->ShowsPreview());
    const Snapshot after = snapshot();
    EXPECT_EQ(after.work, before.work);
    EXPECT_EQ(after.memory, before.memory);
    EXPECT_EQ(after.source, before.source);
    EXPECT_EQ(after.zoomIndex, before.zoomIndex);
    EXPECT_EQ(after.zoom, before.zoom);
    EXPECT_EQ(after.memo, before.memo);
    EXPECT_EQ(after.caption, before.caption);
    EXPECT_EQ(after.box, before.box);
    EXPECT_TRUE(after.painted == before.painted);
    EXPECT_EQ(w->View()->horizontalScrollBar()->value(), scroll);
    EXPECT_EQ(w->ShownPhoto(), shown);
}

TEST_F(PhotoPreview, AClickOnAnotherPhotoCancelsTheLoadOthersAreDroppedNoSecondQuestion) {
    const QString other = WriteSolidJpeg(dir.filePath("white.jpg"), 640, 480, qRgb(250, 250, 250));
    auto* list = w->findChild<PhotoList*>("LsFilelistView282");
    list->Refresh();  // the folder is on show already, without this photo
    Pump(50);
    const auto click = [list](const QString& path) {
        QTreeWidgetItem* item = list->ItemOfPath(path);
        ASSERT_NE(item, nullptr) << path.toStdString();
        // In the view shown (the thumbnails unless the details were chosen), through the window,
        // as the window system delivers a click.
        auto* view = list->window()->findChild<QAbstractItemView*>("PhotoThumbnailView");
        if (!view || !view->isVisible()) view = list;
        view->scrollTo(list->IndexOfItem(item));
        const QPoint at = view->viewport()->mapTo(list->window(), view->visualRect(list->IndexOfItem(item)).center());
        QTest::mouseClick(list->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    };
    // Edited: leaving it asks once, answered "No".
    w->findChild<QToolButton*>("ProcessingOptimumActionSpeedButton")->click();
    ASSERT_TRUE(w->State().file.Optimized());
    const lum::Image edited = w->State().picture.Work();
    prompts.answers = {false, false};

    held.hold = true;  // the big photo would never finish by itself
    bool redirected = false, optimizeDropped = false;
    // Polled from inside the load's wait.
    QTimer poll;
    poll.start(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (redirected || !w->View()->ShowsPreview()) return;
        held.hold = false;  // the next photo decodes freely; the big one is only ever cancelled
        // A button meant for the photo on screen does nothing while another loads.
        auto* optimize = w->findChild<QToolButton*>("ProcessingOptimumActionSpeedButton");
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, optimize->mapTo(w.get(), optimize->rect().center()));
        optimizeDropped = w->State().picture.Work() == edited;
        click(other);
        redirected = true;
    });
    click(big);
    ASSERT_TRUE(PumpUntil([&] { return w->State().file.CurrentFileName() == other.toStdString(); }, 10000));
    EXPECT_TRUE(redirected);
    EXPECT_TRUE(optimizeDropped);
    EXPECT_EQ(prompts.questions.size(), 1u);  // for the edited photo, not again for the second click
    EXPECT_EQ(w->State().picture.Work().width(), 640);
    EXPECT_FALSE(w->State().file.Optimized());
    EXPECT_FALSE(w->View()->ShowsPreview());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // The cancelled photo never arrives.
    held.release = true;
    Pump(300);
    EXPECT_EQ(w->State().file.CurrentFileName(), other.toStdString());
    EXPECT_EQ(w->State().picture.Work().width(), 640);
    EXPECT_EQ(w->ShownPhoto(), other);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(PhotoPreview, ClosingOrDestroyingTheWindowDuringALoadDropsItCleanly) {
    // Edited, so closing asks; the question is about the photo on screen.
    w->findChild<QToolButton*>("ProcessingOptimumActionSpeedButton")->click();
    const lum::Image edited = w->State().picture.Work();
    held.hold = true;
    // Leaving the photo: No; closing: the question left with Escape, the window stays.
    using Answer = lum::Prompts::Answer;
    prompts.threeWayAnswers = {Answer::No, Answer::Cancel};
    ASSERT_TRUE(w->SwitchToPhoto(big));
    EXPECT_FALSE(w->close());
    ASSERT_EQ(prompts.questions.size(), 2u);  // leaving the photo, then closing
    EXPECT_FALSE(w->LoadPending());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    held.release = true;
    Pump(300);
    EXPECT_EQ(w->State().picture.Work(), edited);  // the cancelled photo never arrives
    EXPECT_EQ(w->ShownPhoto(), shown);

    // Closed at once while a photo loads, by File > Exit's key: the questions are about the
    // photo on screen.
    held.release = false;
    prompts.threeWayAnswers = {Answer::No, Answer::No};
    ASSERT_TRUE(w->SwitchToPhoto(big));
    QApplication::setActiveWindow(w.get());
    QTest::keyClick(w->View(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(prompts.questions.size(), 4u);
    held.release = true;
    Pump(300);
    EXPECT_EQ(w->ShownPhoto(), shown);

    // The window destroyed with the decode still under way.
    held.release = false;
    w->show();
    prompts.threeWayAnswers = {Answer::No};
    ASSERT_TRUE(w->SwitchToPhoto(big));
    ASSERT_TRUE(w->LoadPending());
    w.reset();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    held.release = true;
    Pump(300);
}
