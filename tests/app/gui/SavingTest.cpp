// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QToolButton>
#include <unistd.h>

#include <fstream>
#include <set>

#include "GuiTestSupport.h"
#include "app/Program.h"
#include "app/Dialogs.h"
#include "app/OptionsDialog.h"
#include "widgets/QtPrompts.h"
#include "app/Saving.h"
#include "compose/PictureChooser.h"
#include "image/Codec.h"
#include "image/LosslessTurn.h"
#include "widgets/DialogControls.h"

using namespace guitest;

namespace {

// The replace question names the file and its folder.
std::string replaceQuestion(const QString& path) {
    const QFileInfo f(path);
    return "Save or Replace?: A file named \"" + f.fileName().toStdString() + "\" already exists in " +
           f.absolutePath().toStdString() + ".\n\nDo you want to replace it? What it holds now is lost.";
}

// Answers like RecordingPrompts and remembers what each save dialog was shown.
class ScriptedPrompts : public lum::RecordingPrompts {
public:
    struct Dialog {
        std::string folder, filter, proposed;
    };
    std::vector<Dialog> dialogs;
    std::vector<std::string> errors;

    bool AskSaveFile(const std::string& title, const std::string& folder, const std::string& filter,
                     std::string& path) override {
        dialogs.push_back({folder, filter, path});
        return RecordingPrompts::AskSaveFile(title, folder, filter, path);
    }
    void Error(const std::string& text) override { errors.push_back(text); }
};

class FakeChooser : public lum::PictureChooserLink {
public:
    std::string selected;
    int index = -1;
    std::vector<int> refreshes;
    std::string SelectedPath() const override { return selected; }
    int SelectedIndex() const override { return index; }
    void RefreshFileList(int selectIndex) override { refreshes.push_back(selectIndex); }
};

std::vector<uint8_t> bytesOf(const QString& path) { return lum::ReadFileBytes(path.toStdString()); }

void writeBytes(const QString& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                            static_cast<std::streamsize>(bytes.size()));
}

bool hasMarker(const std::vector<uint8_t>& jpeg, uint8_t marker) {
    for (size_t i = 0; i + 1 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == marker) return true;
    return false;
}

// A home of its own for the length of a test, so the trash is a throw-away folder beside the
// photos (the same disk, so the home trash is used and none is made at the disk's top).
class TempHome {
public:
    explicit TempHome(const QString& home)
        : oldHome_(qgetenv("HOME")), oldData_(qgetenv("XDG_DATA_HOME")),
          hadData_(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
        QDir().mkpath(home);
        qputenv("HOME", home.toUtf8());
        qputenv("XDG_DATA_HOME", (home + "/.local/share").toUtf8());
    }
    ~TempHome() {
        qputenv("HOME", oldHome_);
        if (hadData_) qputenv("XDG_DATA_HOME", oldData_);
        else qunsetenv("XDG_DATA_HOME");
    }
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;
    static QString TrashFiles() {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files";
    }

private:
    QByteArray oldHome_, oldData_;
    bool hadData_;
};

// The flows on their own, with a scripted chooser.
class SavingFlow : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(dir.isValid());
        st.picture.Work() = Pattern(40, 30);
        st.file.SetCurrentFolder(dir.path().toStdString());
    }
    std::string file(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }
    std::vector<uint8_t> jpegOf(int quality, bool progressive, const lum::PictureMetadata* meta = nullptr) const {
        lum::JpegEncodeOptions o;
        o.quality = quality;
        o.progressive = progressive;
        o.metadata = meta;
        return lum::EncodeJpeg(st.picture.Work(), o);
    }

    struct AppFirst {
        AppFirst() { App(); }
    } appFirst_;  // the Options dialog needs the application object
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    lum::Editor editor{lum::EditorPolicy::MainWindow(), &prompts};
    lum::EditState& st = editor.State();
    OptionsDialog options;
    FakeChooser chooser;
    lum::PhotoSaving saving{editor, prompts, options, &chooser};
};

}  // namespace

// ---- Save / Save as

