// The folder tree's two reports: the size of a tree of folders and a folder's contents.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QStorageInfo>

#include "editing/Prompts.h"
#include "view/DirTree.h"

using namespace lum::files;

namespace {
std::string S(const QString& s) { return s.toStdString(); }
}  // namespace

void TLsDirTree21::GetTreeSize() {
    QTreeWidgetItem* node = CommandNode();
    QLocale loc;
    QString text = QStringLiteral("=== TREE SIZE ===\n\n");
    if (!node || node->data(0, KindRole).toInt() == RootNode) {
        for (const Drive& d : drives_) {
            QStorageInfo si(d.path);
            if (DriveReady(d))
                text += QStringLiteral("%1 : %2 used of %3\n")
                            .arg(d.caption, SizeKbText(si.bytesTotal() - si.bytesFree()), SizeKbText(si.bytesTotal()));
            else
                text += QStringLiteral("%1 : not ready\n").arg(d.caption);
        }
    } else {
        const QString p = WithoutSlash(PathOf(node));
        if (!QFileInfo(p).isDir()) {
            QApplication::beep();
            prompts().Message(S(p + QStringLiteral(" not found")));
            return;
        }
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const TreeSize t = MeasureTree(p);
        QGuiApplication::restoreOverrideCursor();
        text += QStringLiteral("%1\n\nSize : %2 (%3 bytes)\nFiles : %4\nFolders : %5")
                    .arg(p, SizeKbText(t.bytes), loc.toString(t.bytes), loc.toString(t.files), loc.toString(t.folders));
        if (!t.complete) text += QStringLiteral("\n\nSome folders could not be read; the size counts only what could.");
    }
    prompts().ShowText("Tree Size", S(text));
}

void TLsDirTree21::ShowFolderContents() {
    QTreeWidgetItem* node = CommandNode();
    QString text;
    if (!node || node->data(0, KindRole).toInt() == RootNode) {
        text = QStringLiteral("Drives\n\n");
        for (const Drive& d : drives_) text += d.caption + '\n';
        prompts().ShowText("Folder Contents", S(text));
        return;
    }
    const QString p = WithoutSlash(PathOf(node));
    QFileInfo top(p);
    if (!top.isDir()) {
        QApplication::beep();
        prompts().Message(S(p + QStringLiteral(" not found")));
        return;
    }
    if (!top.isReadable() || !top.isExecutable()) {
        prompts().Message(S(p + QStringLiteral("\nAccess is denied.")));
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
    if (all.size() > kMaxLines) lines << QStringLiteral("... and %1 more").arg(all.size() - kMaxLines);
    text = QStringLiteral("%1\n%2 folder(s), %3 file(s), %4\n\n").arg(p).arg(folders).arg(files).arg(SizeKbText(bytes)) +
           lines.join('\n');
    prompts().ShowText("Folder Contents", S(text));
}
