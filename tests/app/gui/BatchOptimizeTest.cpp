// SPDX-License-Identifier: GPL-3.0-or-later
// The batch optimize through the real main window: several photos selected in the photo list
// without opening any, the dialog's choices, files byte for byte those of `lumora optimize`,
// the summary, and a cancel that leaves only whole photos.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <map>

#include "../../cli/CliTestUtil.h"
#include "GuiTestSupport.h"
#include "app/BatchDialog.h"
#include "image/Codec.h"
#include "image/LosslessTurn.h"
#include "widgets/MenuBarReveal.h"
#include "view/FolderTree.h"
#include "view/PhotoList.h"

using namespace guitest;
namespace ct = clitest;

namespace {

class BatchOptimize : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(dir.isValid());
        in = dir.filePath("in");
        QDir().mkpath(in);
        // Sound photos, one damaged (cut short: it decodes in part) and one unreadable.
        for (const char* name : {"astronaut.jpg", "rocket.jpg", "hubble_deep_field.jpg"})
            ct::fs::copy_file(ct::Photo(name), path(name));
        std::vector<uint8_t> cut = ct::ReadBytes(ct::Photo("rocket.jpg"));
        cut.resize(cut.size() * 2 / 3);
        ct::WriteBytes(path("damaged.jpg"), cut);
        ct::WriteBytes(path("unreadable.jpg"), {'n', 'o', 't', ' ', 'a', ' ', 'p', 'h', 'o', 't', 'o'});
        w = std::make_unique<MainWindow>(&prompts);
        w->show();
        QApplication::setActiveWindow(w.get());
        Pump();
        list = w->findChild<PhotoList*>("LsFilelistView282");
        tree = w->findChild<FolderTree*>("LsDirTree211");
        ASSERT_TRUE(tree->OpenPath(in));
    }
    void TearDown() override { w->editor().MarkSaved(); }

    std::string path(const char* name) const { return (in + "/" + name).toStdString(); }
    QString qpath(const char* name) const { return in + "/" + name; }
    void click(const char* name, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTreeWidgetItem* item = list->ItemOfPath(qpath(name));
        ASSERT_NE(item, nullptr) << name;
        // In the view shown: thumbnails unless the details were chosen.
        auto* thumbs = w->findChild<QAbstractItemView*>("PhotoThumbnailView");
        if (thumbs && thumbs->isVisible()) {
            thumbs->scrollTo(list->IndexOfItem(item));
            QTest::mouseClick(thumbs->viewport(), Qt::LeftButton, keys, thumbs->visualRect(list->IndexOfItem(item)).center());
        } else {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, list->visualItemRect(item).center());
        }
        Pump(60);
    }
    lum::BatchDialog* dialog() const { return w->BatchOptimizeDialog(); }
    template <typename T>
    T* control(const char* name) const {
        T* c = dialog()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    int page() const { return dialog()->findChild<QStackedWidget*>()->currentIndex(); }
    bool runToSummary() {
        control<QPushButton>("BatchStart")->click();
        return PumpUntil([this] { return page() == 2; }, 60000);
    }
    // `lumora optimize` with args on the photos, into ref.
    void reference(const std::string& args, const std::vector<std::string>& photos, const QString& ref) {
        std::string cmd = "optimize " + args + " -o " + ct::Quote(ref.toStdString());
        for (const std::string& p : photos) cmd += " " + ct::Quote(p);
        ct::Lumora(cmd);
    }

    QTemporaryDir dir;
    QString in;
    lum::RecordingPrompts prompts;
    std::unique_ptr<MainWindow> w;
    PhotoList* list = nullptr;
    FolderTree* tree = nullptr;
};

}  // namespace

