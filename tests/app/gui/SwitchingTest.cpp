// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing the photo on screen: edits are never dropped without a question, a question or save
// that does not happen keeps the photo, a photo that does not open changes nothing, and the
// keyboard walks through the folder's photos.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QFileInfo>
#include <QTest>
#include <QToolButton>

#include "GuiTestSupport.h"
#include "app/Dialogs.h"
#include "compose/GradientDialog.h"
#include "widgets/ImageConvert.h"
#include "view/FolderTree.h"
#include "view/EditPane.h"
#include "view/PhotoList.h"
#include "view/PhotoView.h"

using namespace guitest;

namespace {

// Leaving a.jpg for b.jpg.
const char* const kSwitchQuestion = "Unsaved Changes: Save the changes to a.jpg before opening b.jpg?";
const char* const kSwitchOptimizedQuestion = "Unsaved Changes: Save the optimized photo a.jpg before opening b.jpg?";

void WriteBroken(const QString& path) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00 not a photo at all", 30));
}

class Switching : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(dir.isValid());
        a = WriteJpeg(dir.filePath("a.jpg"), 64, 48);
        b = WriteJpeg(dir.filePath("b.jpg"), 48, 64);
        c = WriteJpeg(dir.filePath("c.jpg"), 40, 30);
        QDir(dir.path()).mkdir("Sub");
        w = std::make_unique<MainWindow>(&prompts);
        w->show();
        QApplication::setActiveWindow(w.get());
        Pump();
        list = w->findChild<PhotoList*>("LsFilelistView282");
        tree = w->findChild<FolderTree*>("LsDirTree211");
        ASSERT_TRUE(tree->OpenPath(dir.path()));
    }
    void TearDown() override {
        // Nothing left to ask when the window goes.
        w->editor().MarkSaved();
    }
    void clickInList(const QString& path) {
        QTreeWidgetItem* item = list->ItemOfPath(path);
        ASSERT_NE(item, nullptr) << path.toStdString();
        list->setCurrentItem(item);
        list->ActivateEntry(item);
        Pump();
        LoadSettled(*w);
    }
    QString highlighted() const {
        const QList<QTreeWidgetItem*> sel = list->selectedItems();
        return sel.size() == 1 ? PhotoList::PathOfItem(sel.front()) : QString();
    }
    QToolButton* button(const char* name) { return w->findChild<QToolButton*>(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    QString a, b, c;
    lum::RecordingPrompts prompts;
    std::unique_ptr<MainWindow> w;
    PhotoList* list = nullptr;
    FolderTree* tree = nullptr;
};

}  // namespace

TEST_F(Switching, YesWithACancelledSaveKeepsThePhotoAndItsEdits) {
    clickInList(a);
    button("SpeedButton1")->click();  // a quarter turn: 48 x 64 now
    const lum::Image turned = w->State().picture.Work();
    ASSERT_FALSE(w->editor().Saved());

    prompts.answers = {true};
    prompts.savePaths = {""};  // the save dialog is cancelled
    clickInList(b);
    ASSERT_EQ(prompts.questions, std::vector<std::string>{kSwitchQuestion});
    EXPECT_EQ(w->ShownPhoto(), a);
    EXPECT_EQ(w->State().picture.Work(), turned);
    EXPECT_FALSE(w->editor().Saved());
    EXPECT_EQ(w->windowTitle(), CaptionOf(a, true));
    EXPECT_EQ(highlighted(), a);

    // Yes, then No to replacing the file it names: nothing written, nothing switched.
    const QDateTime stamp = QFileInfo(a).lastModified();
    prompts.answers = {true, false};
    prompts.savePaths = {a.toStdString()};
    clickInList(b);
    EXPECT_EQ(w->ShownPhoto(), a);
    EXPECT_EQ(QFileInfo(a).lastModified(), stamp);
    EXPECT_EQ(w->State().picture.Work(), turned);

    // Yes and a real save: the switch goes on.
    const QString out = dir.filePath("turned.jpg");
    prompts.answers = {true};
    prompts.savePaths = {out.toStdString()};
    clickInList(b);
    EXPECT_TRUE(QFileInfo(out).isFile());
    EXPECT_EQ(w->ShownPhoto(), b);
    EXPECT_TRUE(w->editor().Saved());
}