TEST(SaveNames, WhatIsProposedAndWhatIsWrittenNeverTakesAnotherPhoto) {
    const std::set<std::string> taken = {"/p/pic.jpg", "/p/pic (2).jpg", "/p/scan.jpg"};
    const auto exists = [&taken](const std::string& p) { return taken.count(p) > 0; };
    const struct {
        const char* photo;
        const char* proposed;
        const char* typedAs;  // the same name typed in the dialog
    } cases[] = {
        {"/p/pic.png", "/p/pic (3).jpg", "/p/pic.jpg"},   // pic.jpg and pic (2).jpg are other photos
        {"/p/pic.jpg", "/p/pic.jpg", "/p/pic.jpg"},       // its own file: the replace question follows
        {"/p/scan.TIFF", "/p/scan (2).jpg", "/p/scan.jpg"},
        {"/p/new.heic", "/p/new.jpg", "/p/new.jpg"},
        {"/p/old.BMP", "/p/old.BMP", "/p/old.BMP"},
        {"/p/x.jpeg", "/p/x.jpeg", "/p/x.jpeg"},
        {"/p/card.gif", "/p/card.gif.jpg", "/p/card.gif.jpg"},
        {"/p.d/plain", "/p.d/plain", "/p.d/plain"},         // the dialog adds its own extension
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lum::ProposedSaveName(c.photo, exists), c.proposed) << c.photo;
        EXPECT_EQ(lum::WritableName(c.photo), c.typedAs) << c.photo;
    }
}

TEST_F(SavingFlow, NewNameWritesBaselineQuality90AndMarksSaved) {
    editor.MarkUnsaved();
    st.file.SetNewPicturePending(true);
    editor.Macro().Start();  // recording
    chooser.index = 2;
    const std::string out = file("new.jpg");
    prompts.savePaths = {out};

    EXPECT_TRUE(saving.SaveWithDialog());
    EXPECT_EQ(bytesOf(QString::fromStdString(out)), jpegOf(90, false));
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_TRUE(editor.Saved());
    EXPECT_FALSE(st.file.NewPicturePending());
    EXPECT_EQ(st.file.CurrentFileName(), out);
    EXPECT_EQ(st.file.SaveFolder(), dir.path().toStdString());
    EXPECT_EQ(editor.Macro().State(), lum::MacroState::Closed);
    EXPECT_EQ(chooser.refreshes, std::vector<int>({2}));
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"new.jpg"}));
}

TEST_F(SavingFlow, QualityAndProgressiveAreReadWhenSaving) {
    options.QualitySpin()->setValue(35);
    options.ProgressiveGroup()->SetItemIndex(1);
    prompts.savePaths = {file("a.jpg")};
    ASSERT_TRUE(saving.SaveWithDialog());
    const std::vector<uint8_t> written = bytesOf(dir.filePath("a.jpg"));
    EXPECT_EQ(written, jpegOf(35, true));
    EXPECT_TRUE(hasMarker(written, 0xC2));  // progressive frame
}

TEST_F(SavingFlow, DialogGetsTheJpegFilterAndTheProposedName) {
    // First save: no save folder yet, the dialog starts in the current folder with no name.
    prompts.savePaths = {""};
    saving.SaveWithDialog();
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].folder, st.file.CurrentFolder());
    EXPECT_EQ(prompts.dialogs[0].proposed, st.file.CurrentFolder() + "/");
    EXPECT_EQ(lum::QtPrompts::QtFilter(prompts.dialogs[0].filter), QStringLiteral("JPEG photos (*.jpg *.jpeg)"));
    EXPECT_EQ(lum::QtPrompts::DefaultSuffix(prompts.dialogs[0].filter), QStringLiteral("jpg"));
    // The compare window's: JPEG photos first, then bitmaps, each with its extension.
    const std::string both = lum::kSaveFilterCompare;
    EXPECT_EQ(lum::QtPrompts::QtFilter(both), QStringLiteral("JPEG photos (*.jpg *.jpeg);;Bitmaps (*.bmp)"));
    EXPECT_EQ(lum::QtPrompts::DefaultSuffix(both), QStringLiteral("jpg"));
    EXPECT_EQ(lum::QtPrompts::DefaultSuffix("Bitmaps (*.bmp)"), QStringLiteral("bmp"));

    // The shown photo's own name and folder, wherever the last save went.
    st.file.SetSaveFolder(dir.filePath("out").toStdString());
    st.file.SetCurrentFileName("/elsewhere/photo.jpg");
    st.file.SetPhotoFile("/elsewhere/photo.jpg", false);
    saving.SaveWithDialog();
    EXPECT_EQ(prompts.dialogs[1].proposed, "/elsewhere/photo.jpg");
    EXPECT_EQ(prompts.dialogs[1].folder, st.file.SaveFolder());

    // A made or pasted picture, or a name another picture left behind (a mix's): only the
    // folder, so Enter never lands on another photo.
    st.file.SetPhotoFile(std::string(), st.file.PhotoDamaged());
    saving.SaveWithDialog();
    EXPECT_EQ(prompts.dialogs[2].proposed, st.file.SaveFolder() + "/");
    st.file.SetCurrentFileName(std::string());
    saving.SaveWithDialog();
    EXPECT_EQ(prompts.dialogs[3].proposed, st.file.SaveFolder() + "/");
}

