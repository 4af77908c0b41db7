// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the files under it: a photo another program changed since it was opened
// is never replaced by a plain Yes; bombs, pipes and devices are refused with one message and
// nothing changes; a failed save leaves the caption alone.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QToolButton>
#include <chrono>
#include <thread>

#include "GuiTestSupport.h"
#include "app/Program.h"
#include "app/OptionsDialog.h"
#include "app/Saving.h"
#include "editing/Editor.h"
#include "image/Codec.h"
#include "view/FolderTree.h"
#include "view/PhotoList.h"

using namespace guitest;

namespace {

const std::vector<std::string> kChangedButtons = {"Save as a Copy", "Replace", "Cancel"};

std::vector<uint8_t> BytesOf(const QString& path) { return lum::ReadFileBytes(path.toStdString()); }

// Another program saves a newer version: a new file renamed over the old one.
void ReplaceFromOutside(const QString& path, int w, int h) {
    const QString temp = path + ".new";
    WriteJpeg(temp, w, h);
    ASSERT_EQ(::rename(temp.toLocal8Bit().constData(), path.toLocal8Bit().constData()), 0);
}

class PhotoFileSafety : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(dir.isValid());
        program = std::make_unique<lum::Program>(&prompts);
        w = &program->Window();
        w->show();
        Pump();
    }
    void TearDown() override { program.reset(); }
    QToolButton* saveButton() { return w->findChild<QToolButton*>("SaveAndReplacePhotoSpeedButton"); }
    // The photo opened and changed, so there is something to save.
    QString openEdited(const char* name) {
        const QString photo = WriteJpeg(dir.filePath(QString::fromLatin1(name)), 48, 32);
        w->OpenPhotoFile(photo);
        EXPECT_TRUE(LoadSettled(*w));
        w->findChild<QToolButton*>("ProcessingOptimumActionSpeedButton")->click();
        return photo;
    }
    std::string changedQuestion(const char* name) const {
        return "Photo Changed by Another Program: " + std::string(name) +
               " was changed by another program since it was opened.\n\n"
               "Save this picture as a copy beside it, replace it, or cancel?";
    }

    QTemporaryDir dir;
    lum::RecordingPrompts prompts;
    std::unique_ptr<lum::Program> program;
    MainWindow* w = nullptr;
};

}  // namespace

TEST_F(PhotoFileSafety, AFileChangedSinceItWasOpenedIsReplacedOnlyWhenAskedFor) {
    const QString photo = openEdited("photo.jpg");
    ReplaceFromOutside(photo, 20, 10);
    const std::vector<uint8_t> theirs = BytesOf(photo);

    // Dismissed, then Cancel: nothing written, no ordinary replace question, still unsaved.
    for (const std::vector<int>& answer : {std::vector<int>{}, std::vector<int>{2}}) {
        prompts.questions.clear();
        prompts.choiceAnswers = answer;
        prompts.savePaths = {photo.toStdString()};
        saveButton()->click();
        ASSERT_EQ(prompts.questions, std::vector<std::string>{changedQuestion("photo.jpg")});
        EXPECT_EQ(prompts.choiceButtons.back(), kChangedButtons);
        EXPECT_EQ(BytesOf(photo), theirs);
        EXPECT_FALSE(w->editor().Saved());
        EXPECT_EQ(w->windowTitle(), CaptionOf(photo, true));
        EXPECT_EQ(prompts.savePresets.back(), photo.toStdString());  // still the shown photo
    }

    // Save as a copy: beside it under a free name, which the picture now stands for.
    prompts.choiceAnswers = {0};
    prompts.savePaths = {photo.toStdString()};
    saveButton()->click();
    const QString copy = dir.filePath("photo (2).jpg");
    ASSERT_TRUE(QFileInfo(copy).isFile());
    EXPECT_EQ(BytesOf(photo), theirs);
    EXPECT_EQ(lum::LoadPicture(copy.toStdString()).image.width(), 48);
    EXPECT_TRUE(w->editor().Saved());
    EXPECT_EQ(w->windowTitle(), CaptionOf(copy));

    // The copy is ours: saving over it again asks only the ordinary question.
    w->findChild<QToolButton*>("ProcessingOptimumActionSpeedButton")->click();
    prompts.questions.clear();
    prompts.answers = {true};
    prompts.savePaths = {copy.toStdString()};
    saveButton()->click();
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].rfind("Save or Replace?", 0), 0u) << prompts.questions[0];
    EXPECT_TRUE(w->editor().Saved());

    // Written into by another program (the same file, longer, later): Replace writes over it.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    {
        QFile f(copy);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("appended by another program");
    }
    w->findChild<QToolButton*>("ProcessingOptimumActionSpeedButton")->click();
    prompts.questions.clear();
    prompts.choiceAnswers = {1};
    prompts.savePaths = {copy.toStdString()};
    saveButton()->click();
    EXPECT_EQ(prompts.questions, std::vector<std::string>{changedQuestion("photo (2).jpg")});
    EXPECT_EQ(lum::LoadPicture(copy.toStdString()).image.width(), 48);
    EXPECT_TRUE(w->editor().Saved());
}

