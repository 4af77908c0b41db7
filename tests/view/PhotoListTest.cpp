// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cerrno>

#include <QClipboard>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QMimeData>

#include "FolderTestSupport.h"
#include "view/FolderTree.h"
#include "view/PhotoList.h"
#include "view/FolderLink.h"

using namespace foldertest;

namespace {

class FileListTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(tmp.isValid());
        root = tmp.path();
        list.SetPrompts(&prompts);
        list.SetOpener([this](const QUrl& u) {
            opened.push_back(u.toLocalFile());
            return openResult;
        });
        list.resize(600, 400);
    }
    QString P(const QString& name) const { return root + "/" + name; }
    QStringList Captions() const {
        QStringList out;
        for (int i = 0; i < list.topLevelItemCount(); ++i) out << list.topLevelItem(i)->text(0);
        return out;
    }
    QTreeWidgetItem* Item(const QString& caption) const {
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            if (list.topLevelItem(i)->text(0) == caption) return list.topLevelItem(i);
        return nullptr;
    }
    QPoint Centre(QTreeWidgetItem* it) { return list.visualItemRect(it).center(); }
    void Show() {
        list.show();
        Pump();
    }

    AppFirst app_;
    QTemporaryDir tmp{ScratchBase() + "/list-XXXXXX"};
    QString root;
    ScriptedPrompts prompts;
    PhotoList list;
    QStringList opened;
    bool openResult = true;
};

TEST_F(FileListTest, ListsParentFoldersThenMatchingFiles) {
    QDir(root).mkdir("Sub");
    WriteSized(P("a.jpg"), 10);
    WriteSized(P("B.JPG"), 10);
    WriteSized(P("c.bmp"), 10);
    WriteSized(P("notes.txt"), 10);
    WriteSized(P(".hidden.jpg"), 10);
    list.SetMask("*.jpg");
    list.setDirectory(root);
    EXPECT_EQ(list.Directory(), root + "/");
    EXPECT_EQ(Captions(), (QStringList{" ^ Parent", "Sub", ".hidden.jpg", "a.jpg", "B.JPG"}));
    // The parent entry leads to the folder above; the first entry is selected.
    QTreeWidgetItem* parent = list.topLevelItem(0);
    EXPECT_TRUE(PhotoList::IsParentItem(parent));
    EXPECT_EQ(PhotoList::PathOfItem(parent), QFileInfo(root).absolutePath());
    EXPECT_EQ(parent->text(1), " ");
    EXPECT_EQ(parent->text(2), " ");
    EXPECT_TRUE(parent->isSelected());
    EXPECT_EQ(PhotoList::KindOfItem(Item("Sub")), "dir");
    EXPECT_EQ(PhotoList::KindOfItem(Item("a.jpg")), "file");
    EXPECT_EQ(PhotoList::PathOfItem(Item("a.jpg")), P("a.jpg"));

    // Hidden entries only when that class is asked for.
    list.SetFileType(PhotoList::ftReadOnly | PhotoList::ftSystem | PhotoList::ftArchive);
    list.Refresh();
    EXPECT_EQ(Item(".hidden.jpg"), nullptr);
    list.SetShowFolders(false);
    list.Refresh();
    EXPECT_EQ(Captions(), (QStringList{"a.jpg", "B.JPG"}));
}

TEST_F(FileListTest, MaskOfSeveralPatternsAndEmptyMask) {
    WriteSized(P("a.jpg"), 1);
    WriteSized(P("b.bmp"), 1);
    WriteSized(P("c.png"), 1);
    WriteSized(P("README"), 1);
    EXPECT_EQ(PhotoList::ParseMask(" *.bmp; *.jpg "), (QStringList{"*.bmp", "*.jpg"}));
    EXPECT_EQ(PhotoList::ParseMask("   "), (QStringList{"*.*"}));
    list.SetShowFolders(false);
    list.SetMask("*.bmp; *.jpg");
    list.setDirectory(root);
    EXPECT_EQ(Captions(), (QStringList{"a.jpg", "b.bmp"}));
    // Spaces only: everything, names without a dot included.
    list.SetMask("   ");
    EXPECT_EQ(Captions(), (QStringList{"a.jpg", "b.bmp", "c.png", "README"}));
    list.SetMask("");
    EXPECT_EQ(list.topLevelItemCount(), 4);
}