TEST_F(SavingFlow, CancelWritesNothingAndKeepsThePhotoUnsaved) {
    editor.MarkUnsaved();
    st.file.SetNewPicturePending(true);
    st.file.SetSaveFolder("/kept");
    st.file.SetCurrentFileName("/kept/photo.jpg");
    prompts.savePaths = {""};
    EXPECT_FALSE(saving.SaveWithDialog());
    EXPECT_FALSE(editor.Saved());
    EXPECT_TRUE(st.file.NewPicturePending());
    EXPECT_EQ(st.file.SaveFolder(), "/kept");
    EXPECT_EQ(st.file.CurrentFileName(), "/kept/photo.jpg");
    EXPECT_TRUE(chooser.refreshes.empty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(SavingFlow, ExistingFileIsReplacedOnlyOnYes) {
    const QString existing = dir.filePath("photo.jpg");
    const std::vector<uint8_t> original = {0xFF, 0xD8, 0xFF, 0xD9, 1, 2, 3};
    writeBytes(existing, original);
    editor.MarkUnsaved();

    // No: the file stays, the name is taken over, the photo stays unsaved.
    prompts.savePaths = {existing.toStdString()};
    prompts.answers = {false};
    EXPECT_FALSE(saving.SaveWithDialog());
    ASSERT_EQ(prompts.questions, std::vector<std::string>({replaceQuestion(existing)}));
    EXPECT_EQ(bytesOf(existing), original);
    EXPECT_FALSE(editor.Saved());
    EXPECT_EQ(st.file.CurrentFileName(), existing.toStdString());
    EXPECT_EQ(st.file.SaveFolder(), dir.path().toStdString());

    // Yes: replaced.
    prompts.savePaths = {existing.toStdString()};
    prompts.answers = {true};
    EXPECT_TRUE(saving.SaveWithDialog());
    EXPECT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(bytesOf(existing), jpegOf(90, false));
    EXPECT_TRUE(editor.Saved());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"photo.jpg"}));
}

TEST_F(SavingFlow, AFailingEncoderLeavesTheOriginalAndIsReported) {
    const QString existing = dir.filePath("photo.jpg");
    const std::vector<uint8_t> original = jpegOf(80, false);
    writeBytes(existing, original);
    st.picture.Work() = lum::Image();  // nothing the encoder can write
    editor.MarkUnsaved();
    prompts.savePaths = {existing.toStdString()};
    prompts.answers = {true};
    EXPECT_FALSE(saving.SaveWithDialog());
    EXPECT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(bytesOf(existing), original);
    EXPECT_FALSE(editor.Saved());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"photo.jpg"}));
}

TEST_F(SavingFlow, AnUnwritableFolderLeavesTheOriginalAndIsReported) {
    if (::getuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    const QString sub = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkpath(sub));
    const QString existing = sub + "/photo.jpg";
    const std::vector<uint8_t> original = jpegOf(80, false);
    writeBytes(existing, original);
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner);
    editor.MarkUnsaved();

    prompts.savePaths = {existing.toStdString(), (sub + "/other.jpg").toStdString()};
    prompts.answers = {true};
    EXPECT_FALSE(saving.SaveWithDialog());
    EXPECT_FALSE(saving.SaveWithDialog());
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(prompts.errors.size(), 2u);
    EXPECT_EQ(bytesOf(existing), original);
    EXPECT_FALSE(editor.Saved());
    EXPECT_EQ(QDir(sub).entryList(QDir::Files | QDir::Hidden), QStringList({"photo.jpg"}));
}

// ---- menu save

