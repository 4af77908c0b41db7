// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the working image back to disk: the Save / Save as button, the menu save (JPEG, or
// BMP for ".bmp" names) and Delete to the desktop trash. Every write goes through a temporary
// file renamed over the target, so a failed write leaves the old file as it was.
#pragma once
#include <exception>
#include <functional>
#include <string>

#include "app/LaterAnswer.h"
#include "editing/Editor.h"
#include "editing/Prompts.h"

class OptionsDialog;

namespace lum {

// What the flows need from the picture chooser's file list.
class PictureChooserLink {
public:
    virtual ~PictureChooserLink() = default;
    // Full path of the selected entry, empty without a selection.
    virtual std::string SelectedPath() const = 0;
    virtual int SelectedIndex() const = 0;
    // Re-read the folder and select the entry at index (-1: none).
    virtual void RefreshFileList(int selectIndex) = 0;
};

// Save dialog filters, in the file dialog's own notation.
extern const char* const kSaveFilterMain;     // "JPEG photos (*.jpg *.jpeg)"
extern const char* const kSaveFilterCompare;  // JPEG photos, then bitmaps
extern const char* const kDeleteRefusedText;

class PhotoSaving {
public:
    // Saves the working image of editor's window (and closes its macro recording).
    PhotoSaving(Editor& editor, Prompts& prompts, const OptionsDialog& options, PictureChooserLink* chooser = nullptr);

    // "Save / Save as the Photo": save dialog (proposing the photo's name, as a JPEG beside it
    // for a format only read), replace question, BMP for ".bmp" names, JPEG otherwise. done hears
    // whether a file was written (at once for a small picture, once the encode and the write have
    // run as a job for a big one); the picture is saved only then. Every name goes through
    // WritableName.
    void SaveWithDialog(Answered done);
    // Menu save: silent when the chooser's selected file is the current file (and a JPEG or
    // BMP); over the shown photo's own JPEG or BMP file after a question naming it (Replace,
    // Save As..., Cancel); otherwise the dialog. JPEG or BMP by extension, the replace question
    // for an existing file.
    void SaveFromMenu(Answered done);
    // The same for callers that need the answer now: whether a file was written, or is being
    // written by a job.
    bool SaveWithDialog();
    bool SaveFromMenu();
    // Both saves' one question before writing: true for a new file, and for an existing one
    // when the user agrees to replace it. Replacing the damaged photo's own file says that
    // only what could be decoded is kept, and proposes No.
    bool MayReplace(const std::string& path);
    // Delete: moves the shown photo's file (or the chooser's selected file when it is the
    // current one) to the trash after a confirmation naming it; refused for a picture that
    // belongs to no file. Returns true when the file was moved.
    // moved receives the path of the file moved.
    bool MoveCurrentFileToTrash(std::string* moved = nullptr);

    // Save dialog filter (the compare window offers BMP as well).
    void SetFilter(const std::string& filter) { filter_ = filter; }
    void SetChooser(PictureChooserLink* chooser) { chooser_ = chooser; }

    // Where the window shows a word on how a save was made (turned without loss, or not).
    void SetNoteSink(std::function<void(const std::string&)> sink) { noteSink_ = std::move(sink); }

    // The name the save dialog last held (it keeps it between runs, as file dialogs do).
    const std::string& DialogFileName() const { return dialogFileName_; }

    // Encodes the working image for path: BMP when bmpByExtension and the name ends in .bmp, JPEG with
    // the Options' quality and progressive mode (and the photo's metadata) otherwise; both keep
    // the print size. warnings receives what of the metadata could not be written.
    std::vector<uint8_t> Encode(const std::string& path, bool bmpByExtension,
                                std::vector<std::string>* warnings = nullptr) const;
    // The same with the Options read beforehand (on the window's thread), for a job.
    struct JpegSettings {
        int quality = 90;
        bool progressive = false;
    };
    JpegSettings Settings() const;
    std::vector<uint8_t> Encode(const std::string& path, bool bmpByExtension, const JpegSettings& settings,
                                std::vector<std::string>* warnings) const;

private:
    enum class Overwrite { Ordinary, Replace, Copy, Cancel };
    // Before a write to path: when another program changed that file since the picture was
    // read from it (or last written to it), asks whether to save a copy beside it (path then
    // names the copy), replace it or cancel (the default).
    Overwrite askIfChangedOnDisk(std::string& path);
    // Encodes and writes the picture to path, which it then stands for; then hears what failed.
    void write(const std::string& path, bool bmpByExtension, std::function<void(std::exception_ptr)> then);
    // The question, the write and what follows it, once the name is known.
    // replaceAgreed: the user already agreed to replace path by name.
    void writeAsked(std::string path, const std::string& shown, bool replaceAsked, bool replaceAgreed, Answered done);
    // The save dialog until it gives a name Lumora writes (a changed name is said and shown
    // again); false when cancelled.
    bool askName(std::string& path);
    // The dialog's proposal: the photo's own name and folder, or only the folder.
    void presetFromPhoto();
    void afterWrite(const std::string& path, bool keepIndex);
    void nothingWritten(const std::string& shown);
    void written(const std::string& path);

    std::function<void(const std::string&)> noteSink_;
    Editor& editor_;
    EditState& st_;
    Prompts& prompts_;
    const OptionsDialog& options_;
    PictureChooserLink* chooser_ = nullptr;
    std::string filter_;
    std::string dialogFileName_;
};

// The name a save writes to: Lumora writes JPEG (or BMP), so a name of a format it only reads
// (HEIC, PNG, WebP, TIFF) becomes NAME.jpg, and any other extension than .jpg, .jpeg or .bmp gets
// .jpg added: a file never holds another kind than its name says.
std::string WritableName(const std::string& path);
// The name the save dialog proposes for the photo at photo: its own name when Lumora writes
// its kind, else NAME.jpg beside it, or "NAME (2).jpg", "NAME (3).jpg"... when exists() says
// that name is taken, so another photo is never proposed.
std::string ProposedSaveName(const std::string& photo, const std::function<bool(const std::string&)>& exists);

// Folder and file-name parts of a path (platform separators).
std::string FolderPart(const std::string& path);
std::string FileNamePart(const std::string& path);

}  // namespace lum
