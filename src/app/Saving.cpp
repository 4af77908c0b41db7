// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Saving.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <exception>
#include <map>
#include <memory>
#include <sys/stat.h>

#include "app/OptionsDialog.h"
#include "image/Codec.h"
#include "image/FormatNames.h"
#include "image/LosslessTurn.h"
#include "files/FileOps.h"
#include "widgets/QtPrompts.h"

namespace lum {

// In the file dialog's own notation; the first pattern gives the default extension.
const char* const kSaveFilterMain = QT_TRANSLATE_NOOP("PhotoSaving", "JPEG photos (*.jpg *.jpeg)");
const char* const kSaveFilterCompare =
    QT_TRANSLATE_NOOP("PhotoSaving", "JPEG photos (*.jpg *.jpeg);;Bitmaps (*.bmp)");
const char* const kDeleteRefusedText = QT_TRANSLATE_NOOP(
    "PhotoSaving", "Delete refused: a new picture is loaded.\nOpen the photo file again, then delete it.");

namespace {

// This file's texts in the user's language; each marked with QT_TRANSLATE_NOOP("PhotoSaving", ...)
// where it is written, or the translation tools never see it.
std::string Tr(const char* text) { return QCoreApplication::translate("PhotoSaving", text).toStdString(); }

const char* const kReplaceCaption = QT_TRANSLATE_NOOP("PhotoSaving", "Save or Replace?");
const char* const kTrashCaption = QT_TRANSLATE_NOOP("PhotoSaving", "Move to Trash");

#ifdef _WIN32
constexpr const char* kSeparators = "/\\";
constexpr char kSeparator = '\\';
#else
constexpr const char* kSeparators = "/";
constexpr char kSeparator = '/';
#endif

// The files this program wrote, as each was just after the write: a save over one of them never
// takes the program's own write (from the other window) for another program's.
std::map<std::string, FileIdentity>& ownWrites() {
    static std::map<std::string, FileIdentity> written;
    return written;
}

bool writtenByUs(const std::string& path) {
    const auto it = ownWrites().find(path);
    return it != ownWrites().end() && it->second.sameVersion(IdentityOf(path));
}

bool fileExists(const std::string& path) {
    struct stat sb;
    return ::stat(path.c_str(), &sb) == 0;
}

std::string joinFolder(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == kSeparator) return folder + name;
    return folder + kSeparator + name;
}

// Two names of one file (links, "..", a second slash).
bool sameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    const QString ca = QFileInfo(QString::fromStdString(a)).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(QString::fromStdString(b)).canonicalFilePath();
}

}  // namespace

std::string FolderPart(const std::string& path) {
    const auto pos = path.find_last_of(kSeparators);
    if (pos == std::string::npos) return std::string();
    if (pos == 0) return path.substr(0, 1);  // a file in the root folder
    return path.substr(0, pos);
}

std::string FileNamePart(const std::string& path) {
    const auto pos = path.find_last_of(kSeparators);
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

PhotoSaving::PhotoSaving(Editor& editor, Prompts& prompts, const OptionsDialog& options, PictureChooserLink* chooser)
    : editor_(editor), st_(editor.State()), prompts_(prompts), options_(options), chooser_(chooser), filter_(kSaveFilterMain) {}

std::string WritableName(const std::string& path) {
    if (HasJpegExtension(path) || HasBmpExtension(path)) return path;
    if (HasReadOnlyExtension(path)) return JpegNameFor(path);
    // Without an extension the dialog adds its kind's; another one ("card.gif", "Holiday.2024")
    // keeps what was typed and gets ours added.
    const std::string name = FileNamePart(path);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) return path;
    return path + ".jpg";
}

std::string ProposedSaveName(const std::string& photo, const std::function<bool(const std::string&)>& exists) {
    const std::string jpeg = WritableName(photo);
    if (jpeg == photo || !exists(jpeg)) return jpeg;
    const std::string stem = jpeg.substr(0, jpeg.size() - 4);
    for (int n = 2;; ++n) {
        const std::string candidate = stem + " (" + std::to_string(n) + ").jpg";
        if (!exists(candidate)) return candidate;
    }
}

