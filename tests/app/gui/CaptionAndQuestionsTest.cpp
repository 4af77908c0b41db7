// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window says about its picture: the caption names the file with a star while it
// has unsaved changes, whatever windows were visited; the question before the picture is left
// names it and what is unsaved; a bitmap opens and is saved back as a bitmap.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QTemporaryDir>
#include <QToolButton>

#include "GuiTestSupport.h"
#include "app/Dialogs.h"
#include "app/OptionsDialog.h"
#include "image/Codec.h"
#include "view/PhotoList.h"
#include "widgets/ImageConvert.h"

using namespace guitest;
using Answer = lum::Prompts::Answer;

namespace {

class CaptionAndQuestions : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        a = WriteJpeg(dir.filePath("a.jpg"), 64, 48);
        b = WriteJpeg(dir.filePath("b.jpg"), 48, 64);
        w = std::make_unique<MainWindow>(&prompts);
        w->SetDialogs(&dialogs);
        w->show();
        Pump();
    }
    std::string lastQuestion() const { return prompts.questions.empty() ? std::string() : prompts.questions.back(); }

    struct AppFirst {
        AppFirst() { App(); }
    } app;
    QTemporaryDir dir;
    QString a, b;
    lum::RecordingPrompts prompts;
    lum::Dialogs dialogs;
    std::unique_ptr<MainWindow> w;
};

}  // namespace

TEST_F(CaptionAndQuestions, TheCaptionNamesTheShownFileWithAStarWhileUnsaved) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Lumora"));
    w->OpenPhotoFile(a);
    ASSERT_TRUE(LoadSettled(*w));
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("a.jpg \u2014 Lumora"));
    w->Optimize();
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("a.jpg* \u2014 Lumora"));

    // The compare window, a dialog and an activation forget the current file name, not the caption.
    w->SetCompareWindowOpener([](QWidget*, const lum::ComparedPhoto&, MainWindow::CompareClosed closed) { closed(std::nullopt); });
    w->OpenCompareWindow();
    OnceShown(dialogs.Options(), [&] { dialogs.Options().accept(); });
    w->ShowOptions();
    EXPECT_TRUE(w->State().file.CurrentFileName().empty());
    EXPECT_EQ(w->windowTitle(), CaptionOf(a, true));
    // The save dialog still proposes the photo's own name.
    prompts.savePaths = {""};
    w->SaveWithDialog();
    EXPECT_EQ(prompts.savePresets.back(), a.toStdString());

    // Saved under another name: that name, without the star; no question before leaving it.
    const QString saved = dir.filePath("a-optimized.jpg");
    prompts.savePaths = {saved.toStdString()};
    EXPECT_TRUE(w->SaveWithDialog());
    EXPECT_EQ(w->windowTitle(), CaptionOf(saved));
    w->OpenPhotoFile(b);
    ASSERT_TRUE(LoadSettled(*w));
    EXPECT_TRUE(prompts.questions.empty()) << lastQuestion();
    EXPECT_EQ(w->windowTitle(), CaptionOf(b));

    // A pasted picture belongs to no file.
    QGuiApplication::clipboard()->setImage(lum::ToQImage(Pattern(20, 10)));
    Action(*w, "Commenouvelleimage1")->trigger();
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Untitled* \u2014 Lumora"));
}

TEST_F(CaptionAndQuestions, TheQuestionBeforeLeavingSaysWhichFileAndWhatIsUnsaved) {
    w->OpenPhotoFile(a);
    ASSERT_TRUE(LoadSettled(*w));
    w->Optimize();
    prompts.threeWayAnswers = {Answer::Cancel};
    w->OpenPhotoFile(b);
    ASSERT_TRUE(LoadSettled(*w));
    EXPECT_EQ(lastQuestion(), "Unsaved Changes: Save the optimized photo a.jpg before opening b.jpg?");
    EXPECT_EQ(w->ShownPhoto(), a);
    // Edited after the optimize: changes.
    w->TurnLeft();
    prompts.threeWayAnswers = {Answer::Cancel, Answer::Cancel};
    w->OpenPhotoFile(b);
    ASSERT_TRUE(LoadSettled(*w));
    EXPECT_EQ(lastQuestion(), "Unsaved Changes: Save the changes to a.jpg before opening b.jpg?");
    EXPECT_FALSE(w->close());
    EXPECT_EQ(lastQuestion(), "Unsaved Changes: Save the changes to a.jpg before closing Lumora?");

    // Saved, then optimized again: the optimize is what is unsaved.
    prompts.savePaths = {dir.filePath("turned.jpg").toStdString()};
    ASSERT_TRUE(w->SaveWithDialog());
    w->Optimize();
    prompts.threeWayAnswers = {Answer::Cancel};
    EXPECT_FALSE(w->close());
    EXPECT_EQ(lastQuestion(), "Unsaved Changes: Save the optimized photo turned.jpg before closing Lumora?");

    // A new picture has no file to name.
    QGuiApplication::clipboard()->setImage(lum::ToQImage(Pattern(20, 10)));
    prompts.threeWayAnswers = {Answer::No};
    Action(*w, "Commenouvelleimage1")->trigger();
    prompts.threeWayAnswers = {Answer::No};
    w->OpenPhotoFile(b);
    ASSERT_TRUE(LoadSettled(*w));
    EXPECT_EQ(lastQuestion(), "Unsaved Changes: Save the new picture before opening b.jpg?");
    EXPECT_EQ(w->ShownPhoto(), b);
}

TEST_F(CaptionAndQuestions, ABitmapOpensInTheListAndIsSavedBackAsABitmap) {
    const QString bmp = dir.filePath("scan.bmp");
    const lum::Image picture = Pattern(50, 30, 7);
    lum::WriteFileAtomic(bmp.toStdString(), lum::EncodeBmp(picture));
    w->OpenPhotoFile(bmp);
    ASSERT_TRUE(LoadSettled(*w));
    ASSERT_EQ(w->ShownPhoto(), bmp);
    EXPECT_TRUE(w->State().picture.Work() == picture);
    EXPECT_EQ(w->windowTitle(), CaptionOf(bmp));
    w->TurnRight();
    prompts.savePaths = {bmp.toStdString()};
    prompts.answers = {true};  // replace it
    ASSERT_TRUE(w->SaveWithDialog());
    const lum::LoadedPicture back = lum::LoadPicture(bmp.toStdString());
    EXPECT_EQ(back.format, lum::FileFormat::Bmp);
    EXPECT_TRUE(back.image == w->State().picture.Work());
    EXPECT_EQ(back.image.width(), 30);
}