TEST_F(FileListTest, SizeTextsInKilobytes) {
    const std::pair<const char*, qint64> files[] = {{"s0.jpg", 0},       {"s1.jpg", 1},       {"s1023.jpg", 1023},
                                                    {"s1024.jpg", 1024}, {"s2047.jpg", 2047}, {"s2048.jpg", 2048},
                                                    {"s1m.jpg", 1048576 + 5}};
    for (const auto& f : files) WriteSized(P(f.first), f.second);
    QDir(root).mkdir("folder");
    list.setDirectory(root);
    EXPECT_EQ(Item("s0.jpg")->text(1), "0 KB");
    EXPECT_EQ(Item("s1.jpg")->text(1), "1 KB");
    EXPECT_EQ(Item("s1023.jpg")->text(1), "1 KB");
    EXPECT_EQ(Item("s1024.jpg")->text(1), "1 KB");
    EXPECT_EQ(Item("s2047.jpg")->text(1), "1 KB");
    EXPECT_EQ(Item("s2048.jpg")->text(1), "2 KB");
    EXPECT_EQ(Item("s1m.jpg")->text(1), "1024 KB");
    EXPECT_EQ(Item("folder")->text(1), " ");
    EXPECT_EQ(lum::files::SizeKbText(-1), "0 KB");
}

