// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>

#include "FolderTestSupport.h"
#include "view/FolderTree.h"
#include "view/PhotoList.h"
#include "view/FolderLink.h"

using namespace foldertest;
using lum::files::Drive;

namespace {

class DirTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(tmp.isValid());
        root = tmp.path();
        QDir(root).mkpath("Photos/2023/Summer");
        QDir(root).mkpath("Photos/2024");
        QDir(root).mkpath("Music");
        WriteSized(root + "/Photos/2023/a.jpg", 100);
        tree.SetPrompts(&prompts);
        list.SetPrompts(&prompts);
        tree.SetDrives({Drive{"Scratch", root + "/", "ext4", false}});
        lum::LinkFolderViews(&tree, &list);
        QObject::connect(&tree, &FolderTree::FolderSelected, [this](const QString& p) { changes << p; });
        tree.resize(300, 500);
    }
    QString P(const QString& name) const { return root + "/" + name; }
    QStringList ChildNames(QTreeWidgetItem* n) const {
        QStringList out;
        for (int i = 0; i < n->childCount(); ++i) out << n->child(i)->text(0);
        return out;
    }

    AppFirst app_;
    QTemporaryDir tmp{ScratchBase() + "/tree-XXXXXX"};
    QString root;
    ScriptedPrompts prompts;
    FolderTree tree;
    PhotoList list;
    QStringList changes;
};

TEST_F(DirTreeTest, RootWithOneNodePerDriveReadLazily) {
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    QTreeWidgetItem* rootNode = tree.topLevelItem(0);
    EXPECT_EQ(rootNode->text(0), "Drives");
    EXPECT_TRUE(rootNode->isExpanded());
    ASSERT_EQ(rootNode->childCount(), 1);
    QTreeWidgetItem* drive = rootNode->child(0);
    EXPECT_EQ(drive->text(0), "Scratch");
    EXPECT_EQ(tree.PathOf(drive), root + "/");
    // Nothing is read before the node is opened.
    EXPECT_EQ(drive->childCount(), 0);
    drive->setExpanded(true);
    EXPECT_EQ(ChildNames(drive), (QStringList{"Music", "Photos"}));
    EXPECT_EQ(drive->child(1)->childCount(), 0);
    EXPECT_TRUE(changes.isEmpty());
}

TEST_F(DirTreeTest, TheRealVolumesIncludeRootAndHome) {
    const QList<Drive> drives = lum::files::MountedDrives();
    ASSERT_FALSE(drives.isEmpty());
    EXPECT_EQ(drives.front().path, "/");
    bool home = false;
    for (const Drive& d : drives) {
        home = home || d.path == lum::files::WithSlash(QDir::homePath());
        EXPECT_FALSE(d.path.startsWith("/proc/") || d.path.startsWith("/sys/")) << d.path.toStdString();
        EXPECT_TRUE(d.path.endsWith('/'));
    }
    EXPECT_TRUE(home || QDir::homePath() == "/");
    EXPECT_EQ(lum::files::DriveIndexOf(drives, QDir::homePath() + "/x"),
              lum::files::DriveIndexOf(drives, QDir::homePath()));
}

TEST_F(DirTreeTest, OpenPathWalksDownLevelByLevel) {
    ASSERT_TRUE(tree.OpenPath(P("Photos/2023")));
    EXPECT_EQ(tree.SelectedPath(), P("Photos/2023/"));
    EXPECT_EQ(changes, QStringList{P("Photos/2023/")});
    ASSERT_NE(tree.currentItem(), nullptr);
    EXPECT_EQ(tree.currentItem()->text(0), "2023");
    EXPECT_TRUE(tree.currentItem()->isExpanded());
    EXPECT_TRUE(tree.currentItem()->parent()->isExpanded());
    EXPECT_EQ(ChildNames(tree.currentItem()), QStringList{"Summer"});
    // The linked list shows the folder.
    EXPECT_EQ(list.Directory(), P("Photos/2023/"));

    // Hidden folders get a node when a path leads through them; missing paths change nothing.
    QDir(root).mkpath(".cache/thumbs");
    ASSERT_TRUE(tree.OpenPath(P(".cache/thumbs")));
    EXPECT_EQ(tree.SelectedPath(), P(".cache/thumbs/"));
    EXPECT_FALSE(tree.OpenPath(P("nope")));
    EXPECT_EQ(tree.SelectedPath(), P(".cache/thumbs/"));
    EXPECT_EQ(changes.size(), 2);

    ASSERT_TRUE(tree.OpenPath("Drives"));
    EXPECT_EQ(tree.SelectedPath(), "Drives");
    EXPECT_EQ(list.Directory(), "Drives");
}

