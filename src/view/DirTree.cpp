#include "view/DirTree.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QStorageInfo>

#include "editing/Prompts.h"
#include "widgets/QtPrompts.h"

using namespace lum::files;

namespace {

std::string S(const QString& s) { return s.toStdString(); }

QString ParentFolder(const QString& path) {
    QFileInfo fi(WithoutSlash(path));
    return WithSlash(fi.absolutePath());
}

const QIcon& FolderIcon() {
    static QFileIconProvider icons;
    static const QIcon icon = icons.icon(QFileIconProvider::Folder);
    return icon;
}

// Folder names in the order the tree shows them.
bool NameLess(const QString& a, const QString& b) {
    int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

}  // namespace

TLsDirTree21::TLsDirTree21(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    setToolTip(QStringLiteral("Please select one folder that contain the photos you want to optimize"));
    // The selection stays visible while the photo list has the focus.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { LoadChildren(item); });
    BuildMenu();
    drives_ = MountedDrives();
    Rebuild();
}

lum::Prompts& TLsDirTree21::prompts() const { return prompts_ ? *prompts_ : lum::QtPrompts::Fallback(); }

void TLsDirTree21::BuildMenu() {
    menu_ = new QMenu(this);
    auto add = [this](const char* caption, const char* name, void (TLsDirTree21::*slot)()) {
        QAction* a = menu_->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add("&New Folder", "AddNode", &TLsDirTree21::AddNode);
    add("&Rename Folder", "EditNode", &TLsDirTree21::EditNode);
    add("&Delete Folder", "DelNode", &TLsDirTree21::DelNode);
    menu_->addSeparator();
    add("Cu&t", "CutNode", &TLsDirTree21::CutNode);
    add("&Copy", "CopyNode", &TLsDirTree21::CopyNode);
    pasteAction_ = add("&Paste", "PasteNode", &TLsDirTree21::PasteNode);
    menu_->addSeparator();
    add("Tree &Size", "GetTreeSize", &TLsDirTree21::GetTreeSize);
    add("&Folder Contents", "ShowFolderContents", &TLsDirTree21::ShowFolderContents);
    menu_->addSeparator();
    add("&Map Network Drive", "ConnectNetResource", &TLsDirTree21::ConnectNetResource);
    add("Di&sConnect Network Drive", "DisConnectNetResource", &TLsDirTree21::DisConnectNetResource);
}

// ---- building and reading nodes

void TLsDirTree21::Rebuild() {
    static QFileIconProvider icons;
    clear();
    contextNode_ = nullptr;
    root_ = new QTreeWidgetItem(this, QStringList{QString::fromLatin1(kDrives)});
    root_->setIcon(0, icons.icon(QFileIconProvider::Computer));
    root_->setData(0, PathRole, QString::fromLatin1(kDrives));
    root_->setData(0, KindRole, int(RootNode));
    root_->setData(0, LoadedRole, true);
    for (const Drive& d : drives_) {
        auto* n = new QTreeWidgetItem(root_, QStringList{d.caption});
        n->setIcon(0, icons.icon(QFileIconProvider::Drive));
        n->setData(0, PathRole, d.path);
        n->setData(0, KindRole, int(DriveNode));
        n->setData(0, NameRole, d.path);
        n->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    root_->setExpanded(true);
}

void TLsDirTree21::SetShowHidden(bool on) {
    if (on == showHidden_) return;
    showHidden_ = on;
    RefreshLoaded();
}

void TLsDirTree21::RefreshLoaded() {
    if (!root_) return;
    // Parents before children, so a folder that went away takes its nodes with it.
    QList<QTreeWidgetItem*> queue{root_};
    while (!queue.isEmpty()) {
        QTreeWidgetItem* node = queue.takeFirst();
        if (node != root_ && !node->data(0, LoadedRole).toBool()) continue;
        if (node != root_) LoadChildren(node, true);
        for (int i = 0; i < node->childCount(); ++i) queue.push_back(node->child(i));
    }
}

QStringList TLsDirTree21::ExpandedPaths() const {
    QStringList out;
    if (!root_) return out;
    QList<QTreeWidgetItem*> queue{root_};
    while (!queue.isEmpty()) {
        QTreeWidgetItem* node = queue.takeFirst();
        if (!node->isExpanded()) continue;
        if (node != root_) out.push_back(PathOf(node));
        for (int i = 0; i < node->childCount(); ++i) queue.push_back(node->child(i));
    }
    return out;
}

void TLsDirTree21::SetDrives(const QList<Drive>& drives) {
    drives_ = drives;
    fixedDrives_ = true;
    Rebuild();
}

QString TLsDirTree21::PathOf(const QTreeWidgetItem* node) const {
    return node ? node->data(0, PathRole).toString() : QString();
}

QTreeWidgetItem* TLsDirTree21::AddFolderNode(QTreeWidgetItem* parent, const QString& name, const QString& path) {
    auto* n = new QTreeWidgetItem(QStringList{name});
    n->setIcon(0, FolderIcon());
    n->setData(0, PathRole, WithSlash(path));
    n->setData(0, KindRole, int(FolderNode));
    n->setData(0, NameRole, name);
    n->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    // At its place in the name order.
    int at = 0;
    while (at < parent->childCount() && NameLess(parent->child(at)->data(0, NameRole).toString(), name)) ++at;
    parent->insertChild(at, n);
    return n;
}

void TLsDirTree21::LoadChildren(QTreeWidgetItem* node, bool force) {
    if (!node || node->data(0, KindRole).toInt() == RootNode) return;
    if (node->data(0, LoadedRole).toBool() && !force) return;
    const QString path = PathOf(node);
    QDir::Filters filters = QDir::Dirs | QDir::NoDotAndDotDot;
    if (showHidden_) filters |= QDir::Hidden;
    const QFileInfoList subs = QDir(path).entryInfoList(filters, QDir::NoSort);
    QHash<QString, bool> onDisk;
    for (const QFileInfo& fi : subs) onDisk.insert(fi.fileName(), true);

    // Keep the nodes that still exist where they are, with what is open or selected below
    // them; hidden folders are only there when the selected path leads through them.
    QHash<QString, bool> kept;
    for (int i = node->childCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* k = node->child(i);
        const QString name = k->data(0, NameRole).toString();
        const bool stays = onDisk.contains(name) || (name.startsWith('.') && selectedPath_.startsWith(PathOf(k)) &&
                                                     QFileInfo(PathOf(k)).isDir());
        if (stays && !kept.contains(name)) {
            kept.insert(name, true);
        } else {
            if (contextNode_ == k || (contextNode_ && PathOf(contextNode_).startsWith(PathOf(k)))) contextNode_ = nullptr;
            delete k;
        }
    }
    for (const QFileInfo& fi : subs)
        if (!kept.contains(fi.fileName())) AddFolderNode(node, fi.fileName(), path + fi.fileName());
    node->setData(0, LoadedRole, true);
    node->setChildIndicatorPolicy(node->childCount() == 0 ? QTreeWidgetItem::DontShowIndicatorWhenChildless
                                                 : QTreeWidgetItem::ShowIndicator);
}

QTreeWidgetItem* TLsDirTree21::ChildNamed(QTreeWidgetItem* node, const QString& name) const {
    QTreeWidgetItem* loose = nullptr;
    for (int i = 0; i < node->childCount(); ++i) {
        QTreeWidgetItem* c = node->child(i);
        const QString n = c->data(0, NameRole).toString();
        if (n == name) return c;
        if (!loose && QString::compare(n, name, Qt::CaseInsensitive) == 0) loose = c;
    }
    return loose;
}

QTreeWidgetItem* TLsDirTree21::NodeOf(const QString& path) const {
    if (!root_) return nullptr;
    if (path == QLatin1String(kDrives)) return root_;
    const QString p = WithSlash(QDir::cleanPath(path));
    QTreeWidgetItem* node = nullptr;
    int best = -1;
    for (int i = 0; i < root_->childCount(); ++i) {
        const QString d = PathOf(root_->child(i));
        if (p.startsWith(d) && d.size() > best) {
            best = static_cast<int>(d.size());
            node = root_->child(i);
        }
    }
    while (node && PathOf(node) != p) {
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < node->childCount() && !next; ++i)
            if (p.startsWith(PathOf(node->child(i)))) next = node->child(i);
        node = next;
    }
    return node;
}

const Drive* TLsDirTree21::DriveOfNode(const QTreeWidgetItem* node) const {
    if (!node || node->data(0, KindRole).toInt() == RootNode) return nullptr;
    while (node->parent() && node->parent() != root_) node = node->parent();
    const QString p = PathOf(node);
    for (const Drive& d : drives_)
        if (d.path == p) return &d;
    return nullptr;
}

void TLsDirTree21::RefreshPath(const QString& path) {
    QTreeWidgetItem* node = NodeOf(path);
    if (node && node->data(0, LoadedRole).toBool()) LoadChildren(node, true);
}

void TLsDirTree21::RefreshPaths(const QStringList& paths) {
    for (const QString& p : paths) RefreshPath(p);
}

bool TLsDirTree21::CheckDrive(const Drive& drive) { return lum::files::CheckDrive(drive, prompts()); }

// ---- selecting

void TLsDirTree21::SetSelectedPath(const QString& path) {
    QString p = path;
    if (p != QLatin1String(kDrives) && QFileInfo(p).isDir()) p = WithSlash(QDir::cleanPath(p));
    if (!SamePath(p, selectedPath_)) selectedPath_ = p;
}

void TLsDirTree21::SelectNode(QTreeWidgetItem* node) {
    if (!node) return;
    if (node->data(0, KindRole).toInt() == RootNode) {
        if (!fixedDrives_) {
            drives_ = MountedDrives();
            Rebuild();
            node = root_;
        }
        setCurrentItem(node);
        selectedPath_ = QString::fromLatin1(kDrives);
        emit OnDirChange(selectedPath_);
        return;
    }
    const QString path = PathOf(node);
    const Drive* drive = DriveOfNode(node);
    if (drive && drive->removable && !CheckDrive(*drive)) return;
    if (!QFileInfo(path).isDir()) {
        QApplication::beep();
        prompts().Message(S(WithoutSlash(path) + QStringLiteral(" not found")));
        if (node->parent() && node->parent() != root_) LoadChildren(node->parent(), true);
        return;
    }
    setCurrentItem(node);
    LoadChildren(node, true);
    selectedPath_ = path;
    emit OnDirChange(path);
}

bool TLsDirTree21::OpenPath(const QString& path) {
    if (path == QLatin1String(kDrives)) {
        SelectNode(root_);
        return true;
    }
    if (path.isEmpty() || !QFileInfo(path).isDir()) return false;
    const QString p = WithSlash(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const int di = DriveIndexOf(drives_, p);
    if (di < 0) return false;
    if (drives_[di].removable && !CheckDrive(drives_[di])) return false;
    QTreeWidgetItem* node = nullptr;
    for (int i = 0; i < root_->childCount() && !node; ++i)
        if (PathOf(root_->child(i)) == drives_[di].path) node = root_->child(i);
    if (!node) return false;
    const QStringList parts = p.mid(drives_[di].path.size()).split('/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        LoadChildren(node, true);
        node->setExpanded(true);
        QTreeWidgetItem* child = ChildNamed(node, part);
        if (!child) {
            // A folder the tree does not list by itself (hidden ones).
            const QString sub = PathOf(node) + part;
            if (!QFileInfo(sub).isDir()) break;
            child = AddFolderNode(node, part, sub);
        }
        node = child;
    }
    LoadChildren(node, true);
    node->setExpanded(true);
    setCurrentItem(node);
    scrollToItem(node);
    selectedPath_ = PathOf(node);
    emit OnDirChange(selectedPath_);
    return true;
}

void TLsDirTree21::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // The popup works on the node under the mouse; the selection stays where it is.
        event->accept();
        return;
    }
    const QPoint pos = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(pos);
    const bool onLabel = item && visualItemRect(item).contains(pos);
    QTreeWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && onLabel) SelectNode(item);
}

