// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/FormatNames.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace lum {

namespace {

const char* const kReadOnly[] = {".heic", ".heif", ".png", ".webp", ".tif", ".tiff"};

// The extension with its dot, lower case; empty without one (a leading dot names a hidden file).
std::string extensionOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    const size_t base = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot <= base) return std::string();
    std::string ext = path.substr(dot);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

}  // namespace

const std::vector<std::string>& PhotoFilePatterns() {
    static const std::vector<std::string> patterns = {"*.jpg", "*.jpeg", "*.heic", "*.heif", "*.png",
                                                      "*.webp", "*.tif", "*.tiff"};
    return patterns;
}

bool HasPhotoExtension(const std::string& path) {
    const std::string ext = extensionOf(path);
    if (ext.empty()) return false;
    for (const std::string& p : PhotoFilePatterns())
        if (p.compare(1, std::string::npos, ext) == 0) return true;
    return false;
}

bool HasJpegExtension(const std::string& path) {
    const std::string ext = extensionOf(path);
    return ext == ".jpg" || ext == ".jpeg";
}

bool HasReadOnlyExtension(const std::string& path) {
    const std::string ext = extensionOf(path);
    for (const char* e : kReadOnly)
        if (ext == e) return true;
    return false;
}

std::string JpegNameFor(const std::string& path) {
    const std::string ext = extensionOf(path);
    return path.substr(0, path.size() - ext.size()) + ".jpg";
}

const char* FormatName(FileFormat format) {
    switch (format) {
    case FileFormat::Jpeg: return "JPEG";
    case FileFormat::Bmp: return "BMP";
    case FileFormat::Heif: return "HEIF";
    case FileFormat::Png: return "PNG";
    case FileFormat::WebP: return "WebP";
    case FileFormat::Tiff: return "TIFF";
    default: return "unknown";
    }
}

FileFormat SniffFileFormat(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return FileFormat::Unknown;
    struct stat st {};
    uint8_t head[64];
    ssize_t n = -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        do {
            n = ::read(fd, head, sizeof head);
        } while (n < 0 && errno == EINTR);
    }
    ::close(fd);
    return n > 0 ? SniffFormat(head, static_cast<size_t>(n)) : FileFormat::Unknown;
}

}  // namespace lum
