#include "compose/PictureChooser.h"

#include "app/core/Prompts.h"

TEform3::TEform3(QWidget* parent) : QDialog(parent) {}
void TEform3::SetDrives(const QList<lum::files::Drive>& drives) { drives_ = drives; }
QString TEform3::FileName() const { return QString(); }
bool TEform3::SetDirectory(const QString& folder) { folder_ = folder; return false; }
void TEform3::Refresh() {}
bool TEform3::SelectFile(const QString&) { return false; }
bool TEform3::LoadSelectedInto(lum::Image&) { return false; }
QSize TEform3::PreviewSize(int w, int h) { return QSize(w, h); }
void TEform3::FormActivate() {}
void TEform3::DriveComboBox1Change(int) {}
void TEform3::DirectoryListBox1Change(QListWidgetItem*) {}
void TEform3::FileListBox1Click() {}
void TEform3::BitBtn2Click() {}
void TEform3::showEvent(QShowEvent* e) { QDialog::showEvent(e); }
lum::Prompts& TEform3::prompts() const { return prompts_ ? *prompts_ : lum::files::FallbackPrompts(); }
bool TEform3::FolderDriveReady() { return true; }
void TEform3::FillFolders() {}
void TEform3::FillFiles() {}
void TEform3::ClearPreview() {}
void TEform3::SelectRowQuietly(int) {}