void TLsDirTree21::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: SelectNode(currentItem()); return;
    case Qt::Key_F2: EditNode(); return;
    case Qt::Key_Delete: DelNode(); return;
    default: QTreeWidget::keyPressEvent(event);
    }
}

void TLsDirTree21::contextMenuEvent(QContextMenuEvent* event) {
    QTreeWidgetItem* node = event->reason() == QContextMenuEvent::Mouse ? itemAt(event->pos()) : nullptr;
    contextNode_ = node ? node : currentItem();
    const int kind = contextNode_ ? contextNode_->data(0, KindRole).toInt() : int(RootNode);
    for (QAction* a : menu_->actions()) {
        const QString n = a->objectName();
        if (n == "EditNode" || n == "DelNode" || n == "CutNode" || n == "CopyNode") a->setEnabled(kind == FolderNode);
    }
    pasteAction_->setEnabled(kind != RootNode && !FilesOnClipboard(nullptr).isEmpty());
    menu_->exec(event->globalPos());
    contextNode_ = nullptr;
}

QTreeWidgetItem* TLsDirTree21::CommandNode() const {
    if (contextNode_) return contextNode_;
    return currentItem() ? currentItem() : root_;
}

// ---- popup-menu commands

void TLsDirTree21::AddNode() {
    QTreeWidgetItem* node = CommandNode();
    if (!node || node->data(0, KindRole).toInt() == RootNode) {
        prompts().Message("Can't add drives");
        return;
    }
    const QString parentPath = PathOf(node);
    std::string name = S(QFileInfo(UniqueTarget(parentPath, QStringLiteral("New Folder"))).fileName());
    if (!prompts().AskText("New Folder", "Folder name :", name)) return;
    CreateFolderIn(parentPath, QString::fromStdString(name));
}

