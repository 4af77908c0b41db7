// SPDX-License-Identifier: GPL-3.0-or-later
// The folder tree's two reports: the size of a tree of folders and a folder's contents.
#include <cerrno>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QStorageInfo>

#include "editing/Prompts.h"
#include "view/FolderTree.h"

using namespace lum::files;

namespace {
std::string S(const QString& s) { return s.toStdString(); }
}  // namespace

void FolderTree::ShowTreeSize() {
    QTreeWidgetItem* node = CommandNode();
    QLocale loc;
    QString text = tr("=== TREE SIZE ===") + QStringLiteral("\n\n");
    if (!node || node->data(0, KindRole).toInt() == RootNode) {
        for (const Drive& d : drives_) {
            QStorageInfo si(d.path);
            if (DriveReady(d))
                text += tr("%1: %2 used of %3").append('\n')
                            .arg(d.caption, SizeKbText(si.bytesTotal() - si.bytesFree()), SizeKbText(si.bytesTotal()));
            else
                text += tr("%1: not ready").append('\n').arg(d.caption);
        }
    } else {
        const QString p = WithoutSlash(PathOf(node));
        if (!QFileInfo(p).isDir()) {
            QApplication::beep();
            prompts().Message(S(NotFoundText(p)));
            return;
        }
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const TreeSize t = MeasureTree(p);
        QGuiApplication::restoreOverrideCursor();
        text += tr("%1\n\nSize: %2 (%3 bytes)\nFiles: %4\nFolders: %5")
                    .arg(p, SizeKbText(t.bytes), loc.toString(t.bytes), loc.toString(t.files), loc.toString(t.folders));
        if (!t.complete) text += QStringLiteral("\n\n") + tr("Some folders could not be read; the size counts only what could.");
    }
    prompts().ShowText(S(tr("Tree Size")), S(text));
}

void FolderTree::ShowFolderContents() {
    QTreeWidgetItem* node = CommandNode();
    QString text;
    if (!node || node->data(0, KindRole).toInt() == RootNode) {
        text = tr("Drives") + QStringLiteral("\n\n");
        for (const Drive& d : drives_) text += d.caption + '\n';
        prompts().ShowText(S(tr("Folder Contents")), S(text));
        return;
    }
    const QString p = WithoutSlash(PathOf(node));
    QFileInfo top(p);
    if (!top.isDir()) {
        QApplication::beep();
        prompts().Message(S(NotFoundText(p)));
        return;
    }
    if (!top.isReadable() || !top.isExecutable()) {
        prompts().Message(S(tr("The folder %1 cannot be read: %2.").arg(p, SystemReason(EACCES))));
        return;
    }
    const QFileInfoList all = QDir(p).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                    QDir::DirsFirst | QDir::Name | QDir::IgnoreCase);
    qint64 folders = 0, files = 0, bytes = 0;
    QStringList lines;
    const int kMaxLines = 500;
    for (const QFileInfo& fi : all) {
        const bool dir = fi.isDir();
        if (dir) ++folders; else { ++files; bytes += fi.size(); }
        if (lines.size() < kMaxLines)
            lines << (dir ? QStringLiteral("[%1]").arg(fi.fileName())
                          : QStringLiteral("%1    %2").arg(fi.fileName(), SizeKbText(fi.size())));
    }
    if (all.size() > kMaxLines) lines << tr("... and %1 more").arg(all.size() - kMaxLines);
    text = tr("%1\nFolders: %2, files: %3, %4").arg(p).arg(folders).arg(files).arg(SizeKbText(bytes)) + QStringLiteral("\n\n") +
           lines.join('\n');
    prompts().ShowText(S(tr("Folder Contents")), S(text));
}