TEST_F(SavingFlow, MenuSaveChoosesBmpByExtensionOnly) {
    editor.MarkUnsaved();
    for (const char* name : {"a.bmp", "b.BMP", "c.jpeg", "d", "e.bmp.jpg"}) {
        // After the first, Save offers the file just written: Save As.
        prompts.choiceAnswers = {1};
        prompts.savePaths = {file(name)};
        ASSERT_TRUE(saving.SaveFromMenu()) << name;
        const std::vector<uint8_t> bytes = bytesOf(QString::fromStdString(file(name)));
        const bool bmp = lum::HasBmpExtension(name);
        EXPECT_EQ(lum::SniffFormat(bytes.data(), bytes.size()), bmp ? lum::FileFormat::Bmp : lum::FileFormat::Jpeg)
            << name;
        if (bmp) {
            EXPECT_EQ(lum::DecodeBmp(bytes.data(), bytes.size()), st.picture.Work()) << name;
        }
        EXPECT_EQ(st.file.CurrentFileName(), file(name));
    }
    EXPECT_TRUE(editor.Saved());  // what is on screen is in a file now
    EXPECT_EQ(st.file.PhotoFile(), file("e.bmp.jpg"));  // and the next save proposes that file
    EXPECT_EQ(prompts.choiceButtons.size(), 4u);  // new files: nothing else to ask
    EXPECT_EQ(prompts.questions.size(), 4u);
}

TEST_F(SavingFlow, MenuSaveAsksBeforeReplacingAndNoOrEscapeWritesNothing) {
    const QString existing = dir.filePath("photo.jpg");
    writeBytes(existing, {1, 2, 3});
    editor.MarkUnsaved();
    for (bool escape : {false, true}) {
        prompts.savePaths = {existing.toStdString()};
        prompts.answers = escape ? std::vector<bool>{} : std::vector<bool>{false};
        EXPECT_FALSE(saving.SaveFromMenu());
        EXPECT_EQ(bytesOf(existing), std::vector<uint8_t>({1, 2, 3}));
        EXPECT_FALSE(editor.Saved());
    }
    EXPECT_EQ(prompts.questions, std::vector<std::string>(2, replaceQuestion(existing)));
    prompts.savePaths = {existing.toStdString()};
    prompts.answers = {true};
    EXPECT_TRUE(saving.SaveFromMenu());
    EXPECT_EQ(bytesOf(existing), jpegOf(90, false));
    EXPECT_TRUE(editor.Saved());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"photo.jpg"}));
}

TEST_F(SavingFlow, ReplacingTheDamagedOriginalSaysSoAndProposesNo) {
    const QString damaged = dir.filePath("cut.jpg");
    const QString other = dir.filePath("other.jpg");
    writeBytes(damaged, {1, 2, 3});
    writeBytes(other, {4, 5, 6});
    st.file.SetCurrentFileName(damaged.toStdString());
    st.file.SetPhotoFile(damaged.toStdString(), true);
    // Both saves: the damage question with No as the default; Escape or No writes nothing.
    for (int flow = 0; flow < 2; ++flow) {
        prompts.savePaths = {damaged.toStdString()};
        EXPECT_FALSE(flow ? saving.SaveFromMenu() : saving.SaveWithDialog());
        ASSERT_EQ(prompts.choiceButtons.size(), size_t(flow + 1));
        EXPECT_EQ(prompts.choiceDefaults.back(), 1);  // No
        EXPECT_EQ(bytesOf(damaged), std::vector<uint8_t>({1, 2, 3}));
    }
    EXPECT_TRUE(prompts.questions.back().find("damaged") != std::string::npos) << prompts.questions.back();
    EXPECT_TRUE(prompts.questions.back().find("cut.jpg") != std::string::npos) << prompts.questions.back();
    // Another existing file: the ordinary question.
    prompts.savePaths = {other.toStdString()};
    prompts.answers = {true};
    EXPECT_TRUE(saving.SaveWithDialog());
    EXPECT_EQ(prompts.questions.back(), replaceQuestion(other));
    EXPECT_EQ(prompts.choiceButtons.size(), 2u);
    // Yes over the damaged original: written, and no longer damaged.
    st.file.SetPhotoFile(damaged.toStdString(), true);
    prompts.savePaths = {damaged.toStdString()};
    prompts.choiceAnswers = {0};
    EXPECT_TRUE(saving.SaveWithDialog());
    EXPECT_EQ(bytesOf(damaged), jpegOf(90, false));
    EXPECT_FALSE(st.file.PhotoDamaged());
}

