// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/PictureFile.h"

#include <cstdlib>

namespace lum {

void PictureFile::PhotoJustLoaded() {
    loaded_ = true;
    optimized_ = false;
}

void PictureFile::ForgetPhoto() {
    photoFile_.clear();
    photoDamaged_ = false;
    TookSource(std::string(), FileIdentity());
    loaded_ = false;
    optimized_ = false;
}

void PictureFile::StartNewPicture() {
    currentFileName_ = kNewFileName;
    newPicturePending_ = true;
}

void PictureFile::TookNewPicture() {
    StartNewPicture();
    metadata_ = PictureMetadata();
    photoFile_.clear();
    photoDamaged_ = false;
    TookSource(std::string(), FileIdentity());
}

void PictureFile::TookSource(const std::string& path, const FileIdentity& file) {
    sourcePath_ = path;
    sourceFile_ = file;
}

bool PictureFile::ChangedOnDisk(const std::string& path) const {
    if (sourcePath_.empty() || !sourceFile_.exists || path.empty()) return false;
    const FileIdentity now = IdentityOf(path);
    if (!now.exists) return false;  // nothing there to lose
    auto real = [](const std::string& p) {
        char* r = ::realpath(p.c_str(), nullptr);
        const std::string out = r ? r : p;
        std::free(r);
        return out;
    };
    // The source by its own name, through a link, or the same file under another name.
    const bool source = path == sourcePath_ || now.sameFile(sourceFile_) || real(path) == real(sourcePath_);
    return source && !now.sameVersion(sourceFile_);
}

}  // namespace lum
