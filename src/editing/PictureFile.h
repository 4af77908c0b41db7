// SPDX-License-Identifier: GPL-3.0-or-later
// What a window knows of the file its picture belongs to: its name and folders, the photo file it
// was opened from or last written to and that file as it was then, its metadata and what the
// information line says of it, and whether it was loaded and optimized.
#pragma once
#include <string>

#include "image/Codec.h"

namespace lum {

struct PictureFacts;

class PictureFile {
public:
    // The name a picture made in a window carries until it is saved.
    static constexpr const char* kNewFileName = "New_file";

    // The name the window goes by (kNewFileName for a made picture); what Save writes to.
    const std::string& CurrentFileName() const { return currentFileName_; }
    void SetCurrentFileName(std::string name) { currentFileName_ = std::move(name); }
    const std::string& SaveFolder() const { return saveFolder_; }
    void SetSaveFolder(std::string folder) { saveFolder_ = std::move(folder); }
    const std::string& CurrentFolder() const { return currentFolder_; }
    void SetCurrentFolder(std::string folder) { currentFolder_ = std::move(folder); }
    // A made picture that no save has given a name yet.
    bool NewPicturePending() const { return newPicturePending_; }
    void SetNewPicturePending(bool on) { newPicturePending_ = on; }

    // The file the picture on screen was opened from or last written to, whatever activation
    // did to the current file name; empty for a made or pasted picture. What the saves propose.
    const std::string& PhotoFile() const { return photoFile_; }
    // It was opened with damage: only part of it could be decoded.
    bool PhotoDamaged() const { return photoDamaged_; }
    void SetPhotoFile(std::string path, bool damaged) {
        photoFile_ = std::move(path);
        photoDamaged_ = damaged;
    }

    bool Loaded() const { return loaded_; }
    void SetLoaded(bool on) { loaded_ = on; }
    bool Optimized() const { return optimized_; }
    void SetOptimized(bool on) { optimized_ = on; }
    const std::string& InfoText() const { return infoText_; }
    void SetInfoText(std::string text) { infoText_ = std::move(text); }
    // Of the loaded photo, written back by the saves.
    const PictureMetadata& Metadata() const { return metadata_; }
    void SetMetadata(PictureMetadata m) { metadata_ = std::move(m); }

    // A photo of the user's was just loaded: nothing done to it yet.
    void PhotoJustLoaded();
    // No photo of the user's is shown (start-up, the logo): nothing to switch away from.
    void ForgetPhoto();
    // A picture is being made (New, before its dialog): it belongs to no file until saved.
    void StartNewPicture();
    // A made or pasted picture is in place: no file, and none of the old photo's metadata.
    void TookNewPicture();

    // The file the picture was read from or last written to, as it was then: a save over it
    // first checks that no other program has changed or replaced it since.
    const std::string& SourcePath() const { return sourcePath_; }
    const FileIdentity& SourceFile() const { return sourceFile_; }
    // The picture now stands for the file at path as it is (just written, or read as source).
    void TookSource(const std::string& path, const FileIdentity& file);
    // Writing to path would overwrite the source file (by its name or another), and another
    // program has changed or replaced it since.
    bool ChangedOnDisk(const std::string& path) const;

private:
    // A step of the history keeps and exchanges what it may change of these.
    friend struct PictureFacts;

    std::string currentFileName_, saveFolder_, currentFolder_;
    bool newPicturePending_ = false;
    std::string photoFile_;
    bool photoDamaged_ = false;
    bool loaded_ = false, optimized_ = false;
    std::string infoText_;
    PictureMetadata metadata_;
    std::string sourcePath_;
    FileIdentity sourceFile_;
};

}  // namespace lum
