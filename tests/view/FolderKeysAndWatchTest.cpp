// SPDX-License-Identifier: GPL-3.0-or-later
// The folder views from the keyboard and against other programs: Enter and resting arrow keys
// open photos, hidden entries stay out until asked for, and folders and photos made or removed
// outside the program show up by themselves or with F5.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QKeyEvent>
#include <functional>

#include "FolderTestSupport.h"
#include "view/FolderTree.h"
#include "view/PhotoList.h"
#include "view/FolderLink.h"
#include "view/FolderWatch.h"

using namespace foldertest;

namespace {

bool PumpUntil(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

class FolderKeys : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        root = tmp.path();
        tree.SetPrompts(&prompts);
        list.SetPrompts(&prompts);
        list.SetOpener([this](const QUrl& u) {
            opened.push_back(u.toLocalFile());
            return true;
        });
        tree.SetDrives({lum::files::Drive{"Scratch", root + "/", "ext4", false}});
        lum::LinkFolderViews(&tree, &list);
        QObject::connect(&list, &PhotoList::EntryActivated, [this] { clicked << list.ActivatedPath(); });
        list.resize(500, 300);
        tree.resize(300, 300);
    }
    QString P(const QString& name) const { return root + "/" + name; }
    QTreeWidgetItem* Item(const QString& caption) const {
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            if (list.topLevelItem(i)->text(0) == caption) return list.topLevelItem(i);
        return nullptr;
    }
    QStringList Captions() const {
        QStringList out;
        for (int i = 0; i < list.topLevelItemCount(); ++i) out << list.topLevelItem(i)->text(0);
        return out;
    }
    void Key(QWidget* w, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(w, &release);
    }
    QStringList ChildNames(const QString& path) const {
        QStringList out;
        QTreeWidgetItem* n = tree.NodeOf(path);
        for (int i = 0; n && i < n->childCount(); ++i) out << n->child(i)->text(0);
        return out;
    }

    AppFirst app_;
    QTemporaryDir tmp{ScratchBase() + "/keys-XXXXXX"};
    QString root;
    ScriptedPrompts prompts;
    FolderTree tree;
    PhotoList list;
    QStringList clicked, opened;
};

}  // namespace

TEST_F(FolderKeys, EnterOpensAPhotoAsAClickAndAFolderAsADoubleClick) {
    WriteSized(P("a.jpg"), 10);
    QDir(root).mkdir("Sub");
    list.setDirectory(root);
    list.SetKeyboardOpenDelay(50);
    list.setCurrentItem(Item("a.jpg"));
    Key(&list, Qt::Key_Return);
    EXPECT_EQ(clicked, QStringList{P("a.jpg")});
    EXPECT_TRUE(opened.isEmpty());  // not handed to another program
    list.setCurrentItem(Item("Sub"));
    Key(&list, Qt::Key_Enter);
    EXPECT_EQ(list.Directory(), P("Sub/"));
    EXPECT_EQ(clicked.size(), 1);

    // Without keyboard opening, Enter on a file is the double click of the desktop.
    list.setDirectory(root);
    list.SetKeyboardOpenDelay(-1);
    list.setCurrentItem(Item("a.jpg"));
    Key(&list, Qt::Key_Return);
    EXPECT_EQ(opened, QStringList{P("a.jpg")});
}

TEST_F(FolderKeys, ArrowsOpenOnlyWhereTheyRest) {
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) WriteSized(P(name), 10);
    QDir(root).mkdir("Sub");
    list.setDirectory(root);
    list.SetKeyboardOpenDelay(80);
    list.show();
    Pump();
    list.setFocus();
    list.setCurrentItem(Item("Sub"));
    // Held down: three moves in a row open nothing on the way.
    Key(&list, Qt::Key_Down);
    Key(&list, Qt::Key_Down);
    Key(&list, Qt::Key_Down);
    EXPECT_TRUE(clicked.isEmpty());
    EXPECT_TRUE(list.KeyboardOpenPending());
    ASSERT_TRUE(PumpUntil([&] { return !clicked.isEmpty(); }));
    EXPECT_EQ(clicked, QStringList{P("c.jpg")});
    Pump();
    EXPECT_EQ(clicked.size(), 1);
    // Resting on a folder opens nothing; a click in between drops the pending open.
    Key(&list, Qt::Key_Home);
    ASSERT_TRUE(list.KeyboardOpenPending());
    list.FlushKeyboardOpen();
    EXPECT_EQ(clicked.size(), 1);
    Key(&list, Qt::Key_End);
    list.ActivateEntry(Item("a.jpg"));
    EXPECT_FALSE(list.KeyboardOpenPending());
    EXPECT_EQ(clicked, (QStringList{P("c.jpg"), P("a.jpg")}));
    // Off: the arrows only move.
    list.SetKeyboardOpenDelay(-1);
    Key(&list, Qt::Key_Up);
    EXPECT_FALSE(list.KeyboardOpenPending());
}

