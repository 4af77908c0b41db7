// SPDX-License-Identifier: GPL-3.0-or-later
// The menus of both windows: every item shown does something, mnemonics are unique in each
// menu, the Image menu runs the rows of the buttons beside it with their records, the keys of
// the two main actions, and the File menu's Open, Save As and Exit.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>
#include <cstring>
#include <set>

#include "GuiTestSupport.h"
#include "app/Program.h"
#include "app/CompareWindow.h"
#include "app/Dialogs.h"
#include "app/HelpWindow.h"
#include "editing/Operation.h"
#include "image/Codec.h"
#include "view/FolderTree.h"
#include "view/PhotoList.h"
#include "view/PaintToolbar.h"
#include "view/PhotoView.h"
#include "view/SelectionToolbar.h"
#include "widgets/ImageConvert.h"

using namespace guitest;
using Answer = lum::Prompts::Answer;

namespace {

// Every modal window is closed as soon as it is up; the ones seen are counted.
struct ModalCloser {
    QStringList seen;
    QTimer timer;
    ModalCloser() {
        timer.setInterval(3);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget* m = QApplication::activeModalWidget();
            if (!m || !m->isVisible()) return;
            seen << QString::fromLatin1(m->metaObject()->className());
            if (auto* d = qobject_cast<QDialog*>(m)) d->reject();
            else m->close();
        });
        timer.start();
    }
};

// What a user could notice of a window: its pictures, zoom, selection and recorder, what it
// asked or showed, its caption, the windows and controls on screen and the clipboard.
struct Noticed {
    lum::Image work, memory;
    int zoom = 0;
    lum::MacroState macroState = lum::MacroState::Closed;
    lum::SelectionKind selection = lum::SelectionKind::None;
    lum::ToolMode tool = lum::ToolMode::None;
    size_t asked = 0;
    QString caption;
    QStringList shown;
    QImage clipboard;
    QList<QSize> iconSizes;  // of the item views
    bool operator==(const Noticed& o) const {
        return work == o.work && memory == o.memory && zoom == o.zoom && selection == o.selection && tool == o.tool &&
               macroState == o.macroState && asked == o.asked && caption == o.caption && shown == o.shown &&
               clipboard == o.clipboard && iconSizes == o.iconSizes;
    }
};

Noticed Notice(lum::WindowShell& w, const lum::RecordingPrompts& p, const ModalCloser& closer) {
    Noticed n;
    const lum::EditState& st = w.State();
    n.work = st.picture.Work();
    n.memory = st.picture.Baseline();
    n.zoom = w.View()->Zoom();
    n.selection = st.selection.Kind();
    n.tool = st.tools.Mode();
    n.macroState = w.editor().Macro().State();
    n.asked = p.messages.size() + p.questions.size() + p.savePresets.size() + p.openFolders.size() + closer.seen.size();
    n.caption = w.windowTitle();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible()) n.shown << top->objectName();
    for (QWidget* child : w.findChildren<QWidget*>())
        if (child->isVisibleTo(&w)) n.shown << child->objectName();
    n.clipboard = QGuiApplication::clipboard()->image();
    for (QAbstractItemView* v : w.findChildren<QAbstractItemView*>()) n.iconSizes << v->iconSize();
    return n;
}

// The items of a menu and of its submenus, in order.
void Items(QMenu* menu, QList<QAction*>& out) {
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        if (a->menu()) Items(a->menu(), out);
        else out << a;
    }
}

QList<QAction*> MenuItems(lum::WindowShell& w) {
    QList<QAction*> out;
    for (QAction* entry : w.MenuBar()->actions())
        if (entry->menu()) Items(entry->menu(), out);
    Items(w.ZoomScalePopupMenu(), out);
    return out;
}

// Whether anything listens to an item (QObject keeps that to itself and its subclasses).
struct Listeners : QObject {
    static bool Any(const QObject* o, const QMetaMethod& signal) { return (o->*(&Listeners::isSignalConnected))(signal); }
};

bool Connected(QAction* a) {
    return Listeners::Any(a, QMetaMethod::fromSignal(&QAction::triggered)) ||
           Listeners::Any(a, QMetaMethod::fromSignal(&QAction::toggled));
}

