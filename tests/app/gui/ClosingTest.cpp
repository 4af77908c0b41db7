// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <QToolButton>

#include "GuiTestSupport.h"

using namespace guitest;

namespace {

const char* const kCloseQuestion = "Unsaved Changes: Save the optimized photo photo.jpg before closing Lumora?";
const char* const kCloseChangedQuestion = "Unsaved Changes: Save the changes to photo.jpg before closing Lumora?";

class Closing : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        w = std::make_unique<MainWindow>(&prompts);
        w->show();
        Pump();
    }
    void loadAndOptimize() {
        w->OpenPhotoFile(WriteJpeg(dir.filePath("photo.jpg"), 64, 48));
        ASSERT_TRUE(LoadSettled(*w));
        w->findChild<QToolButton*>("ProcessingOptimumActionSpeedButton")->click();
        ASSERT_FALSE(w->editor().Saved());
        ASSERT_TRUE(w->State().file.Optimized());
        prompts.messages.clear();
    }

    QTemporaryDir dir;
    lum::RecordingPrompts prompts;
    std::unique_ptr<MainWindow> w;
};

}  // namespace

TEST_F(Closing, RightAfterStartNothingIsAsked) {
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(Closing, AfterALoadWithoutOptimizeNothingIsAsked) {
    w->OpenPhotoFile(WriteJpeg(dir.filePath("photo.jpg"), 64, 48));
    ASSERT_TRUE(LoadSettled(*w));
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(Closing, AfterOptimizeNoEndsWithoutWriting) {
    loadAndOptimize();
    prompts.answers = {false};
    EXPECT_TRUE(w->close());
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0], kCloseQuestion);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"photo.jpg"}));
}

TEST_F(Closing, OnlyWhatIsStillChangedAfterUndoIsAskedAbout) {
    loadAndOptimize();
    ASSERT_TRUE(w->RunCommand("NivGris"));
    w->findChild<QToolButton*>("UndoSpeedButton")->click();
    prompts.answers = {};
    EXPECT_FALSE(w->close());  // the optimized photo is still unsaved: asked, and Cancel
    EXPECT_EQ(prompts.questions.size(), 1u);
    // Back to the photo as loaded: the window closes without a question.
    w->findChild<QToolButton*>("UndoSpeedButton")->click();
    EXPECT_EQ(w->State().picture.Work(), w->State().picture.Baseline());
    prompts.questions.clear();
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(Closing, CancellingTheSaveKeepsTheWindowOpen) {
    loadAndOptimize();
    prompts.answers = {true};
    prompts.savePaths = {""};  // the save dialog is cancelled
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->editor().Saved());
    ASSERT_EQ(prompts.questions.size(), 1u);
    // The next attempt asks again.
    prompts.answers = {false};
    EXPECT_TRUE(w->close());
    EXPECT_EQ(prompts.questions.size(), 2u);
}

TEST_F(Closing, RefusingToReplaceKeepsTheWindowOpen) {
    loadAndOptimize();
    const QString existing = dir.filePath("photo.jpg");
    const QDateTime stamp = QFileInfo(existing).lastModified();
    prompts.answers = {true, false};  // save: yes; replace the existing file: no
    prompts.savePaths = {existing.toStdString()};
    EXPECT_FALSE(w->close());
    EXPECT_EQ(QFileInfo(existing).lastModified(), stamp);
    EXPECT_FALSE(w->editor().Saved());
}

TEST_F(Closing, SavingClosesTheWindow) {
    loadAndOptimize();
    const QString out = dir.filePath("optimized.jpg");
    prompts.answers = {true};
    prompts.savePaths = {out.toStdString()};
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(QFileInfo(out).isFile());
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front();
}

TEST_F(Closing, EscapeOnTheQuestionKeepsTheWindowOpen) {
    loadAndOptimize();
    prompts.threeWayAnswers = {lum::Prompts::Answer::Cancel};
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->editor().Saved());
    EXPECT_TRUE(prompts.savePaths.empty());
    ASSERT_EQ(prompts.questions.size(), 1u);
    prompts.answers = {false};
    EXPECT_TRUE(w->close());
}

TEST_F(Closing, EditsOtherThanOptimizeAreAskedAbout) {
    w->OpenPhotoFile(WriteJpeg(dir.filePath("photo.jpg"), 64, 48));
    ASSERT_TRUE(LoadSettled(*w));
    w->findChild<QToolButton*>("Btrot90")->click();
    EXPECT_FALSE(w->State().file.Optimized());
    prompts.answers = {false};
    EXPECT_TRUE(w->close());
    EXPECT_EQ(prompts.questions, std::vector<std::string>{kCloseChangedQuestion});
}