bool TLsDirTree21::CreateFolderIn(const QString& parentPath, const QString& name) {
    if (parentPath.isEmpty() || parentPath == QLatin1String(kDrives)) {
        prompts().Message("Can't add drives");
        return false;
    }
    if (HasInvalidFolderChars(name)) {
        prompts().Message("Folder Name contains invalid characters");
        return false;
    }
    const QString target = QDir(parentPath).filePath(name);
    if (!IsUsableFileName(name) || QFileInfo::exists(target) || QFileInfo(target).isSymLink() ||
        !QDir(parentPath).mkdir(name)) {
        prompts().Message("Error - Invalid Directory Name");
        return false;
    }
    if (QTreeWidgetItem* node = NodeOf(parentPath)) {
        LoadChildren(node, true);
        node->setExpanded(true);
    }
    emit FoldersChanged({parentPath});
    return true;
}

void TLsDirTree21::EditNode() {
    QTreeWidgetItem* node = CommandNode();
    if (!node || node->data(0, KindRole).toInt() != FolderNode) {
        prompts().Message("Can't rename drives");
        return;
    }
    const QString path = PathOf(node);
    std::string name = S(node->data(0, NameRole).toString());
    if (!prompts().AskText("Rename Folder", "New name :", name)) return;
    RenameFolder(path, QString::fromStdString(name));
}

