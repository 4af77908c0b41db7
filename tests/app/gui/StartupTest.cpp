// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QPointer>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "app/BlurDialog.h"
#include "app/Program.h"
#include "app/Dialogs.h"
#include "app/NewSizeDialog.h"
#include "app/OptionsDialog.h"
#include "compose/GradientDialog.h"
#include "compose/MixDialog.h"
#include "compose/PictureChooser.h"
#include "compose/TextStampDialog.h"
#include "image/Codec.h"
#include "view/PhotoList.h"
#include "view/PhotoView.h"

using namespace guitest;

TEST(Startup, CreatesTheMainWindowThenTheDialogsInOrder) {
    App();
    lum::RecordingPrompts prompts;
    QPointer<OptionsDialog> options;
    QPointer<TextStampDialog> text;
    {
        lum::Program program(&prompts);
        EXPECT_EQ(program.CreationOrder(),
                  QStringList({"TMemPhotoActionForm", "TEform2", "TEform3", "TEform4", "TEform5", "TEform6", "TEForm8",
                               "TEform7"}));
        EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Lumora"));
        MainWindow& main = program.Window();
        lum::Dialogs& dialogs = program.dialogs();
        EXPECT_EQ(&main.dialogs(), &dialogs);  // handed over, not made again
        for (QWidget* d : std::initializer_list<QWidget*>{&dialogs.Options(), &dialogs.Chooser(), &dialogs.Mix(),
                                                 &dialogs.Gradient(), &dialogs.NewSize(), &dialogs.Blur(),
                                                 &dialogs.TextStamp()})
            EXPECT_EQ(d->parentWidget(), &main) << d->objectName().toStdString();
        EXPECT_EQ(dialogs.Options().objectName(), QStringLiteral("Eform2"));
        EXPECT_EQ(dialogs.Blur().objectName(), QStringLiteral("EForm8"));
        EXPECT_EQ(main.windowTitle(), QStringLiteral("Lumora"));
        // The balance operations read the shared Options dialog.
        EXPECT_EQ(main.editor().CurrentTargets().flesh, dialogs.Options().Targets().flesh);
        options = &dialogs.Options();
        text = &dialogs.TextStamp();
    }
    EXPECT_TRUE(options.isNull());
    EXPECT_TRUE(text.isNull());
}

