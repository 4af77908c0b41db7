// Whole-file reading and atomic writing, format sniffing and the picture loader.
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

[[noreturn]] void fileError(const char* what, const std::string& path, int err) {
    throw CodecError(std::string(what) + " \"" + path + "\": " + std::strerror(err));
}

std::string tooLarge(const std::string& path, uint64_t limit) {
    const std::string amount =
        limit >= (1ULL << 30) ? std::to_string(limit >> 30) + " GB" : std::to_string(limit) + " bytes";
    return "File too large: \"" + path + "\" (the limit is " + amount + ")";
}

}  // namespace

namespace detail {

Image AllocatePicture(int64_t width, int64_t height) {
    try {
        Image::checkSize(width, height);
        return Image(static_cast<int>(width), static_cast<int>(height));
    } catch (const ImageTooLarge& e) {
        throw CodecError(e.what());
    } catch (const std::bad_alloc&) {
        throw CodecError("Not enough memory for a " + std::to_string(width) + " x " + std::to_string(height) +
                         " picture");
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

std::vector<uint8_t> ReadRegularFile(const std::string& path, uint64_t limit) {
    Fd f;
    // Without O_NONBLOCK, opening a pipe with no writer waits forever.
    f.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (f.fd < 0) fileError("Cannot open", path, errno);
    struct stat st {};
    if (::fstat(f.fd, &st) != 0) fileError("Cannot read", path, errno);
    if (S_ISDIR(st.st_mode)) fileError("Cannot read", path, EISDIR);
    if (!S_ISREG(st.st_mode)) throw CodecError("Cannot read \"" + path + "\": not a regular file");
    if (static_cast<uint64_t>(st.st_size) > limit) throw CodecError(tooLarge(path, limit));
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
            fileError("Cannot read", path, errno);
        }
        if (n == 0) break;
        used += static_cast<size_t>(n);
    }
    if (used > limit) throw CodecError(tooLarge(path, limit));
    bytes.resize(used);
    return bytes;
}

}  // namespace detail

std::vector<uint8_t> ReadFileBytes(const std::string& path) { return detail::ReadRegularFile(path, kMaxFileBytes); }

void WriteFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (path.empty()) throw CodecError("Cannot write a file without a name");
    // Writing through a symbolic link replaces the file it points at, not the link.
    std::string target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    bool existed = false;
    if (::stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) fileError("Cannot write", path, EISDIR);
        // Renaming over a device or a pipe would replace the node itself.
        if (!S_ISREG(st.st_mode)) throw CodecError("Cannot write \"" + path + "\": not a regular file");
        existed = true;
    }

    const size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temp = dir + (dir == "/" ? "." : "/.") + name + ".XXXXXX";

    Fd f;
    f.fd = ::mkstemp(temp.data());
    if (f.fd < 0) fileError("Cannot write", path, errno);
    auto failWith = [&](int err) {
        ::close(f.fd);
        f.fd = -1;
        ::unlink(temp.c_str());
        fileError("Cannot write", path, err);
    };

    // mkstemp makes the file private; give it the old file's mode, or what a new file would get.
    mode_t mode;
    if (existed) {
        mode = st.st_mode & 07777;
        if (::fchown(f.fd, st.st_uid, st.st_gid) != 0) {
            // Only the owner or root may hand a file over; the rename still goes ahead.
        }
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(f.fd, mode) != 0) failWith(errno);

    const uint8_t* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(f.fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            failWith(errno);
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (::fsync(f.fd) != 0) failWith(errno);
    const int fd = f.fd;
    f.fd = -1;
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        fileError("Cannot write", path, err);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        fileError("Cannot write", path, err);
    }
    // Make the rename itself durable; a failure here no longer endangers any data.
    Fd d;
    d.fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d.fd >= 0) ::fsync(d.fd);
}

LoadedPicture LoadPictureFromMemory(const uint8_t* data, size_t size, const JpegDecodeOptions& opts) {
    LoadedPicture pic;
    pic.image = DecodePicture(data, size, &pic.format, &pic.metadata, opts, &pic.report);
    return pic;
}

LoadedPicture LoadPicture(const std::string& path, const JpegDecodeOptions& opts) {
    std::vector<uint8_t> bytes = ReadFileBytes(path);
    return LoadPictureFromMemory(bytes.data(), bytes.size(), opts);
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