TEST_F(FileListTest, ColumnsTypesDatesAndAttributes) {
    ASSERT_EQ(list.columnCount(), 5);
    const char* names[] = {"Name", "Size", "Type", "Modified", "Attr"};
    const int widths[] = {165, 75, 95, 125, 40};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list.headerItem()->text(i), names[i]);
        EXPECT_EQ(list.columnWidth(i), widths[i]);
    }
    WriteSized(P("photo.jpg"), 5);
    WriteSized(P("locked.jpg"), 5);
    QFile::setPermissions(P("locked.jpg"), QFile::ReadOwner | QFile::ReadGroup);
    WriteSized(P(".secret.jpg"), 5);
    QDir(root).mkdir("dir");
    const QDateTime when(QDate(2021, 3, 4), QTime(5, 6));
    {
        QFile f(P("photo.jpg"));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
    }
    list.setDirectory(root);
    QTreeWidgetItem* photo = Item("photo.jpg");
    EXPECT_EQ(photo->text(2), lum::files::TypeName("x.jpg", false));
    EXPECT_FALSE(photo->text(2).trimmed().isEmpty());
    EXPECT_EQ(photo->text(3), QLocale().toString(when.date(), QLocale::ShortFormat) + " " +
                                  QLocale().toString(when.time(), QLocale::ShortFormat));
    EXPECT_EQ(photo->text(4), "");
    EXPECT_EQ(Item("locked.jpg")->text(4), "R");
    EXPECT_EQ(Item(".secret.jpg")->text(4), "H");
    EXPECT_EQ(Item("dir")->text(4), "D");
    EXPECT_EQ(Item("dir")->text(2), lum::files::TypeName("dir", true));
    QFile::setPermissions(P("locked.jpg"), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(FileListTest, SortingColumnsReverseAndParentOnTop) {
    QDir(root).mkdir("alpha");
    QDir(root).mkdir("Beta");
    WriteSized(P("zed.jpg"), 5000);
    WriteSized(P("Mid.jpg"), 10);
    WriteSized(P("apple.jpg"), 3000);
    list.setDirectory(root);
    // By name, upper-cased, folders first.
    EXPECT_EQ(Captions(), (QStringList{" ^ Parent", "alpha", "Beta", "apple.jpg", "Mid.jpg", "zed.jpg"}));
    EXPECT_EQ(list.SortColumn(), PhotoList::ColName);
    EXPECT_FALSE(list.SortReverse());

    // The same column again reverses everything, folders-first included, but not the way up.
    list.SortByColumn(PhotoList::ColName);
    EXPECT_TRUE(list.SortReverse());
    EXPECT_EQ(Captions(), (QStringList{" ^ Parent", "zed.jpg", "Mid.jpg", "apple.jpg", "Beta", "alpha"}));

    // Another column starts reversed; a second click turns it round.
    list.SortByColumn(PhotoList::ColSize);
    EXPECT_EQ(list.SortColumn(), PhotoList::ColSize);
    EXPECT_TRUE(list.SortReverse());
    EXPECT_EQ(Captions().mid(1, 3), (QStringList{"zed.jpg", "apple.jpg", "Mid.jpg"}));
    EXPECT_EQ(Captions().front(), " ^ Parent");
    list.SortByColumn(PhotoList::ColSize);
    EXPECT_FALSE(list.SortReverse());
    EXPECT_EQ(Captions().front(), " ^ Parent");
    EXPECT_EQ(Captions().mid(3), (QStringList{"Mid.jpg", "apple.jpg", "zed.jpg"}));

    // Dates compare as times, not as texts.
    const QDateTime base(QDate(2020, 1, 1), QTime(12, 0));
    const std::pair<const char*, int> ages[] = {{"zed.jpg", 0}, {"Mid.jpg", 400}, {"apple.jpg", 40}};
    for (const auto& a : ages) {
        QFile f(P(a.first));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(base.addDays(a.second), QFileDevice::FileModificationTime);
    }
    list.Refresh();
    list.SortByColumn(PhotoList::ColModified);
    list.SortByColumn(PhotoList::ColModified);
    EXPECT_FALSE(list.SortReverse());
    EXPECT_EQ(Captions().mid(3), (QStringList{"zed.jpg", "apple.jpg", "Mid.jpg"}));

    // A new listing clicks "Name" after setting the reverse flag: descending, because "Name"
    // was not the sort column any more.
    QDir(root).mkdir("other");
    WriteSized(P("other/b.jpg"), 1);
    WriteSized(P("other/a.jpg"), 1);
    list.setDirectory(P("other"));
    EXPECT_EQ(list.SortColumn(), PhotoList::ColName);
    EXPECT_TRUE(list.SortReverse());
    EXPECT_EQ(Captions(), (QStringList{" ^ Parent", "b.jpg", "a.jpg"}));
    // And ascending for the next one, "Name" being the sort column now.
    list.setDirectory(root);
    EXPECT_FALSE(list.SortReverse());
    EXPECT_EQ(Captions().front(), " ^ Parent");
    EXPECT_EQ(Captions().at(1), "alpha");
}

TEST_F(FileListTest, HeaderClickSortsLikeSortByColumn) {
    WriteSized(P("a.jpg"), 3000);
    WriteSized(P("b.jpg"), 10);
    list.setDirectory(root);
    Show();
    QHeaderView* h = list.header();
    const QPoint at(h->sectionViewportPosition(PhotoList::ColSize) + 5, h->height() / 2);
    Click(h->viewport(), at);
    EXPECT_EQ(list.SortColumn(), PhotoList::ColSize);
    EXPECT_TRUE(list.SortReverse());
    EXPECT_EQ(Captions(), (QStringList{" ^ Parent", "a.jpg", "b.jpg"}));
}

TEST_F(FileListTest, ClickAndDoubleClickSignals) {
    WriteSized(P("a.jpg"), 10);
    QDir(root).mkdir("Sub");
    WriteSized(P("Sub/inner.jpg"), 10);
    list.setDirectory(root);
    Show();
    int clicks = 0, dbl = 0;
    QObject::connect(&list, &PhotoList::EntryActivated, [&] { ++clicks; });
    QObject::connect(&list, &PhotoList::EntryDoubleClicked, [&] { ++dbl; });

    // A click sets the selected item and is reported once.
    Click(list.viewport(), Centre(Item("a.jpg")));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dbl, 0);
    EXPECT_EQ(list.ActivatedPath(), P("a.jpg"));
    EXPECT_TRUE(opened.isEmpty());

    // A click below the last item reports nothing.
    Click(list.viewport(), QPoint(20, list.viewport()->height() - 5));
    EXPECT_EQ(clicks, 1);

    // A double click on a photo: its click loads it, the double click opens it.
    DoubleClick(list.viewport(), Centre(Item("a.jpg")));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(dbl, 1);
    EXPECT_EQ(opened, QStringList{P("a.jpg")});
    EXPECT_EQ(list.Directory(), root + "/");

    // A click on a folder only records it; a double click opens it.
    Click(list.viewport(), Centre(Item("Sub")));
    EXPECT_EQ(list.ActivatedPath(), P("Sub"));
    EXPECT_EQ(list.Directory(), root + "/");
    DoubleClick(list.viewport(), Centre(Item("Sub")));
    EXPECT_EQ(list.Directory(), P("Sub") + "/");
    EXPECT_NE(Item("inner.jpg"), nullptr);

    // The parent entry goes back up.
    Click(list.viewport(), Centre(Item(" ^ Parent")));
    EXPECT_EQ(list.ActivatedPath(), root);
    DoubleClick(list.viewport(), Centre(Item(" ^ Parent")));
    EXPECT_EQ(list.Directory(), root + "/");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FileListTest, DoubleClickWithoutOpeningAndFailedOpen) {
    WriteSized(P("a.jpg"), 10);
    QDir(root).mkdir("Sub");
    list.setDirectory(root);
    list.SetDoubleClickOpens(false);
    list.DoubleClickEntry(Item("a.jpg"));
    list.DoubleClickEntry(Item("Sub"));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(list.Directory(), root + "/");
    // The way up works whatever the setting.
    list.DoubleClickEntry(Item(" ^ Parent"));
    EXPECT_EQ(list.Directory(), QFileInfo(root).absolutePath() + "/");

    list.setDirectory(root);
    list.SetDoubleClickOpens(true);
    openResult = false;
    list.DoubleClickEntry(Item("a.jpg"));
    EXPECT_EQ(prompts.Last(), "Could not open a.jpg: no program is set to open files of this type.");
    QTreeWidgetItem* gone = Item("a.jpg");
    QFile::remove(P("a.jpg"));
    list.DoubleClickEntry(gone);
    EXPECT_EQ(prompts.Last(), "Could not open a.jpg: it is not there any more.");
}