void PhotoSaving::presetFromPhoto() {
    // The photo's own name and folder; for a made or pasted picture only the folder.
    if (!st_.file.PhotoFile().empty()) {
        dialogFileName_ = ProposedSaveName(st_.file.PhotoFile(), fileExists);
        return;
    }
    const std::string& folder = st_.file.SaveFolder().empty() ? st_.file.CurrentFolder() : st_.file.SaveFolder();
    if (!folder.empty()) dialogFileName_ = joinFolder(folder, std::string());
}

bool PhotoSaving::MayReplace(const std::string& path) {
    if (!fileExists(path)) return true;
    if (st_.file.PhotoDamaged() && sameFile(path, st_.file.PhotoFile())) {
        // Only part of the original could be decoded: replacing it loses the rest for good.
        const std::string text =
            QCoreApplication::translate("PhotoSaving", "The original photo \"%1\" is damaged: only part of it could be decoded.\n\n"
               "Replacing it keeps only what could be decoded, and the rest of the original is lost for good. "
               "Do you want to replace it anyway?")
                .arg(QString::fromStdString(FileNamePart(path)))
                .toStdString();
        enum { kYes, kNo };
        return prompts_.AskChoice(Tr(kReplaceCaption), text,
                                  {Tr(QT_TRANSLATE_NOOP("PhotoSaving", "&Yes")), Tr(QT_TRANSLATE_NOOP("PhotoSaving", "&No"))}, kNo,
                                  kNo) == kYes;
    }
    const QFileInfo target(QString::fromStdString(path));
    const std::string text = QCoreApplication::translate("PhotoSaving",
                                                         "A file named \"%1\" already exists in %2.\n\n"
                                                         "Do you want to replace it? What it holds now is lost.")
                                 .arg(target.fileName(), target.absolutePath())
                                 .toStdString();
    return prompts_.AskYesNoSafe(Tr(kReplaceCaption), text);
}

bool PhotoSaving::askName(std::string& path) {
    const std::string folder = st_.file.SaveFolder().empty() ? st_.file.CurrentFolder() : st_.file.SaveFolder();
    for (;;) {
        if (!prompts_.AskSaveFile(std::string(), folder, Tr(filter_.c_str()), path)) return false;
        const std::string writable = WritableName(path);
        if (writable == path) return true;
        // Never a silent change: the name Lumora will write is said, then shown in the dialog.
        prompts_.Message(QCoreApplication::translate("PhotoSaving",
                                                     "Lumora saves photos as JPEG files (or as bitmaps, ending in "
                                                     ".bmp), so \"%1\" would not be what its name says.\n\n"
                                                     "The name is changed to \"%2\": check it and save again.")
                             .arg(QString::fromStdString(FileNamePart(path)), QString::fromStdString(FileNamePart(writable)))
                             .toStdString());
        path = writable;
    }
}

PhotoSaving::JpegSettings PhotoSaving::Settings() const { return JpegSettings{options_.JpegQuality(), options_.Progressive()}; }

std::vector<uint8_t> PhotoSaving::Encode(const std::string& path, bool bmpByExtension,
                                         std::vector<std::string>* warnings) const {
    return Encode(path, bmpByExtension, Settings(), warnings);
}

std::vector<uint8_t> PhotoSaving::Encode(const std::string& path, bool bmpByExtension, const JpegSettings& settings,
                                         std::vector<std::string>* warnings) const {
    // The print size goes into BMP files too.
    if (bmpByExtension && HasBmpExtension(path)) return EncodeBmp(st_.picture.Work(), &st_.file.Metadata().density);
    JpegEncodeOptions opts;
    opts.quality = settings.quality;
    opts.progressive = settings.progressive;
    opts.metadata = st_.file.Metadata().empty() ? nullptr : &st_.file.Metadata();
    opts.warnings = warnings;
    return EncodeJpeg(st_.picture.Work(), opts);
}

void PhotoSaving::nothingWritten(const std::string& shown) {
    // The error box or the cancelled question, like any question, made the window forget its
    // file; nothing was written, so the picture still stands for the photo it showed before, and
    // the caption and the next save dialog name that one.
    st_.file.SetCurrentFileName(shown);
}

