// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard reaches every button and shows where it is; the help window of the manual
// shipped with the program, reached by F1, the "?" button and the Help menu; web links that
// cannot be opened say so; the recorder says while it records.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest/QTest>
#include <set>

#include "GuiTestSupport.h"
#include "app/CompareWindow.h"
#include "app/Dialogs.h"
#include "app/HelpWindow.h"
#include "view/FolderTree.h"
#include "view/PhotoList.h"
#include "view/PhotoThumbView.h"
#include "view/PhotoView.h"
#include "widgets/Icons.h"

using namespace guitest;

namespace {

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

QString ManualText() {
    lum::EnsureLumoraResources();
    QFile f(QStringLiteral(":/manual/index.html"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

TEST(KeyboardAndHelp, TabReachesEveryButtonAndTheFocusIsPlainToSee) {
    App();
    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    w.show();
    QApplication::setActiveWindow(&w);
    Pump();
    std::set<QWidget*> reached;
    for (int i = 0; i < 40; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        reached.insert(focus);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    int buttons = 0;
    for (QToolButton* b : w.findChildren<QToolButton*>()) {
        if (!b->isVisible() || b->window() != &w) continue;
        ++buttons;
        EXPECT_TRUE(reached.count(b)) << b->objectName().toStdString();
    }
    EXPECT_EQ(buttons, 15);  // eight above the photo, four below, Version, Home and the list's view
    // Space presses the button that has the focus; the focused button wears a ring.
    QToolButton* optimize = w.findChild<QToolButton*>("ProcessingOptimumActionSpeedButton");
    const QImage plain = optimize->grab().toImage();
    optimize->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(optimize->hasFocus());
    const QImage ringed = optimize->grab().toImage();
    const QColor highlight = optimize->palette().color(QPalette::Highlight);
    EXPECT_NE(plain, ringed);
    EXPECT_EQ(ringed.pixelColor(ringed.width() / 2, 1), highlight);
    EXPECT_EQ(ringed.pixelColor(1, ringed.height() / 2), highlight);
    int help = 0;
    QObject::connect(w.findChild<QToolButton*>("SpeedButton2"), &QToolButton::clicked, [&] { ++help; });
    w.findChild<QToolButton*>("SpeedButton2")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(help, 1);
}

TEST(KeyboardAndHelp, TheMenusTheSelectionAndTheTreeAnswerTheKeys) {
    App();
    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    w.show();
    auto* tree = w.findChild<FolderTree*>("LsDirTree211");
    auto* list = w.findChild<PhotoList*>("LsFilelistView282");
    QTemporaryDir dir;
    for (const char* sub : {"a", "b"}) QDir(dir.path()).mkdir(QString::fromLatin1(sub));
    int listed = 0;
    QObject::connect(list, &PhotoList::DirectoryChanged, [&] { ++listed; });
    QWidget* canvas = w.View()->Canvas();
    auto opens = [&w](const char* m) { return [&w, m] { return w.MenuBar()->isVisible() && QApplication::activePopupWidget() == w.findChild<QMenu*>(m); }; };
    // The selection's colour tells the focused view from the other, and stays in sight there.
    auto looks = [&](QAbstractItemView* v) {
        v->setFocus();
        const QColor focused = v->palette().color(QPalette::Inactive, QPalette::Highlight);
        tree->setFocus();
        const QPalette p = v->palette();
        const QColor other = p.color(QPalette::Inactive, QPalette::Highlight);
        return focused != other && other != p.color(QPalette::Base) && other == p.color(QPalette::Active, QPalette::Highlight);
    };
    struct Case { const char* what; std::function<void()> act; std::function<bool()> holds; };
    const Case cases[] = {
        {"F10 opens the first menu", [&] { QTest::keyClick(canvas, Qt::Key_F10); }, opens("Fichier1")},
        {"the bar hides once the menu is left", [&] { CloseMenus(); }, [&] { return !w.MenuBar()->isVisible(); }},
        {"F10 again, and again over the shown bar", [&] { QTest::keyClick(canvas, Qt::Key_F10); QTest::keyClick(canvas, Qt::Key_F10); }, opens("Fichier1")},
        {"Alt and a letter with the bar hidden", [&] { CloseMenus(); QTest::keyClick(canvas, Qt::Key_E, Qt::AltModifier); }, opens("Edition1")},
        {"the details' selection", [&] { CloseMenus(); w.ShowThumbnails(false); }, [&] { return looks(list); }},
        {"the thumbnails' selection", [&] { w.ShowThumbnails(true); }, [&] { return looks(w.findChild<PhotoThumbView*>()); }},
        {"arrows pass folders by", [&] { tree->OpenPath(dir.path()); listed = 0; QTest::keyClick(tree, Qt::Key_Down); QTest::keyClick(tree, Qt::Key_Down); }, [&] { return listed == 0; }},
        {"and list the one they rest on", [] { Pump(FolderTree::kListPauseMs + 100); }, [&] { return listed == 1 && list->Directory() == QDir(dir.path()).filePath("b/"); }},
    };
    for (const Case& c : cases) {
        c.act();
        Pump();
        EXPECT_TRUE(c.holds()) << c.what;
    }
}

TEST(KeyboardAndHelp, TheHelpWindowShowsTheManualFromF1TheButtonAndTheMenu) {
    App();
    lum::RecordingPrompts prompts;
    lum::Dialogs dialogs;
    MainWindow w(&prompts);
    CompareWindow compare(dialogs, &prompts);
    compare.setWindowModality(Qt::NonModal);
    w.show();
    compare.show();
    const std::function<void()> ways[] = {
        [&] {
            QApplication::setActiveWindow(&w);
            QTest::keyClick(w.View(), Qt::Key_F1);
        },
        [&] { w.findChild<QToolButton*>("SpeedButton2")->click(); },
        [&] { Action(w, "Aide1")->trigger(); },
        [&] {
            QApplication::setActiveWindow(&compare);
            QTest::keyClick(compare.View(), Qt::Key_F1);
        },
    };
    for (const auto& way : ways) {
        for (lum::WindowShell* s : std::initializer_list<lum::WindowShell*>{&w, &compare})
            if (s->helpWindow()) s->helpWindow()->hide();
        way();
        Pump();
        lum::HelpWindow* help = w.helpWindow() && w.helpWindow()->isVisible() ? w.helpWindow() : compare.helpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->windowTitle(), QStringLiteral("Lumora Help"));
        const QString text = help->Browser()->toPlainText();
        for (const char* topic : {"The menus", "Keys", "Paint tools", "The command line", "lumora apply"})
            EXPECT_TRUE(text.contains(QString::fromLatin1(topic))) << topic;
    }
    EXPECT_TRUE(prompts.messages.empty());

    // Every link inside the manual leads to a place in it, and every item of the menus is
    // described there.
    const QString manual = ManualText();
    QRegularExpressionMatchIterator links = QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(manual);
    int count = 0;
    while (links.hasNext()) {
        const QString anchor = links.next().captured(1);
        ++count;
        EXPECT_TRUE(manual.contains(QStringLiteral("name=\"%1\"").arg(anchor))) << anchor.toStdString();
    }
    EXPECT_GE(count, 12);
    for (lum::WindowShell* s : std::initializer_list<lum::WindowShell*>{&w, &compare})
        for (QMenu* menu : s->MenuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
            for (QAction* a : menu->actions()) {
                if (a->isSeparator() || !a->isVisible()) continue;
                const QString caption = a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
                EXPECT_TRUE(manual.contains(caption, Qt::CaseInsensitive)) << caption.toStdString();
            }
}

TEST(KeyboardAndHelp, AWebPageThatCannotBeOpenedIsSaidWithItsAddress) {
    App();
    lum::RecordingPrompts prompts;
    MainWindow w(&prompts);
    w.show();
    // Without a browser (the offscreen desktop has none).
    w.findChild<QToolButton*>("TarnelhomeSpeedButton")->click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].find("could not be opened"), std::string::npos);
    EXPECT_NE(prompts.messages[0].find(MainWindow::HomePageUrl().toStdString()), std::string::npos);
    // With one, the page opens and nothing is said; the help's own links stay in the help.
    UrlCatcher browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    Action(w, "OnlineManualItem")->trigger();  // the manual that ships with the program
    emit w.helpWindow()->Browser()->anchorClicked(QUrl(QStringLiteral("#keys")));
    emit w.helpWindow()->Browser()->anchorClicked(QUrl(MainWindow::HomePageUrl()));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(browser.opened, QList<QUrl>({QUrl(MainWindow::HomePageUrl())}));
    EXPECT_EQ(MainWindow::HomePageUrl(), QStringLiteral("https://github.com/lumora/lumora"));
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(w.helpWindow()->Browser()->source().matches(lum::HelpWindow::ContentsUrl(), QUrl::RemoveFragment));
}

TEST(KeyboardAndHelp, TheWindowSaysWhileTheMacroRecords) {
    App();
    lum::RecordingPrompts prompts;
    lum::Dialogs dialogs;
    MainWindow w(&prompts);
    CompareWindow compare(dialogs, &prompts);
    for (lum::WindowShell* s : std::initializer_list<lum::WindowShell*>{&w, &compare}) {
        s->show();
        s->State().picture.Baseline() = Pattern(30, 20);
        s->editor().CommitMemoryImage();
        QStatusBar* bar = s->findChild<QStatusBar*>("StatusBar");
        ASSERT_NE(bar, nullptr);
        EXPECT_FALSE(bar->isVisible());
        Action(*s, "Initmacro")->trigger();
        EXPECT_TRUE(bar->isVisible());
        EXPECT_EQ(s->RecordingText(), QStringLiteral("Recording macro: 0 of 64 actions"));
        for (int i = 0; i < 5; ++i) s->RunCommand("NivGris");
        EXPECT_EQ(s->RecordingText(), QStringLiteral("Recording macro: 5 of 64 actions"));
        Action(*s, "Fermer")->trigger();
        EXPECT_FALSE(bar->isVisible());
        EXPECT_TRUE(s->RecordingText().isEmpty());
    }
}

#include "KeyboardAndHelpTest.moc"