TEST_F(DirTreeTest, SetSelectedPathOnlyRecords) {
    ASSERT_TRUE(tree.OpenPath(P("Photos")));
    QTreeWidgetItem* before = tree.currentItem();
    changes.clear();
    tree.SetSelectedPath(P("Photos/2024"));
    EXPECT_EQ(tree.SelectedPath(), P("Photos/2024/"));
    EXPECT_EQ(tree.currentItem(), before);
    EXPECT_EQ(list.Directory(), P("Photos/"));
    EXPECT_TRUE(changes.isEmpty());
    tree.SetSelectedPath("Drives");
    EXPECT_EQ(tree.SelectedPath(), "Drives");
}

TEST_F(DirTreeTest, MousePressSelectsAndRaisesFolderSelected) {
    tree.show();
    Pump();
    QTreeWidgetItem* drive = tree.topLevelItem(0)->child(0);
    Send(tree.viewport(), QEvent::MouseButtonPress, tree.visualItemRect(drive).center(), Qt::LeftButton);
    Send(tree.viewport(), QEvent::MouseButtonRelease, tree.visualItemRect(drive).center(), Qt::LeftButton);
    EXPECT_EQ(changes, QStringList{root + "/"});
    EXPECT_EQ(tree.SelectedPath(), root + "/");
    EXPECT_EQ(list.Directory(), root + "/");
    EXPECT_EQ(drive->childCount(), 2);  // read on the press

    // A right press only picks the node for the popup.
    drive->setExpanded(true);
    Pump();
    QTreeWidgetItem* music = drive->child(0);
    Send(tree.viewport(), QEvent::MouseButtonPress, tree.visualItemRect(music).center(), Qt::RightButton);
    EXPECT_EQ(changes.size(), 1);
    EXPECT_EQ(tree.currentItem(), drive);

    // The root reads the drives and shows them in the list.
    Click(tree.viewport(), tree.visualItemRect(tree.topLevelItem(0)).center());
    EXPECT_EQ(tree.SelectedPath(), "Drives");
    EXPECT_EQ(list.Directory(), "Drives");
}

TEST_F(DirTreeTest, RemovableDriveNotReady) {
    tree.SetDrives({Drive{"Scratch", root + "/", "ext4", false}, Drive{"Card", "/nonexistent/lumora-card/", "vfat", true},
                    Drive{"Odd", "", "", true}});
    QTreeWidgetItem* card = tree.topLevelItem(0)->child(1);
    tree.SelectNode(card);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "There is no disc in the drive /nonexistent/lumora-card,\nor the drive is not ready.");
    EXPECT_TRUE(changes.isEmpty());
    EXPECT_TRUE(tree.SelectedPath().isEmpty());
    tree.SelectNode(tree.topLevelItem(0)->child(2));
    EXPECT_EQ(prompts.Last(), "This is not a valid drive.");
    EXPECT_TRUE(changes.isEmpty());

    // A mounted removable volume is used like any other.
    EXPECT_TRUE(tree.CheckDrive(Drive{"Here", "/", "", false}));
}