TEST_F(BatchOptimize, SelectedPhotosIntoTheNewFolderAsTheCommandLineWritesThem) {
    // A click opens a photo; Ctrl and Shift with a click only select.
    click("astronaut.jpg");
    ASSERT_TRUE(PumpUntil([this] { return w->ShownPhoto() == qpath("astronaut.jpg"); }));
    click("rocket.jpg", Qt::ControlModifier);
    click("damaged.jpg", Qt::ShiftModifier);
    Pump(100);
    EXPECT_EQ(w->ShownPhoto(), qpath("astronaut.jpg"));
    // Shift from rocket up to damaged: the photos between them too.
    for (const char* n : {"damaged.jpg", "hubble_deep_field.jpg", "rocket.jpg"})
        EXPECT_TRUE(w->SelectedPhotos().contains(qpath(n))) << n;
    EXPECT_FALSE(w->SelectedPhotos().contains(qpath("unreadable.jpg")));
    click("unreadable.jpg", Qt::ControlModifier);
    EXPECT_TRUE(w->SelectedPhotos().contains(qpath("unreadable.jpg")));
    click("rocket.jpg", Qt::ControlModifier);
    EXPECT_FALSE(w->SelectedPhotos().contains(qpath("rocket.jpg")));
    // Shift with the arrow keys selects too, and opens nothing once they rest.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    Pump(500);
    EXPECT_EQ(w->ShownPhoto(), qpath("astronaut.jpg"));
    // Ctrl+A takes every photo of the list; the folder's other entries stay out.
    QDir(in).mkdir("sub");
    list->Refresh();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    Pump(400);
    EXPECT_EQ(w->SelectedPhotos().size(), 5);
    EXPECT_FALSE(list->topLevelItem(0)->isSelected());  // the way up
    EXPECT_EQ(w->ShownPhoto(), qpath("astronaut.jpg"));

    // From the list's pop-up menu, with the Options' quality proposed.
    QAction* item = Action(*w, "OptimizeSelectedPhotos");
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(list->PopupMenu()->actions().contains(item));
    // The File menu has it too, there once the menu bar is shown.
    QMenu* file = w->MenuBar()->findChild<QMenu*>(QStringLiteral("Fichier1"));
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->actions().contains(item));
    w->menuReveal()->SetRevealed(true);
    EXPECT_TRUE(file->menuAction()->isEnabled() && file->menuAction()->isVisible());
    w->menuReveal()->SetRevealed(false);
    item->trigger();
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_FALSE(dialog()->isModal());
    EXPECT_EQ(page(), 0);
    EXPECT_TRUE(control<QPushButton>("BatchStart")->isDefault());  // Enter starts
    EXPECT_TRUE(control<QRadioButton>("BatchToNewFolder")->isChecked());
    EXPECT_EQ(control<QSpinBox>("BatchQuality")->value(), 90);
    EXPECT_FALSE(control<QLabel>("BatchReplaceWarning")->isVisibleTo(dialog()));
    control<QSpinBox>("BatchQuality")->setValue(72);
    control<QCheckBox>("BatchProgressive")->setChecked(true);
    ASSERT_TRUE(runToSummary());

    const QString out = qpath("optimized");
    std::vector<std::string> photos;
    for (const char* n : {"astronaut.jpg", "damaged.jpg", "hubble_deep_field.jpg", "rocket.jpg", "unreadable.jpg"})
        photos.push_back(path(n));
    const QString ref = dir.filePath("ref");
    reference("--quality 72 --progressive", photos, ref);
    const std::set<std::string> written = ct::Names(out.toStdString());
    EXPECT_EQ(written, (std::set<std::string>{"astronaut.jpg", "damaged.jpg", "hubble_deep_field.jpg", "rocket.jpg"}));
    EXPECT_EQ(written, ct::Names(ref.toStdString()));
    for (const std::string& n : written)
        EXPECT_EQ(ct::ReadBytes(out.toStdString() + "/" + n), ct::ReadBytes(ref.toStdString() + "/" + n)) << n;

    // The summary: what was written where, what was skipped and why, the damaged photo's warning.
    const QString summary = dialog()->SummaryText(), report = dialog()->ReportText();
    EXPECT_TRUE(control<QPushButton>("BatchDone")->isDefault());
    EXPECT_TRUE(summary.contains(QStringLiteral("4 photos written to ") + out)) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("1 photo skipped"))) << summary.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("Skipped:\n")) && report.contains(qpath("unreadable.jpg"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("Written, with a warning:\n")) &&
                report.contains(qpath("damaged.jpg") + QStringLiteral(" is damaged")))
        << report.toStdString();
    QUrl opened;
    dialog()->SetOpener([&opened](const QUrl& url) { return opened = url, true; });
    control<QPushButton>("BatchOpenFolder")->click();
    EXPECT_EQ(opened, QUrl::fromLocalFile(out));
    // The new folder shows up in the list by itself.
    EXPECT_TRUE(PumpUntil([&] { return list->ItemOfPath(out) != nullptr; }, 5000));
    EXPECT_TRUE(prompts.messages.empty());

    // Again into the same folder: the photos there are kept unless replacing them is asked for.
    control<QPushButton>("BatchDone")->click();
    EXPECT_FALSE(dialog()->isVisible());
    ct::WriteBytes(out.toStdString() + "/rocket.jpg", {'o', 'l', 'd'});
    w->OptimizeSelectedPhotos();
    ASSERT_TRUE(runToSummary());
    EXPECT_EQ(ct::ReadText(out.toStdString() + "/rocket.jpg"), "old");
    EXPECT_TRUE(dialog()->ReportText().contains(QStringLiteral("rocket.jpg: a file of that name is already in the output folder")))
        << dialog()->ReportText().toStdString();
}

