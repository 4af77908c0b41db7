// SPDX-License-Identifier: GPL-3.0-or-later
// The photo list: a detailed list of one folder's sub-folders and of the files matching a mask,
// or of the drives.
#pragma once
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <functional>

#include "files/FileOps.h"

class QMenu;
class QAction;
class QTimer;

namespace lum {
class Prompts;
}

class PhotoList : public QTreeWidget {
    Q_OBJECT
    Q_PROPERTY(QString Directory READ Directory WRITE setDirectory)
    Q_PROPERTY(QString Mask READ Mask WRITE SetMask)
public:
    static constexpr const char* kDrives = "Drives";
    static constexpr const char* kParentCaption = QT_TRANSLATE_NOOP("PhotoList", " ^ Parent");

    // Columns of the folder view.
    enum Column { ColName = 0, ColSize = 1, ColType = 2, ColModified = 3, ColAttr = 4 };
    // Attribute classes shown (FileType).
    enum FileTypeFlag { ftReadOnly = 1, ftHidden = 2, ftSystem = 4, ftArchive = 8, ftAll = 15 };
    // Item data, stored on column 0.
    enum Role {
        PathRole = Qt::UserRole + 1,  // full path
        KindRole,                     // "dir", "file" or "drv"
        TimeRole,                     // modification time, ms since the epoch
        BytesRole,                    // size in bytes (files)
        ParentRole                    // true for the " ^ Parent" entry
    };

    explicit PhotoList(QWidget* parent = nullptr);

    // "Drives" or a folder path ending in "/". Setting a new value refills the list.
    QString Directory() const { return directory_; }
    void setDirectory(const QString& dir);
    // Lists the current directory again (after file commands, saving or deleting a photo).
    void Refresh();

    // Patterns separated by ";" (spaces around them ignored); empty means "*.*".
    QString Mask() const { return mask_; }
    void SetMask(const QString& mask);
    static QStringList ParseMask(const QString& mask);

    int FileType() const { return fileType_; }
    void SetFileType(int flags) { fileType_ = flags; }
    bool ShowFolders() const { return showFolders_; }
    void SetShowFolders(bool on) { showFolders_ = on; }
    bool DoubleClickOpens() const { return doubleClickOpens_; }
    void SetDoubleClickOpens(bool on) { doubleClickOpens_ = on; }
    bool HideFileExt() const { return hideFileExt_; }
    void SetHideFileExt(bool on) { hideFileExt_ = on; }
    // Entries whose names start with a dot (the hidden class of FileType); refills the list.
    bool ShowHidden() const { return (fileType_ & ftHidden) != 0; }
    void SetShowHidden(bool on);

    // Opening from the keyboard: Enter on a file raises EntryActivated as a mouse click does, and
    // a file the arrow keys move to raises it once the keys have rested for delayMs (holding a key
    // opens nothing on the way). Negative: off, Enter opens files as a double click does.
    void SetKeyboardOpenDelay(int delayMs);
    int KeyboardOpenDelay() const { return keyboardOpenDelay_; }
    // Raises a pending keyboard open now, or drops it.
    void FlushKeyboardOpen();
    void CancelKeyboardOpen();
    bool KeyboardOpenPending() const;

    // Where the drives view takes its drives from (the folder tree's, once linked); the mounted
    // volumes without one.
    void SetDrivesSource(std::function<QList<lum::files::Drive>()> source) { drivesSource_ = std::move(source); }
    QList<lum::files::Drive> Drives() const;

    // Refreshes the list when it shows one of these folders.
    void RefreshIfShowing(const QStringList& folders);
    // A folder was renamed elsewhere: the list follows when it shows it or a folder inside it,
    // and refreshes when it shows the folder that holds it.
    void FolderRenamed(const QString& from, const QString& to);

    // The full path of the item last activated (a file, a folder, or the parent's path).
    QString ActivatedPath() const { return activatedPath_; }
    // Full paths of the selected items, the parent entry left out.
    QStringList SelectedPaths() const;

    void SetPrompts(lum::Prompts* prompts) { prompts_ = prompts; }
    lum::Prompts& prompts() const;
    // How files are opened (the desktop by default).
    void SetOpener(lum::files::Opener opener) { opener_ = std::move(opener); }

    // Sorting state and the header click.
    int SortColumn() const { return sortColumn_; }
    bool SortReverse() const { return sortReverse_; }
    void SortByColumn(int column);

    // Item helpers.
    QTreeWidgetItem* ItemOfPath(const QString& path) const;
    static QString PathOfItem(const QTreeWidgetItem* item);
    static QString KindOfItem(const QTreeWidgetItem* item);
    static bool IsParentItem(const QTreeWidgetItem* item);

    // What a click and a double click on an item do (the mouse and key handlers call these).
    void ActivateEntry(QTreeWidgetItem* item);
    void DoubleClickEntry(QTreeWidgetItem* item);