TEST_F(DirTreeTest, NewFolderNameChecks) {
    const QStringList before = Snapshot(root);
    for (QChar c : QStringLiteral("\\*?/=\"<>|:,;+^")) {
        prompts.messages.clear();
        EXPECT_FALSE(tree.CreateFolderIn(P("Music"), QStringLiteral("bad") + c + "name")) << QString(c).toStdString();
        EXPECT_EQ(prompts.Last(), FolderTree::InvalidNameText().toStdString());
    }
    EXPECT_EQ(FolderTree::InvalidNameText(),
              "A folder name cannot contain any of these characters: \\ * ? / = \" < > | : , ; + ^");
    EXPECT_EQ(Snapshot(root), before);

    EXPECT_FALSE(tree.CreateFolderIn("Drives", "x"));
    EXPECT_EQ(prompts.Last(), "Folders cannot be added among the drives: choose a drive or a folder.");
    tree.setCurrentItem(tree.topLevelItem(0));
    tree.NewFolder();
    EXPECT_EQ(prompts.Last(), "Folders cannot be added among the drives: choose a drive or a folder.");
    EXPECT_FALSE(tree.CreateFolderIn(P("Music"), ""));
    EXPECT_EQ(prompts.Last(), "A name cannot be empty.");
    EXPECT_FALSE(tree.CreateFolderIn(P("Music"), "  "));
    EXPECT_EQ(prompts.Last(), "A name cannot be empty.");
    EXPECT_FALSE(tree.CreateFolderIn(P("Music"), ".."));
    EXPECT_EQ(prompts.Last(), ".. cannot be used as a name.");
    EXPECT_EQ(Snapshot(root), before);

    // The command proposes "New Folder" and creates what the user typed.
    ASSERT_TRUE(tree.OpenPath(P("Music")));
    prompts.texts.push_back("New Folder");
    prompts.messages.clear();
    tree.NewFolder();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(QFileInfo(P("Music/New Folder")).isDir());
    EXPECT_EQ(ChildNames(tree.currentItem()), QStringList{"New Folder"});
    EXPECT_TRUE(tree.currentItem()->isExpanded());
    // Taken now.
    EXPECT_FALSE(tree.CreateFolderIn(P("Music"), "New Folder"));
    EXPECT_EQ(prompts.Last(), "A folder named New Folder already exists.");
}

TEST_F(DirTreeTest, RenameFolderAsksAndChecks) {
    ASSERT_TRUE(tree.OpenPath(P("Photos/2023/Summer")));
    const QStringList before = Snapshot(root);

    EXPECT_FALSE(tree.RenameFolder(P("Photos/2023"), "20:23"));
    EXPECT_EQ(prompts.Last(), FolderTree::InvalidNameText().toStdString());
    EXPECT_TRUE(prompts.questions.empty());

    // No: nothing happens.
    EXPECT_FALSE(tree.RenameFolder(P("Photos/2023"), "Year 2023"));
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0], "Rename Folder|Do you want to rename the folder 2023 to Year 2023?");
    EXPECT_EQ(Snapshot(root), before);

    // A name that is taken is said before anything is asked.
    EXPECT_FALSE(tree.RenameFolder(P("Photos/2023"), "2024"));
    EXPECT_EQ(prompts.Last(), "A folder named 2024 already exists.");
    EXPECT_FALSE(tree.RenameFolder(P("Photos/2023"), ""));
    EXPECT_EQ(prompts.Last(), "A name cannot be empty.");
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(Snapshot(root), before);

    EXPECT_FALSE(tree.RenameFolder(root + "/", "x"));
    EXPECT_EQ(prompts.Last(), "Drives cannot be renamed here.");

    // Yes: renamed, and the selection below it follows.
    changes.clear();
    prompts.answers.push_back(true);
    EXPECT_TRUE(tree.RenameFolder(P("Photos/2023"), "Year 2023"));
    EXPECT_TRUE(QFileInfo(P("Photos/Year 2023/Summer")).isDir());
    EXPECT_FALSE(QFileInfo::exists(P("Photos/2023")));
    EXPECT_EQ(QFileInfo(P("Photos/Year 2023/a.jpg")).size(), 100);
    EXPECT_EQ(tree.SelectedPath(), P("Photos/Year 2023/Summer/"));
    EXPECT_EQ(list.Directory(), P("Photos/Year 2023/Summer/"));
    EXPECT_EQ(changes.back(), P("Photos/Year 2023/Summer/"));
    QTreeWidgetItem* photos = tree.NodeOf(P("Photos"));
    ASSERT_NE(photos, nullptr);
    EXPECT_EQ(ChildNames(photos), (QStringList{"2024", "Year 2023"}));

    // Through the command, with the scripted name.
    ASSERT_TRUE(tree.OpenPath(P("Music")));
    prompts.texts.push_back("Songs");
    prompts.answers.push_back(true);
    tree.AskFolderRename();
    EXPECT_TRUE(QFileInfo(P("Songs")).isDir());
    EXPECT_EQ(tree.SelectedPath(), P("Songs/"));
}