TEST(Startup, FormCreateLeavesTheDesignState) {
    App();
    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    const lum::EditState& st = w.State();
    const std::array<int32_t, 12> zoom{10, 25, 33, 50, 66, 75, 100, 150, 200, 300, 400, 800};
    for (size_t i = 0; i < zoom.size(); ++i) EXPECT_EQ(st.zoom.PercentAt(i + 1), zoom[i]) << i;
    EXPECT_EQ(st.zoom.Slot(), 7);
    EXPECT_TRUE(st.file.SaveFolder().empty());
    EXPECT_FALSE(st.file.NewPicturePending());
    EXPECT_EQ(st.file.CurrentFolder(), QDir::currentPath().toStdString());
    EXPECT_FALSE(st.file.Loaded());
    EXPECT_TRUE(w.editor().Saved());
    EXPECT_FALSE(st.file.Optimized());
    EXPECT_EQ(st.selection.Kind(), lum::SelectionKind::None);
    EXPECT_EQ(st.tools.Mode(), lum::ToolMode::None);
    EXPECT_EQ(st.registers.Kernel().counter2, 0);
    EXPECT_EQ(st.registers.Kernel().counter4, 0);
    for (const lum::Image* img : {&st.picture.Baseline(), &st.picture.Work(), &st.picture.SourceCopy(),
                                  &st.selection.MoveBuffer(), &st.selection.Piece()}) {
        EXPECT_EQ(img->width(), 8);
        EXPECT_EQ(img->height(), 8);
    }
    // Default macro: closed, flesh balance then auto smooth.
    EXPECT_EQ(w.editor().Macro().State(), lum::MacroState::Closed);
    ASSERT_EQ(w.editor().Macro().Count(), 2);
    EXPECT_EQ(w.editor().Macro().Actions()[0].code, 15);
    EXPECT_EQ(w.editor().Macro().Actions()[1].code, 14);
    EXPECT_FALSE(Action(w, "Fermer")->isEnabled());
    EXPECT_TRUE(Action(w, "Executer")->isEnabled());
    auto* memo = w.findChild<QPlainTextEdit*>("PhotoFileNameMemo");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Welcome to Lumora!"));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST(Startup, TheMenuBarShowsNothing) {
    App();
    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    w.show();
    Pump();
    QMenuBar* bar = w.MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->objectName(), QStringLiteral("MainMenu1"));
    EXPECT_FALSE(bar->isVisible());
    const QList<QAction*> entries = bar->actions();
    ASSERT_EQ(entries.size(), 8);
    for (QAction* a : entries) EXPECT_FALSE(a->isVisible()) << a->text().toStdString();
    const QStringList captions{"&File", "&Edit", "&Image", "Mi&xing", "&Optimization", "&Macro", "&View", "&Help"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(entries[i]->text(), captions[i]);
    EXPECT_FALSE(entries[0]->isEnabled());

    // Items keep their captions.
    const std::pair<const char*, const char*> items[] = {
        {"Btnouveau", "&New Image..."},    {"Btenregistrer", "&Save"},
        {"Supprimer1", "&Delete"},         {"Btparamjpg", "O&ptions..."},
        {"Copier1", "&Copy"},              {"Commenouvelleimage1", "Paste as &New Image"},
        {"Mlangerlexistant1", "&Paste into the Current Image..."},
        {"Memoriser", "&Memorize"},        {"Effacer1", "&Erase"},
        {"Btmixdegrad", "&Gradient..."},   {"Btmiximage", "&Image..."},
        {"PPimage", "&Clipboard Image..."}, {"GradientLumiere", "&Lighten Gradient..."},
        {"NivGris", "Grey &Scale"},        {"LissageAuto", "&Auto Smooth"},
        {"FlouGaussien", "&Gaussian Blur..."}, {"Equilibrer1", "&Flesh Colour Balance"},
        {"Equilibrer2", "&Landscape Colour Balance"}, {"Initmacro", "&Start"},
        {"Fermer", "&Close"},              {"Executer", "&Execute"},
        {"Redimensionner1", "&New Size..."}, {"Aide1", "Lumora &Help"},
    };
    for (const auto& [name, caption] : items) {
        QAction* a = Action(w, name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text(), QString::fromUtf8(caption)) << name;
    }
}

TEST(Startup, ColourMenuHasTheSixShifts) {
    App();
    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    QMenu* menu = w.ColorChangePopupMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("ColorChangePopupMenu"));
    QStringList captions;
    int separators = 0;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) ++separators;
        else captions << a->text();
    }
    EXPECT_EQ(captions, QStringList({"Red to Green by 10%", "Red to Blue by 10%", "Green to Red by 10%",
                                     "Green to Blue by 10%", "Blue to Red by 10%", "Blue to Green by 10%"}));
    EXPECT_EQ(separators, 2);
}