TEST_F(PhotoFileSafety, TheMenuSaveOverTheOpenedFileAsksToo) {
    const QString photo = openEdited("menu.jpg");
    ReplaceFromOutside(photo, 20, 10);
    const std::vector<uint8_t> theirs = BytesOf(photo);
    prompts.savePaths = {photo.toStdString()};
    Action(*w, "Btenregistrer")->trigger();
    Pump(500);
    ASSERT_FALSE(prompts.questions.empty());
    EXPECT_EQ(prompts.questions.back(), changedQuestion("menu.jpg"));
    EXPECT_EQ(BytesOf(photo), theirs);
    EXPECT_FALSE(w->editor().Saved());
}

TEST_F(PhotoFileSafety, BombsPipesAndDevicesAreRefusedAndNothingChanges) {
    const QString photo = WriteJpeg(dir.filePath("shown.jpg"), 40, 30);
    w->OpenPhotoFile(photo);
    ASSERT_TRUE(LoadSettled(*w));
    const lum::Image shown = w->State().picture.Work();
    // A photo's data under a header claiming 15000 x 15000 pixels.
    std::vector<uint8_t> bomb = BytesOf(photo);
    for (size_t i = 2; i + 9 < bomb.size(); ++i)
        if (bomb[i] == 0xFF && bomb[i + 1] == 0xC0) {
            bomb[i + 5] = bomb[i + 7] = 15000 >> 8;
            bomb[i + 6] = bomb[i + 8] = 15000 & 0xFF;
            break;
        }
    const QString bombPath = dir.filePath("bomb.jpg");
    {
        QFile f(bombPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bomb.data()), qint64(bomb.size()));
    }
    const QString fifo = dir.filePath("pipe.jpg");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);

    w->OpenPhotoFile(bombPath);

    ASSERT_TRUE(LoadSettled(*w));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].rfind(QDir::toNativeSeparators(bombPath).toStdString() +
                                            ": The file is far too short to hold its 15000 x 15000 pixels (",
                                        0),
              0u)
        << prompts.messages[0];
    // Clicked in the photo list, as a user meets it.
    auto* tree = w->findChild<FolderTree*>("LsDirTree211");
    auto* list = w->findChild<PhotoList*>("LsFilelistView282");
    ASSERT_TRUE(tree->OpenPath(dir.path()));
    list->Refresh();
    Pump();
    QTreeWidgetItem* item = list->ItemOfPath(fifo);
    ASSERT_NE(item, nullptr);
    list->setCurrentItem(item);
    list->ActivateEntry(item);
    Pump();
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1], "\"" + fifo.toStdString() + "\" is a named pipe, not a regular photo file");
    w->OpenPhotoFile(fifo);
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.messages[2], prompts.messages[1]);
    EXPECT_EQ(w->State().picture.Work(), shown);
    EXPECT_EQ(w->windowTitle(), CaptionOf(photo));
    EXPECT_EQ(w->ShownPhoto(), photo);
}

TEST_F(PhotoFileSafety, AFailedSaveLeavesTheCaptionOnTheShownPhoto) {
    const QString photo = openEdited("kept.jpg");
    // A folder where the file should go: the write fails.
    const QString taken = dir.filePath("taken.jpg");
    ASSERT_TRUE(QDir().mkdir(taken));
    prompts.answers = {true};
    prompts.savePaths = {taken.toStdString()};
    saveButton()->click();
    ASSERT_EQ(prompts.messages.size(), 1u);  // the error
    EXPECT_FALSE(w->editor().Saved());
    EXPECT_EQ(w->windowTitle(), CaptionOf(photo, true));
    EXPECT_EQ(w->State().file.CurrentFileName(), photo.toStdString());
    // And the next save still proposes the shown photo.
    prompts.savePaths = {""};
    saveButton()->click();
    EXPECT_EQ(prompts.savePresets.back(), photo.toStdString());
}

TEST(PhotoSavingOwnWrites, AWriteFromTheOtherWindowIsNoOtherProgramsChange) {
    App();
    QTemporaryDir dir;
    lum::RecordingPrompts prompts;
    OptionsDialog options;
    lum::Editor main(lum::EditorPolicy::MainWindow(), &prompts), compare(lum::EditorPolicy::CompareWindow(), &prompts);
    main.State().picture.Work() = lum::Image(30, 20);
    compare.State().picture.Work() = lum::Image(20, 30);
    const QString photo = WriteJpeg(dir.filePath("photo.jpg"), 40, 30);
    main.State().file.TookSource(photo.toStdString(), lum::IdentityOf(photo.toStdString()));
    lum::PhotoSaving mainSaving(main, prompts, options), compareSaving(compare, prompts, options);

    // The compare window writes over the photo the main window opened.
    prompts.savePaths = {photo.toStdString()};
    prompts.answers = {true};
    ASSERT_TRUE(compareSaving.SaveWithDialog());
    // The main window then saves over it: the ordinary question only.
    prompts.questions.clear();
    prompts.savePaths = {photo.toStdString()};
    prompts.answers = {true};
    ASSERT_TRUE(mainSaving.SaveWithDialog());
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].rfind("Save or Replace?", 0), 0u);
    EXPECT_EQ(lum::LoadPicture(photo.toStdString()).image.width(), 30);
    // Another program's write is still told apart.
    ReplaceFromOutside(photo, 8, 8);
    prompts.questions.clear();
    prompts.savePaths = {photo.toStdString()};
    ASSERT_FALSE(compareSaving.SaveWithDialog());
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].rfind("Photo Changed by Another Program: ", 0), 0u);
    EXPECT_EQ(lum::LoadPicture(photo.toStdString()).image.width(), 8);
}