TEST_F(SavingFlow, MenuSaveFailureKeepsTheFileAndTheName) {
    const QString existing = dir.filePath("photo.bmp");
    const std::vector<uint8_t> original = lum::EncodeBmp(st.picture.Work());
    writeBytes(existing, original);
    st.picture.Work() = lum::Image();
    st.file.SetCurrentFileName("/before.jpg");
    prompts.savePaths = {existing.toStdString()};
    prompts.answers = {true};
    EXPECT_FALSE(saving.SaveFromMenu());
    EXPECT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(bytesOf(existing), original);
    EXPECT_EQ(st.file.CurrentFileName(), "/before.jpg");
    EXPECT_TRUE(chooser.refreshes.empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"photo.bmp"}));
}

TEST_F(SavingFlow, MenuSaveIsSilentForTheChoosersCurrentFile) {
    const std::string photo = file("photo.jpg");
    writeBytes(QString::fromStdString(photo), {1, 2, 3});
    chooser.selected = photo;
    chooser.index = 4;
    st.file.SetCurrentFileName(photo);
    st.file.SetSaveFolder("/somewhere/else");
    prompts.answers = {true};
    EXPECT_TRUE(saving.SaveFromMenu());
    EXPECT_TRUE(prompts.dialogs.empty());
    EXPECT_EQ(prompts.questions, std::vector<std::string>{replaceQuestion(QString::fromStdString(photo))});  // replacing still asks
    EXPECT_EQ(bytesOf(QString::fromStdString(photo)), jpegOf(90, false));
    EXPECT_EQ(st.file.SaveFolder(), dir.path().toStdString());
    EXPECT_EQ(chooser.refreshes, std::vector<int>({4}));
}

TEST_F(SavingFlow, MenuSaveAsksWhenTheChoiceIsNotTheCurrentPhoto) {
    const std::string photo = file("photo.jpg");
    chooser.selected = photo;

    // A new image is pending: the dialog proposes its folder, never the chooser's file.
    st.file.SetCurrentFileName(photo);
    st.file.SetNewPicturePending(true);
    prompts.savePaths = {""};
    EXPECT_FALSE(saving.SaveFromMenu());
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].proposed, st.file.CurrentFolder() + "/");
    EXPECT_TRUE(st.file.NewPicturePending());

    // The names differ only in case: still not the same file.
    st.file.SetNewPicturePending(false);
    st.file.SetCurrentFileName(file("PHOTO.jpg"));
    EXPECT_FALSE(saving.SaveFromMenu());
    EXPECT_EQ(prompts.dialogs.size(), 2u);

    // The shown photo's own file, whatever the save folder.
    st.file.SetSaveFolder("/out");
    st.file.SetPhotoFile(file("PHOTO.jpg"), st.file.PhotoDamaged());
    EXPECT_FALSE(saving.SaveFromMenu());
    EXPECT_EQ(prompts.dialogs[2].proposed, file("PHOTO.jpg"));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// ---- Delete

namespace {

class DeleteFlow : public SavingFlow {
protected:
    void SetUp() override {
        SavingFlow::SetUp();
        home = std::make_unique<TempHome>(dir.filePath("home"));
        trashFiles = TempHome::TrashFiles();
        ASSERT_TRUE(trashFiles.startsWith(dir.path())) << trashFiles.toStdString();
        photo = dir.filePath("photo.jpg");
        writeBytes(photo, {1, 2, 3});
    }
    void TearDown() override { home.reset(); }

    std::unique_ptr<TempHome> home;
    QString trashFiles, photo;
};

}  // namespace

