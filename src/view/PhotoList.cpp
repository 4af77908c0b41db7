// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PhotoList.h"

#include <algorithm>
#include <cerrno>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QMimeDatabase>
#include <QMouseEvent>
#include <QSet>
#include <QStorageInfo>
#include <QTimer>

#include "editing/Prompts.h"
#include "widgets/QtPrompts.h"
#include "widgets/SelectionLook.h"

using namespace lum::files;

namespace {

std::string S(const QString& s) { return s.toStdString(); }

// One list entry. Its facts are plain members (cheap to make by the thousand and quick to
// compare while sorting); the public roles read them through data().
class FileItem : public QTreeWidgetItem {
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 28;
    enum Kind : quint8 { Dir, File, Drv };
    explicit FileItem(const QStringList& texts) : QTreeWidgetItem(texts, kType) {}

    QString path;
    QString upper;  // the caption upper-cased, for the name order
    QIcon icon;
    qint64 time = 0;
    qint64 bytes = 0;
    qint64 disk = -1, free = -1;
    Kind kind = File;
    bool parentEntry = false;

    static QString KindName(Kind k) {
        return k == Dir ? QStringLiteral("dir") : (k == File ? QStringLiteral("file") : QStringLiteral("drv"));
    }
    QVariant data(int column, int role) const override {
        if (column == 0) {
            switch (role) {
            case Qt::DecorationRole: return icon;
            case PhotoList::PathRole: return path;
            case PhotoList::KindRole: return KindName(kind);
            case PhotoList::TimeRole: return time;
            case PhotoList::BytesRole: return bytes;
            case PhotoList::ParentRole: return parentEntry;
            default: break;
            }
        }
        return QTreeWidgetItem::data(column, role);
    }
};

const FileItem* AsFile(const QTreeWidgetItem* item) {
    return item && item->type() == FileItem::kType ? static_cast<const FileItem*>(item) : nullptr;
}

qint64 KbOf(const FileItem* item) {
    if (item->kind != FileItem::File || item->bytes <= 0) return 0;
    return (item->bytes < 1024 ? 1024 : item->bytes) / 1024;
}

// Modification texts of a listing: the date and the time are each formatted once per value.
class DateTexts {
public:
    QString Of(const QDateTime& t) {
        if (!t.isValid()) return QStringLiteral(" ");
        const QDateTime local = t.toLocalTime();
        const QDate d = local.date();
        const QTime tm = local.time();
        auto di = dates_.find(d.toJulianDay());
        if (di == dates_.end()) di = dates_.insert(d.toJulianDay(), loc_.toString(d, QLocale::ShortFormat));
        // Short time formats show minutes; one that shows seconds is keyed by the second.
        const QTime key = withSeconds_ ? QTime(tm.hour(), tm.minute(), tm.second()) : QTime(tm.hour(), tm.minute());
        auto ti = times_.find(key.msecsSinceStartOfDay());
        if (ti == times_.end()) ti = times_.insert(key.msecsSinceStartOfDay(), loc_.toString(key, QLocale::ShortFormat));
        return *di + ' ' + *ti;
    }

private:
    QLocale loc_;
    bool withSeconds_ = loc_.timeFormat(QLocale::ShortFormat).contains('s');
    QHash<qint64, QString> dates_;
    QHash<int, QString> times_;
};

// A folder or file entry, or the parent entry leading to `parentPath`.
FileItem* MakeItem(const QFileInfo& fi, bool parentEntry, const QString& parentPath, bool hideExt, DateTexts& dates) {
    const bool dir = parentEntry || fi.isDir();
    const QString name = fi.fileName();
    QString caption = name;
    if (parentEntry) {
        caption = PhotoList::tr(PhotoList::kParentCaption);
    } else if (hideExt && !dir) {
        const int dot = name.lastIndexOf('.');
        if (dot > 0) caption = name.left(dot);
    }
    const QDateTime modified = fi.lastModified();
    auto* item = new FileItem(QStringList{caption, dir ? QStringLiteral(" ") : SizeKbText(fi.size()),
                                          parentEntry ? QStringLiteral(" ") : TypeName(name, dir), dates.Of(modified),
                                          parentEntry ? QStringLiteral("D") : AttrText(fi)});
    item->setTextAlignment(PhotoList::ColSize, Qt::AlignRight | Qt::AlignVCenter);
    item->icon = TypeIcon(name, dir);
    item->path = parentEntry ? parentPath : fi.absoluteFilePath();
    item->kind = dir ? FileItem::Dir : FileItem::File;
    item->time = modified.toMSecsSinceEpoch();
    item->bytes = dir ? 0 : fi.size();
    item->parentEntry = parentEntry;
    item->upper = caption.toUpper();
    return item;
}

template <typename T>
int Sign(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

struct BusyCursor {
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
};

}  // namespace

PhotoList::PhotoList(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setToolTip(tr("Select a photo to optimize."));
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    header()->setStretchLastSection(false);
    SetColumns(false);
    SetMask(mask_);
    connect(header(), &QHeaderView::sectionClicked, this, &PhotoList::SortByColumn);
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { EntryClicked(index, clickModifiers_); });
    keyboardOpen_ = new QTimer(this);
    keyboardOpen_->setSingleShot(true);
    connect(keyboardOpen_, &QTimer::timeout, this, &PhotoList::FlushKeyboardOpen);
    BuildMenu();
    lum::KeepSelectionVisible(this);
}

