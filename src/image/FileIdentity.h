// SPDX-License-Identifier: GPL-3.0-or-later
// Which file a path names, and which version of it: the same file reached by any path (a
// symbolic link, a relative path, another hard link) has the same device and inode.
#pragma once
#include <sys/types.h>

#include <cstdint>
#include <string>

struct stat;

namespace lum {

struct FileIdentity {
    bool exists = false;
    uint64_t device = 0, inode = 0;
    int64_t size = 0;
    int64_t modifiedNs = 0;  // modification time in nanoseconds

    // Both name one existing file.
    bool sameFile(const FileIdentity& o) const { return exists && o.exists && device == o.device && inode == o.inode; }
    // The same file, not written since: size and modification time unchanged too.
    bool sameVersion(const FileIdentity& o) const {
        return sameFile(o) && size == o.size && modifiedNs == o.modifiedNs;
    }
};

// Follows symbolic links; exists is false when the file cannot be reached.
FileIdentity IdentityOf(const std::string& path);
FileIdentity IdentityOf(const struct stat& st);

}  // namespace lum