TEST_F(FileListTest, LinkedTreeFollowsTheList) {
    QDir(root).mkdir("Sub");
    FolderTree tree;
    tree.SetPrompts(&prompts);
    tree.SetDrives({lum::files::Drive{"Scratch", root + "/", "", false}});
    lum::LinkFolderViews(&tree, &list);
    QStringList changes;
    QObject::connect(&tree, &FolderTree::FolderSelected, [&](const QString& p) { changes << p; });
    ASSERT_TRUE(tree.OpenPath(root));
    EXPECT_EQ(list.Directory(), root + "/");
    list.DoubleClickEntry(Item("Sub"));
    EXPECT_EQ(list.Directory(), P("Sub") + "/");
    EXPECT_EQ(tree.SelectedPath(), P("Sub") + "/");
    EXPECT_EQ(changes.back(), P("Sub") + "/");
    ASSERT_NE(tree.currentItem(), nullptr);
    EXPECT_EQ(tree.currentItem()->text(0), "Sub");
}

TEST_F(FileListTest, DrivesViewAndDriveNotReady) {
    FolderTree tree;
    tree.SetPrompts(&prompts);
    tree.SetDrives({lum::files::Drive{"Scratch", root + "/", "ext4", false},
                    lum::files::Drive{"Stick", "/nonexistent/lumora-stick/", "vfat", true}});
    lum::LinkFolderViews(&tree, &list);
    list.setDirectory("Drives");
    EXPECT_EQ(list.Directory(), "Drives");
    EXPECT_EQ(list.headerItem()->text(2), "Disk Size");
    EXPECT_EQ(list.headerItem()->text(3), "Free Space");
    EXPECT_EQ(list.headerItem()->text(4), "Attributes");
    ASSERT_EQ(list.topLevelItemCount(), 2);
    QTreeWidgetItem* stick = Item("Stick");
    ASSERT_NE(stick, nullptr);
    EXPECT_EQ(PhotoList::KindOfItem(stick), "drv");
    list.DoubleClickEntry(stick);
    EXPECT_EQ(prompts.Last(), "There is no disc in the drive /nonexistent/lumora-stick,\nor the drive is not ready.");
    EXPECT_EQ(list.Directory(), "Drives");
    list.DoubleClickEntry(Item("Scratch"));
    EXPECT_EQ(list.Directory(), root + "/");
    EXPECT_EQ(list.headerItem()->text(1), "Size");
    EXPECT_EQ(list.columnWidth(3), 125);
}

