// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/FolderTree.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
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
#include <QTimer>

#include "editing/Prompts.h"
#include "view/FolderCommands.h"
#include "widgets/QtPrompts.h"
#include "widgets/SelectionLook.h"

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

FolderTree::FolderTree(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    setToolTip(tr("Select the folder that holds the photos you want to optimize."));
    // Files dropped on a folder move there (Ctrl copies), as a cut and paste would.
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    // The selection stays visible while the photo list has the focus.
    lum::KeepSelectionVisible(this);
    reachPause_ = new QTimer(this);
    reachPause_->setSingleShot(true);
    reachPause_->setInterval(kListPauseMs);
    connect(reachPause_, &QTimer::timeout, this, &FolderTree::ListReachedNode);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { LoadChildren(item); });
    BuildMenu();
    drives_ = MountedDrives();
    Rebuild();
}

lum::Prompts& FolderTree::prompts() const { return prompts_ ? *prompts_ : lum::QtPrompts::Fallback(); }

void FolderTree::BuildMenu() {
    menu_ = new QMenu(this);
    auto add = [this](const QString& caption, const char* name, void (FolderTree::*slot)()) {
        QAction* a = menu_->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add(tr("&New Folder"), "AddNode", &FolderTree::NewFolder);
    add(tr("&Rename Folder"), "EditNode", &FolderTree::AskFolderRename);
    add(tr("&Delete Folder"), "DelNode", &FolderTree::DeleteFolder);
    menu_->addSeparator();
    add(tr("Cu&t"), "CutNode", &FolderTree::CutFolder);
    add(tr("&Copy"), "CopyNode", &FolderTree::CopyFolder);
    pasteAction_ = add(tr("&Paste"), "PasteNode", &FolderTree::PasteIntoFolder);
    menu_->addSeparator();
    add(tr("Tree &Size"), "GetTreeSize", &FolderTree::ShowTreeSize);
    add(tr("&Folder Contents"), "ShowFolderContents", &FolderTree::ShowFolderContents);
    menu_->addSeparator();
    add(tr("&Map Network Drive"), "ConnectNetResource", &FolderTree::MapNetworkDrive);
    add(tr("Disconnect Net&work Drive"), "DisConnectNetResource", &FolderTree::DisconnectNetworkDrive);
}

// ---- building and reading nodes

void FolderTree::Rebuild() {
    static QFileIconProvider icons;
    clear();
    contextNode_ = nullptr;
    root_ = new QTreeWidgetItem(this, QStringList{tr("Drives")});
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

void FolderTree::SetShowHidden(bool on) {
    if (on == showHidden_) return;
    showHidden_ = on;
    RefreshLoaded();
}

void FolderTree::RefreshLoaded() {
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

QStringList FolderTree::ExpandedPaths() const {
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

void FolderTree::SetDrives(const QList<Drive>& drives) {
    drives_ = drives;
    fixedDrives_ = true;
    Rebuild();
}

QString FolderTree::PathOf(const QTreeWidgetItem* node) const {
    return node ? node->data(0, PathRole).toString() : QString();
}

QTreeWidgetItem* FolderTree::AddFolderNode(QTreeWidgetItem* parent, const QString& name, const QString& path) {
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

void FolderTree::LoadChildren(QTreeWidgetItem* node, bool force) {
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

QTreeWidgetItem* FolderTree::ChildNamed(QTreeWidgetItem* node, const QString& name) const {
    QTreeWidgetItem* loose = nullptr;
    for (int i = 0; i < node->childCount(); ++i) {
        QTreeWidgetItem* c = node->child(i);
        const QString n = c->data(0, NameRole).toString();
        if (n == name) return c;
        if (!loose && QString::compare(n, name, Qt::CaseInsensitive) == 0) loose = c;
    }
    return loose;
}

QTreeWidgetItem* FolderTree::NodeOf(const QString& path) const {
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

const Drive* FolderTree::DriveOfNode(const QTreeWidgetItem* node) const {
    if (!node || node->data(0, KindRole).toInt() == RootNode) return nullptr;
    while (node->parent() && node->parent() != root_) node = node->parent();
    const QString p = PathOf(node);
    for (const Drive& d : drives_)
        if (d.path == p) return &d;
    return nullptr;
}

void FolderTree::RefreshPath(const QString& path) {
    QTreeWidgetItem* node = NodeOf(path);
    if (node && node->data(0, LoadedRole).toBool()) LoadChildren(node, true);
}

void FolderTree::RefreshPaths(const QStringList& paths) {
    for (const QString& p : paths) RefreshPath(p);
}

bool FolderTree::CheckDrive(const Drive& drive) { return lum::files::CheckDrive(drive, prompts()); }

// ---- selecting

void FolderTree::SetSelectedPath(const QString& path) {
    QString p = path;
    if (p != QLatin1String(kDrives) && QFileInfo(p).isDir()) p = WithSlash(QDir::cleanPath(p));
    if (!SamePath(p, selectedPath_)) selectedPath_ = p;
}

void FolderTree::SelectNode(QTreeWidgetItem* node) {
    if (!node) return;
    if (node->data(0, KindRole).toInt() == RootNode) {
        if (!fixedDrives_) {
            drives_ = MountedDrives();
            Rebuild();
            node = root_;
        }
        setCurrentItem(node);
        selectedPath_ = QString::fromLatin1(kDrives);
        emit FolderSelected(selectedPath_);
        return;
    }
    const QString path = PathOf(node);
    const Drive* drive = DriveOfNode(node);
    if (drive && drive->removable && !CheckDrive(*drive)) return;
    if (!QFileInfo(path).isDir()) {
        QApplication::beep();
        prompts().Message(S(NotFoundText(path)));
        if (node->parent() && node->parent() != root_) LoadChildren(node->parent(), true);
        return;
    }
    setCurrentItem(node);
    LoadChildren(node, true);
    selectedPath_ = path;
    emit FolderSelected(path);
}

bool FolderTree::OpenPath(const QString& path) {
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
    emit FolderSelected(selectedPath_);
    return true;
}

void FolderTree::mousePressEvent(QMouseEvent* event) {
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

void FolderTree::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: SelectNode(currentItem()); return;
    case Qt::Key_F2: AskFolderRename(); return;
    case Qt::Key_Delete: DeleteFolder(); return;
    default: {
        QTreeWidgetItem* before = currentItem();
        QTreeWidget::keyPressEvent(event);
        // Listing each folder passed on the way would make a held arrow crawl.
        if (currentItem() && currentItem() != before) reachPause_->start();
    }
    }
}

void FolderTree::ListReachedNode() {
    QTreeWidgetItem* node = currentItem();
    if (!node) return;
    if (node->data(0, KindRole).toInt() == RootNode) {
        // Without rebuilding the drives, which would fold the tree under the user's keys.
        if (selectedPath_ == QLatin1String(kDrives)) return;
        selectedPath_ = QString::fromLatin1(kDrives);
        emit FolderSelected(selectedPath_);
        return;
    }
    // A drive without its medium says so only when chosen.
    const Drive* drive = DriveOfNode(node);
    if (drive && drive->removable && !lum::files::DriveReady(*drive)) return;
    if (SamePath(PathOf(node), selectedPath_)) return;
    SelectNode(node);
}

void FolderTree::contextMenuEvent(QContextMenuEvent* event) {
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

QTreeWidgetItem* FolderTree::CommandNode() const {
    if (contextNode_) return contextNode_;
    return currentItem() ? currentItem() : root_;
}

// ---- popup-menu commands

QString FolderTree::NotFoundText(const QString& path) {
    return tr("%1 is not there any more.").arg(WithoutSlash(path));
}

QString FolderTree::NoDrivesHereText() { return tr("Folders cannot be added among the drives: choose a drive or a folder."); }

QString FolderTree::InvalidNameText() {
    return tr("A folder name cannot contain any of these characters: %1").arg(QStringLiteral("\\ * ? / = \" < > | : , ; + ^"));
}

void FolderTree::NewFolder() {
    QTreeWidgetItem* node = CommandNode();
    if (!node || node->data(0, KindRole).toInt() == RootNode) {
        prompts().Message(S(NoDrivesHereText()));
        return;
    }
    const QString parentPath = PathOf(node);
    std::string name = S(QFileInfo(UniqueTarget(parentPath, tr("New Folder"))).fileName());
    if (!prompts().AskText(S(tr("New Folder")), S(tr("Folder name:")), name)) return;
    CreateFolderIn(parentPath, QString::fromStdString(name));
}

bool FolderTree::CreateFolderIn(const QString& parentPath, const QString& typed) {
    auto say = [this](const QString& text) {
        prompts().Message(S(text));
        return false;
    };
    if (parentPath.isEmpty() || parentPath == QLatin1String(kDrives)) return say(NoDrivesHereText());
    const QString name = typed.trimmed();
    if (name.isEmpty()) return say(tr("A name cannot be empty."));
    if (HasInvalidFolderChars(name)) return say(InvalidNameText());
    if (!IsUsableFileName(name)) return say(tr("%1 cannot be used as a name.").arg(name));
    const QString target = QDir(parentPath).filePath(name);
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return say(tr("A folder named %1 already exists.").arg(name));
    QString why;
    if (!MakeFolder(parentPath, name, &why)) return say(tr("Could not make the folder %1: %2.").arg(name, why));
    if (QTreeWidgetItem* node = NodeOf(parentPath)) {
        LoadChildren(node, true);
        node->setExpanded(true);
    }
    emit FoldersChanged({parentPath});
    return true;
}

void FolderTree::AskFolderRename() {
    QTreeWidgetItem* node = CommandNode();
    if (!node || node->data(0, KindRole).toInt() != FolderNode) {
        prompts().Message(S(NoDriveRenameText()));
        return;
    }
    const QString path = PathOf(node);
    std::string name = S(node->data(0, NameRole).toString());
    if (!prompts().AskText(S(tr("Rename Folder")), S(tr("New name:")), name)) return;
    RenameFolder(path, QString::fromStdString(name));
}

QString FolderTree::NoDriveRenameText() { return tr("Drives cannot be renamed here."); }

bool FolderTree::RenameFolder(const QString& path, const QString& typed) {
    auto say = [this](const QString& text) {
        prompts().Message(S(text));
        return false;
    };
    QTreeWidgetItem* node = NodeOf(path);
    bool isDrive = path == QLatin1String(kDrives) || SamePath(path, "/");
    for (const Drive& d : drives_) isDrive = isDrive || SamePath(d.path, path);
    if (isDrive || (node && node->data(0, KindRole).toInt() != FolderNode)) return say(NoDriveRenameText());
    QFileInfo fi(WithoutSlash(path));
    if (!fi.isDir()) {
        QApplication::beep();
        return say(NotFoundText(path));
    }
    const QString newName = typed.trimmed();
    if (newName.isEmpty()) return say(tr("A name cannot be empty."));
    if (HasInvalidFolderChars(newName)) return say(InvalidNameText());
    if (!IsUsableFileName(newName)) return say(tr("%1 cannot be used as a name.").arg(newName));
    const QString oldName = fi.fileName();
    if (newName == oldName) return false;
    const QString target = fi.absolutePath() + '/' + newName;
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return say((QFileInfo(target).isDir() ? tr("A folder named %1 already exists.") : tr("A file named %1 already exists."))
                       .arg(newName));
    const QString question = tr("Do you want to rename the folder %1 to %2?").arg(oldName, newName);
    if (!prompts().AskYesNo(S(tr("Rename Folder")), S(question))) return false;
    QString why;
    if (!MoveEntry(fi.absoluteFilePath(), target, &why)) return say(tr("Could not rename %1: %2.").arg(oldName, why));
    AfterRename(WithSlash(fi.absoluteFilePath()), WithSlash(target));
    return true;
}

void FolderTree::AfterRename(const QString& from, const QString& to) {
    const QString parent = ParentFolder(from);
    RefreshPath(parent);
    if (selectedPath_.startsWith(from)) OpenPath(to + selectedPath_.mid(from.size()));
    else emit FolderRenamed(from, to);
}

void FolderTree::DeleteFolder() {
    QTreeWidgetItem* node = CommandNode();
    if (!node || node->data(0, KindRole).toInt() != FolderNode) {
        prompts().Message(S(tr("Drives cannot be deleted here.")));
        return;
    }
    const QString path = PathOf(node);
    const QString p = WithoutSlash(path);
    const QString parent = ParentFolder(path);
    if (!QFileInfo::exists(p)) {
        QApplication::beep();
        prompts().Message(S(NotFoundText(p)));
        RefreshPath(parent);
        return;
    }
    const QString question = tr("Do you want to move the folder\n%1\nand all its contents to the Trash?").arg(p);
    if (!prompts().AskYesNo(S(tr("Delete Folder")), S(question))) return;
    QString why;
    if (!MoveToTrash(p, nullptr, &why)) {
        prompts().Message(S(tr("Could not move %1 to the Trash: %2.").arg(lum::ShownName(p), why)));
        return;
    }
    RefreshPath(parent);
    if (selectedPath_.startsWith(path)) OpenPath(parent);
    else emit FoldersChanged({parent});
}

QString FolderTree::NoFolderChosenText() { return tr("No folder is chosen."); }

void FolderTree::CutFolder() {
    QTreeWidgetItem* node = CommandNode();
    if (!node || node->data(0, KindRole).toInt() != FolderNode) {
        prompts().Message(S(NoFolderChosenText()));
        return;
    }
    PutFilesOnClipboard({WithoutSlash(PathOf(node))}, true);
}

void FolderTree::CopyFolder() {
    QTreeWidgetItem* node = CommandNode();
    if (!node || node->data(0, KindRole).toInt() != FolderNode) {
        prompts().Message(S(NoFolderChosenText()));
        return;
    }
    PutFilesOnClipboard({WithoutSlash(PathOf(node))}, false);
}

void FolderTree::PasteIntoFolder() {
    QTreeWidgetItem* node = CommandNode();
    if (!node || node->data(0, KindRole).toInt() == RootNode) {
        prompts().Message(S(NoDrivesHereText()));
        return;
    }
    bool cut = false;
    const QStringList files = FilesOnClipboard(&cut);
    if (files.isEmpty()) {
        prompts().Message(S(tr("There is nothing to paste: cut or copy files first.")));
        return;
    }
    BringFiles(files, PathOf(node), cut, lum::PasteWay::Clipboard);
}

void FolderTree::BringFiles(const QStringList& files, const QString& target, bool move, lum::PasteWay way) {
    const QStringList touched = lum::PasteFiles(files, target, move, way, prompts());
    for (const QString& f : touched) RefreshPath(WithSlash(f));
    if (selectedPath_ != QLatin1String(kDrives) && !QFileInfo(selectedPath_).isDir()) OpenPath(target);
    else if (!touched.isEmpty()) emit FoldersChanged(touched);
}

QTreeWidgetItem* FolderTree::DropNodeAt(const QPoint& pos) const {
    QTreeWidgetItem* node = itemAt(pos);
    return node && node->data(0, KindRole).toInt() != RootNode ? node : nullptr;
}

void FolderTree::ShowDropNode(QTreeWidgetItem* node) {
    if (dropNode_ == node) return;
    if (dropNode_) dropNode_->setBackground(0, QBrush());
    dropNode_ = node;
    if (dropNode_) dropNode_->setBackground(0, palette().brush(QPalette::Highlight).color().lighter(160));
}

Qt::DropAction FolderTree::DropActionFor(Qt::KeyboardModifiers modifiers) {
    return modifiers & Qt::ControlModifier ? Qt::CopyAction : Qt::MoveAction;
}

void FolderTree::dragEnterEvent(QDragEnterEvent* event) {
    if (FilesFromMimeData(event->mimeData(), nullptr).isEmpty()) return event->ignore();
    event->acceptProposedAction();
}

void FolderTree::dragMoveEvent(QDragMoveEvent* event) {
    QTreeWidgetItem* node = DropNodeAt(event->position().toPoint());
    ShowDropNode(node);
    if (!node || FilesFromMimeData(event->mimeData(), nullptr).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(DropActionFor(event->modifiers()));
    event->accept();
}

void FolderTree::dragLeaveEvent(QDragLeaveEvent* event) {
    ShowDropNode(nullptr);
    event->accept();
}

void FolderTree::dropEvent(QDropEvent* event) {
    ShowDropNode(nullptr);
    QTreeWidgetItem* node = DropNodeAt(event->position().toPoint());
    const QStringList files = FilesFromMimeData(event->mimeData(), nullptr);
    if (!node || files.isEmpty()) {
        event->ignore();
        return;
    }
    const Qt::DropAction action = DropActionFor(event->modifiers());
    event->setDropAction(action);
    event->accept();
    DropFiles(files, PathOf(node), action == Qt::MoveAction);
}

void FolderTree::DropFiles(const QStringList& files, const QString& target, bool move) {
    BringFiles(files, target, move, lum::PasteWay::Drop);
}

void FolderTree::MapNetworkDrive() {
    prompts().Message(S(tr("Network drives are connected through the desktop's file manager on this system (for "
                           "example its \"Connect to Server\" or \"Other Locations\" page). Once mounted, they "
                           "appear under \"Drives\".")));
}

void FolderTree::DisconnectNetworkDrive() {
    prompts().Message(S(tr("Network drives are disconnected through the desktop's file manager on this system "
                           "(the eject or unmount button beside the network place).")));
}