TEST_F(Switching, EscapeOnTheQuestionCancelsTheSwitch) {
    clickInList(a);
    button("ProcessingOptimumActionSpeedButton")->click();
    const lum::Image optimized = w->State().picture.Work();
    prompts.threeWayAnswers = {lum::Prompts::Answer::Cancel};
    clickInList(b);
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(w->ShownPhoto(), a);
    EXPECT_EQ(w->State().picture.Work(), optimized);
    EXPECT_FALSE(w->editor().Saved());
    EXPECT_EQ(highlighted(), a);
    EXPECT_EQ(list->currentItem(), list->ItemOfPath(a));
    // No: the edits go, the other photo comes.
    prompts.answers = {false};
    clickInList(b);
    EXPECT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(w->ShownPhoto(), b);
}

TEST_F(Switching, EveryKindOfEditIsAskedAboutUntilItIsUndone) {
    // The commands without a dialog of their own (the editor's tests cover every operation).
    const char* const edits[] = {"Btrot90",     "SpeedButton1", "NivGris",           "LissageAuto",
                                 "Equilibrer1", "Equilibrer2",  "RedChangetoGreen101", "ProcessingOptimumActionSpeedButton"};
    for (const char* edit : edits) {
        clickInList(a);
        prompts.questions.clear();
        ASSERT_TRUE(w->RunCommand(edit)) << edit;
        ASSERT_TRUE(w->RunCommand("Equilibrer2")) << edit;
        w->Undo();  // the edit itself is still there
        prompts.answers = {false};
        clickInList(b);
        const bool optimize = std::string(edit) == "ProcessingOptimumActionSpeedButton";
        EXPECT_EQ(prompts.questions, std::vector<std::string>{optimize ? kSwitchOptimizedQuestion : kSwitchQuestion}) << edit;
        EXPECT_EQ(w->ShownPhoto(), b) << edit;  // answered No
        // Undone, the photo is as loaded again: nothing to ask.
        prompts.questions.clear();
        ASSERT_TRUE(w->RunCommand(edit)) << edit;
        w->Undo();
        clickInList(a);
        EXPECT_TRUE(prompts.questions.empty()) << edit;
        EXPECT_EQ(w->ShownPhoto(), a) << edit;
    }
    // A photo only looked at asks nothing.
    prompts.questions.clear();
    clickInList(c);
    clickInList(a);
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(Switching, APhotoThatDoesNotOpenChangesNothing) {
    const QString broken = dir.filePath("broken.jpg");
    WriteBroken(broken);
    list->Refresh();
    clickInList(a);
    button("SpeedButton1")->click();
    const lum::Image turned = w->State().picture.Work();
    const lum::Image memory = w->State().picture.Baseline();
    const std::string info = w->State().file.InfoText();

    prompts.answers = {false};  // do not save the turn
    clickInList(broken);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].rfind("JPEG error #", 0), 0u) << prompts.messages[0];
    EXPECT_NE(prompts.messages[0].find("broken.jpg"), std::string::npos) << prompts.messages[0];
    EXPECT_EQ(w->ShownPhoto(), a);
    EXPECT_EQ(w->State().picture.Work(), turned);
    EXPECT_EQ(w->State().picture.Baseline(), memory);
    EXPECT_EQ(w->State().file.InfoText(), info);
    EXPECT_EQ(w->windowTitle(), CaptionOf(a, true));
    EXPECT_NE(w->State().file.CurrentFileName(), broken.toStdString());  // no save can land there
    EXPECT_FALSE(w->editor().Saved());  // the turn is still on screen, unsaved
    EXPECT_EQ(highlighted(), a);
    // The keyboard stays on the broken one, so the next key goes past it.
    EXPECT_EQ(list->currentItem(), list->ItemOfPath(broken));

    // Dropped from another folder: the folder views stay where they were.
    QTemporaryDir other;
    const QString far = other.filePath("far.jpg");
    WriteBroken(far);
    const QString treePath = tree->SelectedPath();
    prompts.answers = {false};
    w->OpenPhotoFile(far);
    ASSERT_TRUE(LoadSettled(*w));
    EXPECT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(tree->SelectedPath(), treePath);
    EXPECT_EQ(list->Directory(), QDir(dir.path()).absolutePath() + "/");
    EXPECT_EQ(w->ShownPhoto(), a);
}