TEST_F(FileListTest, RenameChecksAndMessages) {
    WriteSized(P("a.jpg"), 10);
    WriteSized(P("b.jpg"), 20);
    WriteSized(P("ro.jpg"), 30);
    QFile::setPermissions(P("ro.jpg"), QFile::ReadOwner);
    list.setDirectory(root);
    QStringList renamed;
    QObject::connect(&list, &PhotoList::EntryRenamed,
                     [&](const QString& f, const QString& t) { renamed << f << t; });
    const QStringList before = Snapshot(root);

    // Nothing selected.
    list.clearSelection();
    list.setCurrentItem(nullptr);
    list.RenameSelected();
    EXPECT_EQ(prompts.Last(), "No file is selected.");

    // Taken names, bad names and read-only files change nothing, and say why.
    const std::pair<const char*, const char*> refused[] = {
        {"b.jpg", "A file named b.jpg already exists."},
        {"b", "A file named b.jpg already exists."},  // the extension comes back first
        {"x/y.jpg", "A name cannot contain a slash (/)."},
        {"", "A name cannot be empty."},
        {"   ", "A name cannot be empty."},
        {"..", ".. cannot be used as a name."},
    };
    for (const auto& [name, why] : refused) {
        EXPECT_FALSE(list.RenameEntry(P("a.jpg"), name)) << name;
        EXPECT_EQ(prompts.Last(), why) << name;
    }
    EXPECT_FALSE(list.RenameEntry(P("ro.jpg"), "rw.jpg"));
    EXPECT_EQ(prompts.Last(), "ro.jpg is read-only: it cannot be renamed.");
    EXPECT_FALSE(list.RenameEntry(P("gone.jpg"), "here.jpg"));
    EXPECT_EQ(prompts.Last(), "gone.jpg is no longer there.");
    list.setCurrentItem(Item("ro.jpg"));
    prompts.texts.push_back("never.jpg");
    list.RenameSelected();
    EXPECT_EQ(prompts.Last(), "ro.jpg is read-only: it cannot be renamed.");
    EXPECT_EQ(prompts.texts.size(), 1u);  // not even asked
    prompts.texts.clear();
    EXPECT_EQ(Snapshot(root), before);
    EXPECT_TRUE(renamed.isEmpty());

    // A good name through the menu command.
    const size_t messages = prompts.messages.size();
    list.setCurrentItem(Item("a.jpg"));
    prompts.texts.push_back("renamed.jpg");
    list.RenameSelected();
    EXPECT_EQ(prompts.messages.size(), messages);
    EXPECT_FALSE(QFile::exists(P("a.jpg")));
    EXPECT_EQ(QFileInfo(P("renamed.jpg")).size(), 10);
    EXPECT_NE(Item("renamed.jpg"), nullptr);
    EXPECT_EQ(Item("a.jpg"), nullptr);
    EXPECT_EQ(renamed, (QStringList{P("a.jpg"), P("renamed.jpg")}));

    // A name typed without an extension keeps the photo's.
    EXPECT_TRUE(list.RenameEntry(P("renamed.jpg"), "holiday"));
    EXPECT_EQ(QFileInfo(P("holiday.jpg")).size(), 10);
    EXPECT_NE(Item("holiday.jpg"), nullptr);

    // Another extension the list does not show is asked about: No keeps the name.
    list.SetMask("*.jpg");
    EXPECT_FALSE(list.RenameEntry(P("holiday.jpg"), "holiday.png"));
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0],
              "Rename|holiday.png would no longer be listed here (the list shows only *.jpg). Rename it anyway?");
    EXPECT_TRUE(QFile::exists(P("holiday.jpg")));
    prompts.answers.push_back(true);
    EXPECT_TRUE(list.RenameEntry(P("holiday.jpg"), "holiday.png"));
    EXPECT_TRUE(QFile::exists(P("holiday.png")));
    EXPECT_EQ(Item("holiday.png"), nullptr);
    // One the list shows is not.
    EXPECT_TRUE(list.RenameEntry(P("b.jpg"), "b2.JPG"));
    EXPECT_EQ(prompts.questions.size(), 2u);
    QFile::setPermissions(P("ro.jpg"), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(FileListTest, CommandsNeedASelection) {
    list.setDirectory(root);  // only the parent entry, which never counts
    list.selectAll();
    list.DeleteSelected();
    EXPECT_EQ(prompts.Last(), "Nothing is selected.");
    prompts.messages.clear();
    list.CopySelected();
    list.CutSelected();
    list.OpenSelected();
    list.ViewSelected();
    list.SendToAnyFolder();
    list.SendToClipboardAsFileName();
    list.SendToDesktopAsLink();
    EXPECT_EQ(prompts.messages, std::vector<std::string>(7, "Nothing is selected."));
    prompts.messages.clear();
    list.ShowProperties();
    list.SendToClipboardAsContents();
    EXPECT_EQ(prompts.messages, std::vector<std::string>(2, "No file is selected."));
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(FileListTest, DeleteAsksAndMovesToTheTrash) {
    WriteSized(P("a.jpg"), 10);
    WriteSized(P("b.jpg"), 10);
    list.setDirectory(root);
    list.clearSelection();
    Item("a.jpg")->setSelected(true);
    list.DeleteSelected();  // answered No
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0], "Move to Trash|Do you want to move a.jpg to the Trash?");
    EXPECT_TRUE(QFile::exists(P("a.jpg")));

    QStringList removed;
    QObject::connect(&list, &PhotoList::EntriesRemoved, [&](const QStringList& r) { removed = r; });
    prompts.answers.push_back(true);
    list.clearSelection();
    Item("a.jpg")->setSelected(true);
    list.DeleteSelected();
    EXPECT_FALSE(QFile::exists(P("a.jpg")));
    EXPECT_TRUE(QFile::exists(P("b.jpg")));
    EXPECT_EQ(removed, QStringList{P("a.jpg")});
    EXPECT_TRUE(InTestTrash("a.jpg"));
    EmptyTestTrash();
    EXPECT_EQ(Item("a.jpg"), nullptr);
    EXPECT_TRUE(prompts.messages.empty());
    // The next photo takes its place in the selection, not the way up.
    ASSERT_NE(list.currentItem(), nullptr);
    EXPECT_EQ(list.currentItem()->text(0), "b.jpg");
    EXPECT_TRUE(list.currentItem()->isSelected());
    EXPECT_EQ(list.SelectedPaths(), QStringList{P("b.jpg")});
}