bool TLsDirTree21::RenameFolder(const QString& path, const QString& newName) {
    QTreeWidgetItem* node = NodeOf(path);
    bool isDrive = path == QLatin1String(kDrives) || SamePath(path, "/");
    for (const Drive& d : drives_) isDrive = isDrive || SamePath(d.path, path);
    if (isDrive || (node && node->data(0, KindRole).toInt() != FolderNode)) {
        prompts().Message("Can't rename drives");
        return false;
    }
    QFileInfo fi(WithoutSlash(path));
    if (!fi.isDir()) {
        QApplication::beep();
        prompts().Message(S(WithoutSlash(path) + QStringLiteral(" not found")));
        return false;
    }
    if (HasInvalidFolderChars(newName)) {
        prompts().Message("Folder Name contains invalid characters");
        return false;
    }
    const QString oldName = fi.fileName();
    if (newName == oldName) return false;
    const QString question = QStringLiteral("Do you want to rename the selected folder\n\nFrom  : %1\nTo     : %2")
                                 .arg(oldName, newName);
    if (!prompts().AskYesNo("Rename Folder", S(question))) return false;
    const QString target = fi.absolutePath() + '/' + newName;
    if (!IsUsableFileName(newName) || !MoveEntry(fi.absoluteFilePath(), target)) {
        prompts().Message("Error - Invalid Directory Name");
        return false;
    }
    AfterRename(WithSlash(fi.absoluteFilePath()), WithSlash(target));
    return true;
}

