// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "../image/FormatMakers.h"
#include "../view/FolderTestSupport.h"
#include "compose/PictureChooser.h"

using namespace foldertest;
using lum::files::Drive;

namespace {

class PictureChooserTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(tmp.isValid());
        root = tmp.path();
        WriteBmp(P("a_wide.bmp"), 400, 300);
        WriteJpeg(P("b_small.jpg"), 100, 80);
        WriteJpeg(P("c_tall.JPG"), 150, 600);
        WriteCorruptJpeg(P("d_corrupt.jpg"));
        WriteSized(P("e_empty.bmp"), 0);
        WriteSized(P("notes.txt"), 10);
        WriteBmp(P(".hidden.bmp"), 10, 10);
        QDir(root).mkdir("sub");
        WriteBmp(P("sub/inner.bmp"), 20, 10);
        form.SetPrompts(&prompts);
        form.SetDrives({Drive{"Scratch", root + "/", "ext4", false}});
        form.SetTargetImage(&memory);
        ASSERT_TRUE(form.SetDirectory(root));
    }
    QString P(const QString& name) const { return root + "/" + name; }
    int Row(const QString& name) const {
        for (int i = 0; i < form.FileList->count(); ++i)
            if (form.FileList->item(i)->text() == name) return i;
        return -1;
    }
    void Pick(const QString& name) { form.FileList->setCurrentRow(Row(name)); }

    AppFirst app_;
    QTemporaryDir tmp{ScratchBase() + "/chooser-XXXXXX"};
    QString root;
    ScriptedPrompts prompts;
    lum::Image memory;
    PictureChooser form;
};

TEST_F(PictureChooserTest, PreviewSizes) {
    EXPECT_EQ(PictureChooser::PreviewSize(400, 300), QSize(152, 114));
    EXPECT_EQ(PictureChooser::PreviewSize(300, 400), QSize(114, 152));
    EXPECT_EQ(PictureChooser::PreviewSize(100, 80), QSize(100, 80));
    EXPECT_EQ(PictureChooser::PreviewSize(152, 152), QSize(152, 152));
    EXPECT_EQ(PictureChooser::PreviewSize(153, 10), QSize(152, 9));
    // Truncated, not rounded.
    EXPECT_EQ(PictureChooser::PreviewSize(1000, 999), QSize(152, 151));
}

TEST_F(PictureChooserTest, ListsBmpAndJpegFilesOnly) {
    EXPECT_EQ(form.windowTitle(), "Select a picture");
    QStringList names;
    for (int i = 0; i < form.FileList->count(); ++i) names << form.FileList->item(i)->text();
    EXPECT_EQ(names, (QStringList{"a_wide.bmp", "b_small.jpg", "c_tall.JPG", "d_corrupt.jpg", "e_empty.bmp"}));
    EXPECT_EQ(form.FileName(), P("a_wide.bmp"));
    EXPECT_EQ(form.Directory(), root + "/");
    EXPECT_EQ(form.DriveBox->currentText(), "Scratch");
}