TEST_F(FileListTest, AfterADeleteTheNeighbourIsSelected) {
    for (const char* n : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) WriteSized(P(n), 10);
    QDir(root).mkdir("Sub");
    list.setDirectory(root);
    auto deleteItems = [&](const QStringList& names) {
        list.clearSelection();
        for (const QString& n : names) Item(n)->setSelected(true);
        list.setCurrentItem(Item(names.front()), 0, QItemSelectionModel::NoUpdate);
        prompts.answers.push_back(true);
        list.DeleteSelected();
        return list.currentItem() ? list.currentItem()->text(0) : QString();
    };
    EXPECT_EQ(deleteItems({"b.jpg"}), "c.jpg");      // the one after it
    EXPECT_EQ(deleteItems({"d.jpg"}), "c.jpg");      // the last: the one before it
    EXPECT_EQ(deleteItems({"a.jpg", "c.jpg"}), "Sub");  // several: before them, never the way up
    EXPECT_EQ(list.SelectedPaths(), QStringList{P("Sub")});
    EmptyTestTrash();
    // A file gone before its delete: the message says which and why; the neighbour is selected.
    WriteSized(P("e.jpg"), 10);
    list.Refresh();
    QFile::remove(P("e.jpg"));
    EXPECT_EQ(deleteItems({"e.jpg"}), "Sub");
    EXPECT_EQ(prompts.Last(), "Could not move e.jpg to the Trash: " + lum::files::SystemReason(ENOENT).toStdString() + ".");
}

TEST_F(FileListTest, CopyCutAndPasteThroughTheClipboard) {
    QDir(root).mkdir("dest");
    WriteSized(P("a.jpg"), 11);
    WriteSized(P("b.jpg"), 22);
    list.setDirectory(root);
    list.clearSelection();
    Item("a.jpg")->setSelected(true);
    list.CopySelected();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(mime->urls(), QList<QUrl>{QUrl::fromLocalFile(P("a.jpg"))});
    EXPECT_EQ(mime->data("x-special/gnome-copied-files"), "copy\n" + QUrl::fromLocalFile(P("a.jpg")).toEncoded());

    // Pasting twice keeps both copies; the original stays.
    list.setDirectory(P("dest"));
    list.PasteHere();
    list.PasteHere();
    EXPECT_EQ(QFileInfo(P("dest/a.jpg")).size(), 11);
    EXPECT_EQ(QFileInfo(P("dest/a (2).jpg")).size(), 11);
    EXPECT_TRUE(QFile::exists(P("a.jpg")));
    EXPECT_NE(Item("a (2).jpg"), nullptr);

    // Cut and paste moves, and empties the clipboard.
    list.setDirectory(root);
    list.clearSelection();
    Item("b.jpg")->setSelected(true);
    list.CutSelected();
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->data("x-special/gnome-copied-files").startsWith("cut\n"));
    list.setDirectory(P("dest"));
    list.PasteHere();
    EXPECT_FALSE(QFile::exists(P("b.jpg")));
    EXPECT_EQ(QFileInfo(P("dest/b.jpg")).size(), 22);
    list.PasteHere();
    EXPECT_EQ(prompts.Last(), "There is nothing to paste: cut or copy files first.");

    // A folder cannot go into itself.
    lum::files::PutFilesOnClipboard({P("dest")}, false);
    const QStringList before = Snapshot(root);
    list.PasteHere();
    EXPECT_EQ(prompts.Last(), "Could not copy dest into dest: a folder cannot go inside itself.");
    EXPECT_EQ(Snapshot(root), before);
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(FileListTest, CutAndPasteInTheSameFolderKeepsTheCut) {
    QDir(root).mkdir("dest");
    WriteSized(P("a.jpg"), 11);
    WriteSized(P("b.jpg"), 22);
    list.setDirectory(root);
    list.clearSelection();
    Item("a.jpg")->setSelected(true);
    list.CutSelected();
    const QStringList before = Snapshot(root);
    list.PasteHere();
    EXPECT_EQ(prompts.Last(), "a.jpg is already in this folder: nothing was moved.");
    EXPECT_EQ(Snapshot(root), before);
    bool cut = false;
    EXPECT_EQ(lum::files::FilesOnClipboard(&cut), QStringList{P("a.jpg")});
    EXPECT_TRUE(cut);
    // Two of them: one message for both.
    lum::files::PutFilesOnClipboard({P("a.jpg"), P("b.jpg")}, true);
    list.PasteHere();
    EXPECT_EQ(prompts.Last(), "These files are already in this folder: nothing was moved.");
    EXPECT_EQ(Snapshot(root), before);

    // The cut still moves them elsewhere; what could not be moved stays cut.
    list.setDirectory(P("dest"));
    WriteSized(P("c.jpg"), 33);
    lum::files::PutFilesOnClipboard({P("a.jpg"), P("c.jpg")}, true);
    QFile::remove(P("c.jpg"));
    list.PasteHere();
    EXPECT_EQ(QFileInfo(P("dest/a.jpg")).size(), 11);
    EXPECT_EQ(prompts.Last(), "Could not move c.jpg into dest: " + lum::files::SystemReason(ENOENT).toStdString() + ".");
    EXPECT_EQ(lum::files::FilesOnClipboard(&cut), QStringList{P("c.jpg")});
    EXPECT_TRUE(cut);
    lum::files::PutFilesOnClipboard({P("b.jpg")}, true);
    list.PasteHere();
    EXPECT_TRUE(lum::files::FilesOnClipboard(nullptr).isEmpty()) << "a complete cut empties the clipboard";
    EXPECT_EQ(QFileInfo(P("dest/b.jpg")).size(), 22);
}

