// SPDX-License-Identifier: GPL-3.0-or-later
// Atomic file writing: the new content is complete on disk before any name points at it.
//
// The file is made without a name (O_TMPFILE) in the target's folder, written and flushed, then
// linked in: straight under the target's name when there is no file yet, else under a short
// temporary name renamed over the target at once. A program killed while writing leaves
// nothing behind, and the temporary name never depends on the target's, so every valid name
// can be written. File systems without unnamed files get a named temporary file instead.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "image/Codec.h"
#include "image/CodecInternal.h"

namespace lum {

namespace {

// As many links as the system follows before it gives up (ELOOP).
constexpr int kMaxLinks = 40;
// What a new file gets, less the umask.
constexpr mode_t kNewFileMode = 0666;

struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

// The file a write to path lands in: symbolic links are followed, also to a file that does not
// exist yet, so a link is never replaced by a plain file.
std::string followLinks(const std::string& path, int& err) {
    std::string at = path;
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
        std::string to(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(at.c_str(), to.data(), to.size());
        if (n < 0 || static_cast<size_t>(n) >= to.size()) {
            err = n < 0 ? errno : ENAMETOOLONG;
            return at;
        }
        to.resize(static_cast<size_t>(n));
        const size_t slash = at.rfind('/');
        if (!to.empty() && to[0] != '/' && slash != std::string::npos) to = at.substr(0, slash + 1) + to;
        at = to;
    }
    err = ELOOP;
    return at;
}

// A short name no one uses yet in folder, for the moment before the rename.
std::string freshName(const std::string& folder) {
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device rd;
    std::string name = folder + (folder == "/" ? ".lumora-" : "/.lumora-");
    for (int i = 0; i < 10; ++i) name += kChars[rd() % (sizeof kChars - 1)];
    return name;
}

class Writer {
public:
    Writer(const std::string& path, const std::vector<uint8_t>& bytes) : path_(path), bytes_(bytes) {}

    void run(detail::TempFile how) {
        if (path_.empty()) throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Cannot write a file without a name")));
        int err = 0;
        target_ = followLinks(path_, err);
        if (err) fail(err);
        struct stat st {};
        if (::stat(target_.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode)) fail(EISDIR);
            // Renaming over a device or a pipe would replace the node itself.
            if (!S_ISREG(st.st_mode))
                throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Cannot write \"%1\": it is %2, not a regular file"),
                                       {path_, detail::SpecialFileKind(st)}));
            existed_ = true;
            old_ = st;
        }
        folder_ = folderOf(target_);
        if (how == detail::TempFile::Unnamed && writeUnnamed()) return;
        writeNamed();
    }

private:
    [[noreturn]] void fail(int err) const {
        const Words reason = SystemWords(err);
        if (!target_.empty() && target_ != path_)
            throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Cannot write \"%1\" (a link to \"%2\"): %3"), {path_, target_, reason}));
        throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Cannot write \"%1\": %2"), {path_, reason}));
    }

    // The temporary file was made as any new file is (0666 less the umask, which is never
    // read: changing it for a moment would race with other threads' files); a replaced file's
    // owner and mode are kept.
    void fill(int fd) const {
        if (existed_) {
            if (::fchown(fd, old_.st_uid, old_.st_gid) != 0) {
                // Only the owner or root may hand a file over; the write still goes ahead.
            }
            if (::fchmod(fd, old_.st_mode & 07777) != 0) throw errno;
        }
        const uint8_t* p = bytes_.data();
        size_t left = bytes_.size();
        while (left > 0) {
            const ssize_t n = ::write(fd, p, left);
            if (n < 0) {
                if (errno == EINTR) continue;
                throw errno;
            }
            p += n;
            left -= static_cast<size_t>(n);
        }
        if (::fsync(fd) != 0) throw errno;
    }

    // False when the file system has no unnamed files or they cannot be linked in; the named
    // way then starts afresh.
    bool writeUnnamed() {
        Fd f;
        f.fd = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, kNewFileMode);
        if (f.fd < 0) {
            if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return false;
            fail(errno);
        }
        try {
            fill(f.fd);
        } catch (int err) {
            fail(err);  // nothing to clean up: the file has no name
        }
        const std::string proc = "/proc/self/fd/" + std::to_string(f.fd);
        auto linkAs = [&](const std::string& name) {
            if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
            const int first = errno;
            // Without /proc, linking the descriptor itself needs a privilege; try it all the same.
            if (first == ENOENT && ::linkat(f.fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) return 0;
            return first;
        };
        if (!existed_) {
            const int err = linkAs(target_);
            if (err == 0) {
                syncFolder();
                return true;
            }
            if (err != EEXIST) return linkFailed(err);
            // Made by someone else meanwhile: replaced as any existing file is.
        }
        for (int attempt = 0;; ++attempt) {
            const std::string temp = freshName(folder_);
            const int err = linkAs(temp);
            if (err == EEXIST && attempt < 100) continue;
            if (err != 0) return linkFailed(err);
            if (::rename(temp.c_str(), target_.c_str()) != 0) {
                const int renameErr = errno;
                ::unlink(temp.c_str());
                fail(renameErr);
            }
            syncFolder();
            return true;
        }
    }

    // Linking needs /proc or a privilege; without them, or where links are not allowed at all,
    // the named way still works. Errors the named way would meet too are told at once.
    bool linkFailed(int err) const {
        if (err == ENOENT || err == EPERM || err == EXDEV || err == EOPNOTSUPP) return false;
        fail(err);
    }

    void writeNamed() {
        std::string temp;
        Fd f;
        for (int attempt = 0; f.fd < 0; ++attempt) {
            temp = freshName(folder_);
            f.fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
            if (f.fd < 0 && (errno != EEXIST || attempt == 100)) fail(errno);
        }
        try {
            fill(f.fd);
            const int fd = f.fd;
            f.fd = -1;
            if (::close(fd) != 0) throw errno;
            if (::rename(temp.c_str(), target_.c_str()) != 0) throw errno;
        } catch (int err) {
            ::unlink(temp.c_str());
            fail(err);
        }
        syncFolder();
    }

    // Makes the new name itself durable; a failure here no longer endangers any data.
    void syncFolder() const {
        Fd d;
        d.fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (d.fd >= 0) ::fsync(d.fd);
    }

    const std::string& path_;
    const std::vector<uint8_t>& bytes_;
    std::string target_, folder_;
    bool existed_ = false;
    struct stat old_ {};
};

}  // namespace

namespace detail {

void WriteFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes, TempFile how) {
    Writer(path, bytes).run(how);
}

}  // namespace detail

void WriteFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes) {
    detail::WriteFileAtomic(path, bytes, detail::TempFile::Unnamed);
}

}  // namespace lum
