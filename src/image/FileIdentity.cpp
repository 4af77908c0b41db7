// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/FileIdentity.h"

#include <sys/stat.h>

namespace lum {

FileIdentity IdentityOf(const struct stat& st) {
    FileIdentity id;
    id.exists = true;
    id.device = static_cast<uint64_t>(st.st_dev);
    id.inode = static_cast<uint64_t>(st.st_ino);
    id.size = static_cast<int64_t>(st.st_size);
    id.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return id;
}

FileIdentity IdentityOf(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return FileIdentity();
    return IdentityOf(st);
}

}  // namespace lum
