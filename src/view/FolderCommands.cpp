// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/FolderCommands.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QFileInfo>

#include "editing/Prompts.h"

namespace lum {

namespace {
// Texts marked with QT_TRANSLATE_NOOP("FolderCommands", ...) where they are written: the
// translation tools see those, not the text handed to this.
QString Tr(const char* text) { return QCoreApplication::translate("FolderCommands", text); }
}  // namespace

QString ShownName(const QString& path) {
    const QString p = files::WithoutSlash(path);
    const QString name = QFileInfo(p).fileName();
    return name.isEmpty() ? p : name;
}

QString FailureText(const QList<files::FileFailure>& failures, const QString& one, const QString& many) {
    if (failures.isEmpty()) return QString();
    if (failures.size() == 1) return one.arg(ShownName(failures.front().path), failures.front().reason);
    QString text = many;
    for (const files::FileFailure& f : failures)
        text += QLatin1Char('\n') + Tr(QT_TRANSLATE_NOOP("FolderCommands", "%1: %2")).arg(ShownName(f.path), f.reason);
    return text;
}

QStringList PasteFiles(const QStringList& files, const QString& folder, bool move, PasteWay way, Prompts& prompts) {
    const files::PasteOutcome out = files::PasteInto(files, folder, move);
    const QString into = ShownName(folder);
    if (!out.ok()) {
        const QString text =
            move ? FailureText(out.failures,
                               Tr(QT_TRANSLATE_NOOP("FolderCommands", "Could not move %2 into %1: %3.")).arg(into),
                               Tr(QT_TRANSLATE_NOOP("FolderCommands", "Some items could not be moved into %1:")).arg(into))
                 : FailureText(out.failures,
                               Tr(QT_TRANSLATE_NOOP("FolderCommands", "Could not copy %2 into %1: %3.")).arg(into),
                               Tr(QT_TRANSLATE_NOOP("FolderCommands", "Some items could not be copied into %1:")).arg(into));
        prompts.Message(text.toStdString());
    } else if (out.done.isEmpty() && !out.alreadyThere.isEmpty()) {
        // A cut pasted where it came from: the files stay where they are, the cut too.
        prompts.Message((out.alreadyThere.size() == 1
                             ? Tr(QT_TRANSLATE_NOOP("FolderCommands", "%1 is already in this folder: nothing was moved."))
                                   .arg(ShownName(out.alreadyThere.front()))
                             : Tr(QT_TRANSLATE_NOOP("FolderCommands", "These files are already in this folder: nothing was moved.")))
                            .toStdString());
    }
    if (move && way == PasteWay::Clipboard && !out.done.isEmpty()) {
        // What could not be moved stays cut, ready for another try.
        QStringList left = out.alreadyThere;
        for (const files::FileFailure& f : out.failures) left.push_back(f.path);
        if (left.isEmpty()) QGuiApplication::clipboard()->clear();
        else files::PutFilesOnClipboard(left, true);
    }
    QStringList touched;
    if (!out.done.isEmpty()) {
        touched.push_back(folder);
        if (move)
            for (const QString& f : files) touched.push_back(QFileInfo(files::WithoutSlash(f)).absolutePath());
    }
    touched.removeDuplicates();
    return touched;
}

}  // namespace lum
