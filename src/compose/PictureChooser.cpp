// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose/PictureChooser.h"

#include <algorithm>
#include <exception>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "editing/Prompts.h"
#include "widgets/ImageConvert.h"
#include "widgets/PhotoFiles.h"
#include "widgets/QtPrompts.h"
#include "widgets/ThumbnailIcons.h"
#include "widgets/ThumbnailLoader.h"
#include "image/Codec.h"

using namespace lum::files;

namespace {

// Enter on a folder opens it instead of pressing OK.
class FolderEnter : public QObject {
public:
    explicit FolderEnter(PictureChooser* chooser) : QObject(chooser), chooser_(chooser) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                chooser_->OpenFolderItem(chooser_->FolderList->currentItem());
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    PictureChooser* chooser_;
};

}  // namespace

QString PictureChooser::NotReadyText() { return tr("The drive is not ready (no disc or medium in it)."); }

PictureChooser::PictureChooser(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Eform3"));
    setWindowTitle(tr("Select a picture"));
    setModal(true);

    DriveBox = new QComboBox(this);
    DriveBox->setObjectName(QStringLiteral("DriveComboBox1"));
    FolderList = new QListWidget(this);
    FolderList->setObjectName(QStringLiteral("DirectoryListBox1"));
    FileList = new QListWidget(this);
    FileList->setObjectName(QStringLiteral("FileListBox1"));
    FileList->setSelectionMode(QAbstractItemView::SingleSelection);
    // Wide enough for the usual photo names beside a deep folder list.
    FileList->setMinimumWidth(190);
    // Each file with its thumbnail, the desktop's as the photo list shows them.
    thumbnails_ = new lum::ThumbnailLoader(this);
    FileList->setItemDelegate(new lum::ThumbnailIcons(thumbnails_, Qt::UserRole, FileList));
    FileList->setIconSize(QSize(kThumbnailSide, kThumbnailSide));
    FileList->setUniformItemSizes(true);
    connect(thumbnails_, &lum::ThumbnailLoader::Ready, FileList->viewport(), qOverload<>(&QWidget::update));
    PreviewFrame = new QFrame(this);
    PreviewFrame->setObjectName(QStringLiteral("Panel1"));
    PreviewFrame->setFrameShape(QFrame::StyledPanel);
    PreviewFrame->setFrameShadow(QFrame::Sunken);
    PreviewFrame->setFixedSize(kPreviewBox + 8, kPreviewBox + 8);
    Preview = new QLabel(PreviewFrame);
    Preview->setObjectName(QStringLiteral("Image1"));
    Preview->setScaledContents(true);
    Preview->setGeometry(4, 4, kPreviewBox, kPreviewBox);
    Preview->hide();
    SizeLabel = new QLabel(this);
    SizeLabel->setObjectName(QStringLiteral("Label1"));
    OkButton = new QPushButton(tr("OK"), this);
    OkButton->setObjectName(QStringLiteral("BitBtn1"));
    OkButton->setDefault(true);
    OkButton->setEnabled(false);  // until a picture is chosen
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("BitBtn2"));

    auto* left = new QVBoxLayout;
    left->addWidget(DriveBox);
    left->addWidget(FolderList, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(PreviewFrame);
    right->addWidget(SizeLabel);
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(FileList, 1);
    top->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 1);
    all->addLayout(buttons);
    resize(680, 340);

    connect(DriveBox, QOverload<int>::of(&QComboBox::activated), this, &PictureChooser::OpenDrive);
    connect(FolderList, &QListWidget::itemActivated, this, &PictureChooser::OpenFolderItem);
    connect(FileList, &QListWidget::currentRowChanged, this, [this](int) { LoadSelected(); });
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    FolderList->installEventFilter(new FolderEnter(this));
    FolderList->setToolTip(tr("Double-click a folder, or press Enter, to open it"));
    FileList->setToolTip(tr("BMP and JPEG pictures of the folder"));
    connect(CancelButton, &QPushButton::clicked, this, &PictureChooser::Cancel);

    SetDrives(MountedDrives());
    QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (start.isEmpty() || !QFileInfo(start).isDir()) start = QDir::homePath();
    SetDirectory(start);
}

lum::Prompts& PictureChooser::prompts() const { return prompts_ ? *prompts_ : lum::QtPrompts::Fallback(); }