void PhotoSaving::afterWrite(const std::string& path, bool keepIndex) {
    st_.file.SetCurrentFileName(path);
    if (chooser_) chooser_->RefreshFileList(keepIndex ? chooser_->SelectedIndex() : -1);
    editor_.Macro().Close();
}

void PhotoSaving::written(const std::string& path) {
    // The file holds the picture now, as it is on screen.
    st_.file.SetPhotoFile(path, false);
    editor_.MarkSaved();
}

PhotoSaving::Overwrite PhotoSaving::askIfChangedOnDisk(std::string& path) {
    if (!st_.file.ChangedOnDisk(path) || writtenByUs(path)) return Overwrite::Ordinary;
    const QString name = QFileInfo(QString::fromStdString(path)).fileName();
    const std::string caption =
        QCoreApplication::translate("PhotoSaving", "Photo Changed by Another Program").toStdString();
    const std::string text = QCoreApplication::translate("PhotoSaving",
                                                         "%1 was changed by another program since it was opened.\n\n"
                                                         "Save this picture as a copy beside it, replace it, or cancel?")
                                 .arg(name)
                                 .toStdString();
    const std::vector<std::string> buttons = {
        QCoreApplication::translate("PhotoSaving", "Save as a Copy").toStdString(),
        QCoreApplication::translate("PhotoSaving", "Replace").toStdString(),
        QCoreApplication::translate("PhotoSaving", "Cancel").toStdString()};
    switch (prompts_.AskChoice(caption, text, buttons, 2, 2)) {
        case 0: {
            const QString file = QString::fromStdString(path);
            path = files::UniqueTarget(QFileInfo(file).absolutePath(), QFileInfo(file).fileName()).toStdString();
            return Overwrite::Copy;
        }
        case 1: return Overwrite::Replace;
        default: return Overwrite::Cancel;
    }
}

namespace {

// A JPEG save of a photo only turned and mirrored since it was read or saved: its file's own
// compressed data, turned.
struct LosslessSave {
    int transform = 0;  // 0: not such a save
    std::string source;
    FileIdentity version;
    enum class Outcome { None, Turned, EdgeWouldGo } outcome = Outcome::None;
};

// The turned file, or nothing when the picture must be compressed again.
std::vector<uint8_t> TurnedOriginal(LosslessSave& s) {
    if (s.transform == 0) return {};
    try {
        FileIdentity read;
        std::vector<uint8_t> bytes = ReadFileBytes(s.source, &read);
        // Another program wrote it meanwhile: it no longer holds what was on screen.
        if (!read.sameVersion(s.version) || SniffFormat(bytes.data(), bytes.size()) != FileFormat::Jpeg) return {};
        TurnedPhoto t = TurnJpegLossless(bytes, s.transform);
        if (t.trimmed()) {
            // The file would lose an edge the picture on screen has.
            s.outcome = LosslessSave::Outcome::EdgeWouldGo;
            return {};
        }
        s.outcome = LosslessSave::Outcome::Turned;
        return std::move(t.bytes);
    } catch (const std::exception&) {
        return {};  // damaged or unusual: compressed again as any picture
    }
}

}  // namespace

