// SPDX-License-Identifier: GPL-3.0-or-later
// The system's reasons for a failed file operation, marked for translation: strerror() speaks the
// C library's language (English unless its own translations are installed), so a French sentence
// would end in English. The English texts are the C library's, which the command line prints.
#include <cerrno>
#include <cstring>

#include "image/Translatable.h"

namespace lum {

Words SystemWords(int error) {
    switch (error) {
    case EACCES: case EPERM: return Words(QT_TRANSLATE_NOOP("lum", "Permission denied"));
    case ENOENT: return Words(QT_TRANSLATE_NOOP("lum", "No such file or directory"));
    case EEXIST: return Words(QT_TRANSLATE_NOOP("lum", "File exists"));
    case ENOSPC: return Words(QT_TRANSLATE_NOOP("lum", "No space left on device"));
    case EDQUOT: return Words(QT_TRANSLATE_NOOP("lum", "Disk quota exceeded"));
    case EROFS: return Words(QT_TRANSLATE_NOOP("lum", "Read-only file system"));
    case EISDIR: return Words(QT_TRANSLATE_NOOP("lum", "Is a directory"));
    case ENOTDIR: return Words(QT_TRANSLATE_NOOP("lum", "Not a directory"));
    case ENOTEMPTY: return Words(QT_TRANSLATE_NOOP("lum", "Directory not empty"));
    case ENAMETOOLONG: return Words(QT_TRANSLATE_NOOP("lum", "File name too long"));
    case ELOOP: return Words(QT_TRANSLATE_NOOP("lum", "Too many levels of symbolic links"));
    case EFBIG: return Words(QT_TRANSLATE_NOOP("lum", "File too large"));
    case EIO: return Words(QT_TRANSLATE_NOOP("lum", "Input/output error"));
    case EXDEV: return Words(QT_TRANSLATE_NOOP("lum", "Invalid cross-device link"));
    case EBUSY: return Words(QT_TRANSLATE_NOOP("lum", "Device or resource busy"));
    case EMFILE: case ENFILE: return Words(QT_TRANSLATE_NOOP("lum", "Too many open files"));
    case ENOMEM: return Words(QT_TRANSLATE_NOOP("lum", "Cannot allocate memory"));
    default: return Words::Plain(std::strerror(error));
    }
}

}  // namespace lum