TEST_F(DirTreeTest, DeleteFolderToTheTrash) {
    ASSERT_TRUE(tree.OpenPath(P("Photos/2024")));
    tree.DeleteFolder();  // answered No
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_TRUE(QFileInfo(P("Photos/2024")).isDir());

    // A folder removed behind our back.
    QDir(P("Photos/2024")).removeRecursively();
    tree.DeleteFolder();
    EXPECT_EQ(prompts.Last(), P("Photos/2024").toStdString() + " is not there any more.");
    EXPECT_EQ(prompts.questions.size(), 1u);

    ASSERT_TRUE(tree.OpenPath(P("Photos/2023/Summer")));
    prompts.answers.push_back(true);
    tree.DeleteFolder();
    EXPECT_FALSE(QFileInfo::exists(P("Photos/2023/Summer")));
    EXPECT_TRUE(InTestTrash("Summer"));
    EmptyTestTrash();
    EXPECT_TRUE(QFileInfo::exists(P("Photos/2023/a.jpg")));
    // The selection moves up to the folder that held it.
    EXPECT_EQ(tree.SelectedPath(), P("Photos/2023/"));
    EXPECT_EQ(list.Directory(), P("Photos/2023/"));

    tree.setCurrentItem(tree.topLevelItem(0)->child(0));
    tree.DeleteFolder();
    EXPECT_EQ(prompts.Last(), "Drives cannot be deleted here.");
    EXPECT_TRUE(QFileInfo(root).isDir());
}

TEST_F(DirTreeTest, CopyAndPasteFolders) {
    ASSERT_TRUE(tree.OpenPath(P("Photos/2023")));
    tree.CopyFolder();
    EXPECT_EQ(lum::files::FilesOnClipboard(nullptr), QStringList{P("Photos/2023")});
    // Into itself: refused, nothing written.
    const QStringList before = Snapshot(root);
    tree.PasteIntoFolder();
    EXPECT_EQ(prompts.Last(), "Could not copy 2023 into 2023: a folder cannot go inside itself.");
    EXPECT_EQ(Snapshot(root), before);

    ASSERT_TRUE(tree.OpenPath(P("Music")));
    tree.PasteIntoFolder();
    EXPECT_EQ(QFileInfo(P("Music/2023/a.jpg")).size(), 100);
    EXPECT_TRUE(QFileInfo(P("Music/2023/Summer")).isDir());
    EXPECT_TRUE(QFileInfo(P("Photos/2023/a.jpg")).exists());
    EXPECT_EQ(ChildNames(tree.currentItem()), QStringList{"2023"});

    // Cut: moved.
    ASSERT_TRUE(tree.OpenPath(P("Photos/2024")));
    tree.CutFolder();
    ASSERT_TRUE(tree.OpenPath(P("Music")));
    tree.PasteIntoFolder();
    EXPECT_TRUE(QFileInfo(P("Music/2024")).isDir());
    EXPECT_FALSE(QFileInfo::exists(P("Photos/2024")));
    EXPECT_EQ(ChildNames(tree.NodeOf(P("Photos"))), QStringList{"2023"});
}

TEST_F(DirTreeTest, ReportsAndNetworkDrives) {
    ASSERT_TRUE(tree.OpenPath(P("Photos")));
    tree.ShowTreeSize();
    ASSERT_EQ(prompts.shown.size(), 1u);
    const QString size = QString::fromStdString(prompts.shown[0]);
    EXPECT_TRUE(size.startsWith("Tree Size|=== TREE SIZE ===\n\n" + P("Photos"))) << prompts.shown[0];
    EXPECT_TRUE(size.contains("Files: 1"));
    EXPECT_TRUE(size.contains("Folders: 3"));
    EXPECT_TRUE(size.contains("Size: 1 KB (100 bytes)"));

    tree.ShowFolderContents();
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_TRUE(QString::fromStdString(prompts.shown[1]).contains("[2023]"));

    tree.MapNetworkDrive();
    tree.DisconnectNetworkDrive();
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_NE(prompts.messages[0].find("file manager"), std::string::npos);
    EXPECT_NE(prompts.messages[1].find("file manager"), std::string::npos);
}