void PictureChooser::SetDrives(const QList<Drive>& drives) {
    drives_ = drives;
    QSignalBlocker block(DriveBox);
    DriveBox->clear();
    static QFileIconProvider icons;
    for (const Drive& d : drives_) DriveBox->addItem(icons.icon(QFileIconProvider::Drive), d.caption, d.path);
    driveIndex_ = folder_.isEmpty() ? -1 : DriveIndexOf(drives_, folder_);
    DriveBox->setCurrentIndex(driveIndex_);
}

// ---- folder and files

bool PictureChooser::FolderDriveReady() {
    if (!DriveReady(folder_)) return false;
    return driveIndex_ < 0 || driveIndex_ >= drives_.size() || DriveReady(drives_[driveIndex_]);
}

bool PictureChooser::SetDirectory(const QString& folder) {
    QFileInfo fi(folder);
    if (folder.isEmpty() || !fi.isDir()) return false;
    const QString f = WithSlash(QDir::cleanPath(fi.absoluteFilePath()));
    const int di = DriveIndexOf(drives_, f);
    if (!DriveReady(f) || (di >= 0 && !DriveReady(drives_[di]))) {
        prompts().Message(NotReadyText().toStdString());
        return false;
    }
    folder_ = f;
    driveIndex_ = di;
    {
        QSignalBlocker block(DriveBox);
        DriveBox->setCurrentIndex(di);
    }
    FillFolders();
    FillFiles();
    return true;
}

void PictureChooser::FillFolders() {
    QSignalBlocker block(FolderList);
    FolderList->clear();
    static QFileIconProvider icons;
    const QIcon folderIcon = icons.icon(QFileIconProvider::Folder);
    const QString rootPath = driveIndex_ >= 0 ? drives_[driveIndex_].path : QStringLiteral("/");
    // The open folders from the drive down, then the sub-folders of the current one.
    QStringList chain{rootPath};
    for (const QString& part : folder_.mid(rootPath.size()).split('/', Qt::SkipEmptyParts))
        chain.push_back(chain.back() + part + '/');
    int depth = 0;
    for (const QString& p : chain) {
        const QString name = p == rootPath ? WithoutSlash(rootPath) : QFileInfo(WithoutSlash(p)).fileName();
        auto* it = new QListWidgetItem(folderIcon, QString(depth * 2, ' ') + name, FolderList);
        it->setData(Qt::UserRole, p);
        ++depth;
    }
    const int currentRow = FolderList->count() - 1;
    QFileInfoList subs = QDir(folder_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& s : subs) {
        auto* it = new QListWidgetItem(folderIcon, QString(depth * 2, ' ') + s.fileName(), FolderList);
        it->setData(Qt::UserRole, WithSlash(s.absoluteFilePath()));
    }
    FolderList->setCurrentRow(currentRow);
}

void PictureChooser::FillFiles() {
    QSignalBlocker block(FileList);
    thumbnails_->Clear();
    FileList->clear();
    // Normal and read-only files; hidden ones stay out.
    const QFileInfoList files = QDir(folder_).entryInfoList(lum::PhotoNameFilters() << QStringLiteral("*.bmp"),
                                                            QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& f : files) {
        auto* it = new QListWidgetItem(f.fileName(), FileList);
        it->setData(Qt::UserRole, f.absoluteFilePath());
    }
    if (FileList->count() > 0) FileList->setCurrentRow(0);
    // Nothing loaded from this folder yet.
    ShowChosen(QString());
}

void PictureChooser::Refresh() {
    const QString keep = FileName();
    const QString chosen = chosen_;
    if (folder_.isEmpty() || !QFileInfo(folder_).isDir()) return;
    FillFolders();
    FillFiles();
    // The picture loaded stays chosen while its file is there.
    if (!keep.isEmpty() && SelectFile(keep) && SamePath(keep, chosen)) ShowChosen(keep);
}

QString PictureChooser::FileName() const {
    QListWidgetItem* it = FileList->currentItem();
    if (!it || FileList->currentRow() < 0) return QString();
    return it->data(Qt::UserRole).toString();
}

void PictureChooser::SelectRowQuietly(int row) {
    QSignalBlocker block(FileList);
    if (row < 0 || row >= FileList->count()) {
        FileList->setCurrentRow(-1);
        FileList->clearSelection();
    } else {
        FileList->setCurrentRow(row);
    }
}

bool PictureChooser::SelectFile(const QString& path) {
    for (int i = 0; i < FileList->count(); ++i) {
        if (SamePath(FileList->item(i)->data(Qt::UserRole).toString(), path)) {
            SelectRowQuietly(i);
            return true;
        }
    }
    return false;
}

// ---- loading