class Menus : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        program = std::make_unique<lum::Program>(&prompts);
        main().resize(1000, 700);
        main().show();
        compare = std::make_unique<CompareWindow>(program->dialogs(), &prompts);
        compare->setWindowModality(Qt::NonModal);  // the closer closes modal windows
        compare->resize(1000, 700);
        Pump();
    }
    MainWindow& main() { return program->Window(); }
    // A picture, a different working image, a third picture on the clipboard, no selection,
    // the recorder as a window starts, the toolbars and the help hidden.
    void Prepare(lum::WindowShell& w) {
        if (!w.isVisible()) w.show();
        if (QWidget* help = w.helpWindow()) help->hide();
        w.editor().DropSelectionAndTool();
        if (&w == compare.get()) {
            compare->FillCompareWindow(Pattern(60, 40, 2), Pattern(60, 40, 1));
            compare->ShowAllButtons(false);
            compare->selectionToolbar()->hide();
            compare->paintToolbar()->hide();
        } else {
            w.State().picture.Baseline() = Pattern(60, 40, 1);
            w.editor().CommitMemoryImage();
        }
        // Away from every zoom item's own scale, so each of them changes it.
        w.View()->ZoomToPercent(37);
        w.State().picture.Work() = Pattern(60, 40, 4);
        w.editor().Macro().InstallDefaults();
        QGuiApplication::clipboard()->setImage(lum::ToQImage(Pattern(30, 20, 3)));
        Pump(5);
    }

    lum::RecordingPrompts prompts;
    std::unique_ptr<lum::Program> program;
    std::unique_ptr<CompareWindow> compare;
};

}  // namespace

TEST_F(Menus, EveryItemShownAndEnabledDoesSomething) {
    ModalCloser closer;
    for (lum::WindowShell* w : std::initializer_list<lum::WindowShell*>{&main(), compare.get()}) {
        int tried = 0;
        for (QAction* a : MenuItems(*w)) {
            Prepare(*w);
            if (!a->isVisible() || !a->isEnabled()) continue;
            const std::string name = w->objectName().toStdString() + " " + a->objectName().toStdString();
            EXPECT_TRUE(Connected(a)) << name;
            const Noticed before = Notice(*w, prompts, closer);
            a->trigger();
            // Some answer once a job ends (printing prepares its pages on the pool first).
            EXPECT_TRUE(PumpUntil([&] { return !(Notice(*w, prompts, closer) == before); }, 3000))
                << name << " changed nothing";
            ++tried;
        }
        // The design's items, the Image and Help menus, and the zoom items.
        EXPECT_GE(tried, w == compare.get() ? 59 : 54) << w->objectName().toStdString();
    }
    // What has no meaning is not offered.
    EXPECT_FALSE(Action(main(), "Imageoriginale1")->isVisible());
    EXPECT_FALSE(Action(*compare, "Imageoriginale1")->isVisible());
}

TEST_F(Menus, MnemonicsAreUniqueInEachMenu) {
    for (lum::WindowShell* w : std::initializer_list<lum::WindowShell*>{&main(), compare.get()}) {
        // The bar, its menus and their submenus (the folder views' own menus are theirs).
        QList<QWidget*> menus{w->MenuBar()};
        for (int i = 0; i < menus.size(); ++i)
            for (QAction* a : menus[i]->actions())
                if (a->menu()) menus << a->menu();
        for (QWidget* menu : menus) {
            std::set<QChar> letters;
            for (QAction* a : menu->actions()) {
                // Alt or F10 shows every entry of the bar, whatever the design hides.
                if (a->isSeparator() || (menu != w->MenuBar() && !a->isVisible())) continue;
                const QString text = a->text().section(QLatin1Char('\t'), 0, 0).replace(QStringLiteral("&&"), QString());
                const int at = text.indexOf(QLatin1Char('&'));
                if (at < 0 || at + 1 >= text.size()) continue;
                EXPECT_TRUE(letters.insert(text[at + 1].toLower()).second)
                    << w->objectName().toStdString() << " " << menu->objectName().toStdString() << ": " << text.toStdString();
            }
        }
    }
}

