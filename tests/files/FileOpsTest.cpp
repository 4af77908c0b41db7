// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands behind the photo list, the folder tree and the picture chooser, on a
// scratch folder: names, copies that never overwrite, moves, pastes and the files clipboard.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <memory>

#include "files/FileOps.h"

using namespace lum::files;

namespace {

class FileOpsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString P(const QString& rel) const { return dir.filePath(rel); }
    void Write(const QString& rel, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(P(rel)).absolutePath());
        QFile f(P(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray Read(const QString& rel) const {
        QFile f(P(rel));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

}  // namespace

TEST(FileNames, SizesSlashesAndNamesAUserMayGive) {
    EXPECT_EQ(SizeKbText(0), "0 KB");
    EXPECT_EQ(SizeKbText(1), "1 KB");  // anything from 1 byte counts as a kilobyte
    EXPECT_EQ(SizeKbText(1023), "1 KB");
    EXPECT_EQ(SizeKbText(2047), "1 KB");
    EXPECT_EQ(SizeKbText(2048), "2 KB");

    EXPECT_EQ(WithSlash("/a/b"), "/a/b/");
    EXPECT_EQ(WithSlash("/a/b/"), "/a/b/");
    EXPECT_EQ(WithoutSlash("/a/b///"), "/a/b");
    EXPECT_EQ(WithoutSlash("/"), "/");
    EXPECT_TRUE(SamePath("/a/b/", "/a/b"));
    EXPECT_FALSE(SamePath("/a/B", "/a/b"));  // as the file system tells them apart

    for (const char* bad : {"a/b", "a:b", "what?", "x*y", "<x>", "a|b"}) EXPECT_TRUE(HasInvalidFolderChars(bad)) << bad;
    EXPECT_FALSE(HasInvalidFolderChars("Holidays 2023 (beach)"));
    for (const char* bad : {"", ".", "..", "a/b"}) EXPECT_FALSE(IsUsableFileName(bad)) << bad;
    EXPECT_TRUE(IsUsableFileName(".hidden"));
}

TEST_F(FileOpsTest, CopiesNeverOverwriteAndNewNamesCountUp) {
    Write("a/photo.jpg", "one");
    Write("b/photo.jpg", "two");
    EXPECT_FALSE(CopyEntry(P("a/photo.jpg"), P("b/photo.jpg")));
    EXPECT_EQ(Read("b/photo.jpg"), "two");

    EXPECT_EQ(UniqueTarget(P("b"), "photo.jpg"), P("b/photo (2).jpg"));
    Write("b/photo (2).jpg", "x");
    EXPECT_EQ(UniqueTarget(P("b"), "photo.jpg"), P("b/photo (3).jpg"));
    // Everything after the first dot is the extension; a leading dot is part of the name.
    Write("b/photo.tar.gz", "x");
    EXPECT_EQ(UniqueTarget(P("b"), "photo.tar.gz"), P("b/photo (2).tar.gz"));
    Write("b/.config", "x");
    EXPECT_EQ(UniqueTarget(P("b"), ".config"), P("b/.config (2)"));

    // A whole folder, its hidden files and links as links.
    Write("a/sub/.seen", "h");
    ASSERT_TRUE(QFile::link("photo.jpg", P("a/link.jpg")));
    ASSERT_TRUE(CopyEntry(P("a"), P("c")));
    EXPECT_EQ(Read("c/photo.jpg"), "one");
    EXPECT_EQ(Read("c/sub/.seen"), "h");
    EXPECT_EQ(QFileInfo(P("c/link.jpg")).symLinkTarget(), P("c/photo.jpg"));
    const TreeSize size = MeasureTree(P("c"));
    EXPECT_EQ(size.folders, 1);
    EXPECT_EQ(size.files, 3);
    EXPECT_EQ(size.bytes, 4);  // the link's target is counted once, through the file itself
    EXPECT_TRUE(size.complete);
    EXPECT_FALSE(MeasureTree(P("nowhere")).complete);
}

TEST_F(FileOpsTest, PastesMoveOrCopyButNeverAFolderIntoItself) {
    Write("src/one.jpg", "1");
    Write("src/deep/two.jpg", "2");
    Write("dest/one.jpg", "old");

    PasteOutcome out = PasteInto({P("src/one.jpg")}, P("dest"), false);
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out.done, QStringList{P("dest/one (2).jpg")});
    EXPECT_EQ(Read("dest/one.jpg"), "old");
    EXPECT_EQ(Read("dest/one (2).jpg"), "1");
    EXPECT_EQ(Read("src/one.jpg"), "1");

    // A folder into itself or below itself is refused, said why, and nothing is made.
    out = PasteInto({P("src")}, P("src/deep"), false);
    ASSERT_EQ(out.failures.size(), 1);
    EXPECT_EQ(out.failures[0].path, P("src"));
    EXPECT_EQ(out.failures[0].reason, "a folder cannot go inside itself");
    EXPECT_FALSE(PasteInto({P("src/")}, P("src"), true).ok());
    EXPECT_FALSE(QFileInfo::exists(P("src/deep/src")));
    // Cut into the folder it is in already: nothing to do, and said so.
    out = PasteInto({P("src/one.jpg")}, P("src"), true);
    EXPECT_TRUE(out.ok());
    EXPECT_TRUE(out.done.isEmpty());
    EXPECT_EQ(out.alreadyThere, QStringList{P("src/one.jpg")});
    EXPECT_EQ(Read("src/one.jpg"), "1");

    ASSERT_TRUE(PasteInto({P("src/deep")}, P("dest"), true).ok());
    EXPECT_FALSE(QFileInfo::exists(P("src/deep")));
    EXPECT_EQ(Read("dest/deep/two.jpg"), "2");
    // A source that is gone fails the paste with the system's reason, the others still go.
    out = PasteInto({P("src/none.jpg"), P("src/one.jpg")}, P("dest"), true);
    ASSERT_EQ(out.failures.size(), 1);
    EXPECT_EQ(out.failures[0].path, P("src/none.jpg"));
    EXPECT_EQ(out.failures[0].reason, SystemReason(ENOENT));
    EXPECT_EQ(out.done, QStringList{P("dest/one (3).jpg")});
    EXPECT_EQ(Read("dest/one (3).jpg"), "1");
    EXPECT_FALSE(MoveEntry(P("dest/one (3).jpg"), P("dest/one.jpg")));  // never over a file
    // Into a folder that is not there: every source fails.
    out = PasteInto({P("dest/one.jpg")}, P("nowhere"), false);
    ASSERT_EQ(out.failures.size(), 1);
    EXPECT_EQ(out.failures[0].reason, SystemReason(ENOENT));
}

TEST_F(FileOpsTest, FailuresSayWhyInTheSystemsWords) {
    Write("a/photo.jpg", "one");
    Write("b/photo.jpg", "two");
    QString why;
    EXPECT_FALSE(CopyEntry(P("a/photo.jpg"), P("b/photo.jpg"), &why));
    EXPECT_EQ(why, SystemReason(EEXIST));
    EXPECT_FALSE(CopyEntry(P("a/none.jpg"), P("b/none.jpg"), &why));
    EXPECT_EQ(why, SystemReason(ENOENT));
    EXPECT_FALSE(MoveEntry(P("a/none.jpg"), P("b/x.jpg"), &why));
    EXPECT_EQ(why, SystemReason(ENOENT));
    EXPECT_FALSE(MoveEntry(P("a/photo.jpg"), P("b/photo.jpg"), &why));
    EXPECT_EQ(why, SystemReason(EEXIST));
    EXPECT_FALSE(MoveEntry(P("a/photo.jpg"), P("missing/photo.jpg"), &why));
    EXPECT_EQ(why, SystemReason(ENOENT));
    EXPECT_FALSE(MakeFolder(P("a"), "photo.jpg", &why));
    EXPECT_EQ(why, SystemReason(EEXIST));
    EXPECT_TRUE(MakeFolder(P("a"), "new", &why));
    EXPECT_TRUE(QFileInfo(P("a/new")).isDir());
    EXPECT_FALSE(MoveToTrash(P("a/none.jpg"), nullptr, &why));
    EXPECT_EQ(why, SystemReason(ENOENT));
    // A pipe would block a copy for ever: refused at once.
    ASSERT_EQ(::mkfifo(QFile::encodeName(P("a/pipe.jpg")).constData(), 0600), 0);
    EXPECT_FALSE(CopyEntry(P("a/pipe.jpg"), P("b/pipe.jpg"), &why));
    EXPECT_EQ(why, "it is not a regular file");
    EXPECT_FALSE(QFileInfo::exists(P("b/pipe.jpg")));
    // A whole folder with something it cannot copy inside leaves nothing, and names it.
    EXPECT_FALSE(CopyEntry(P("a"), P("c"), &why));
    EXPECT_EQ(why, "pipe.jpg: it is not a regular file");
    EXPECT_FALSE(QFileInfo::exists(P("c")));
    // The words are the system's, in plain language.
    EXPECT_FALSE(SystemReason(EACCES).isEmpty());
    EXPECT_NE(SystemReason(EACCES), SystemReason(ENOSPC));
}

TEST(FilesClipboard, CopiedAndCutFilesReadBackAsTheDesktopWritesThem) {
    for (bool cut : {false, true}) {
        std::unique_ptr<QMimeData> mime(MakeFilesMimeData({"/tmp/a b.jpg", "/tmp/c.jpg"}, cut));
        bool readCut = !cut;
        EXPECT_EQ(FilesFromMimeData(mime.get(), &readCut), (QStringList{"/tmp/a b.jpg", "/tmp/c.jpg"}));
        EXPECT_EQ(readCut, cut);
        EXPECT_TRUE(mime->data("x-special/gnome-copied-files").startsWith(cut ? "cut\n" : "copy\n"));
    }
    QMimeData none;
    EXPECT_TRUE(FilesFromMimeData(&none, nullptr).isEmpty());
}