TEST_F(DeleteFlow, MovesTheCurrentFileToTheTrashAfterConfirmation) {
    chooser.selected = photo.toStdString();
    chooser.index = 3;
    st.file.SetCurrentFileName(photo.toStdString());
    const lum::Image before = st.picture.Work();

    prompts.answers = {false};
    EXPECT_FALSE(saving.MoveCurrentFileToTrash());
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_NE(prompts.questions[0].find("photo.jpg"), std::string::npos);
    EXPECT_TRUE(QFileInfo::exists(photo));

    prompts.answers = {true};
    EXPECT_TRUE(saving.MoveCurrentFileToTrash());
    EXPECT_FALSE(QFileInfo::exists(photo));
    EXPECT_TRUE(QFileInfo::exists(trashFiles + "/photo.jpg"));
    EXPECT_EQ(bytesOf(trashFiles + "/photo.jpg"), std::vector<uint8_t>({1, 2, 3}));
    EXPECT_EQ(chooser.refreshes, std::vector<int>({2, 2}));  // the entry before the deleted one
    EXPECT_EQ(st.picture.Work(), before);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(DeleteFlow, FirstEntryLeavesNoSelection) {
    chooser.selected = photo.toStdString();
    chooser.index = 0;
    st.file.SetCurrentFileName(photo.toStdString());
    prompts.answers = {true};
    EXPECT_TRUE(saving.MoveCurrentFileToTrash());
    EXPECT_EQ(chooser.refreshes, std::vector<int>({-1}));
}

TEST_F(DeleteFlow, RefusedUnlessTheChoosersFileIsTheCurrentOne) {
    const std::string refused = lum::kDeleteRefusedText;
    EXPECT_EQ(refused,
              "Delete refused: a new picture is loaded.\nOpen the photo file again, then delete it.");

    // Another file picked in the chooser.
    chooser.selected = dir.filePath("other.jpg").toStdString();
    st.file.SetCurrentFileName(photo.toStdString());
    EXPECT_FALSE(saving.MoveCurrentFileToTrash());
    // The window forgot the current file (it was re-activated).
    chooser.selected = photo.toStdString();
    st.file.SetCurrentFileName(std::string());
    EXPECT_FALSE(saving.MoveCurrentFileToTrash());
    // Nothing picked and nothing loaded: nothing to delete.
    chooser.selected.clear();
    EXPECT_FALSE(saving.MoveCurrentFileToTrash());

    EXPECT_EQ(prompts.messages, std::vector<std::string>(3, refused));
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_TRUE(chooser.refreshes.empty());
    EXPECT_TRUE(QFileInfo::exists(photo));
    EXPECT_FALSE(QFileInfo::exists(trashFiles));
}

TEST_F(DeleteFlow, AFileThatIsGoneIsReported) {
    chooser.selected = dir.filePath("gone.jpg").toStdString();
    st.file.SetCurrentFileName(chooser.selected);
    prompts.answers = {true};
    EXPECT_FALSE(saving.MoveCurrentFileToTrash());
    EXPECT_EQ(prompts.errors.size(), 1u);
}

TEST_F(SavingFlow, APhotoOfAFormatOnlyReadIsSavedAsAJpegBesideIt) {
    const std::vector<uint8_t> heic = {0, 0, 0, 24, 'f', 't', 'y', 'p', 'h', 'e', 'i', 'c'};
    const std::string photo = file("IMG_0001.HEIC"), jpeg = file("IMG_0001.jpg");
    writeBytes(QString::fromStdString(photo), heic);
    st.file.SetCurrentFileName(photo);
    st.file.SetPhotoFile(photo, false);
    st.file.SetSaveFolder(dir.path().toStdString());  // as a load leaves it

    // The dialog proposes the JPEG beside it, or a free name once that one exists (never
    // another photo); a name of a kind Lumora does not write is said to change, and the dialog
    // comes back with the JPEG's name.
    const std::string second = file("IMG_0001 (2).jpg");
    const struct {
        std::string typed, proposed, written;
    } saves[] = {{jpeg, jpeg, jpeg}, {photo, second, jpeg}, {file("other.png"), second, file("other.jpg")}};
    for (const auto& c : saves) {
        const size_t notices = prompts.messages.size();
        prompts.savePaths = {c.typed, c.written};
        prompts.answers = {true};  // replace the JPEG written just before
        EXPECT_TRUE(saving.SaveWithDialog()) << c.typed;
        EXPECT_EQ(prompts.dialogs.back().proposed, c.written) << c.typed;
        EXPECT_EQ(prompts.dialogs[prompts.dialogs.size() - (c.typed == c.written ? 1 : 2)].proposed, c.proposed);
        EXPECT_EQ(prompts.messages.size(), notices + (c.typed == c.written ? 0 : 1)) << c.typed;
        st.file.SetCurrentFileName(photo);
        st.file.SetPhotoFile(photo, false);
    }
    EXPECT_EQ(bytesOf(QString::fromStdString(jpeg)), jpegOf(90, false));
    EXPECT_EQ(bytesOf(dir.filePath("other.jpg")), jpegOf(90, false));

    // The menu save is not silent for it: the dialog comes, proposing a free JPEG name.
    chooser.selected = photo;
    prompts.savePaths = {""};
    EXPECT_FALSE(saving.SaveFromMenu());
    EXPECT_EQ(prompts.dialogs.back().proposed, second);
    prompts.savePaths = {photo, jpeg};
    prompts.answers = {true};
    EXPECT_TRUE(saving.SaveFromMenu());
    EXPECT_EQ(st.file.CurrentFileName(), jpeg);
    EXPECT_EQ(bytesOf(QString::fromStdString(photo)), heic);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"IMG_0001.HEIC", "IMG_0001.jpg", "other.jpg"}));
}