void PhotoList::SetShowHidden(bool on) {
    if (on == ShowHidden()) return;
    fileType_ = on ? (fileType_ | ftHidden) : (fileType_ & ~ftHidden);
    if (!directory_.isEmpty() && !drivesView_) Refresh();
}

lum::Prompts& PhotoList::prompts() const { return prompts_ ? *prompts_ : lum::QtPrompts::Fallback(); }

void PhotoList::BuildMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("ItemMenu"));
    auto add = [this](QMenu* m, const QString& caption, const char* name, void (PhotoList::*slot)()) {
        QAction* a = m->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add(menu_, tr("&Open"), "ItemOpen", &PhotoList::OpenSelected);
    add(menu_, tr("&View"), "ItemView", &PhotoList::ViewSelected);
    sendMenu_ = menu_->addMenu(tr("&Send To"));
    sendMenu_->setObjectName(QStringLiteral("SubMenuSend"));
    add(sendMenu_, tr("Any Folder..."), "SendToAnyFolder", &PhotoList::SendToAnyFolder);
    add(sendMenu_, tr("Clipboard as Contents"), "SendToClipboardAsContents", &PhotoList::SendToClipboardAsContents);
    add(sendMenu_, tr("Clipboard as File Name"), "SendToClipboardAsFileName", &PhotoList::SendToClipboardAsFileName);
    add(sendMenu_, tr("Desktop as Link"), "SendToDesktopAsShortCut", &PhotoList::SendToDesktopAsLink);
    menu_->addSeparator();
    add(menu_, tr("Cu&t"), "ItemOpCut", &PhotoList::CutSelected);
    add(menu_, tr("&Copy"), "ItemOpCopy", &PhotoList::CopySelected);
    pasteAction_ = add(menu_, tr("&Paste"), "ItemOpPaste", &PhotoList::PasteHere);
    menu_->addSeparator();
    add(menu_, tr("&Rename"), "ItemRename", &PhotoList::RenameSelected);
    add(menu_, tr("&Delete"), "ItemDelete", &PhotoList::DeleteSelected);
    add(menu_, tr("Propert&ies"), "ItemProperty", &PhotoList::ShowProperties);
    folderAction_ = add(menu_, tr("&New Folder..."), "ItemFolder", &PhotoList::NewFolder);

    // Below the items only what needs no item: the same New Folder and Paste, and Refresh.
    blankMenu_ = new QMenu(this);
    blankMenu_->setObjectName(QStringLiteral("BlankMenu"));
    blankMenu_->addAction(folderAction_);
    blankMenu_->addAction(pasteAction_);
    blankMenu_->addSeparator();
    add(blankMenu_, tr("Re&fresh"), "ItemRefresh", &PhotoList::Refresh);
}