TEST_F(FileListTest, NewFolderAndSendTo) {
    WriteSized(P("a.jpg"), 12);
    list.setDirectory(root);
    prompts.texts.push_back("bad:name");
    list.NewFolder();
    EXPECT_EQ(prompts.Last(), PhotoList::InvalidFolderNameText().toStdString());
    prompts.texts.push_back("Photos 2024");
    list.NewFolder();
    EXPECT_TRUE(QFileInfo(P("Photos 2024")).isDir());
    EXPECT_NE(Item("Photos 2024"), nullptr);
    prompts.texts.push_back("Photos 2024");
    list.NewFolder();
    EXPECT_EQ(prompts.Last(), "A folder named Photos 2024 already exists.");

    list.clearSelection();
    Item("a.jpg")->setSelected(true);
    list.setCurrentItem(Item("a.jpg"));
    list.SendToClipboardAsFileName();
    EXPECT_EQ(QApplication::clipboard()->text(), P("a.jpg"));

    // Contents: text as text, pictures as pictures.
    WriteBytes(P("notes.txt"), "hello there");
    WriteBmp(P("pic.bmp"), 30, 20);
    list.Refresh();
    list.clearSelection();
    list.setCurrentItem(Item("notes.txt"));
    list.SendToClipboardAsContents();
    EXPECT_EQ(QApplication::clipboard()->text(), "hello there");
    list.setCurrentItem(Item("pic.bmp"));
    list.SendToClipboardAsContents();
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(30, 20));
    list.setCurrentItem(Item("a.jpg"));

    prompts.folders.push_back((P("Photos 2024")).toStdString());
    list.SendToAnyFolder();
    EXPECT_EQ(QFileInfo(P("Photos 2024/a.jpg")).size(), 12);
    EXPECT_TRUE(QFile::exists(P("a.jpg")));
    prompts.folders.push_back(P("missing").toStdString());
    list.SendToAnyFolder();
    EXPECT_EQ(prompts.Last(), "Could not copy a.jpg into missing: " + lum::files::SystemReason(ENOENT).toStdString() + ".");

    // The desktop link is a link file pointing at the photo.
    list.SetDesktopFolder(P("Desktop"));
    list.SendToDesktopAsLink();
    QFile link(P("Desktop/a.jpg.desktop"));
    ASSERT_TRUE(link.open(QIODevice::ReadOnly));
    const QByteArray text = link.readAll();
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("Type=Link\n"));
    EXPECT_TRUE(text.contains("URL=" + QUrl::fromLocalFile(P("a.jpg")).toEncoded() + "\n"));
    EXPECT_TRUE(text.contains("Name=a.jpg\n"));
}