TEST_F(FolderKeys, HiddenEntriesStayOutUntilAskedFor) {
    QDir(root).mkpath(".cache/x");
    QDir(root).mkdir("Photos");
    WriteSized(P(".secret.jpg"), 10);
    WriteSized(P("shown.jpg"), 10);
    list.SetShowHidden(false);
    ASSERT_TRUE(tree.OpenPath(root));
    EXPECT_EQ(Captions(), (QStringList{" ^ Parent", "Photos", "shown.jpg"}));
    EXPECT_EQ(ChildNames(root), QStringList{"Photos"});

    list.SetShowHidden(true);
    tree.SetShowHidden(true);
    EXPECT_EQ(Captions(), (QStringList{" ^ Parent", ".cache", "Photos", ".secret.jpg", "shown.jpg"}));
    EXPECT_EQ(ChildNames(root), (QStringList{".cache", "Photos"}));

    tree.SetShowHidden(false);
    list.SetShowHidden(false);
    EXPECT_EQ(ChildNames(root), QStringList{"Photos"});
    EXPECT_EQ(Captions(), (QStringList{" ^ Parent", "Photos", "shown.jpg"}));
    // A hidden folder opened by its path keeps its node while it is on the way.
    ASSERT_TRUE(tree.OpenPath(P(".cache/x")));
    tree.RefreshLoaded();
    EXPECT_EQ(ChildNames(root), (QStringList{".cache", "Photos"}));
}

TEST_F(FolderKeys, ChangesMadeOutsideShowUpByThemselves) {
    QDir(root).mkdir("Old");
    lum::FolderWatch watch(&tree, &list);
    watch.SetSettleDelay(20);
    ASSERT_TRUE(tree.OpenPath(root));
    EXPECT_TRUE(watch.Watched().contains(root));
    EXPECT_EQ(ChildNames(root), QStringList{"Old"});

    // Another program adds a folder and a photo and removes a folder.
    QDir(root).mkdir("New");
    WriteSized(P("camera.jpg"), 10);
    QDir(root).rmdir("Old");
    ASSERT_TRUE(PumpUntil([&] { return Item("camera.jpg") && Item("New") && !Item("Old"); }));
    ASSERT_TRUE(PumpUntil([&] { return ChildNames(root) == QStringList{"New"}; }));

    // The list follows the folder it shows; the tree's open folders are watched.
    ASSERT_TRUE(tree.OpenPath(P("New")));
    EXPECT_TRUE(watch.Watched().contains(P("New")));
    EXPECT_TRUE(watch.Watched().contains(root));
    tree.NodeOf(root)->setExpanded(false);
    EXPECT_FALSE(watch.Watched().contains(root));
    EXPECT_TRUE(watch.Watched().contains(P("New")));  // still the list's folder

    // F5 reads everything again at once.
    list.setDirectory(root);
    QDir(root).mkdir("Quick");
    watch.RefreshAll();
    EXPECT_NE(Item("Quick"), nullptr);

    // Photos written one after the other, closer than the settle delay (a batch): the list
    // still shows them while they keep coming, not only once they stop.
    watch.SetSettleDelay(400);
    QElapsedTimer clock;
    clock.start();
    bool shownMeanwhile = false;
    for (int i = 0; i < 16 && !shownMeanwhile; ++i) {
        WriteSized(P(QStringLiteral("batch%1.jpg").arg(i)), 10);
        PumpUntil([] { return false; }, 150);
        shownMeanwhile = Item("batch0.jpg") != nullptr;
    }
    EXPECT_TRUE(shownMeanwhile);
    EXPECT_LT(clock.elapsed(), 16 * 150);
}

TEST_F(FolderKeys, ARefreshKeepsWhatIsOpenAndSelectedBelow) {
    QDir(root).mkpath("Photos/2023/Summer");
    ASSERT_TRUE(tree.OpenPath(P("Photos/2023/Summer")));
    QTreeWidgetItem* summer = tree.currentItem();
    ASSERT_NE(summer, nullptr);
    QDir(root).mkdir("Another");
    QDir(root).mkdir("Zebra");
    tree.RefreshPath(root);
    EXPECT_EQ(ChildNames(root), (QStringList{"Another", "Photos", "Zebra"}));
    EXPECT_EQ(tree.currentItem(), summer);
    EXPECT_TRUE(tree.NodeOf(P("Photos/2023"))->isExpanded());
    EXPECT_TRUE(tree.NodeOf(P("Photos"))->isExpanded());
    // A folder that went away takes its nodes, selected or not, with it.
    QDir(P("Photos")).removeRecursively();
    tree.RefreshPath(root);
    EXPECT_EQ(ChildNames(root), (QStringList{"Another", "Zebra"}));
    EXPECT_EQ(tree.NodeOf(P("Photos/2023")), nullptr);
}
