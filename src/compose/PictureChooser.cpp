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
                chooser_->DirectoryListBox1Change(chooser_->DirectoryListBox1->currentItem());
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

    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DirectoryListBox1 = new QListWidget(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    // Wide enough for the usual photo names beside a deep folder list.
    FileListBox1->setMinimumWidth(190);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setFixedSize(kPreviewBox + 8, kPreviewBox + 8);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setGeometry(4, 4, kPreviewBox, kPreviewBox);
    Image1->hide();
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    BitBtn1 = new QPushButton(tr("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setEnabled(false);  // until a picture is chosen
    BitBtn2 = new QPushButton(tr("Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    auto* left = new QVBoxLayout;
    left->addWidget(DriveComboBox1);
    left->addWidget(DirectoryListBox1, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(Panel1);
    right->addWidget(Label1);
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(FileListBox1, 1);
    top->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 1);
    all->addLayout(buttons);
    resize(680, 340);

    connect(DriveComboBox1, QOverload<int>::of(&QComboBox::activated), this, &PictureChooser::DriveComboBox1Change);
    connect(DirectoryListBox1, &QListWidget::itemActivated, this, &PictureChooser::DirectoryListBox1Change);
    connect(FileListBox1, &QListWidget::currentRowChanged, this, [this](int) { FileListBox1Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    DirectoryListBox1->installEventFilter(new FolderEnter(this));
    DirectoryListBox1->setToolTip(tr("Double-click a folder, or press Enter, to open it"));
    FileListBox1->setToolTip(tr("BMP and JPEG pictures of the folder"));
    connect(BitBtn2, &QPushButton::clicked, this, &PictureChooser::BitBtn2Click);

    SetDrives(MountedDrives());
    QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (start.isEmpty() || !QFileInfo(start).isDir()) start = QDir::homePath();
    SetDirectory(start);
}

lum::Prompts& PictureChooser::prompts() const { return prompts_ ? *prompts_ : lum::QtPrompts::Fallback(); }

void PictureChooser::SetDrives(const QList<Drive>& drives) {
    drives_ = drives;
    QSignalBlocker block(DriveComboBox1);
    DriveComboBox1->clear();
    static QFileIconProvider icons;
    for (const Drive& d : drives_) DriveComboBox1->addItem(icons.icon(QFileIconProvider::Drive), d.caption, d.path);
    driveIndex_ = folder_.isEmpty() ? -1 : DriveIndexOf(drives_, folder_);
    DriveComboBox1->setCurrentIndex(driveIndex_);
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
        QSignalBlocker block(DriveComboBox1);
        DriveComboBox1->setCurrentIndex(di);
    }
    FillFolders();
    FillFiles();
    return true;
}

void PictureChooser::FillFolders() {
    QSignalBlocker block(DirectoryListBox1);
    DirectoryListBox1->clear();
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
        auto* it = new QListWidgetItem(folderIcon, QString(depth * 2, ' ') + name, DirectoryListBox1);
        it->setData(Qt::UserRole, p);
        ++depth;
    }
    const int currentRow = DirectoryListBox1->count() - 1;
    QFileInfoList subs = QDir(folder_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& s : subs) {
        auto* it = new QListWidgetItem(folderIcon, QString(depth * 2, ' ') + s.fileName(), DirectoryListBox1);
        it->setData(Qt::UserRole, WithSlash(s.absoluteFilePath()));
    }
    DirectoryListBox1->setCurrentRow(currentRow);
}

void PictureChooser::FillFiles() {
    QSignalBlocker block(FileListBox1);
    FileListBox1->clear();
    // Normal and read-only files; hidden ones stay out.
    const QFileInfoList files = QDir(folder_).entryInfoList(lum::PhotoNameFilters() << QStringLiteral("*.bmp"),
                                                            QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& f : files) {
        auto* it = new QListWidgetItem(f.fileName(), FileListBox1);
        it->setData(Qt::UserRole, f.absoluteFilePath());
    }
    if (FileListBox1->count() > 0) FileListBox1->setCurrentRow(0);
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
    QListWidgetItem* it = FileListBox1->currentItem();
    if (!it || FileListBox1->currentRow() < 0) return QString();
    return it->data(Qt::UserRole).toString();
}

void PictureChooser::SelectRowQuietly(int row) {
    QSignalBlocker block(FileListBox1);
    if (row < 0 || row >= FileListBox1->count()) {
        FileListBox1->setCurrentRow(-1);
        FileListBox1->clearSelection();
    } else {
        FileListBox1->setCurrentRow(row);
    }
}

bool PictureChooser::SelectFile(const QString& path) {
    for (int i = 0; i < FileListBox1->count(); ++i) {
        if (SamePath(FileListBox1->item(i)->data(Qt::UserRole).toString(), path)) {
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
    Image1->clear();
    Image1->hide();
    Label1->clear();
}

void PictureChooser::ShowChosen(const QString& path) {
    chosen_ = path;
    BitBtn1->setEnabled(!chosen_.isEmpty());
}

bool PictureChooser::LoadSelectedInto(lum::Image& into) {
    const QString path = FileName();
    ShowChosen(QString());
    if (FileListBox1->count() == 0 || path.isEmpty()) {
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
    Image1->hide();
    Image1->resize(kPreviewBox, kPreviewBox);
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
    Image1->setPixmap(QPixmap::fromImage(view.scaled(ps, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    Image1->setGeometry((Panel1->width() - ps.width()) / 2, (Panel1->height() - ps.height()) / 2, ps.width(),
                        ps.height());
    Label1->setText(tr("Size %1 x %2").arg(img.width()).arg(img.height()));
    into = std::move(pic.image);
    Image1->show();
    ShowChosen(path);
    emit PictureLoaded(path);
    return true;
}

// ---- handlers

void PictureChooser::FileListBox1Click() {
    if (target_) {
        LoadSelectedInto(*target_);
    } else {
        lum::Image scratch;
        LoadSelectedInto(scratch);
    }
}

bool PictureChooser::ChangeFolder(const QString& folder) {
    if (!SetDirectory(folder)) return false;
    if (FileListBox1->count() > 0) {
        SelectRowQuietly(0);
        FileListBox1Click();
    }
    FileListBox1->setFocus();
    return true;
}

void PictureChooser::DriveComboBox1Change(int index) {
    if (index < 0 || index >= drives_.size()) return;
    if (!DriveReady(drives_[index])) {
        prompts().Message(NotReadyText().toStdString());
        QSignalBlocker block(DriveComboBox1);
        DriveComboBox1->setCurrentIndex(driveIndex_);
        return;
    }
    ChangeFolder(drives_[index].path);
}

void PictureChooser::DirectoryListBox1Change(QListWidgetItem* item) {
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

void PictureChooser::FormActivate() {
    rememberedIndex_ = FileListBox1->currentRow();
    rememberedPath_ = FileName();
    rememberedFolder_ = folder_;
    if (FileListBox1->count() > 1) {
        const int top = std::max(0, rememberedIndex_ - 1);
        FileListBox1->scrollToItem(FileListBox1->item(top), QAbstractItemView::PositionAtTop);
    }
    FileListBox1Click();
    FileListBox1->setFocus();
}

void PictureChooser::RestoreRemembered() {
    if (!rememberedFolder_.isEmpty() && !SamePath(rememberedFolder_, folder_)) SetDirectory(rememberedFolder_);
    if (!rememberedPath_.isEmpty() && SelectFile(rememberedPath_)) return;
    SelectRowQuietly(rememberedIndex_);
}

void PictureChooser::BitBtn2Click() { reject(); }

void PictureChooser::reject() {
    RestoreRemembered();
    QDialog::reject();
}

void PictureChooser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}
