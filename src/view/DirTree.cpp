#include "view/DirTree.h"

#include "app/core/Prompts.h"
#include "view/FileListView.h"

TLsDirTree21::TLsDirTree21(QWidget* parent) : QTreeWidget(parent) {}
void TLsDirTree21::SetSelectedPath(const QString& path) { selectedPath_ = path; }
bool TLsDirTree21::OpenPath(const QString&) { return false; }
void TLsDirTree21::Rebuild() {}
void TLsDirTree21::SetDrives(const QList<lum::files::Drive>& drives) { drives_ = drives; }
lum::Prompts& TLsDirTree21::prompts() const { return prompts_ ? *prompts_ : lum::files::FallbackPrompts(); }
void TLsDirTree21::RefreshPath(const QString&) {}
QTreeWidgetItem* TLsDirTree21::NodeOf(const QString&) const { return nullptr; }
QString TLsDirTree21::PathOf(const QTreeWidgetItem*) const { return QString(); }
bool TLsDirTree21::CheckDrive(const lum::files::Drive&) { return true; }
void TLsDirTree21::AddNode() {}
void TLsDirTree21::EditNode() {}
void TLsDirTree21::DelNode() {}
void TLsDirTree21::CutNode() {}
void TLsDirTree21::CopyNode() {}
void TLsDirTree21::PasteNode() {}
void TLsDirTree21::GetTreeSize() {}
void TLsDirTree21::ShowFolderContents() {}
void TLsDirTree21::ConnectNetResource() {}
void TLsDirTree21::DisConnectNetResource() {}
bool TLsDirTree21::CreateFolderIn(const QString&, const QString&) { return false; }
bool TLsDirTree21::RenameFolder(const QString&, const QString&) { return false; }
void TLsDirTree21::SelectNode(QTreeWidgetItem*) {}
void TLsDirTree21::mousePressEvent(QMouseEvent* e) { QTreeWidget::mousePressEvent(e); }
void TLsDirTree21::contextMenuEvent(QContextMenuEvent* e) { QTreeWidget::contextMenuEvent(e); }