    // For another view of the same items (the thumbnails), so that every habit of the list
    // works there too: a click released with these keys held, the keys (moveKeys is the view's
    // own handling of the keys that move), the menu of an item (null: of the empty space), and
    // dragging the selected files out.
    QTreeWidgetItem* ItemOfIndex(const QModelIndex& index) const { return itemFromIndex(index); }
    QModelIndex IndexOfItem(const QTreeWidgetItem* item) const { return indexFromItem(item); }
    void EntryClicked(const QModelIndex& index, Qt::KeyboardModifiers modifiers);
    void HandleKey(QKeyEvent* event, const std::function<void(QKeyEvent*)>& moveKeys);
    QMenu* MenuFor(QTreeWidgetItem* item);
    void DragSelected(QObject* source);

    // The menu of the items, and the one of the empty space below them (New Folder, Paste,
    // Refresh).
    QMenu* PopupMenu() const { return menu_; }
    QMenu* SendToMenu() const { return sendMenu_; }
    QMenu* BlankMenu() const { return blankMenu_; }
    // The menu a right click at `pos` (viewport pixels) opens, with what applies there enabled.
    QMenu* MenuAt(const QPoint& pos);

    // Popup-menu commands, acting on the selected items.
    void OpenSelected();
    void ViewSelected();
    void SendToAnyFolder();
    void SendToClipboardAsContents();
    void SendToClipboardAsFileName();
    void SendToDesktopAsLink();
    void CutSelected();
    void CopySelected();
    void PasteHere();
    void RenameSelected();
    void DeleteSelected();
    void ShowProperties();
    void NewFolder();

    // The checks and the work behind RenameSelected, with a given name: a file keeps its extension
    // when the name has none; a name the list would no longer show is asked about.
    bool RenameEntry(const QString& path, const QString& newName);
    // Messages shared with the window.
    static QString NothingSelectedText();
    static QString NoFileSelectedText();
    static QString NoFolderHereText();
    static QString InvalidFolderNameText();
    static QString NotFoundText(const QString& path);
    // Where "DeskTop as ShortCut" writes (the desktop folder by default).
    void SetDesktopFolder(const QString& dir) { desktopFolder_ = dir; }

signals:
    // An item was clicked (or chosen from the keyboard), after ActivatedPath was set; nothing
    // when no item is under the click.
    void EntryActivated();
    // An item was double-clicked (after the activation of its first press), or Enter pressed on
    // a folder.
    void EntryDoubleClicked();
    // The list now shows another folder.
    void DirectoryChanged(const QString& dir);
    // A folder was opened from the list (or the one shown went away): the tree follows.
    void FolderOpened(const QString& dir);
    // The contents of these folders changed by a command of the list.
    void FoldersChanged(const QStringList& folders);
    // A file or folder was renamed, or sent to the trash, by a command of the list.
    void EntryRenamed(const QString& from, const QString& to);
    void EntriesRemoved(const QStringList& paths);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Files dragged out of the list are offered to move (or copy, with Ctrl); the list itself
    // keeps its items until the folder is read again.
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void BuildMenu();
    void Fill();
    bool FillFolder();  // false when the folder cannot be read
    void FillDrives();
    void SetColumns(bool drives);
    void SortItems();
    void SelectFirstIfNone();
    QString SingleSelection() const;
    void RefreshAndTell(const QStringList& touchedFolders);
    int Compare(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const;
    bool OpenFolder(const QString& path, const QString& kind);
    bool OpenFile(const QString& path);
    bool MatchesMask(const QString& name) const;
    QString ParentOf(const QString& dir) const;
    // The selected paths, or a message that nothing is selected.
    QStringList SelectionOrSay();
    // Whether the list shows an entry of that name.
    bool Listed(const QString& name, bool isDir) const;
    // The entry to select once `leaving` are gone: the next one, else the one before.
    QString NeighbourAfter(const QStringList& leaving) const;

    QString directory_;
    QString mask_ = QStringLiteral("*.*");
    QList<QRegularExpression> patterns_;
    bool matchAll_ = true;
    int fileType_ = ftAll;
    bool showFolders_ = true;
    bool doubleClickOpens_ = true;
    bool hideFileExt_ = false;
    bool drivesView_ = false;
    int sortColumn_ = ColName;
    bool sortReverse_ = false;
    QString activatedPath_;
    std::function<QList<lum::files::Drive>()> drivesSource_;
    lum::Prompts* prompts_ = nullptr;
    lum::files::Opener opener_;
    QString desktopFolder_;
    QMenu* menu_ = nullptr;
    QMenu* sendMenu_ = nullptr;
    QMenu* blankMenu_ = nullptr;
    QAction* pasteAction_ = nullptr;
    QAction* folderAction_ = nullptr;
    int columnsKind_ = -1;  // 0 folder columns, 1 drive columns
    int keyboardOpenDelay_ = -1;
    Qt::KeyboardModifiers clickModifiers_;  // of the last mouse release
    QTimer* keyboardOpen_ = nullptr;
};
