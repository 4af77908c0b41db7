// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/QtPrompts.h"

#include <QAbstractButton>
#include <algorithm>

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QFontDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>

#include "image/Codec.h"
#include "image/MemoryRoom.h"
#include "widgets/DialogControls.h"

namespace lum {

namespace {
QString appTitle() {
    const QString t = QGuiApplication::applicationDisplayName();
    return t.isEmpty() ? QStringLiteral("Tarnel Lumora") : t;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

// A text of the toolkit-free layers, in the user's language when a translation has it; texts
// made here come translated already and pass unchanged.
QString shown(const std::string& s) { return QCoreApplication::translate("lum", s.c_str()); }

}  // namespace

QString Worded(const Words& words) {
    // Plain words that happen to be a marked text (a reader's phrase kept as a string) are
    // looked up all the same; a name or a number is not found and stays as it is.
    const QString text = QCoreApplication::translate("lum", words.text.c_str());
    if (words.args.empty()) return text;
    QStringList values;
    for (const Words& a : words.args) values << Worded(a);
    // One pass, as FillPlaces does: a file name holding "%2" stays as it is.
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('%') && i + 1 < text.size() && text[i + 1] >= QLatin1Char('1') && text[i + 1] <= QLatin1Char('9')) {
            const qsizetype n = text[i + 1].unicode() - '1';
            if (n < values.size()) {
                out += values[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString ErrorWords(const std::exception& error) {
    if (const auto* e = dynamic_cast<const CodecError*>(&error)) return Worded(e->words());
    if (const auto* e = dynamic_cast<const ImageTooLarge*>(&error)) return Worded(e->words());
    if (const auto* e = dynamic_cast<const NotEnoughMemory*>(&error)) return Worded(e->words());
    return shown(error.what());
}

namespace {


// A long operation may have left the hourglass on; a question must show the normal pointer.
class NormalCursor {
public:
    NormalCursor() : active_(QApplication::overrideCursor() != nullptr) {
        if (active_) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursor() {
        if (active_) QApplication::restoreOverrideCursor();
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

private:
    bool active_;
};

bool runFileDialog(QWidget* parent, bool save, const std::string& title, const std::string& folder,
                   const std::string& filter, std::string& path) {
    NormalCursor normal;
    QFileDialog dlg(parent, shown(title));
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The save flows ask their own question before replacing a file.
    if (save) dlg.setOption(QFileDialog::DontConfirmOverwrite);
    const QString qtFilter = QtPrompts::QtFilter(shown(filter).toStdString());
    if (!qtFilter.isEmpty()) dlg.setNameFilters(qtFilter.split(QStringLiteral(";;")));
    const QString suffix = QtPrompts::DefaultSuffix(filter);
    if (save && !suffix.isEmpty()) dlg.setDefaultSuffix(suffix);
    // A name typed without an extension takes the one of the kind chosen ("Bitmaps": .bmp).
    if (save)
        QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg](const QString& chosen) {
            const QString s = QtPrompts::DefaultSuffix(chosen.toStdString());
            if (!s.isEmpty()) dlg.setDefaultSuffix(s);
        });
    if (!folder.empty()) dlg.setDirectory(qs(folder));
    if (!path.empty()) {
        const QFileInfo fi(qs(path));
        if (!fi.path().isEmpty() && fi.path() != QStringLiteral(".")) dlg.setDirectory(fi.path());
        dlg.selectFile(fi.fileName());
    }
    // The small default size cuts the sizes and dates of the file list.
    dlg.resize(dlg.sizeHint().expandedTo(QSize(900, 520)));
    // Size, kind and date take the room their texts need; the name keeps the rest.
    if (auto* list = dlg.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        for (int column = 1; column < list->header()->count(); ++column)
            list->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    if (dlg.exec() != QDialog::Accepted) return false;
    const QStringList files = dlg.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) return false;
    path = files.first().toStdString();
    return true;
}
}  // namespace

QtPrompts& QtPrompts::Fallback() {
    static QtPrompts prompts;
    return prompts;
}

QWidget* QtPrompts::parentWidget() const {
    // A modal window open over the parent (the compare window) owns the boxes while it is up.
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (parent_) return parent_.data();
    return QApplication::activeWindow();
}

void QtPrompts::Message(const std::string& text) {
    NormalCursor normal;
    QMessageBox::information(parentWidget(), appTitle(), shown(text));
}

bool QtPrompts::AskYesNo(const std::string& caption, const std::string& text) {
    NormalCursor normal;
    return QMessageBox::question(parentWidget(), shown(caption), shown(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtPrompts::AskYesNoSafe(const std::string& caption, const std::string& text) {
    NormalCursor normal;
    return QMessageBox::question(parentWidget(), shown(caption), shown(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

Prompts::Answer QtPrompts::AskYesNoCancel(const std::string& caption, const std::string& text) {
    NormalCursor normal;
    // Escape and the box's close button give Cancel.
    const auto b = QMessageBox::question(parentWidget(), shown(caption), shown(text),
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    return b == QMessageBox::Yes ? Answer::Yes : b == QMessageBox::No ? Answer::No : Answer::Cancel;
}

Prompts::Answer QtPrompts::AskSaveChanges(const std::string& caption, const std::string& text) {
    NormalCursor normal;
    QMessageBox box(QMessageBox::Question, qs(caption), qs(text), QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    parentWidget());
    box.setObjectName(QStringLiteral("SaveChangesQuestion"));
    box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("lum", "Do&n't Save"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    // Escape and the box's close button give Cancel.
    const int b = box.exec();
    return b == QMessageBox::Save ? Answer::Yes : b == QMessageBox::Discard ? Answer::No : Answer::Cancel;
}

int QtPrompts::AskChoice(const std::string& caption, const std::string& text, const std::vector<std::string>& buttons,
                         int preset, int cancel) {
    NormalCursor normal;
    QMessageBox box(QMessageBox::Question, qs(caption), qs(text), QMessageBox::NoButton, parentWidget());
    std::vector<QPushButton*> made;
    for (size_t i = 0; i < buttons.size(); ++i) {
        // The role only places the button as the desktop does; the answer is which was clicked.
        const auto role = static_cast<int>(i) == cancel ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        made.push_back(box.addButton(qs(buttons[i]), role));
        made.back()->setObjectName(QStringLiteral("choice%1").arg(i));
    }
    if (preset >= 0 && preset < static_cast<int>(made.size())) box.setDefaultButton(made[static_cast<size_t>(preset)]);
    if (cancel >= 0 && cancel < static_cast<int>(made.size())) box.setEscapeButton(made[static_cast<size_t>(cancel)]);
    box.exec();
    for (size_t i = 0; i < made.size(); ++i)
        if (box.clickedButton() == made[i]) return static_cast<int>(i);
    return cancel;  // closed without a button
}

void QtPrompts::Error(const std::string& text) {
    NormalCursor normal;
    QMessageBox::critical(parentWidget(), appTitle(), shown(text));
}

bool QtPrompts::AskSaveFile(const std::string& title, const std::string& folder, const std::string& filter,
                            std::string& path) {
    return runFileDialog(parentWidget(), true, title, folder, filter, path);
}

bool QtPrompts::AskOpenFile(const std::string& title, const std::string& folder, const std::string& filter,
                            std::string& path) {
    return runFileDialog(parentWidget(), false, title, folder, filter, path);
}

bool QtPrompts::AskText(const std::string& caption, const std::string& label, std::string& text) {
    NormalCursor normal;
    QInputDialog dialog(parentWidget());
    dialog.setWindowTitle(shown(caption));
    dialog.setLabelText(shown(label));
    dialog.setTextValue(qs(text));
    // Room for the whole title and a long file name.
    const int width = std::max(360, TitleFitWidth(dialog));
    dialog.setMinimumWidth(width);
    if (auto* edit = dialog.findChild<QLineEdit*>()) edit->setMinimumWidth(width - 40);
    if (dialog.exec() != QDialog::Accepted) return false;
    text = dialog.textValue().toStdString();
    return true;
}

bool QtPrompts::AskFolder(const std::string& title, std::string& path) {
    NormalCursor normal;
    const QString dir = QFileDialog::getExistingDirectory(parentWidget(), shown(title), qs(path));
    if (dir.isEmpty()) return false;
    path = dir.toStdString();
    return true;
}

void QtPrompts::ShowText(const std::string& caption, const std::string& text) {
    NormalCursor normal;
    QMessageBox box(QMessageBox::Information, shown(caption), shown(text), QMessageBox::Ok, parentWidget());
    box.exec();
}

QString QtPrompts::QtFilter(const std::string& filter) {
    const QString text = qs(filter);
    // Already in Qt's own notation: "JPG(*.jpg)" or "Images (*.jpg *.bmp);;All (*)".
    if (!text.contains(QLatin1Char('|'))) return text;
    const QStringList parts = text.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString desc = parts[i].trimmed();
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) p = p.trimmed();
        out << QStringLiteral("%1 (%2)").arg(desc, patterns.join(QLatin1Char(' ')));
    }
    return out.join(QStringLiteral(";;"));
}

QString QtPrompts::DefaultSuffix(const std::string& filter) {
    // The first pattern of the first filter: the last parenthesis group of "JPG(*.jpg)".
    const QString first = QtFilter(filter).split(QStringLiteral(";;")).value(0);
    const int open = first.lastIndexOf(QLatin1Char('('));
    const int close = first.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open) return {};
    const QString pattern =
        first.mid(open + 1, close - open - 1).split(QRegularExpression(QStringLiteral("[ ;]")), Qt::SkipEmptyParts).value(0);
    const int dot = pattern.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return {};
    const QString suffix = pattern.mid(dot + 1);
    return suffix.isEmpty() || suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?')) ? QString() : suffix;
}

// Asked from inside a dialog of ours, the colour and font dialogs belong to it.
QWidget* QtPrompts::onTop() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : parentWidget();
}

bool QtPrompts::AskColour(Colour& colour) {
    NormalCursor normal;
    const QColor chosen = QColorDialog::getColor(QColor(ColourR(colour), ColourG(colour), ColourB(colour)), onTop());
    if (!chosen.isValid()) return false;
    colour = MakeColour(chosen.red(), chosen.green(), chosen.blue());
    return true;
}

bool QtPrompts::AskFont(FontChoice& font) {
    NormalCursor normal;
    QFont start(qs(font.family));
    if (font.pointSize > 0) start.setPointSize(font.pointSize);
    start.setBold(font.bold);
    start.setItalic(font.italic);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, onTop());
    if (!ok) return false;
    font.family = chosen.family().toStdString();
    font.pointSize = chosen.pointSize();
    font.bold = chosen.bold();
    font.italic = chosen.italic();
    return true;
}

}  // namespace lum
