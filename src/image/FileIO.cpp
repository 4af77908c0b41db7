// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reading, format sniffing and the picture loader.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "image/Codec.h"
#include "image/CodecInternal.h"
#include "image/FormatSupport.h"
#include "image/Formats.h"

namespace lum {

namespace {

// Far beyond any photo; keeps a mistaken pick of a disk image from eating the memory.
constexpr uint64_t kMaxFileBytes = 2ULL << 30;

struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

// what: a marked text with the file at %1 and the system's reason at %2.
[[noreturn]] void fileError(const char* what, const std::string& path, int err) {
    throw CodecError(Words(what, {path, SystemWords(err)}));
}

Words tooLarge(const std::string& path, uint64_t limit) {
    const Words amount = limit >= (1ULL << 30) ? Words(QT_TRANSLATE_NOOP("lum", "%1 GB"), {std::to_string(limit >> 30)})
                                               : Words(QT_TRANSLATE_NOOP("lum", "%1 bytes"), {std::to_string(limit)});
    return Words(QT_TRANSLATE_NOOP("lum", "File too large: \"%1\" (the limit is %2)"), {path, amount});
}

Words notRegular(const std::string& path, const struct stat& st) {
    return Words(QT_TRANSLATE_NOOP("lum", "\"%1\" is %2, not a regular photo file"), {path, detail::SpecialFileKind(st)});
}

}  // namespace

namespace detail {

Words SpecialFileKind(const struct stat& st) {
    if (S_ISFIFO(st.st_mode)) return Words(QT_TRANSLATE_NOOP("lum", "a named pipe"));
    if (S_ISCHR(st.st_mode)) return Words(QT_TRANSLATE_NOOP("lum", "a character device"));
    if (S_ISBLK(st.st_mode)) return Words(QT_TRANSLATE_NOOP("lum", "a block device"));
    if (S_ISSOCK(st.st_mode)) return Words(QT_TRANSLATE_NOOP("lum", "a socket"));
    return Words(QT_TRANSLATE_NOOP("lum", "a special file"));
}

Image AllocatePicture(int64_t width, int64_t height) {
    try {
        Image::checkSize(width, height);
        return Image(static_cast<int>(width), static_cast<int>(height));
    } catch (const ImageTooLarge& e) {
        throw CodecError(e.words());
    } catch (const std::bad_alloc&) {
        throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Not enough memory for a %1 x %2 picture"),
                               {std::to_string(width), std::to_string(height)}));
    }
}

}  // namespace detail

FileFormat SniffFormat(const uint8_t* data, size_t size) {
    if (!data) return FileFormat::Unknown;
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return FileFormat::Jpeg;
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') return FileFormat::Bmp;
    return detail::SniffOtherFormat(data, size);
}

namespace detail {

std::vector<uint8_t> ReadRegularFile(const std::string& path, uint64_t limit, FileIdentity* identity) {
    Fd f;
    // Without O_NONBLOCK, opening a pipe with no writer waits forever.
    f.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (f.fd < 0) fileError(QT_TRANSLATE_NOOP("lum", "Cannot open \"%1\": %2"), path, errno);
    struct stat st {};
    if (::fstat(f.fd, &st) != 0) fileError(QT_TRANSLATE_NOOP("lum", "Cannot read \"%1\": %2"), path, errno);
    if (S_ISDIR(st.st_mode)) fileError(QT_TRANSLATE_NOOP("lum", "Cannot read \"%1\": %2"), path, EISDIR);
    if (!S_ISREG(st.st_mode)) throw CodecError(notRegular(path, st));
    if (static_cast<uint64_t>(st.st_size) > limit) throw CodecError(tooLarge(path, limit));
    if (identity) *identity = IdentityOf(st);
    const int flags = ::fcntl(f.fd, F_GETFL);
    if (flags >= 0) ::fcntl(f.fd, F_SETFL, flags & ~O_NONBLOCK);  // a slow network file may need the wait

    // The size is what we expect; one byte more tells a file that grew while we read it, and
    // it may grow up to the limit, never past it.
    std::vector<uint8_t> bytes(static_cast<size_t>(st.st_size) + 1);
    size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > limit) throw CodecError(tooLarge(path, limit));
            bytes.resize(static_cast<size_t>(std::min<uint64_t>(limit + 1, uint64_t(used) * 2)));
        }
        ssize_t n = ::read(f.fd, bytes.data() + used, bytes.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            fileError(QT_TRANSLATE_NOOP("lum", "Cannot read \"%1\": %2"), path, errno);
        }
        if (n == 0) break;
        used += static_cast<size_t>(n);
    }
    if (used > limit) throw CodecError(tooLarge(path, limit));
    bytes.resize(used);
    return bytes;
}

}  // namespace detail

Words SpecialFileRefusal(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)) return Words();
    return notRegular(path, st);
}

std::vector<uint8_t> ReadFileBytes(const std::string& path, FileIdentity* identity) {
    return detail::ReadRegularFile(path, kMaxFileBytes, identity);
}

LoadedPicture LoadPictureFromMemory(const uint8_t* data, size_t size, const DecodeOptions& opts) {
    LoadedPicture pic;
    pic.image = DecodePicture(data, size, &pic.format, &pic.metadata, opts, &pic.report);
    return pic;
}

LoadedPicture LoadPicture(const std::string& path, const DecodeOptions& opts) {
    FileIdentity source;
    std::vector<uint8_t> bytes = ReadFileBytes(path, &source);
    LoadedPicture pic = LoadPictureFromMemory(bytes.data(), bytes.size(), opts);
    pic.source = source;
    return pic;
}

bool HasBmpExtension(const std::string& path) {
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
    std::string ext = path.substr(dot);
    for (char& ch : ext)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return ext == ".BMP";
}

}  // namespace lum