void PhotoList::SetColumns(bool drives) {
    const int kind = drives ? 1 : 0;
    if (columnsKind_ == kind) return;
    columnsKind_ = kind;
    if (drives) {
        setHeaderLabels({tr("Name"), tr("Type"), tr("Disk Size"), tr("Free Space"), tr("Attributes")});
        const int w[] = {165, 95, 85, 85, 60};
        for (int i = 0; i < 5; ++i) setColumnWidth(i, w[i]);
    } else {
        setHeaderLabels({tr("Name"), tr("Size"), tr("Type"), tr("Modified"), tr("Attr")});
        const int w[] = {165, 75, 95, 125, 40};
        for (int i = 0; i < 5; ++i) setColumnWidth(i, w[i]);
        headerItem()->setTextAlignment(ColSize, Qt::AlignRight | Qt::AlignVCenter);
    }
}

// ---- properties

void PhotoList::SetMask(const QString& mask) {
    mask_ = mask;
    patterns_.clear();
    matchAll_ = false;
    for (const QString& p : ParseMask(mask)) {
        if (p == QLatin1String("*.*") || p == QLatin1String("*")) {
            matchAll_ = true;
            continue;
        }
        patterns_.push_back(QRegularExpression(QRegularExpression::wildcardToRegularExpression(p),
                                               QRegularExpression::CaseInsensitiveOption));
    }
    if (!directory_.isEmpty() && !drivesView_) Refresh();
}

QStringList PhotoList::ParseMask(const QString& mask) {
    QStringList out;
    for (const QString& part : mask.split(';')) {
        const QString p = part.trimmed();
        if (!p.isEmpty()) out.push_back(p);
    }
    if (out.isEmpty()) out.push_back(QStringLiteral("*.*"));
    return out;
}

bool PhotoList::MatchesMask(const QString& name) const {
    if (matchAll_) return true;
    for (const QRegularExpression& re : patterns_)
        if (re.match(name).hasMatch()) return true;
    return false;
}

QList<Drive> PhotoList::Drives() const { return drivesSource_ ? drivesSource_() : MountedDrives(); }

void PhotoList::RefreshIfShowing(const QStringList& folders) {
    for (const QString& f : folders)
        if (SamePath(directory_, f)) return Refresh();
}

void PhotoList::FolderRenamed(const QString& from, const QString& to) {
    if (directory_.startsWith(from)) setDirectory(to + directory_.mid(from.size()));
    else if (SamePath(directory_, QFileInfo(WithoutSlash(from)).absolutePath())) Refresh();
}

// ---- filling

void PhotoList::setDirectory(const QString& dir) {
    if (dir.compare(QLatin1String(kDrives), Qt::CaseInsensitive) == 0) {
        if (drivesView_) return;
        drivesView_ = true;
        directory_ = QString::fromLatin1(kDrives);
        Fill();
        emit DirectoryChanged(directory_);
        return;
    }
    if (dir.isEmpty()) return;
    QFileInfo fi(dir);
    if (!fi.isDir()) {
        prompts().Message(S(NotFoundText(dir)));
        return;
    }
    const QString nd = WithSlash(QDir::cleanPath(fi.absoluteFilePath()));
    if (!drivesView_ && nd == directory_) return;
    drivesView_ = false;
    directory_ = nd;
    QDir::setCurrent(nd);
    Fill();
    emit DirectoryChanged(nd);
}

void PhotoList::Refresh() {
    if (directory_.isEmpty()) return;
    QSet<QString> selected;
    for (QTreeWidgetItem* it : selectedItems()) selected.insert(PathOfItem(it));
    const QString current = currentItem() ? PathOfItem(currentItem()) : QString();
    const int currentRow = currentItem() ? indexOfTopLevelItem(currentItem()) : -1;
    if (!drivesView_ && !QFileInfo(directory_).isDir()) {
        // The folder went away: show the nearest one that still exists.
        QString up = WithoutSlash(directory_);
        while (!QFileInfo(up).isDir() && up != "/") up = QFileInfo(up).absolutePath();
        directory_.clear();
        setDirectory(up);
        emit FolderOpened(up);
        return;
    }
    Fill();
    if (selected.isEmpty()) return;
    QTreeWidgetItem* cur = nullptr;
    QList<QTreeWidgetItem*> found;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* it = topLevelItem(i);
        const QString p = PathOfItem(it);
        if (selected.contains(p)) found.push_back(it);
        if (p == current) cur = it;
    }
    if (found.isEmpty()) {
        // What was selected went away (moved, deleted, renamed elsewhere): the entry that took
        // its row is selected, not the way up.
        const int row = std::min(currentRow, topLevelItemCount() - 1);
        QTreeWidgetItem* next = row >= 0 ? topLevelItem(row) : nullptr;
        if (next && IsParentItem(next) && row + 1 < topLevelItemCount()) next = topLevelItem(row + 1);
        if (next && !IsParentItem(next)) setCurrentItem(next);
        return;
    }
    clearSelection();
    if (cur) setCurrentItem(cur, 0, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem* it : found) it->setSelected(true);
}