TEST_F(BatchOptimize, AFolderOfTheTreeIntoAnotherFolderOrOverTheOriginals) {
    // Written photos appear in the list showing their folder.
    const QString other = dir.filePath("elsewhere");
    QDir().mkpath(other);
    ASSERT_TRUE(tree->OpenPath(other));
    QAction* item = Action(*w, "OptimizeFolderPhotos");
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(tree->PopupMenu()->actions().contains(item));
    w->OptimizeFolderPhotos(in);
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->findChild<QLabel*>("BatchIntro")->text().contains(QStringLiteral("5 photos")));

    // Another folder: none typed, then the photos' own folder, are refused with a word.
    control<QRadioButton>("BatchToOtherFolder")->setChecked(true);
    control<QPushButton>("BatchStart")->click();
    control<QLineEdit>("BatchFolderEdit")->setText(in);
    control<QPushButton>("BatchStart")->click();
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0], "Choose the folder for the optimized photos.");
    EXPECT_NE(prompts.messages[1].find("own folder"), std::string::npos);
    EXPECT_EQ(page(), 0);
    control<QLineEdit>("BatchFolderEdit")->setText(other);
    ASSERT_TRUE(runToSummary());
    EXPECT_TRUE(PumpUntil([&] { return list->ItemOfPath(other + "/rocket.jpg") && list->ItemOfPath(other + "/damaged.jpg"); }, 5000));
    reference("", {in.toStdString()}, dir.filePath("ref"));
    for (const char* n : {"astronaut.jpg", "damaged.jpg", "rocket.jpg"})
        EXPECT_EQ(ct::ReadBytes(other.toStdString() + "/" + n), ct::ReadBytes(dir.filePath("ref").toStdString() + "/" + n)) << n;

    // Over the originals: a plain warning and a question; No starts nothing.
    w->OptimizeFolderPhotos(in);
    control<QRadioButton>("BatchReplaceOriginals")->setChecked(true);
    EXPECT_TRUE(control<QLabel>("BatchReplaceWarning")->isVisibleTo(dialog()));
    const std::vector<uint8_t> damaged = ct::ReadBytes(path("damaged.jpg"));
    const std::vector<uint8_t> rocket = ct::ReadBytes(path("rocket.jpg"));
    prompts.answers = {false};
    control<QPushButton>("BatchStart")->click();
    Pump(100);
    EXPECT_EQ(page(), 0);
    EXPECT_EQ(ct::ReadBytes(path("rocket.jpg")), rocket);
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_NE(prompts.questions[0].find("The 5 original photos will be replaced"), std::string::npos) << prompts.questions[0];
    prompts.answers = {true};
    ASSERT_TRUE(runToSummary());
    for (const char* n : {"astronaut.jpg", "rocket.jpg", "hubble_deep_field.jpg"})
        EXPECT_EQ(ct::ReadBytes(path(n)), ct::ReadBytes(dir.filePath("ref").toStdString() + "/" + n)) << n;
    // The damaged original is never replaced by what could be decoded of it.
    EXPECT_EQ(ct::ReadBytes(path("damaged.jpg")), damaged);
    EXPECT_TRUE(dialog()->SummaryText().contains(QStringLiteral("3 photos optimized in place")));
    EXPECT_TRUE(dialog()->ReportText().contains(QStringLiteral("is damaged")) &&
                dialog()->ReportText().contains(QStringLiteral("the original was left as it was")))
        << dialog()->ReportText().toStdString();
}