TEST_F(DirTreeTest, PopupMenuCaptions) {
    QStringList captions;
    for (QAction* a : tree.PopupMenu()->actions()) captions << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(captions, (QStringList{"&New Folder", "&Rename Folder", "&Delete Folder", "-", "Cu&t", "&Copy", "&Paste", "-",
                                     "Tree &Size", "&Folder Contents", "-", "&Map Network Drive",
                                     "Disconnect Net&work Drive"}));
    captions.clear();
    for (QAction* a : list.PopupMenu()->actions()) captions << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(captions, (QStringList{"&Open", "&View", "&Send To", "-", "Cu&t", "&Copy", "&Paste", "-", "&Rename",
                                     "&Delete", "Propert&ies", "&New Folder..."}));
    captions.clear();
    for (QAction* a : list.SendToMenu()->actions()) captions << a->text();
    EXPECT_EQ(captions, (QStringList{"Any Folder...", "Clipboard as Contents", "Clipboard as File Name",
                                     "Desktop as Link"}));
}

}  // namespace

namespace {

// A drop of `files` on the tree at `at` (viewport pixels), with the keys held.
bool DropOn(FolderTree& tree, const QPoint& at, const QStringList& files, Qt::KeyboardModifiers keys) {
    std::unique_ptr<QMimeData> mime(lum::files::MakeFilesMimeData(files, false));
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, keys);
    QApplication::sendEvent(tree.viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, keys);
    QApplication::sendEvent(tree.viewport(), &move);
    if (!move.isAccepted()) return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, keys);
    QApplication::sendEvent(tree.viewport(), &drop);
    return drop.isAccepted();
}

}  // namespace

TEST_F(DirTreeTest, FilesDroppedOnAFolderMoveOrWithCtrlCopy) {
    WriteSized(P("Photos/2023/b.jpg"), 200);
    ASSERT_TRUE(tree.OpenPath(P("Photos/2023")));
    list.SetMask("*.jpg");
    tree.show();
    Pump();
    QTreeWidgetItem* music = tree.NodeOf(P("Music"));
    ASSERT_NE(music, nullptr);
    tree.scrollToItem(music);
    const QPoint onMusic = tree.visualItemRect(music).center();
    EXPECT_EQ(tree.DropNodeAt(onMusic), music);
    EXPECT_EQ(tree.DropNodeAt(tree.visualItemRect(tree.topLevelItem(0)).center()), nullptr) << "never among the drives";
    EXPECT_EQ(FolderTree::DropActionFor(Qt::NoModifier), Qt::MoveAction);
    EXPECT_EQ(FolderTree::DropActionFor(Qt::ControlModifier), Qt::CopyAction);

    // A plain drop moves; the list that showed the file no longer does, and selects the next one.
    ASSERT_NE(list.ItemOfPath(P("Photos/2023/a.jpg")), nullptr);
    list.setCurrentItem(list.ItemOfPath(P("Photos/2023/a.jpg")));
    EXPECT_TRUE(DropOn(tree, onMusic, {P("Photos/2023/a.jpg")}, Qt::NoModifier));
    EXPECT_EQ(QFileInfo(P("Music/a.jpg")).size(), 100);
    EXPECT_FALSE(QFile::exists(P("Photos/2023/a.jpg")));
    EXPECT_EQ(list.ItemOfPath(P("Photos/2023/a.jpg")), nullptr);
    ASSERT_NE(list.currentItem(), nullptr);
    EXPECT_EQ(list.currentItem()->text(0), "b.jpg");
    EXPECT_EQ(list.SelectedPaths(), QStringList{P("Photos/2023/b.jpg")});
    // Ctrl copies.
    EXPECT_TRUE(DropOn(tree, onMusic, {P("Photos/2023/b.jpg")}, Qt::ControlModifier));
    EXPECT_EQ(QFileInfo(P("Music/b.jpg")).size(), 200);
    EXPECT_TRUE(QFile::exists(P("Photos/2023/b.jpg")));
    EXPECT_TRUE(prompts.messages.empty());

    // The messages of a paste: already there, and what failed with its reason.
    EXPECT_TRUE(DropOn(tree, onMusic, {P("Music/a.jpg")}, Qt::NoModifier));
    EXPECT_EQ(prompts.Last(), "a.jpg is already in this folder: nothing was moved.");
    tree.DropFiles({P("Photos/gone.jpg")}, P("Music"), true);
    EXPECT_EQ(prompts.Last(), "Could not move gone.jpg into Music: " + lum::files::SystemReason(ENOENT).toStdString() + ".");
    tree.DropFiles({P("Photos")}, P("Photos/2024"), true);
    EXPECT_EQ(prompts.Last(), "Could not move Photos into 2024: a folder cannot go inside itself.");
    EXPECT_TRUE(QFileInfo(P("Photos/2024")).isDir());
    // A drop is no cut: the clipboard keeps what it had.
    lum::files::PutFilesOnClipboard({P("Music/b.jpg")}, true);
    EXPECT_TRUE(DropOn(tree, onMusic, {P("Photos/2023/b.jpg")}, Qt::NoModifier));
    EXPECT_EQ(lum::files::FilesOnClipboard(nullptr), QStringList{P("Music/b.jpg")});
    EXPECT_EQ(QFileInfo(P("Music/b (2).jpg")).size(), 200);
    // Not files: refused.
    QMimeData text;
    text.setText(QStringLiteral("words"));
    QDragMoveEvent words(onMusic, Qt::CopyAction | Qt::MoveAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &words);
    EXPECT_FALSE(words.isAccepted());
}