TEST_F(Switching, PageDownSpaceAndBackspaceWalkThroughThePhotos) {
    const QString broken = dir.filePath("b2.jpg");  // between b and c
    WriteBroken(broken);
    list->Refresh();
    clickInList(a);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_PageDown); LoadSettled(*w);
    EXPECT_EQ(w->ShownPhoto(), b);
    EXPECT_EQ(highlighted(), b);
    // The broken one is reported; the next key goes past it.
    QTest::keyClick(list, Qt::Key_PageDown); LoadSettled(*w);
    EXPECT_EQ(w->ShownPhoto(), b);
    EXPECT_EQ(prompts.messages.size(), 1u);
    QTest::keyClick(list, Qt::Key_PageDown); LoadSettled(*w);
    EXPECT_EQ(w->ShownPhoto(), c);
    // The end of the list: nothing more.
    QTest::keyClick(list, Qt::Key_PageDown); LoadSettled(*w);
    EXPECT_EQ(w->ShownPhoto(), c);

    // On the photo: Backspace goes back, Space on; folders are passed by.
    lum::PhotoView* view = w->View();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Backspace); LoadSettled(*w);
    EXPECT_EQ(w->ShownPhoto(), c);  // back over the broken one, which fails again
    QTest::keyClick(view, Qt::Key_Backspace); LoadSettled(*w);
    EXPECT_EQ(w->ShownPhoto(), b);
    QTest::keyClick(view, Qt::Key_Backspace); LoadSettled(*w);
    EXPECT_EQ(w->ShownPhoto(), a);
    QTest::keyClick(view, Qt::Key_PageUp); LoadSettled(*w);
    EXPECT_EQ(w->ShownPhoto(), a);
    QTest::keyClick(view, Qt::Key_Space); LoadSettled(*w);
    EXPECT_EQ(w->ShownPhoto(), b);

    // With an edit, the usual question; Escape stays.
    button("SpeedButton1")->click();
    prompts.threeWayAnswers = {lum::Prompts::Answer::Cancel};
    QTest::keyClick(view, Qt::Key_PageDown); LoadSettled(*w);
    EXPECT_EQ(w->ShownPhoto(), b);
    EXPECT_EQ(highlighted(), b);
}

TEST_F(Switching, EnterAndRestingArrowsOpenPhotosInTheList) {
    clickInList(a);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down); LoadSettled(*w);
    EXPECT_EQ(w->ShownPhoto(), a);  // not before the keys rest
    ASSERT_TRUE(PumpUntil([&] { return w->ShownPhoto() == b; }));
    QTest::keyClick(list, Qt::Key_Down); LoadSettled(*w);
    QTest::keyClick(list, Qt::Key_Return); LoadSettled(*w);  // at once
    EXPECT_EQ(w->ShownPhoto(), c);
    Pump(500);
    EXPECT_EQ(w->ShownPhoto(), c);
}

TEST_F(Switching, APhotoOpenedByNameShowsItsFolderAndItself) {
    QTemporaryDir other;
    const QString far = WriteJpeg(other.filePath("far.jpg"), 20, 10);
    WriteJpeg(other.filePath("near.jpg"), 20, 10);
    w->OpenPhotoFile(far);
    ASSERT_TRUE(LoadSettled(*w));
    EXPECT_EQ(w->ShownPhoto(), far);
    EXPECT_EQ(tree->SelectedPath(), QDir(other.path()).absolutePath() + "/");
    EXPECT_EQ(list->Directory(), QDir(other.path()).absolutePath() + "/");
    EXPECT_EQ(highlighted(), far);
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(PhotoList::PathOfItem(list->currentItem()), far);
    // Away and back: the list shows it again, not the way up.
    ASSERT_TRUE(tree->OpenPath(dir.path()));
    ASSERT_TRUE(tree->OpenPath(other.path()));
    EXPECT_EQ(highlighted(), far);
}