TEST_F(BatchOptimize, CancelLeavesOnlyWholePhotosAndSaysHowManyWereDone) {
    const QString many = dir.filePath("many");
    QDir().mkpath(many);
    const QImage big = QImage(QString::fromStdString(ct::Photo("hubble_deep_field.jpg").string())).scaled(2000, 1500);
    const int count = 40;
    for (int i = 0; i < count; ++i) big.save(many + QStringLiteral("/p%1.jpg").arg(100 + i), "JPG", 90);
    reference("", {(many + "/p100.jpg").toStdString()}, dir.filePath("ref"));
    ASSERT_TRUE(tree->OpenPath(many));

    w->OptimizeFolderPhotos(many);
    control<QPushButton>("BatchStart")->click();
    EXPECT_EQ(page(), 1);
    // The window is in use meanwhile: another photo opens.
    w->OpenPhotoFile(many + "/p123.jpg");
    QProgressBar* bar = control<QProgressBar>("BatchProgress");
    ASSERT_TRUE(PumpUntil([&] { return bar->value() >= 1; }, 30000));
    EXPECT_EQ(bar->maximum(), count);
    EXPECT_TRUE(control<QLabel>("BatchCurrentPhoto")->text().startsWith(QStringLiteral("Optimizing p1")));
    EXPECT_FALSE(control<QLabel>("BatchTimeLeft")->text().isEmpty());
    control<QPushButton>("BatchCancel")->click();
    ASSERT_TRUE(PumpUntil([this] { return page() == 2; }, 30000));
    EXPECT_TRUE(PumpUntil([&] { return w->ShownPhoto() == many + "/p123.jpg"; }));

    const std::string out = (many + "/optimized").toStdString();
    const std::set<std::string> written = ct::Names(out);
    EXPECT_GE(written.size(), 1u);
    EXPECT_LT(written.size(), static_cast<size_t>(count));
    // Only whole results (each the same photo, so the same file), no temporary file.
    const std::vector<uint8_t> expected = ct::ReadBytes(dir.filePath("ref").toStdString() + "/p100.jpg");
    for (const std::string& n : written) EXPECT_EQ(ct::ReadBytes(out + "/" + n), expected) << n;
    const QString summary = dialog()->SummaryText();
    EXPECT_TRUE(summary.contains(QStringLiteral("%1 photos written").arg(written.size())) ||
                (written.size() == 1 && summary.contains(QStringLiteral("1 photo written"))))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Cancelled: %1 photos not done").arg(count - static_cast<int>(written.size()))))
        << summary.toStdString();
}

TEST(BatchTimeLeft, PlainWords) {
    EXPECT_EQ(lum::TimeLeftText(3), QStringLiteral("A few seconds left"));
    EXPECT_EQ(lum::TimeLeftText(42), QStringLiteral("About 40 seconds left"));
    EXPECT_EQ(lum::TimeLeftText(89), QStringLiteral("About 90 seconds left"));
    EXPECT_EQ(lum::TimeLeftText(150), QStringLiteral("About 3 minutes left"));
    EXPECT_EQ(lum::TimeLeftText(3 * 3600 + 1000), QStringLiteral("About 3.3 hours left"));
}