void PhotoSaving::write(const std::string& path, bool bmpByExtension, std::function<void(std::exception_ptr)> then) {
    auto warnings = std::make_shared<std::vector<std::string>>();
    auto hourglass = std::make_shared<Editor::BusyScope>(editor_.Host(), BusyKind::Hourglass);
    const JpegSettings settings = Settings();
    auto lossless = std::make_shared<LosslessSave>();
    if (!(bmpByExtension && HasBmpExtension(path)) && !st_.file.SourcePath().empty()) {
        lossless->transform = editor_.TurnsSinceSaved();
        lossless->source = st_.file.SourcePath();
        lossless->version = st_.file.SourceFile();
    }
    // A big picture is encoded and written off the window's thread.
    editor_.Offload(
        [this, path, bmpByExtension, settings, warnings, lossless] {
            std::vector<uint8_t> bytes = TurnedOriginal(*lossless);
            if (lossless->outcome != LosslessSave::Outcome::Turned) bytes = Encode(path, bmpByExtension, settings, warnings.get());
            WriteFileAtomic(path, bytes);
        },
        [this, path, warnings, hourglass, lossless, then = std::move(then)](std::exception_ptr failure) mutable {
            hourglass.reset();
            if (!failure && noteSink_) {
                // A save says how it was made when it could have turned the original; an ordinary
                // one takes away what an earlier save said.
                QString note;
                if (lossless->outcome == LosslessSave::Outcome::Turned)
                    note = QCoreApplication::translate("PhotoSaving", "Saved without loss of quality: the photo's "
                                                                      "original JPEG data was turned, not compressed again.");
                else if (lossless->outcome == LosslessSave::Outcome::EdgeWouldGo)
                    note = QCoreApplication::translate("PhotoSaving", "Saved by compressing the picture again: turning "
                                                                      "the original JPEG data would have cut off its edge.");
                noteSink_(note.toStdString());
            }
            if (!failure) {
                // The picture now stands for what was just written: saving it again asks nothing.
                st_.file.TookSource(path, IdentityOf(path));
                ownWrites()[path] = st_.file.SourceFile();
                // Written all the same, but not all of the photo's metadata went with it.
                for (const std::string& w : *warnings)
                    prompts_.Message(Worded(Words(QT_TRANSLATE_NOOP("lum", "%1: %2"),
                                                  {QFileInfo(QString::fromStdString(path)).fileName().toStdString(), w}))
                                         .toStdString());
            }
            then(failure);
        });
}

void PhotoSaving::writeAsked(std::string path, const std::string& shown, bool replaceAsked, bool replaceAgreed,
                             Answered done) {
    st_.file.SetNewPicturePending(false);
    st_.file.SetSaveFolder(FolderPart(path));
    Overwrite how = Overwrite::Ordinary;
    try {
        // A file another program changed since it was opened is never replaced by a plain Yes.
        how = askIfChangedOnDisk(path);
    } catch (const std::exception& e) {
        prompts_.Error(lum::ErrorWords(e).toStdString());
        nothingWritten(shown);
        return done(false);
    }
    if (how == Overwrite::Cancel) {
        nothingWritten(shown);
        return done(false);
    }
    if (how == Overwrite::Ordinary && !replaceAgreed && !MayReplace(path)) {
        // The dialog's save keeps the name it was given; the menu's forgets it.
        if (replaceAsked) afterWrite(path, true);
        else nothingWritten(shown);
        return done(false);
    }
    // A photo opened from a bitmap stays a bitmap when it is saved over.
    write(path, true, [this, path, shown, done = std::move(done)](std::exception_ptr failure) {
        if (failure) {
            try {
                std::rethrow_exception(failure);
            } catch (const std::exception& e) {
                prompts_.Error(lum::ErrorWords(e).toStdString());
            } catch (...) {
                prompts_.Error(QCoreApplication::translate("PhotoSaving", "Unexpected error").toStdString());
            }
            nothingWritten(shown);
            return done(false);
        }
        afterWrite(path, true);
        written(path);
        done(true);
    });
}

void PhotoSaving::SaveWithDialog(Answered done) {
    const std::string shown = st_.file.CurrentFileName();
    presetFromPhoto();
    std::string path = dialogFileName_;
    // A cancelled dialog writes nothing and leaves the photo marked as it was, so closing the
    // program still offers to save.
    if (!askName(path)) return done(false);
    dialogFileName_ = path;
    writeAsked(path, shown, true, false, std::move(done));
}