TEST_F(Menus, TheImageMenuRunsTheRowsOfTheButtonsWithTheirRecords) {
    struct Pair {
        lum::WindowShell* w;
        const char* item;
        const char* control;  // the button, or the row's other control, in that window
    };
    const Pair pairs[] = {
        {&main(), "RotateLeftItem", "Btrot90"},
        {&main(), "RotateRightItem", "SpeedButton1"},
        {compare.get(), "RotateRightItem", "Btrot90"},
        {compare.get(), "MirrorHorizontallyItem", "BtmiroirH"},
        {compare.get(), "MirrorVerticallyItem", "NBtmiroirV"},
    };
    for (const Pair& p : pairs) {
        lum::WindowShell& w = *p.w;
        const unsigned bit = &w == &main() ? lum::kMainWindow : lum::kCompareWindow;
        const auto recorded = [&](const std::function<void()>& run) {
            Prepare(w);
            w.editor().Macro().Start();
            run();
            std::vector<lum::MacroAction> actions(w.editor().Macro().Actions().begin(),
                                                  w.editor().Macro().Actions().begin() + w.editor().Macro().Count());
            return std::make_pair(w.State().picture.Work(), actions);
        };
        const auto byItem = recorded([&] { Action(w, p.item)->trigger(); });
        const auto byControl = recorded([&] {
            if (QToolButton* b = w.findChild<QToolButton*>(QString::fromLatin1(p.control))) b->click();
            else EXPECT_TRUE(w.RunCommand(p.control)) << p.control;
        });
        EXPECT_TRUE(byItem.first == byControl.first) << p.item;
        EXPECT_FALSE(byItem.first == Pattern(60, 40, 4)) << p.item;
        EXPECT_EQ(byItem.second, byControl.second) << p.item;
        EXPECT_EQ(lum::FindCommand(p.item, bit).op, lum::FindCommand(p.control, bit).op) << p.item;
    }
    // The shifts are recorded with their kind; the turn and the mirror of the main window,
    // which has no buttons for them, go the way their names say.
    Prepare(main());
    main().editor().Macro().Start();
    Action(main(), "GreenChangetoBlue101")->trigger();
    EXPECT_EQ(main().editor().Macro().Actions()[0], (lum::MacroAction{12, 4, 0, 0}));
    const lum::Image before = Pattern(60, 40, 4);
    Prepare(main());
    Action(main(), "RotateLeftItem")->trigger();  // the top right corner comes to the top left
    ASSERT_EQ(main().State().picture.Work().width(), 40);
    EXPECT_EQ(std::memcmp(main().State().picture.Work().pixel(0, 0), before.pixel(59, 0), 3), 0);
    EXPECT_EQ(std::memcmp(main().State().picture.Work().pixel(39, 59), before.pixel(0, 39), 3), 0);
    Prepare(main());
    Action(main(), "MirrorVerticallyItem")->trigger();
    for (int y : {0, 17, 39})
        EXPECT_EQ(std::memcmp(main().State().picture.Work().pixel(5, y), before.pixel(5, 39 - y), 3), 0);
    EXPECT_EQ(Action(main(), "RotateLeftItem")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_EQ(Action(*compare, "RotateRightItem")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
}

TEST_F(Menus, OptimizeAndCompareFromTheKeyboard) {
    Prepare(main());
    int opened = 0;
    main().SetCompareWindowOpener([&](QWidget*, const lum::ComparedPhoto&, MainWindow::CompareClosed closed) {
        ++opened;
        closed(std::nullopt);
    });
    QWidget* focus = main().View();
    QApplication::setActiveWindow(&main());
    QTest::keyClick(focus, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(main().State().file.Optimized());
    EXPECT_FALSE(main().editor().Saved());
    QTest::keyClick(focus, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(opened, 1);
    // Shown in the menus with their keys.
    EXPECT_EQ(Action(main(), "OptimizeItem")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(Action(main(), "CompareItem")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    EXPECT_EQ(Action(main(), "OptimizeItem")->text(), QStringLiteral("&Optimize the Photo"));
    // Escape closes the compare window, asking first about its changes.
    Prepare(*compare);
    compare->show();
    QApplication::setActiveWindow(compare.get());
    compare->RunCommand("Btdur");
    prompts.choiceAnswers = {3, 2};  // cancel, then discard the changes
    QTest::keyClick(compare->View(), Qt::Key_Escape);
    EXPECT_TRUE(compare->isVisible());
    QTest::keyClick(compare->View(), Qt::Key_Escape);
    EXPECT_FALSE(compare->isVisible());
    EXPECT_EQ(prompts.questions.size(), 2u);
}

TEST_F(Menus, FileOpenSaveAsAndExitInBothWindows) {
    QTemporaryDir dir;
    const QString a = WriteJpeg(dir.filePath("a.jpg"), 64, 48), b = WriteJpeg(dir.filePath("b.jpg"), 48, 64);
    QTemporaryDir other;
    const QString c = WriteJpeg(other.filePath("c.jpg"), 30, 20);
    MainWindow& w = main();
    // Open: the dialog starts in the listed folder, later in the shown photo's folder; the photo
    // opens as a click would.
    w.findChild<FolderTree*>("LsDirTree211")->OpenPath(dir.path());
    Pump();
    prompts.openPaths = {a.toStdString(), c.toStdString()};
    Action(w, "Ouvrir1")->trigger();
    ASSERT_TRUE(LoadSettled(w));
    EXPECT_EQ(prompts.openFolders.back(), dir.path().toStdString());
    EXPECT_EQ(w.ShownPhoto(), a);
    w.RunCommand("Btrot90");
    prompts.threeWayAnswers = {Answer::No};
    Action(w, "Ouvrir1")->trigger();
    ASSERT_TRUE(LoadSettled(w));
    EXPECT_EQ(prompts.openFolders.back(), dir.path().toStdString());
    EXPECT_EQ(prompts.questions.back(), "Unsaved Changes: Save the changes to a.jpg before opening c.jpg?");
    EXPECT_EQ(w.ShownPhoto(), c);
    EXPECT_EQ(w.findChild<PhotoList*>("LsFilelistView282")->Directory(), other.path() + QLatin1Char('/'));

    // Save As always asks for a name, and asks before replacing.
    w.RunCommand("SpeedButton1");
    prompts.savePaths = {b.toStdString()};
    prompts.answers = {false};
    Action(w, "Enregistrersous1")->trigger();
    EXPECT_EQ(prompts.questions.back().rfind("Save or Replace?", 0), 0u);
    EXPECT_FALSE(w.editor().Saved());
    const QString copy = dir.filePath("c-turned.bmp");
    prompts.savePaths = {copy.toStdString()};
    Action(w, "Enregistrersous1")->trigger();
    EXPECT_TRUE(w.editor().Saved());
    EXPECT_EQ(lum::LoadPicture(copy.toStdString()).format, lum::FileFormat::Bmp);  // saved by its name

    // In the compare window Open closes the window (with its question), then the main window
    // opens the photo.
    bool shown = false;
    QTimer::singleShot(50, [&] {
        auto* cw = qobject_cast<CompareWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(cw, nullptr);
        shown = true;
        EXPECT_EQ(cw->windowTitle(), lum::WindowShell::Caption(QStringLiteral("Comparing c-turned.bmp"), false));
        cw->RunCommand("Btdur");
        prompts.openPaths = {b.toStdString()};
        prompts.choiceAnswers = {2};  // discard the changes made here
        Action(*cw, "Ouvrir1")->trigger();
    });
    Action(w, "CompareItem")->trigger();
    ASSERT_TRUE(PumpUntil([&] { return shown; }));
    ASSERT_TRUE(LoadSettled(w));
    EXPECT_TRUE(shown);
    EXPECT_EQ(w.ShownPhoto(), b);
    EXPECT_EQ(prompts.openFolders.back(), dir.path().toStdString());

    // Exit closes the window it is in, with the window's question.
    w.RunCommand("SpeedButton1");
    prompts.threeWayAnswers = {Answer::Cancel, Answer::No};
    Action(w, "Quitter1")->trigger();
    EXPECT_TRUE(w.isVisible());
    Action(w, "Quitter1")->trigger();
    EXPECT_FALSE(w.isVisible());
    compare->show();
    Action(*compare, "Quitter1")->trigger();
    EXPECT_FALSE(compare->isVisible());
}