TEST_F(PictureChooserTest, SelectingLoadsIntoTheTargetWithPreview) {
    std::vector<QString> loaded;
    QObject::connect(&form, &PictureChooser::PictureLoaded, [&](const QString& p) { loaded.push_back(p); });
    Pick("b_small.jpg");
    ASSERT_EQ(memory.width(), 100);
    EXPECT_EQ(memory.height(), 80);
    EXPECT_EQ(form.Preview->size(), QSize(100, 80));
    EXPECT_EQ(form.SizeLabel->text(), "Size 100 x 80");

    Pick("a_wide.bmp");
    EXPECT_EQ(memory.width(), 400);
    EXPECT_EQ(memory.height(), 300);
    EXPECT_TRUE(memory.samePixels(Pattern(400, 300)));
    EXPECT_EQ(form.Preview->size(), QSize(152, 114));
    EXPECT_EQ(form.SizeLabel->text(), "Size 400 x 300");
    // Centred in the panel.
    EXPECT_EQ(form.Preview->x(), (form.PreviewFrame->width() - 152) / 2);
    EXPECT_EQ(form.Preview->y(), (form.PreviewFrame->height() - 114) / 2);

    Pick("c_tall.JPG");
    EXPECT_EQ(form.Preview->size(), QSize(38, 152));
    EXPECT_EQ(loaded, (std::vector<QString>{P("b_small.jpg"), P("a_wide.bmp"), P("c_tall.JPG")}));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(PictureChooserTest, ListsAndLoadsPhotosOfEveryFormatRead) {
    namespace ft = formats_test;
    const ft::Samples rgba = ft::Pattern(60, 40, 4, 8), rgb = ft::Pattern(60, 40, 3, 8);
    const auto bytes = [](const ft::Bytes& b) { return QByteArray(reinterpret_cast<const char*>(b.data()), int(b.size())); };
    const ft::Bytes heic = ft::MakeHeic(rgb, 70);
    WriteBytes(P("f_phone.HEIC"), bytes(heic));
    WriteBytes(P("g_alpha.png"), bytes(ft::MakePng(rgba)));
    WriteBytes(P("h_web.webp"), bytes(ft::MakeWebp(rgba, true)));
    WriteBytes(P("i_scan.tiff"), bytes(ft::MakeTiff(rgba)));
    form.Refresh();
    QStringList names;
    for (int i = 0; i < form.FileList->count(); ++i) names << form.FileList->item(i)->text();
    EXPECT_EQ(names, (QStringList{"a_wide.bmp", "b_small.jpg", "c_tall.JPG", "d_corrupt.jpg", "e_empty.bmp",
                                  "f_phone.HEIC", "g_alpha.png", "h_web.webp", "i_scan.tiff"}));
    for (const char* name : {"g_alpha.png", "h_web.webp", "i_scan.tiff"}) {
        Pick(name);
        EXPECT_TRUE(memory.samePixels(ft::Expected(rgba))) << name;
        EXPECT_EQ(form.SizeLabel->text(), "Size 60 x 40");
    }
    Pick("f_phone.HEIC");
    EXPECT_TRUE(memory.samePixels(ft::HeifOwnDecode(heic)));
}

TEST_F(PictureChooserTest, InvalidPicturesClearThePreviewSilently) {
    Pick("b_small.jpg");
    const lum::Image before = memory;
    const QStringList files = Snapshot(root);
    Pick("d_corrupt.jpg");
    EXPECT_TRUE(form.Preview->isHidden());
    EXPECT_TRUE(form.Preview->pixmap().isNull());
    EXPECT_TRUE(memory.samePixels(before));
    Pick("e_empty.bmp");
    EXPECT_TRUE(form.Preview->isHidden());
    EXPECT_TRUE(memory.samePixels(before));
    lum::Image other;
    EXPECT_FALSE(form.LoadSelectedInto(other));
    EXPECT_TRUE(other.empty());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(Snapshot(root), files);
    if (IsRoot()) GTEST_LOG_(INFO) << "running as root: the unreadable picture check is skipped";
    else {
        QFile::setPermissions(P("b_small.jpg"), QFileDevice::Permissions());
        Pick("a_wide.bmp");
        const lum::Image wide = memory;
        Pick("b_small.jpg");
        EXPECT_TRUE(form.Preview->isHidden());
        EXPECT_TRUE(memory.samePixels(wide));
        EXPECT_TRUE(prompts.messages.empty());
        QFile::setPermissions(P("b_small.jpg"), QFile::ReadOwner | QFile::WriteOwner);
    }
}

TEST_F(PictureChooserTest, CancelRestoresTheSelectionButKeepsTheLastPicture) {
    Pick("b_small.jpg");
    form.PrepareShowing();  // what showing the dialog does
    EXPECT_EQ(memory.width(), 100);
    Pick("a_wide.bmp");
    Pick("c_tall.JPG");
    // Another folder while browsing.
    ASSERT_TRUE(form.SetDirectory(P("sub")));
    form.LoadSelected();
    EXPECT_EQ(memory.width(), 20);
    form.Cancel();
    EXPECT_EQ(form.Directory(), root + "/");
    EXPECT_EQ(form.FileName(), P("b_small.jpg"));
    EXPECT_EQ(memory.width(), 20);  // the last picture loaded while browsing
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST_F(PictureChooserTest, FolderChangeLoadsTheFirstFile) {
    QListWidgetItem* sub = nullptr;
    for (int i = 0; i < form.FolderList->count(); ++i)
        if (form.FolderList->item(i)->text().trimmed() == "sub") sub = form.FolderList->item(i);
    ASSERT_NE(sub, nullptr);
    form.OpenFolderItem(sub);
    EXPECT_EQ(form.Directory(), P("sub") + "/");
    EXPECT_EQ(form.FileName(), P("sub/inner.bmp"));
    EXPECT_EQ(memory.width(), 20);
    EXPECT_EQ(form.SizeLabel->text(), "Size 20 x 10");
    // The folder list shows the way back up.
    EXPECT_EQ(form.FolderList->item(0)->data(Qt::UserRole).toString(), root + "/");
}

TEST_F(PictureChooserTest, DriveNotReady) {
    form.SetDrives({Drive{"Scratch", root + "/", "ext4", false}, Drive{"Floppy", "/nonexistent/lumora-floppy/", "vfat", true}});
    ASSERT_TRUE(form.SetDirectory(root));
    Pick("b_small.jpg");
    form.DriveBox->setCurrentIndex(1);
    form.OpenDrive(1);
    EXPECT_EQ(prompts.Last(), "The drive is not ready (no disc or medium in it).");
    EXPECT_EQ(form.DriveBox->currentIndex(), 0);
    EXPECT_EQ(form.Directory(), root + "/");
    EXPECT_EQ(form.FileName(), P("b_small.jpg"));
    EXPECT_FALSE(form.SetDirectory("/nonexistent/lumora-floppy"));

    // The folder itself vanished: loading says so and changes nothing.
    QTemporaryDir gone(ScratchBase() + "/gone-XXXXXX");
    WriteBmp(gone.path() + "/x.bmp", 5, 5);
    ASSERT_TRUE(form.SetDirectory(gone.path()));
    QDir(gone.path()).removeRecursively();
    prompts.messages.clear();
    const lum::Image before = memory;
    EXPECT_FALSE(form.LoadSelectedInto(memory));
    EXPECT_EQ(prompts.Last(), "The folder " + gone.path().toStdString() + " is not there any more.");
    EXPECT_TRUE(memory.samePixels(before));
    EXPECT_FALSE(form.OkButton->isEnabled());
}

TEST_F(PictureChooserTest, RefreshKeepsTheSelection) {
    Pick("c_tall.JPG");
    WriteBmp(P("0_new.bmp"), 4, 4);
    form.Refresh();
    EXPECT_EQ(form.FileList->item(0)->text(), "0_new.bmp");
    EXPECT_EQ(form.FileName(), P("c_tall.JPG"));
    EXPECT_TRUE(form.SelectFile(P("a_wide.bmp")));
    EXPECT_EQ(memory.width(), 150);  // selecting by name does not load
}

}  // namespace

namespace {

TEST_F(PictureChooserTest, OkOnlyWithAPictureChosen) {
    // A folder shown but nothing loaded from it yet.
    EXPECT_FALSE(form.OkButton->isEnabled());
    Pick("b_small.jpg");
    EXPECT_TRUE(form.OkButton->isEnabled());
    EXPECT_EQ(form.ChosenPicture(), P("b_small.jpg"));
    Pick("d_corrupt.jpg");
    EXPECT_FALSE(form.OkButton->isEnabled());
    EXPECT_TRUE(form.ChosenPicture().isEmpty());
    EXPECT_TRUE(form.SizeLabel->text().isEmpty()) << "no size for what is no picture";
    Pick("e_empty.bmp");
    EXPECT_FALSE(form.OkButton->isEnabled());
    Pick("a_wide.bmp");
    EXPECT_TRUE(form.OkButton->isEnabled());
    // Read again, the picture stays chosen; a folder without pictures has none.
    form.Refresh();
    EXPECT_TRUE(form.OkButton->isEnabled());
    QDir(root).mkdir("empty");
    ASSERT_TRUE(form.SetDirectory(P("empty")));
    form.LoadSelected();
    EXPECT_FALSE(form.OkButton->isEnabled());
    EXPECT_TRUE(form.FileName().isEmpty());
}

TEST_F(PictureChooserTest, EnterOnAFolderOpensItAndPressesNothing) {
    form.show();
    QApplication::setActiveWindow(&form);
    Pick("b_small.jpg");
    ASSERT_TRUE(form.OkButton->isEnabled());
    int sub = -1;
    for (int i = 0; i < form.FolderList->count(); ++i)
        if (form.FolderList->item(i)->text().trimmed() == "sub") sub = i;
    ASSERT_GE(sub, 0);
    form.FolderList->setFocus();
    form.FolderList->setCurrentRow(sub);
    QTest::keyClick(form.FolderList, Qt::Key_Return);
    EXPECT_TRUE(form.isVisible()) << "OK was not pressed";
    EXPECT_EQ(form.Directory(), P("sub") + "/");
    EXPECT_EQ(form.FileName(), P("sub/inner.bmp"));
    EXPECT_EQ(memory.width(), 20);
    // Back up with Enter on the folder above.
    form.FolderList->setFocus();
    form.FolderList->setCurrentRow(form.FolderList->count() - 2);
    QTest::keyClick(form.FolderList, Qt::Key_Enter);
    EXPECT_EQ(form.Directory(), root + "/");
    EXPECT_TRUE(form.isVisible());
    form.reject();
}

TEST_F(PictureChooserTest, StartsInThePhotosFolderOncePerFolder) {
    form.StartIn(P("sub"));
    EXPECT_EQ(form.Directory(), P("sub") + "/");
    // The user goes elsewhere for the same photo: it opens where it was left.
    ASSERT_TRUE(form.SetDirectory(root));
    form.StartIn(P("sub"));
    EXPECT_EQ(form.Directory(), root + "/");
    // A photo of another folder: there.
    QDir(root).mkdir("other");
    form.StartIn(P("other"));
    EXPECT_EQ(form.Directory(), P("other") + "/");
    form.StartIn(P("sub"));
    EXPECT_EQ(form.Directory(), P("sub") + "/");
    // Nothing to start in: it stays.
    form.StartIn(QString());
    form.StartIn(P("missing"));
    EXPECT_EQ(form.Directory(), P("sub") + "/");
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