// ---- through the main window

namespace {

class WindowSaving : public ::testing::Test {
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
    OptionsDialog* Options() { return &program->dialogs().Options(); }
    PictureChooser* Chooser() { return &program->dialogs().Chooser(); }
    QToolButton* saveButton() { return w->findChild<QToolButton*>("SaveAndReplacePhotoSpeedButton"); }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<lum::Program> program;
    MainWindow* w = nullptr;
};

}  // namespace

TEST_F(WindowSaving, SavedJpegKeepsThePhotosMetadata) {
    const QString src = QString::fromLatin1(LUMORA_TEST_DATA) + "/photos/hubble_deep_field.jpg";
    const QString photo = dir.filePath("hubble.jpg");
    ASSERT_TRUE(QFile::copy(src, photo));
    lum::PictureMetadata original;
    {
        const std::vector<uint8_t> bytes = bytesOf(photo);
        lum::DecodeJpeg(bytes.data(), bytes.size(), &original);
    }
    bool hasExif = false;
    for (const lum::JpegSegment& s : original.segments)
        hasExif |= s.marker == 0xE1 && s.data.size() > 6 && std::equal(s.data.begin(), s.data.begin() + 4, "Exif");
    ASSERT_TRUE(hasExif);

    w->OpenPhotoFile(photo);

    ASSERT_TRUE(LoadSettled(*w));
    w->findChild<QToolButton*>("ProcessingOptimumActionSpeedButton")->click();
    const QString out = dir.filePath("optimized.jpg");
    prompts.savePaths = {out.toStdString()};
    saveButton()->click();
    ASSERT_TRUE(prompts.errors.empty()) << prompts.errors.front();
    EXPECT_TRUE(w->editor().Saved());

    lum::PictureMetadata saved;
    const std::vector<uint8_t> bytes = bytesOf(out);
    const lum::Image decoded = lum::DecodeJpeg(bytes.data(), bytes.size(), &saved);
    EXPECT_EQ(decoded.width(), w->State().picture.Work().width());
    ASSERT_EQ(saved.segments.size(), original.segments.size());
    for (size_t i = 0; i < saved.segments.size(); ++i) {
        EXPECT_EQ(saved.segments[i].marker, original.segments[i].marker) << i;
        EXPECT_EQ(saved.segments[i].data, original.segments[i].data) << i;
    }
}

TEST_F(WindowSaving, ButtonReadsTheOptionsDialogAndKeepsUnsavedOnCancel) {
    w->OpenPhotoFile(WriteJpeg(dir.filePath("photo.jpg"), 48, 32));
    ASSERT_TRUE(LoadSettled(*w));
    w->findChild<QToolButton*>("ProcessingOptimumActionSpeedButton")->click();
    ASSERT_FALSE(w->editor().Saved());

    prompts.savePaths = {""};
    saveButton()->click();
    EXPECT_FALSE(w->editor().Saved());

    Options()->QualitySpin()->setValue(20);
    Options()->ProgressiveGroup()->SetItemIndex(1);
    const QString out = dir.filePath("out.jpg");
    prompts.savePaths = {out.toStdString()};
    saveButton()->click();
    EXPECT_TRUE(w->editor().Saved());
    lum::JpegEncodeOptions o;
    o.quality = 20;
    o.progressive = true;
    o.metadata = &w->State().file.Metadata();
    EXPECT_EQ(bytesOf(out), lum::EncodeJpeg(w->State().picture.Work(), o));
}

