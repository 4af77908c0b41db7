#include "view/FileListView.h"

#include "app/core/Prompts.h"
#include "view/DirTree.h"

TLsFilelistView28::TLsFilelistView28(QWidget* parent) : QTreeWidget(parent) {}
void TLsFilelistView28::setDirectory(const QString& dir) { directory_ = dir; }
void TLsFilelistView28::Refresh() {}
void TLsFilelistView28::SetMask(const QString& mask) { mask_ = mask; }
QStringList TLsFilelistView28::ParseMask(const QString&) { return {}; }
void TLsFilelistView28::LinkTree(TLsDirTree21* tree) { dirTree_ = tree; }
QStringList TLsFilelistView28::SelectedPaths() const { return {}; }
lum::Prompts& TLsFilelistView28::prompts() const { return prompts_ ? *prompts_ : lum::files::FallbackPrompts(); }
void TLsFilelistView28::ColumnClick(int) {}
QTreeWidgetItem* TLsFilelistView28::ItemOfPath(const QString&) const { return nullptr; }
QString TLsFilelistView28::PathOfItem(const QTreeWidgetItem*) { return QString(); }
QString TLsFilelistView28::KindOfItem(const QTreeWidgetItem*) { return QString(); }
bool TLsFilelistView28::IsParentItem(const QTreeWidgetItem*) { return false; }
void TLsFilelistView28::ItemClick(QTreeWidgetItem*) {}
void TLsFilelistView28::ItemDblClick(QTreeWidgetItem*) {}
void TLsFilelistView28::ItemOpen() {}
void TLsFilelistView28::ItemView() {}
void TLsFilelistView28::SendToAnyFolder() {}
void TLsFilelistView28::SendToClipboardAsContents() {}
void TLsFilelistView28::SendToClipboardAsFileName() {}
void TLsFilelistView28::SendToDesktopAsShortCut() {}
void TLsFilelistView28::ItemOpCut() {}
void TLsFilelistView28::ItemOpCopy() {}
void TLsFilelistView28::ItemOpPaste() {}
void TLsFilelistView28::ItemRename() {}
void TLsFilelistView28::ItemDelete() {}
void TLsFilelistView28::ItemProperty() {}
void TLsFilelistView28::ItemFolder() {}
bool TLsFilelistView28::RenameEntry(const QString&, const QString&) { return false; }
void TLsFilelistView28::mouseReleaseEvent(QMouseEvent* e) { QTreeWidget::mouseReleaseEvent(e); }
void TLsFilelistView28::mouseDoubleClickEvent(QMouseEvent* e) { QTreeWidget::mouseDoubleClickEvent(e); }
void TLsFilelistView28::contextMenuEvent(QContextMenuEvent* e) { QTreeWidget::contextMenuEvent(e); }