void PhotoList::Fill() {
    bool readable = true;
    {
        BusyCursor busy;
        setUpdatesEnabled(false);
        clear();
        SetColumns(drivesView_);
        if (drivesView_)
            FillDrives();
        else
            readable = FillFolder();
        sortReverse_ = true;
        SortByColumn(ColName);
        SelectFirstIfNone();
        setUpdatesEnabled(true);
    }
    // Told once the list is painted and the cursor is back.
    if (!readable) prompts().Message(S(tr("The folder %1 cannot be read: %2.").arg(WithoutSlash(directory_), SystemReason(EACCES))));
}

QString PhotoList::ParentOf(const QString& dir) const {
    if (SamePath(dir, "/")) return QString::fromLatin1(kDrives);
    return QFileInfo(WithoutSlash(dir)).absolutePath();
}

bool PhotoList::FillFolder() {
    const QFileInfo dirInfo(directory_);
    const bool readable = dirInfo.isReadable() && dirInfo.isExecutable();
    const QString parentPath = ParentOf(directory_);
    QFileInfoList all;
    if (readable)
        all = QDir(directory_).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDot, QDir::NoSort);
    auto classOk = [this](const QFileInfo& fi) {
        if (IsReadOnly(fi) && !(fileType_ & ftReadOnly)) return false;
        if (fi.isHidden() && !(fileType_ & ftHidden)) return false;
        if (IsSystem(fi) && !(fileType_ & ftSystem)) return false;
        return true;
    };
    DateTexts dates;
    QList<QTreeWidgetItem*> items;
    items.reserve(all.size() + 1);
    if (showFolders_) {
        bool parentSeen = false;
        for (const QFileInfo& fi : all) {
            if (fi.fileName() == QLatin1String("..")) {
                if (!parentSeen) items.push_back(MakeItem(fi, true, parentPath, hideFileExt_, dates));
                parentSeen = true;
            } else if (fi.isDir() && classOk(fi)) {
                items.push_back(MakeItem(fi, false, parentPath, hideFileExt_, dates));
            }
        }
        // The way back up, also out of a folder that cannot be read and out of "/".
        if (!parentSeen) items.push_back(MakeItem(QFileInfo(directory_ + QStringLiteral("..")), true, parentPath, hideFileExt_, dates));
    }
    for (const QFileInfo& fi : all) {
        if (fi.isDir() || fi.fileName() == QLatin1String("..")) continue;
        if (MatchesMask(fi.fileName()) && classOk(fi)) items.push_back(MakeItem(fi, false, parentPath, hideFileExt_, dates));
    }
    addTopLevelItems(items);
    return readable;
}

void PhotoList::FillDrives() {
    const QList<Drive> drives = Drives();
    QList<QTreeWidgetItem*> items;
    for (const Drive& d : drives) {
        const bool ready = DriveReady(d);
        QStorageInfo si(d.path);
        QString type = d.removable ? tr("Removable Disk") : tr("Local Disk");
        if (!d.fileSystem.isEmpty()) type += QStringLiteral(" (%1)").arg(d.fileSystem);
        auto* item = new FileItem(QStringList{
            d.caption, type, ready ? SizeKbText(si.bytesTotal()) : QStringLiteral(" "),
            ready ? SizeKbText(si.bytesFree()) : QStringLiteral(" "),
            ready && si.isReadOnly() ? QStringLiteral("R") : QStringLiteral(" ")});
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        item->icon = TypeIcon(QString(), true);
        item->path = d.path;
        item->kind = FileItem::Drv;
        item->upper = d.caption.toUpper();
        item->disk = ready ? si.bytesTotal() : -1;
        item->free = ready ? si.bytesFree() : -1;
        items.push_back(item);
    }
    addTopLevelItems(items);
}