TEST(Startup, TheLogoIsTheFirstPhotoWithAnEmptyName) {
    App();
    QTemporaryDir dir;
    const QString logo = WriteJpeg(dir.filePath("LumoraLogo.jpg"), 120, 90);
    const QString saved = MainWindow::StartupLogoPath();
    MainWindow::SetStartupLogoPath(logo);
    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    w.show();
    EXPECT_TRUE(PumpUntil([&] { return w.State().picture.Baseline().width() == 120; }));
    MainWindow::SetStartupLogoPath(saved);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Lumora"));  // the logo is no photo of the user's
    EXPECT_EQ(w.State().picture.Work().height(), 90);
    EXPECT_FALSE(w.State().file.Loaded());
    EXPECT_TRUE(w.editor().Saved());
    EXPECT_FALSE(w.findChild<QWidget*>("ViewOrginalPhotoToolWindow")->isVisible());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST(Startup, APhotoGivenAtStartIsOpenedAsIfPicked) {
    App();
    QTemporaryDir dir;
    const QString photo = WriteJpeg(dir.filePath("start.jpg"), 64, 48);
    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    w.OpenAfterStart(photo);
    w.show();
    EXPECT_TRUE(PumpUntil([&] { return w.State().picture.Baseline().width() == 64; }));
    Pump(50);
    // The window's first activation must not lose the name of the photo just opened.
    EXPECT_EQ(w.State().file.CurrentFileName(), photo.toStdString());
    EXPECT_EQ(w.windowTitle(), CaptionOf(photo));
    EXPECT_EQ(w.State().file.SaveFolder(), dir.path().toStdString());

    // Opened while the window was big enough, then the window shrinks (a window manager
    // placing it): the photo is fitted to the area it has now, and back at 100 % when it fits.
    const QString big = WriteJpeg(dir.filePath("big.jpg"), 400, 300);
    w.resize(1400, 900);
    Pump();
    w.OpenAfterStart(big);
    ASSERT_TRUE(LoadSettled(w));
    EXPECT_EQ(w.View()->Zoom(), 100);
    w.resize(700, 500);
    Pump();
    EXPECT_LT(w.View()->Zoom(), 100);
    w.resize(1400, 900);
    Pump();
    EXPECT_EQ(w.View()->Zoom(), 100);
}

TEST(Startup, TheArgumentsAreReadFromTheFolderTheProgramStartedIn) {
    App();
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("photos/empty"));
    const QString x = WriteJpeg(dir.filePath("photos/x.jpg"), 20, 10);
    const QString y = WriteJpeg(dir.filePath("y.jpg"), 20, 10);
    const QString start = dir.filePath("photos/empty");
    using Request = MainWindow::StartRequest;
    const auto read = [&](const QStringList& args, const QString& from) { return MainWindow::ReadStartArguments(args, from); };

    // Relative photos from where it started, whatever the current folder is now.
    Request r = read({"../x.jpg"}, start);
    EXPECT_EQ(r.photo, x);
    EXPECT_TRUE(r.folder.isEmpty());
    r = read({"photos/x.jpg", "y.jpg", "--seed", "5"}, dir.path());
    EXPECT_EQ(r.photo, x);  // the first; its folder shows the rest
    EXPECT_TRUE(r.missing.isEmpty());
    // A folder, a path that is not there, and a name after "--" that starts with a dash.
    r = read({"photos", "nothing.jpg", "--", "-odd.jpg"}, dir.path());
    EXPECT_EQ(r.folder, dir.filePath("photos"));
    EXPECT_EQ(r.missing, QStringList({"nothing.jpg", "-odd.jpg"}));
    // Nothing given: the start folder when it holds photos, else what the window starts in.
    EXPECT_EQ(read({}, dir.filePath("photos")).folder, dir.filePath("photos"));
    EXPECT_TRUE(read({}, start).folder.isEmpty());
    // An option names no photo or folder; nor does a path that is not there.
    EXPECT_EQ(read({"--seed=3"}, dir.filePath("photos")).folder, dir.filePath("photos"));
    r = read({"gone.jpg"}, dir.filePath("photos"));
    EXPECT_EQ(r.folder, dir.filePath("photos"));
    EXPECT_EQ(r.missing, QStringList({"gone.jpg"}));
}

TEST(Startup, TheWindowOpensTheFolderOrPhotoAskedForAndSaysWhatIsMissing) {
    App();
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("photos"));
    WriteJpeg(dir.filePath("photos/x.jpg"), 20, 10);
    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    w.StartWith(MainWindow::ReadStartArguments({"photos", "gone.jpg"}, dir.path()));
    w.show();
    auto* list = w.findChild<PhotoList*>("LsFilelistView282");
    EXPECT_TRUE(PumpUntil([&] { return list->Directory() == dir.filePath("photos") + QLatin1Char('/'); }));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "gone.jpg does not exist.");
    EXPECT_FALSE(w.State().picture.HasPicture());
    // Once the window is up, a photo asked for opens at once, in its folder.
    const QString bmp = dir.filePath("scan.bmp");
    lum::WriteFileAtomic(bmp.toStdString(), lum::EncodeBmp(Pattern(30, 20, 2)));
    w.StartWith(MainWindow::ReadStartArguments({"scan.bmp"}, dir.path()));
    EXPECT_TRUE(PumpUntil([&] { return w.ShownPhoto() == bmp; }));
    EXPECT_TRUE(w.State().picture.Work() == Pattern(30, 20, 2));
    EXPECT_EQ(list->Directory(), dir.path() + QLatin1Char('/'));
}
