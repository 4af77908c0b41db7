// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the photo files we read, and the names of the JPEG files we write for them.
#pragma once
#include <string>
#include <vector>

#include "image/Codec.h"

namespace lum {

// The photo files the photo list, the picture choosers, drag and drop and folder batches take,
// as lower-case patterns ("*.jpg", "*.heic", ...); matched without regard to case.
const std::vector<std::string>& PhotoFilePatterns();
// The extension of path (any case) is one of PhotoFilePatterns.
bool HasPhotoExtension(const std::string& path);
// ".jpg" or ".jpeg", any case.
bool HasJpegExtension(const std::string& path);
// A format we read but never write (HEIC, HEIF, PNG, WebP, TIFF): a file we wrote under such a
// name would not be what its name says.
bool HasReadOnlyExtension(const std::string& path);
// path with its extension replaced by ".jpg" (added when it has none): where the JPEG made of a
// photo of another format goes, beside it or in another folder.
std::string JpegNameFor(const std::string& path);

// "JPEG", "BMP", "HEIF", "PNG", "WebP", "TIFF"; "unknown" for the rest.
const char* FormatName(FileFormat format);

// The format a file's first bytes give, reading no more of it; Unknown when it cannot be read.
// Only regular files are opened, without waiting on pipes or devices.
FileFormat SniffFileFormat(const std::string& path);

}  // namespace lum