TEST_F(DirTreeTest, TheListsEmptySpaceOffersOnlyWhatNeedsNoItem) {
    ASSERT_TRUE(tree.OpenPath(P("Photos/2023")));
    list.resize(400, 300);
    list.show();
    Pump();
    auto names = [](QMenu* m) {
        QStringList out;
        for (QAction* a : m->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        return out;
    };
    QMenu* blank = list.MenuAt(QPoint(10, list.viewport()->height() - 5));
    EXPECT_EQ(blank, list.BlankMenu());
    EXPECT_EQ(names(blank), (QStringList{"ItemFolder", "ItemOpPaste", "-", "ItemRefresh"}));
    QStringList captions;
    for (QAction* a : blank->actions()) captions << a->text();
    EXPECT_EQ(captions, (QStringList{"&New Folder...", "&Paste", "", "Re&fresh"}));
    QApplication::clipboard()->clear();
    list.MenuAt(QPoint(10, list.viewport()->height() - 5));
    EXPECT_FALSE(blank->actions()[1]->isEnabled()) << "nothing to paste";
    EXPECT_TRUE(blank->actions()[0]->isEnabled());
    lum::files::PutFilesOnClipboard({P("Music")}, false);
    list.MenuAt(QPoint(10, list.viewport()->height() - 5));
    EXPECT_TRUE(blank->actions()[1]->isEnabled());

    // On an item: the item's menu, about that item.
    QTreeWidgetItem* a = list.ItemOfPath(P("Photos/2023/a.jpg"));
    ASSERT_NE(a, nullptr);
    list.clearSelection();
    EXPECT_EQ(list.MenuAt(list.visualItemRect(a).center()), list.PopupMenu());
    EXPECT_EQ(list.SelectedPaths(), QStringList{P("Photos/2023/a.jpg")});

    // Refresh reads the folder again; among the drives nothing can be added.
    WriteSized(P("Photos/2023/new.jpg"), 5);
    list.BlankMenu()->actions()[3]->trigger();
    EXPECT_NE(list.ItemOfPath(P("Photos/2023/new.jpg")), nullptr);
    list.setDirectory("Drives");
    list.MenuAt(QPoint(10, list.viewport()->height() - 5));
    EXPECT_FALSE(blank->actions()[0]->isEnabled());
    EXPECT_FALSE(blank->actions()[1]->isEnabled());
}