TEST_F(FileListTest, PropertiesReport) {
    WriteSized(P("a.jpg"), 2047);
    list.setDirectory(root);
    list.setCurrentItem(Item("a.jpg"));
    list.ShowProperties();
    ASSERT_EQ(prompts.shown.size(), 1u);
    const QString text = QString::fromStdString(prompts.shown[0]);
    EXPECT_TRUE(text.startsWith("Properties|Name: a.jpg\n"));
    EXPECT_TRUE(text.contains("Size: 1 KB (" + QLocale().toString(2047) + " bytes)"));
    EXPECT_TRUE(text.contains("Location: " + root));
}

TEST_F(FileListTest, AwkwardFilesAndFolders) {
    WriteCorruptJpeg(P("corrupt.jpg"));
    WriteSized(P("empty.jpg"), 0);
    WriteSized(P("locked.jpg"), 100);
    QDir(root).mkdir("closed");
    WriteSized(P("closed/inside.jpg"), 5);
    const QStringList before = Snapshot(root);
    QFile::setPermissions(P("locked.jpg"), QFileDevice::Permissions());
    QFile::setPermissions(P("closed"), QFileDevice::Permissions());

    list.setDirectory(root);
    EXPECT_EQ(Item("corrupt.jpg")->text(1), "1 KB");
    EXPECT_EQ(Item("empty.jpg")->text(1), "0 KB");
    EXPECT_EQ(Item("locked.jpg")->text(1), "1 KB");
    EXPECT_EQ(Item("locked.jpg")->text(4), "R");
    list.ActivateEntry(Item("empty.jpg"));
    EXPECT_EQ(list.ActivatedPath(), P("empty.jpg"));

    // Copying an unreadable file fails plainly and leaves no half copy.
    if (!IsRoot()) {
        list.clearSelection();
        Item("locked.jpg")->setSelected(true);
        list.setCurrentItem(Item("locked.jpg"));
        const std::string denied = lum::files::SystemReason(EACCES).toStdString();
        list.SendToClipboardAsContents();
        EXPECT_EQ(prompts.Last(), "Could not read locked.jpg: " + denied + ".");
        list.CopySelected();
        QDir(root).mkdir("into");
        list.setDirectory(P("into"));
        list.PasteHere();
        EXPECT_EQ(prompts.Last(), "Could not copy locked.jpg into into: " + denied + ".");
        EXPECT_TRUE(QDir(P("into")).isEmpty());
        QDir(P("into")).removeRecursively();
        list.setDirectory(root);

        // A folder we may not read: a clear message and the way back up.
        prompts.messages.clear();
        list.setDirectory(P("closed"));
        EXPECT_EQ(prompts.Last(), "The folder " + P("closed").toStdString() + " cannot be read: " + denied + ".");
        EXPECT_EQ(Captions(), QStringList{" ^ Parent"});
    } else {
        // Permissions do not stop root from reading; the listing simply works.
        GTEST_LOG_(INFO) << "running as root: unreadable file and folder checks skipped";
        list.setDirectory(P("closed"));
        EXPECT_NE(Item("inside.jpg"), nullptr);
    }
    QFile::setPermissions(P("closed"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(P("locked.jpg"), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(Snapshot(root), before);

    // A folder that vanished.
    list.setDirectory(P("gone"));
    EXPECT_EQ(prompts.Last(), P("gone").toStdString() + " is not there any more.");
}

TEST_F(FileListTest, ThousandsOfPhotosInOneRead) {
    for (int i = 0; i < 5000; ++i) WriteSized(P(QStringLiteral("IMG_%1.JPG").arg(i, 5, 10, QChar('0'))), i % 3000);
    QDir(root).mkdir("Sub");
    list.SetMask("*.jpg");
    QElapsedTimer t;
    t.start();
    list.setDirectory(root);
    const qint64 fill = t.elapsed();
    ASSERT_EQ(list.topLevelItemCount(), 5002);
    EXPECT_EQ(list.topLevelItem(2)->text(0), "IMG_00000.JPG");
    EXPECT_EQ(list.topLevelItem(5001)->text(0), "IMG_04999.JPG");
    t.restart();
    list.Refresh();
    const qint64 again = t.elapsed();
    t.restart();
    list.SortByColumn(PhotoList::ColSize);
    const qint64 sort = t.elapsed();
    EXPECT_EQ(list.topLevelItem(0)->text(0), " ^ Parent");
    GTEST_LOG_(INFO) << "5000 photos: listed in " << fill << " ms, again in " << again << " ms, sorted by size in " << sort << " ms";
}

}  // namespace