QSize PictureChooser::PreviewSize(int width, int height) {
    if (width <= kPreviewBox && height <= kPreviewBox) return QSize(width, height);
    if (width >= height)
        return QSize(kPreviewBox, static_cast<int>(static_cast<double>(height) * kPreviewBox / width));
    return QSize(static_cast<int>(static_cast<double>(width) * kPreviewBox / height), kPreviewBox);
}

void PictureChooser::ClearPreview() {
    Preview->clear();
    Preview->hide();
    SizeLabel->clear();
}

void PictureChooser::ShowChosen(const QString& path) {
    chosen_ = path;
    OkButton->setEnabled(!chosen_.isEmpty());
}

bool PictureChooser::LoadSelectedInto(lum::Image& into) {
    const QString path = FileName();
    ShowChosen(QString());
    if (FileList->count() == 0 || path.isEmpty()) {
        ClearPreview();
        return false;
    }
    if (!QFileInfo(folder_).isDir()) {
        prompts().Message(tr("The folder %1 is not there any more.").arg(WithoutSlash(folder_)).toStdString());
        return false;
    }
    if (!FolderDriveReady()) {
        prompts().Message(NotReadyText().toStdString());
        return false;
    }
    Preview->hide();
    Preview->resize(kPreviewBox, kPreviewBox);
    lum::LoadedPicture pic;
    try {
        pic = lum::LoadPicture(QFile::encodeName(path).toStdString());
    } catch (const std::exception&) {
        // Not a picture we can read: no preview, and the target keeps what it had.
        ClearPreview();
        return false;
    }
    if (pic.image.empty()) {
        ClearPreview();
        return false;
    }
    const lum::Image& img = pic.image;
    const QSize ps = PreviewSize(img.width(), img.height());
    const QImage view = lum::QImageView(img);
    Preview->setPixmap(QPixmap::fromImage(view.scaled(ps, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    Preview->setGeometry((PreviewFrame->width() - ps.width()) / 2, (PreviewFrame->height() - ps.height()) / 2, ps.width(),
                        ps.height());
    SizeLabel->setText(tr("Size %1 x %2").arg(img.width()).arg(img.height()));
    into = std::move(pic.image);
    Preview->show();
    ShowChosen(path);
    emit PictureLoaded(path);
    return true;
}

// ---- what the controls do

void PictureChooser::LoadSelected() {
    if (target_) {
        LoadSelectedInto(*target_);
    } else {
        lum::Image scratch;
        LoadSelectedInto(scratch);
    }
}

bool PictureChooser::ChangeFolder(const QString& folder) {
    if (!SetDirectory(folder)) return false;
    if (FileList->count() > 0) {
        SelectRowQuietly(0);
        LoadSelected();
    }
    FileList->setFocus();
    return true;
}

void PictureChooser::OpenDrive(int index) {
    if (index < 0 || index >= drives_.size()) return;
    if (!DriveReady(drives_[index])) {
        prompts().Message(NotReadyText().toStdString());
        QSignalBlocker block(DriveBox);
        DriveBox->setCurrentIndex(driveIndex_);
        return;
    }
    ChangeFolder(drives_[index].path);
}

void PictureChooser::OpenFolderItem(QListWidgetItem* item) {
    if (!item) return;
    ChangeFolder(item->data(Qt::UserRole).toString());
}

void PictureChooser::StartIn(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) return;
    const QString f = WithSlash(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    // Once per shown folder: coming back for the same photo finds the chooser where it was left.
    if (SamePath(f, startedIn_)) return;
    if (SetDirectory(f)) startedIn_ = f;
}

void PictureChooser::PrepareShowing() {
    rememberedIndex_ = FileList->currentRow();
    rememberedPath_ = FileName();
    rememberedFolder_ = folder_;
    if (FileList->count() > 1) {
        const int top = std::max(0, rememberedIndex_ - 1);
        FileList->scrollToItem(FileList->item(top), QAbstractItemView::PositionAtTop);
    }
    LoadSelected();
    FileList->setFocus();
}

void PictureChooser::RestoreRemembered() {
    if (!rememberedFolder_.isEmpty() && !SamePath(rememberedFolder_, folder_)) SetDirectory(rememberedFolder_);
    if (!rememberedPath_.isEmpty() && SelectFile(rememberedPath_)) return;
    SelectRowQuietly(rememberedIndex_);
}

void PictureChooser::Cancel() { reject(); }

void PictureChooser::reject() {
    RestoreRemembered();
    QDialog::reject();
}

void PictureChooser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PrepareShowing();
}