void PhotoList::SelectFirstIfNone() {
    if (topLevelItemCount() > 0 && selectedItems().isEmpty()) setCurrentItem(topLevelItem(0));
}

// ---- sorting

void PhotoList::SortByColumn(int column) {
    if (column < 0 || column >= columnCount()) return;
    if (column == sortColumn_) {
        sortReverse_ = !sortReverse_;
    } else {
        sortColumn_ = column;
        sortReverse_ = true;
    }
    SortItems();
}

int PhotoList::Compare(const QTreeWidgetItem* ia, const QTreeWidgetItem* ib) const {
    const FileItem* a = AsFile(ia);
    const FileItem* b = AsFile(ib);
    if (!a || !b) return 0;
    const bool folderA = a->kind != FileItem::File;
    const bool folderB = b->kind != FileItem::File;
    if (folderA != folderB) return folderA ? -1 : 1;
    if (sortColumn_ == ColName) return Sign(a->upper, b->upper);
    if (drivesView_) {
        if (sortColumn_ == 2) return Sign(a->disk, b->disk);
        if (sortColumn_ == 3) return Sign(a->free, b->free);
    } else {
        if (sortColumn_ == ColSize) return Sign(KbOf(a), KbOf(b));
        if (sortColumn_ == ColModified) return Sign(a->time, b->time);
    }
    const int c = QString::compare(a->text(sortColumn_), b->text(sortColumn_), Qt::CaseInsensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

void PhotoList::SortItems() {
    QSet<QString> selected;
    for (QTreeWidgetItem* it : selectedItems()) selected.insert(PathOfItem(it));
    const QString current = currentItem() ? PathOfItem(currentItem()) : QString();
    QList<QTreeWidgetItem*> items = invisibleRootItem()->takeChildren();
    std::stable_sort(items.begin(), items.end(), [this](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        // The way up stays on top whichever way the list is sorted.
        const bool pa = IsParentItem(a), pb = IsParentItem(b);
        if (pa != pb) return pa;
        const int c = Compare(a, b);
        return sortReverse_ ? c > 0 : c < 0;
    });
    addTopLevelItems(items);
    for (QTreeWidgetItem* it : items) {
        const QString p = PathOfItem(it);
        if (p == current) setCurrentItem(it, 0, QItemSelectionModel::NoUpdate);
        if (selected.contains(p)) it->setSelected(true);
    }
    header()->setSortIndicator(sortColumn_, sortReverse_ ? Qt::DescendingOrder : Qt::AscendingOrder);
}

// ---- items

QString PhotoList::PathOfItem(const QTreeWidgetItem* item) {
    if (const FileItem* f = AsFile(item)) return f->path;
    return item ? item->data(0, PathRole).toString() : QString();
}
QString PhotoList::KindOfItem(const QTreeWidgetItem* item) {
    if (const FileItem* f = AsFile(item)) return FileItem::KindName(f->kind);
    return item ? item->data(0, KindRole).toString() : QString();
}
bool PhotoList::IsParentItem(const QTreeWidgetItem* item) {
    if (const FileItem* f = AsFile(item)) return f->parentEntry;
    return item && item->data(0, ParentRole).toBool();
}

QTreeWidgetItem* PhotoList::ItemOfPath(const QString& path) const {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* it = topLevelItem(i);
        if (!IsParentItem(it) && SamePath(PathOfItem(it), path)) return it;
    }
    return nullptr;
}

QStringList PhotoList::SelectedPaths() const {
    QStringList out;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* it = topLevelItem(i);
        if (it->isSelected() && !IsParentItem(it)) out.push_back(PathOfItem(it));
    }
    return out;
}

QString PhotoList::SingleSelection() const {
    QTreeWidgetItem* cur = currentItem();
    if (cur && cur->isSelected() && !IsParentItem(cur)) return PathOfItem(cur);
    const QStringList all = SelectedPaths();
    return all.isEmpty() ? QString() : all.front();
}

// ---- clicks