TEST_F(BatchOptimize, ListTurnsSelectedPhotosWithoutLoss) {
    struct Case {
        std::vector<const char*> selected;
        const char* command;  // the menu's action, or "[" / "]" typed in the list
        lum::PhotoTurn turn;
        std::vector<const char*> turned;  // the others are left as they were
        bool summary;                     // something was cut off or skipped
    };
    const Case cases[] = {
        {{"rocket.jpg"}, "]", lum::PhotoTurn::RotateCw, {"rocket.jpg"}, true},  // 427 rows: an edge goes
        {{"astronaut.jpg"}, "[", lum::PhotoTurn::RotateCcw, {"astronaut.jpg"}, false},
        {{"astronaut.jpg", "damaged.jpg"}, "TurnPhotos180", lum::PhotoTurn::Rotate180, {"astronaut.jpg"}, true},
        {{"hubble_deep_field.jpg"}, "StraightenPhotos", lum::PhotoTurn::Upright, {}, true},  // upright already
        {{"unreadable.jpg"}, "MirrorPhotos", lum::PhotoTurn::MirrorH, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        std::map<std::string, std::vector<uint8_t>> before;
        for (const char* n : {"astronaut.jpg", "rocket.jpg", "hubble_deep_field.jpg", "damaged.jpg", "unreadable.jpg"})
            before[n] = ct::ReadBytes(path(n));
        // With Ctrl a click selects and opens nothing.
        list->clearSelection();
        for (const char* n : c.selected) click(n, Qt::ControlModifier);
        emit list->PopupMenu()->aboutToShow();
        QAction* action = w->findChild<QAction*>(QString::fromLatin1(c.command));
        QAction* mirror = w->findChild<QAction*>("MirrorPhotos");
        EXPECT_EQ(mirror->isEnabled(), !c.selected.empty() && std::string(c.selected.front()) != "unreadable.jpg");
        if (!mirror->isEnabled()) {
            EXPECT_TRUE(mirror->toolTip().contains("is not a photo Lumora can read")) << mirror->toolTip().toStdString();
            continue;
        }
        QApplication::setActiveWindow(w.get());
        // The keys go to the view shown: thumbnails unless the details were chosen.
        auto* thumbs = w->findChild<QAbstractItemView*>("PhotoThumbnailView");
        QWidget* shown = thumbs && thumbs->isVisible() ? static_cast<QWidget*>(thumbs) : list;
        shown->setFocus();
        if (action) action->trigger();
        else QTest::keyClick(shown, c.command[0] == '[' ? Qt::Key_BracketLeft : Qt::Key_BracketRight);
        ASSERT_NE(dialog(), nullptr);
        ASSERT_TRUE(PumpUntil([this] { return !dialog()->Running(); }, 30000));
        Pump(100);
        EXPECT_EQ(dialog()->isVisible(), c.summary) << dialog()->ReportText().toStdString();
        for (const auto& [name, bytes] : before) {
            const bool turned = std::find(c.turned.begin(), c.turned.end(), name) != c.turned.end();
            EXPECT_EQ(ct::ReadBytes(path(name.c_str())), turned ? lum::TurnJpegLossless(bytes, c.turn).bytes : bytes) << name;
        }
        dialog()->hide();
    }
}

TEST_F(BatchOptimize, ExportCopiesTheShownPictureWithItsEditsAloneAmongOthersOrWithoutAFile) {
    click("hubble_deep_field.jpg");
    ASSERT_TRUE(PumpUntil([this] { return w->ShownPhoto() == qpath("hubble_deep_field.jpg"); }));
    ASSERT_TRUE(w->RunCommand("NivGris"));
    ASSERT_TRUE(PumpUntil([this] { return !w->editor().JobRunning(); }));
    struct Case {
        const char* alsoSelected;  // with Ctrl, besides the shown photo's own selection
        bool pasted;               // the picture pasted as a new one, with no file
        const char* intro;
        const char* copy;  // grey, as the window shows it
    };
    int runs = 0;
    for (const Case& c : {Case{nullptr, false, "the shown photo, hubble_deep_field.jpg, with your unsaved changes", "hubble_deep_field.jpg"},
                          Case{"rocket.jpg", false, "The shown photo, hubble_deep_field.jpg, goes with your unsaved changes", "hubble_deep_field.jpg"},
                          Case{nullptr, true, "the shown photo, Untitled.jpg, with your unsaved changes", "Untitled.jpg"}}) {
        SCOPED_TRACE(c.intro);
        if (c.alsoSelected) click(c.alsoSelected, Qt::ControlModifier);
        if (c.pasted) {
            ASSERT_TRUE(w->RunCommand("Copier1"));
            ASSERT_TRUE(w->RunCommand("Commenouvelleimage1"));
            ASSERT_TRUE(PumpUntil([this] { return !w->editor().JobRunning() && w->ShownPhoto().isEmpty(); }));
            list->clearSelection();
        }
        w->ExportCopies();
        lum::BatchDialog* d = w->ExportDialog();
        const QString intro = d->findChild<QLabel*>("ExportIntro")->text(), out = dir.filePath(QString::number(++runs));
        EXPECT_TRUE(intro.contains(QString::fromLatin1(c.intro))) << intro.toStdString();
        EXPECT_TRUE(d->findChild<QPushButton*>("ExportStart")->isDefault());
        d->findChild<QLineEdit*>("ExportFolderEdit")->setText(out);
        d->findChild<QComboBox*>("ExportLongEdge")->setCurrentIndex(0);  // 640 pixels
        d->findChild<QPushButton*>("ExportStart")->click();
        ASSERT_TRUE(PumpUntil([d] { return d->findChild<QStackedWidget*>()->currentIndex() == 2; }, 30000));
        const lum::Image copy = lum::LoadPicture((out + "/" + c.copy).toStdString()).image;
        EXPECT_EQ(std::max(copy.width(), copy.height()), 640);
        int spread = 0;
        for (int y = 0; y < copy.height(); ++y)
            for (const uint8_t* p = copy.row(y); p < copy.row(y) + 3 * copy.width(); p += 3)
                spread = std::max({spread, std::abs(p[0] - p[1]), std::abs(p[1] - p[2])});
        EXPECT_LE(spread, 4);
        d->hide();
    }
}