TEST_F(Switching, HiddenEntriesAreLeftOutUntilCtrlH) {
    QDir(dir.path()).mkdir(".cache");
    WriteJpeg(dir.filePath(".thumb.jpg"), 8, 8);
    w->RefreshFolders();
    EXPECT_EQ(list->ItemOfPath(dir.filePath(".cache")), nullptr);
    EXPECT_EQ(list->ItemOfPath(dir.filePath(".thumb.jpg")), nullptr);
    QTest::keyClick(w.get(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(w->ShowsHiddenEntries());
    EXPECT_NE(list->ItemOfPath(dir.filePath(".cache")), nullptr);
    EXPECT_NE(list->ItemOfPath(dir.filePath(".thumb.jpg")), nullptr);
    QTest::keyClick(w.get(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(list->ItemOfPath(dir.filePath(".cache")), nullptr);
    // F5 reads the folder again.
    WriteJpeg(dir.filePath("new.jpg"), 8, 8);
    QTest::keyClick(w.get(), Qt::Key_F5);
    EXPECT_NE(list->ItemOfPath(dir.filePath("new.jpg")), nullptr);
}

TEST_F(Switching, ANewOrPastedPictureNamesNoFileAndItsSaveAsksForOne) {
    lum::Dialogs dialogs;
    w->SetDialogs(&dialogs);
    QFile original(a);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();
    const auto untouched = [&] {
        QFile f(a);
        return f.open(QIODevice::ReadOnly) && f.readAll() == bytes;
    };

    clickInList(a);
    QGuiApplication::clipboard()->setImage(lum::ToQImage(Pattern(30, 20, 4)));
    Action(*w, "Commenouvelleimage1")->trigger();
    EXPECT_EQ(w->State().picture.Work().width(), 30);
    EXPECT_EQ(w->windowTitle(), lum::WindowShell::Caption(QStringLiteral("Untitled"), true));
    EXPECT_TRUE(w->ShownPhoto().isEmpty());
    EXPECT_TRUE(highlighted().isEmpty());

    // Ctrl+S and the menu save ask for a name, never proposing the old photo's.
    QTest::keyClick(w.get(), Qt::Key_S, Qt::ControlModifier);
    Action(*w, "Btenregistrer")->trigger();
    ASSERT_EQ(prompts.savePresets.size(), 2u);
    for (const std::string& preset : prompts.savePresets)
        EXPECT_EQ(preset.find("a.jpg"), std::string::npos) << preset;
    EXPECT_TRUE(untouched());
    EXPECT_FALSE(w->editor().Saved());

    // Written under a name of its own, the picture is that file from then on.
    const QString saved = dir.filePath("pasted.jpg");
    prompts.savePaths = {saved.toStdString()};
    QTest::keyClick(w.get(), Qt::Key_S, Qt::ControlModifier);
    Pump();
    EXPECT_TRUE(QFileInfo(saved).isFile());
    EXPECT_EQ(w->windowTitle(), CaptionOf(saved));
    EXPECT_EQ(highlighted(), saved);
    EXPECT_TRUE(untouched());

    // New: the same once the dialog is answered; cancelled, the photo keeps its name.
    clickInList(b);
    OnceShown(dialogs.Gradient(), [&] { dialogs.Gradient().reject(); });
    Action(*w, "Btnouveau")->trigger();
    EXPECT_EQ(w->windowTitle(), CaptionOf(b));
    OnceShown(dialogs.Gradient(), [&] { dialogs.Gradient().OkButton->click(); });
    Action(*w, "Btnouveau")->trigger();
    EXPECT_EQ(w->windowTitle(), lum::WindowShell::Caption(QStringLiteral("Untitled"), true));
    EXPECT_TRUE(highlighted().isEmpty());
    prompts.savePresets.clear();
    QApplication::setActiveWindow(w.get());
    Pump();
    QTest::keyClick(w.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(prompts.savePresets.size(), 1u);
    EXPECT_EQ(prompts.savePresets[0].find("b.jpg"), std::string::npos) << prompts.savePresets[0];
}