TEST_F(WindowSaving, DeleteRightAfterAMenuSaveToANewName) {
    const TempHome home(dir.filePath("home"));
    const QString trashFiles = TempHome::TrashFiles();
    ASSERT_TRUE(trashFiles.startsWith(dir.path())) << trashFiles.toStdString();

    w->OpenPhotoFile(WriteJpeg(dir.filePath("photo.jpg"), 48, 32));

    ASSERT_TRUE(LoadSettled(*w));
    ASSERT_TRUE(Chooser()->SetDirectory(dir.path()));
    {
        // Nothing picked in the chooser, or the menu save would silently rewrite the photo.
        const QSignalBlocker quiet(Chooser()->FileList);
        Chooser()->FileList->setCurrentRow(-1);
    }
    ASSERT_TRUE(Chooser()->FileName().isEmpty());
    const QString out = dir.filePath("copy.bmp");
    prompts.choiceAnswers = {1};  // Save As, not over photo.jpg
    prompts.savePaths = {out.toStdString()};
    Action(*w, "Btenregistrer")->trigger();
    ASSERT_TRUE(QFileInfo(out).isFile());
    EXPECT_EQ(w->State().file.CurrentFileName(), out.toStdString());
    // The chooser lists the new file and still has nothing selected.
    EXPECT_EQ(Chooser()->FileList->count(), 2);
    EXPECT_TRUE(Chooser()->FileName().isEmpty());

    // Not selected in the chooser: the shown photo's file, after a question naming it.
    Action(*w, "Supprimer1")->trigger();
    EXPECT_NE(prompts.questions.back().find("copy.bmp"), std::string::npos);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(QFileInfo(out).isFile());

    // Save again over it, then delete with the new file selected in the chooser.
    prompts.choiceAnswers = {0};  // Replace
    Action(*w, "Btenregistrer")->trigger();
    ASSERT_TRUE(Chooser()->SelectFile(out));
    prompts.answers = {true};
    Action(*w, "Supprimer1")->trigger();
    EXPECT_FALSE(QFileInfo::exists(out));
    EXPECT_TRUE(QFileInfo::exists(trashFiles + "/copy.bmp"));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("photo.jpg")));
}

TEST_F(WindowSaving, OnlyTurnsSinceLoadingSaveTheOriginalDataTurned) {
    struct Case {
        int width, height;
        std::vector<const char*> steps;  // actions of the window
        int transform;                   // of the original data, 0: compressed again
        const char* note;
    };
    const Case cases[] = {
        {48, 32, {"RotateRightItem"}, 6, "without loss"},
        {48, 32, {"RotateLeftItem", "MirrorHorizontallyItem"}, 7, "without loss"},
        {48, 32, {"MirrorVerticallyItem", "RotateRightItem", "RotateRightItem"}, 2, "without loss"},
        // An edge would be cut off: the picture is compressed again, and the bar says why.
        {50, 30, {"RotateRightItem"}, 0, "compressing the picture again"},
        {48, 32, {"RotateRightItem", "ProcessingOptimumActionSpeedButton"}, 0, ""},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(n);
        const QString photo = WriteJpeg(dir.filePath(QString("photo%1.jpg").arg(n++)), c.width, c.height);
        const std::vector<uint8_t> original = bytesOf(photo);
        w->OpenPhotoFile(photo);
        ASSERT_TRUE(LoadSettled(*w));
        for (const char* step : c.steps) {
            if (QAction* a = Action(*w, step)) a->trigger();
            else w->findChild<QToolButton*>(step)->click();
            ASSERT_TRUE(WorkSettled(*w));
        }
        prompts.savePaths = {photo.toStdString()};
        prompts.answers = {true};
        saveButton()->click();
        ASSERT_TRUE(PumpUntil([&] { return w->editor().Saved(); }));
        const std::vector<uint8_t> written = bytesOf(photo);
        if (c.transform) {
            EXPECT_EQ(written, lum::TurnJpegLossless(original, c.transform).bytes);
        } else {
            lum::JpegEncodeOptions o;
            o.metadata = &w->State().file.Metadata();
            EXPECT_EQ(written, lum::EncodeJpeg(w->State().picture.Work(), o));
        }
        EXPECT_TRUE(*c.note ? w->NoteText().contains(c.note) : w->NoteText().isEmpty()) << w->NoteText().toStdString();
    }
}