void TLsDirTree21::AfterRename(const QString& from, const QString& to) {
    const QString parent = ParentFolder(from);
    RefreshPath(parent);
    if (selectedPath_.startsWith(from)) OpenPath(to + selectedPath_.mid(from.size()));
    else emit FolderRenamed(from, to);
}

void TLsDirTree21::DelNode() {
    QTreeWidgetItem* node = CommandNode();
    if (!node || node->data(0, KindRole).toInt() != FolderNode) {
        prompts().Message("Can't delete drives");
        return;
    }
    const QString path = PathOf(node);
    const QString p = WithoutSlash(path);
    const QString parent = ParentFolder(path);
    if (!QFileInfo::exists(p)) {
        QApplication::beep();
        prompts().Message(S(p + QStringLiteral(" not found")));
        RefreshPath(parent);
        return;
    }
    const QString question = QStringLiteral("Do you want to move the folder\n%1\nand all its contents to the Trash?").arg(p);
    if (!prompts().AskYesNo("Delete Folder", S(question))) return;
    if (!MoveToTrash(p)) {
        prompts().Message("File operation failed");
        return;
    }
    RefreshPath(parent);
    if (selectedPath_.startsWith(path)) OpenPath(parent);
    else emit FoldersChanged({parent});
}

void TLsDirTree21::CutNode() {
    QTreeWidgetItem* node = CommandNode();
    if (!node || node->data(0, KindRole).toInt() != FolderNode) {
        prompts().Message("No file(s) selected");
        return;
    }
    PutFilesOnClipboard({WithoutSlash(PathOf(node))}, true);
}

void TLsDirTree21::CopyNode() {
    QTreeWidgetItem* node = CommandNode();
    if (!node || node->data(0, KindRole).toInt() != FolderNode) {
        prompts().Message("No file(s) selected");
        return;
    }
    PutFilesOnClipboard({WithoutSlash(PathOf(node))}, false);
}

void TLsDirTree21::PasteNode() {
    QTreeWidgetItem* node = CommandNode();
    if (!node || node->data(0, KindRole).toInt() == RootNode) {
        prompts().Message("Can't add drives");
        return;
    }
    const QString target = PathOf(node);
    bool cut = false;
    const QStringList files = FilesOnClipboard(&cut);
    if (files.isEmpty()) {
        prompts().Message("No file(s) selected");
        return;
    }
    const bool ok = PasteInto(files, target, cut);
    if (!ok) prompts().Message("File operation failed");
    if (ok && cut) QApplication::clipboard()->clear();
    RefreshPath(target);
    QStringList touched{target};
    if (cut) {
        for (const QString& f : files) {
            const QString parent = ParentFolder(f);
            RefreshPath(parent);
            touched << parent;
        }
    }
    if (selectedPath_ != QLatin1String(kDrives) && !QFileInfo(selectedPath_).isDir()) OpenPath(target);
    else emit FoldersChanged(touched);
}

void TLsDirTree21::ConnectNetResource() {
    prompts().Message(
        "Network drives are connected through the desktop's file manager on this system (for example its "
        "\"Connect to Server\" or \"Other Locations\" page). Once mounted, they appear under \"Drives\".");
}

void TLsDirTree21::DisConnectNetResource() {
    prompts().Message(
        "Network drives are disconnected through the desktop's file manager on this system (the eject or "
        "unmount button beside the network place).");
}
