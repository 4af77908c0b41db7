// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tells the user: the zoom percentage beside the zoom button, the version in the
// version window, and that there is no photo to save before one is open.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "app/AboutDialog.h"
#include "view/PhotoView.h"

using namespace guitest;

namespace {

class WindowInfo : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        w = std::make_unique<MainWindow>(&prompts);
        w->resize(1024, 740);
        w->show();
        QApplication::setActiveWindow(w.get());
        Pump();
    }
    QString zoomText() const { return w->findChild<QLabel*>("ZoomPercentLabel")->text(); }

    QTemporaryDir dir;
    lum::RecordingPrompts prompts;
    std::unique_ptr<MainWindow> w;
};

}  // namespace

TEST_F(WindowInfo, TheZoomPercentageIsShownBesideTheZoomButton) {
    EXPECT_TRUE(zoomText().isEmpty());  // no photo yet
    w->OpenPhotoFile(WriteJpeg(dir.filePath("big.jpg"), 2400, 1600));
    ASSERT_TRUE(LoadSettled(*w));
    const int fitted = w->View()->Zoom();
    ASSERT_LT(fitted, 100);
    EXPECT_EQ(zoomText(), QStringLiteral("%1 %").arg(fitted));
    w->ZoomScalePopupMenu()->findChild<QAction*>("ZoomTo_150_Menuitem")->trigger();
    EXPECT_EQ(zoomText(), QStringLiteral("150 %"));
    QTest::keyClick(w.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(zoomText(), QStringLiteral("100 %"));
    w->OpenPhotoFile(WriteJpeg(dir.filePath("small.jpg"), 40, 30));
    ASSERT_TRUE(LoadSettled(*w));
    EXPECT_EQ(zoomText(), QStringLiteral("100 %"));
}

TEST_F(WindowInfo, SavingWithoutAPhotoSaysSoAndWritesNothing) {
    prompts.savePaths = {dir.filePath("nothing.jpg").toStdString()};
    QTest::keyClick(w.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompts.messages, std::vector<std::string>{MainWindow::kNoPhotoToSave});
    Action(*w, "Btenregistrer")->trigger();
    EXPECT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.savePaths.size(), 1u);  // no save dialog was shown
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    // The commands that need a photo do nothing yet, so closing has nothing to ask.
    EXPECT_FALSE(w->RunCommand("ProcessingOptimumActionSpeedButton"));
    EXPECT_FALSE(w->RunCommand("SpeedButton1"));
    EXPECT_TRUE(w->editor().Saved());
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(WindowInfo, TheVersionWindowShowsTheVersion) {
    AboutDialog welcome(w.get());
    const QLabel* version = welcome.findChild<QLabel*>("VersionLabel");
    ASSERT_NE(version, nullptr);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Tarnel Lumora version \\d+\\.\\d+\\.\\d+$"))
                    .match(version->text())
                    .hasMatch())
        << version->text().toStdString();
    EXPECT_EQ(welcome.windowTitle(), QStringLiteral("About Tarnel Lumora"));
}
