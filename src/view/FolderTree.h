// SPDX-License-Identifier: GPL-3.0-or-later
// The folder tree: a "Drives" root, one node per mounted volume, folders read when opened.
#pragma once
#include <QList>
#include <QString>
#include <QTreeWidget>

#include "files/FileOps.h"
#include "view/FolderCommands.h"

class QMenu;
class QTimer;
class QAction;

namespace lum {
class Prompts;
}

class FolderTree : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr const char* kDrives = "Drives";

    explicit FolderTree(QWidget* parent = nullptr);

    // The path of the selected node: a folder path ending in "/", or "Drives" for the root.
    QString SelectedPath() const { return selectedPath_; }
    // Only records the path (when it differs); the selection and the linked list stay as they are.
    void SetSelectedPath(const QString& path);
    // Walks down from the drives selecting and expanding each level, makes the path the
    // selected path, raises FolderSelected and points the linked list at it. False when the
    // path does not exist (nothing changes then).
    bool OpenPath(const QString& path);

    // Rebuilds the root and its drives and expands the root.
    void Rebuild();
    // Folders whose names start with a dot; off by default, as file managers do. A hidden
    // folder on the way to an opened path keeps its node.
    bool ShowHidden() const { return showHidden_; }
    void SetShowHidden(bool on);
    // Re-reads every folder the tree has read (F5).
    void RefreshLoaded();
    // The paths of the open (expanded) folder nodes, whose children are on screen.
    QStringList ExpandedPaths() const;
    // Replaces the mounted volumes (tests use made-up drives).
    void SetDrives(const QList<lum::files::Drive>& drives);
    const QList<lum::files::Drive>& Drives() const { return drives_; }

    void SetPrompts(lum::Prompts* prompts) { prompts_ = prompts; }
    lum::Prompts& prompts() const;

    // Re-reads the children of the node of `path` if it is loaded (after file commands).
    void RefreshPath(const QString& path);
    void RefreshPaths(const QStringList& paths);
    // The node of a path, or nullptr when it is not in the tree (yet).
    QTreeWidgetItem* NodeOf(const QString& path) const;
    QString PathOf(const QTreeWidgetItem* node) const;

    // Drive test for removable volumes; shows the messages and returns false when not ready.
    bool CheckDrive(const lum::files::Drive& drive);

    QMenu* PopupMenu() const { return menu_; }
    // The folder the pop-up menu's commands act on: the node under the mouse while the menu is
    // up, else the selected one.
    QString CommandFolder() const { return PathOf(CommandNode()); }

    // Popup-menu commands, acting on the selected node.
    void NewFolder();
    void AskFolderRename();
    void DeleteFolder();
    void CutFolder();
    void CopyFolder();
    void PasteIntoFolder();
    void ShowTreeSize();
    void ShowFolderContents();
    void MapNetworkDrive();
    void DisconnectNetworkDrive();

    // The checks and the work behind NewFolder and AskFolderRename, with a given name.
    bool CreateFolderIn(const QString& parentPath, const QString& name);
    bool RenameFolder(const QString& path, const QString& newName);
    // What a drop of files on the folder `target` does: moves them there (copies with `move`
    // false), with the messages of a paste.
    void DropFiles(const QStringList& files, const QString& target, bool move);
    // The drop action for the keys held: Ctrl copies, otherwise the files move.
    static Qt::DropAction DropActionFor(Qt::KeyboardModifiers modifiers);
    // The node a drop at `pos` (viewport pixels) goes to: a drive or folder, never the root.
    QTreeWidgetItem* DropNodeAt(const QPoint& pos) const;

    // Messages shared with the window and the tests.
    static QString NotFoundText(const QString& path);
    static QString NoDrivesHereText();
    static QString NoDriveRenameText();
    static QString NoFolderChosenText();
    static QString InvalidNameText();

    // Selects a node as a mouse press on it does.
    void SelectNode(QTreeWidgetItem* node);
    // How long the keyboard rests on a folder before the list shows it.
    static constexpr int kListPauseMs = 300;

signals:
    // A folder (or "Drives") was selected: the photo list shows it.
    void FolderSelected(const QString& path);
    // The contents of these folders changed by a command of the tree.
    void FoldersChanged(const QStringList& folders);
    // A folder that is not the selected one (nor holds it) was renamed.
    void FolderRenamed(const QString& from, const QString& to);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    enum Kind { RootNode = 0, DriveNode = 1, FolderNode = 2 };
    enum Role { PathRole = Qt::UserRole + 1, KindRole, LoadedRole, NameRole };
    void BuildMenu();
    void LoadChildren(QTreeWidgetItem* node, bool force = false);
    QTreeWidgetItem* AddFolderNode(QTreeWidgetItem* parent, const QString& name, const QString& path);
    QTreeWidgetItem* ChildNamed(QTreeWidgetItem* node, const QString& name) const;
    const lum::files::Drive* DriveOfNode(const QTreeWidgetItem* node) const;
    QTreeWidgetItem* CommandNode() const;
    void AfterRename(const QString& from, const QString& to);
    void BringFiles(const QStringList& files, const QString& target, bool move, lum::PasteWay way);
    // The node a drag is over, marked until the drag leaves or drops.
    void ShowDropNode(QTreeWidgetItem* node);
    // The folder the arrows rest on is listed, unless it is already.
    void ListReachedNode();

    QList<lum::files::Drive> drives_;
    QTreeWidgetItem* root_ = nullptr;
    QString selectedPath_;
    lum::Prompts* prompts_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* pasteAction_ = nullptr;
    QTreeWidgetItem* contextNode_ = nullptr;
    QTreeWidgetItem* dropNode_ = nullptr;
    bool fixedDrives_ = false;
    bool showHidden_ = false;
    QTimer* reachPause_ = nullptr;
};