void PhotoSaving::SaveFromMenu(Answered done) {
    const std::string shown = st_.file.CurrentFileName();
    // Silent over the picture chooser's file when that is the current file; otherwise the
    // dialog proposes the photo's own name, never the chooser's (a picture mixed in).
    bool silent = false;
    if (chooser_) {
        const std::string selected = chooser_->SelectedPath();
        if (!selected.empty() && !st_.file.NewPicturePending() && selected == st_.file.CurrentFileName() &&
            !HasReadOnlyExtension(selected)) {
            // A photo of a format Lumora only reads is never saved over: the dialog proposes its
            // name as a JPEG.
            dialogFileName_ = selected;
            silent = true;
        }
    }
    const std::string& photo = st_.file.PhotoFile();
    if (!silent && !photo.empty() && !st_.file.NewPicturePending() && WritableName(photo) == photo && fileExists(photo)) {
        // Changed by another program: its own question (copy, replace, cancel) is the one asked.
        // A damaged original: the question that says what replacing it loses.
        if ((st_.file.ChangedOnDisk(photo) && !writtenByUs(photo)) || st_.file.PhotoDamaged()) {
            dialogFileName_ = photo;
            return writeAsked(photo, shown, false, st_.file.ChangedOnDisk(photo), std::move(done));
        }
        // Save means the shown photo's own file: one question naming it, Cancel the default.
        const std::string text =
            QCoreApplication::translate("PhotoSaving",
                                        "Save the changes over the photo \"%1\"?\n\n"
                                        "Replace writes them into that file, and the photo as it was is lost. "
                                        "Save As keeps it and asks for a new name.")
                .arg(QString::fromStdString(FileNamePart(photo)))
                .toStdString();
        enum { kReplace, kSaveAs, kCancel };
        switch (prompts_.AskChoice(Tr(kReplaceCaption), text,
                                   {Tr(QT_TRANSLATE_NOOP("PhotoSaving", "&Replace")),
                                    Tr(QT_TRANSLATE_NOOP("PhotoSaving", "Save &As...")),
                                    Tr(QT_TRANSLATE_NOOP("PhotoSaving", "Cancel"))},
                                   kCancel, kCancel)) {
            case kReplace:
                dialogFileName_ = photo;
                return writeAsked(photo, shown, false, true, std::move(done));
            case kSaveAs: return SaveWithDialog(std::move(done));
            default: nothingWritten(shown); return done(false);
        }
    }
    if (!silent) presetFromPhoto();

    std::string path = dialogFileName_;
    if (!silent) {
        if (!askName(path)) return done(false);
        dialogFileName_ = path;
    }
    // Another program's change, then the replace question: Escape or No writes nothing.
    writeAsked(path, shown, false, false, std::move(done));
}

bool PhotoSaving::SaveWithDialog() {
    return AnswerNow([this](Answered done) { SaveWithDialog(std::move(done)); }).value_or(true);
}

bool PhotoSaving::SaveFromMenu() {
    return AnswerNow([this](Answered done) { SaveFromMenu(std::move(done)); }).value_or(true);
}

bool PhotoSaving::MoveCurrentFileToTrash(std::string* movedPath) {
    const std::string selected = chooser_ ? chooser_->SelectedPath() : std::string();
    const int index = chooser_ ? chooser_->SelectedIndex() : -1;
    // The chooser's picked file when the window stands for it, else the file the shown photo
    // was opened from or last written to; a made or pasted picture has none.
    const bool chosen = !selected.empty() && selected == st_.file.CurrentFileName();
    const std::string path = chosen ? selected : st_.file.NewPicturePending() ? std::string() : st_.file.PhotoFile();
    if (path.empty()) {
        prompts_.Message(Tr(kDeleteRefusedText));
        return false;
    }
    const QString qpath = QString::fromStdString(path);

    // The desktop's trash asks nothing itself; this stands for the confirmation it would ask.
    const QString name = QFileInfo(qpath).fileName();
    const std::string question =
        QCoreApplication::translate("PhotoSaving", "Do you want to move %1 to the Trash?").arg(name).toStdString();
    bool moved = false;
    if (prompts_.AskYesNo(Tr(kTrashCaption), question)) {
        QString why;
        moved = lum::files::MoveToTrash(qpath, nullptr, &why);
        if (!moved)
            prompts_.Error(
                QCoreApplication::translate("PhotoSaving", "Could not move %1 to the Trash: %2.").arg(name, why).toStdString());
    }
    if (chooser_ && chosen) chooser_->RefreshFileList(index - 1 >= 0 ? index - 1 : -1);
    if (moved) {
        // The picture stays on screen, but belongs to no file any more.
        if (st_.file.PhotoFile() == path) st_.file.SetPhotoFile(std::string(), false);
        if (movedPath) *movedPath = path;
        st_.file.SetCurrentFileName(std::string());
    }
    return moved;
}

}  // namespace lum