void PhotoList::EntryClicked(const QModelIndex& index, Qt::KeyboardModifiers modifiers) {
    // Ctrl and Shift with a click only add to the selection or take from it.
    if (modifiers & (Qt::ControlModifier | Qt::ShiftModifier)) return;
    // Once the view's own mouse handling has ended: opening a photo waits for its decode
    // while the window turns, and the list may be refilled meanwhile.
    const QPersistentModelIndex clicked(index);
    QTimer::singleShot(0, this, [this, clicked] {
        if (clicked.isValid()) ActivateEntry(itemFromIndex(clicked));
    });
}

void PhotoList::ActivateEntry(QTreeWidgetItem* item) {
    if (!item) return;
    keyboardOpen_->stop();
    activatedPath_ = PathOfItem(item);
    emit EntryActivated();
}

void PhotoList::DoubleClickEntry(QTreeWidgetItem* item) {
    if (!item) return;
    // The item goes away when a folder is opened.
    const QString path = PathOfItem(item);
    const QString kind = KindOfItem(item);
    const bool parentEntry = IsParentItem(item);
    emit EntryDoubleClicked();
    if (parentEntry) {
        OpenFolder(path, QStringLiteral("dir"));
        return;
    }
    if (!doubleClickOpens_) return;
    if (kind == QLatin1String("file"))
        OpenFile(path);
    else
        OpenFolder(path, kind);
}

void PhotoList::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidgetItem* item = event->button() == Qt::LeftButton ? itemAt(event->position().toPoint()) : nullptr;
    QTreeWidget::mouseDoubleClickEvent(event);
    if (item) DoubleClickEntry(item);
}

void PhotoList::mouseReleaseEvent(QMouseEvent* event) {
    // The keys held with the click itself, not those held when its signal is handled.
    clickModifiers_ = event->modifiers();
    QTreeWidget::mouseReleaseEvent(event);
}

QMenu* PhotoList::MenuAt(const QPoint& pos) {
    return MenuFor(itemAt(pos));
}

QMenu* PhotoList::MenuFor(QTreeWidgetItem* item) {
    const bool inFolder = !drivesView_ && !directory_.isEmpty();
    pasteAction_->setEnabled(inFolder && !FilesOnClipboard(nullptr).isEmpty());
    folderAction_->setEnabled(inFolder);
    if (!item) return blankMenu_;
    // The item clicked is what the commands act on, as a left click would make it.
    if (!item->isSelected()) setCurrentItem(item);
    return menu_;
}

void PhotoList::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's comes in viewport pixels; from the keyboard, the current item's menu.
    QPoint at = event->pos();
    if (event->reason() != QContextMenuEvent::Mouse && currentItem()) at = visualItemRect(currentItem()).center();
    MenuAt(at)->exec(event->globalPos());
}

void PhotoList::startDrag(Qt::DropActions) { DragSelected(this); }

void PhotoList::DragSelected(QObject* source) {
    const QStringList paths = SelectedPaths();
    if (paths.isEmpty()) return;
    auto* drag = new QDrag(source);
    drag->setMimeData(MakeFilesMimeData(paths, false));
    if (QTreeWidgetItem* it = currentItem()) drag->setPixmap(it->icon(0).pixmap(32, 32));
    // Whoever takes the drop moves or copies the files; the list is refilled by the folder
    // change that follows.
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

QString PhotoList::NotFoundText(const QString& path) {
    return tr("%1 is not there any more.").arg(WithoutSlash(path));
}

bool PhotoList::OpenFolder(const QString& path, const QString& kind) {
    Q_UNUSED(kind);
    if (path == QLatin1String(kDrives)) {
        setDirectory(path);
        emit FolderOpened(path);
        return true;
    }
    const QList<Drive> drives = Drives();
    const int di = DriveIndexOf(drives, path);
    if (di >= 0 && drives[di].removable && !CheckDrive(drives[di], prompts())) return false;
    if (!QFileInfo(path).isDir()) {
        prompts().Message(S(NotFoundText(path)));
        return false;
    }
    setDirectory(path);
    emit FolderOpened(path);
    return true;
}

bool PhotoList::OpenFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        prompts().Message(S(OpenFailureText(path)));
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    const bool ok = opener_ ? opener_(url) : DesktopOpen(url);
    if (!ok) prompts().Message(S(OpenFailureText(path)));
    return ok;
}
