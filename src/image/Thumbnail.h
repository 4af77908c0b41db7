// SPDX-License-Identifier: GPL-3.0-or-later
// Small pictures of photos for a folder's view, made as cheaply as the format allows: a JPEG's
// own EXIF thumbnail when it is good enough, else libjpeg's scaled decode; a HEIF file's
// thumbnail; the other formats through their readers under a pixel ceiling of their own.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/Codec.h"
#include "image/Image.h"

namespace lum {

// How a thumbnail was made.
enum class ThumbnailSource { ExifThumbnail, ScaledDecode, EmbeddedThumbnail, FullDecode };

// The largest picture decoded whole for a thumbnail: a bigger one is refused before any pixel
// memory is taken (JPEG and HEIF, which never decode whole here, keep their own ceilings).
constexpr int64_t kThumbnailMaxPixels = 100LL * 1000 * 1000;

// The JPEG thumbnail stored in the EXIF block, as stored (not turned); empty when there is none
// or the block cannot be walked safely.
std::vector<uint8_t> ExifThumbnailJpeg(const PictureMetadata& meta);

// The picture of a file's bytes, upright, its longer side at most maxSide (never enlarged).
// Throws CodecError (DecodeCancelled when *cancel was set) when the file gives none.
Image MakeThumbnail(const uint8_t* data, size_t size, int maxSide, const std::atomic<bool>* cancel = nullptr,
                    ThumbnailSource* source = nullptr);

}  // namespace lum
