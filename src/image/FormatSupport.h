// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces the readers of HEIF, PNG, WebP and TIFF share; not part of the public API.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "image/Codec.h"
#include "image/Image.h"
#include "image/JpegPreview.h"

namespace lum::detail {

// What a decoder makes of rows it has no data for, as JPEG's.
constexpr uint8_t kMissingGrey = 128;

// Refuses a declared size beyond Image::kMaxPixels or opts.maxPixels, before any allocation.
void CheckDeclaredSize(int64_t width, int64_t height, const DecodeOptions& opts);
// Throws DecodeCancelled once opts.cancel is set.
void CheckCancel(const DecodeOptions& opts);

// 16-bit sample to 8 bits, rounded to nearest.
inline uint8_t Round16(unsigned v) { return static_cast<uint8_t>((v * 255u + 32767u) / 65535u); }
// colour over white with coverage alpha (0..255), rounded to nearest.
inline uint8_t OverWhite(unsigned colour, unsigned alpha) {
    return static_cast<uint8_t>((colour * alpha + 255u * (255u - alpha) + 127u) / 255u);
}
// The same for a colour already multiplied by its alpha.
inline uint8_t PremultipliedOverWhite(unsigned colour, unsigned alpha) {
    const unsigned v = colour + 255u - alpha;
    return static_cast<uint8_t>(v > 255u ? 255u : v);
}

// Rows y..height-1 mid-grey.
void FillMissingRows(Image& img, int y);

// A fresh report: no damage yet (its notes are DecodePicture's).
void StartReport(DecodeReport* report);
// Notes the damage once (the same words are kept once); the report's kind is the first met.
void NoteDamage(DecodeReport* report, const std::string& words, DamageKind kind);

// An EXIF block as JPEG carries it: "Exif\0\0" and the TIFF structure (data may start with
// either). Blocks too big for one segment are left out.
void AddExifSegment(PictureMetadata& meta, const uint8_t* data, size_t size);
// An XMP packet in the APP1 segment JPEG gives it; too big for one segment: left out.
void AddXmpSegment(PictureMetadata& meta, const uint8_t* data, size_t size);

// The EXIF of a whole TIFF file (its first directory's descriptive tags, the EXIF and GPS
// directories, maker notes left out) as the block a JPEG file carries, Orientation recorded as
// orientation; nothing when the file has none of them or is not a classic TIFF.
void AddExifFromTiffFile(PictureMetadata& meta, const uint8_t* file, size_t size, int orientation);

// The picture turned upright by its EXIF orientation (when opts ask for it), the EXIF block and
// the XMP packet reset to 1 and the EXIF thumbnail turned along, as for JPEG photos.
void OrientByExif(Image& img, PictureMetadata& meta, const DecodeOptions& opts);
// The metadata reset as OrientByExif would, for a picture already turned by other means.
void ResetExifOrientation(PictureMetadata& meta);

// HEIF, PNG, WebP or TIFF by its first bytes; Unknown for anything else.
FileFormat SniffOtherFormat(const uint8_t* data, size_t size);

// The thumbnail a HEIF file stores beside its primary picture, upright, profile applied, as a
// preview (width and height are the photo's); no image when there is none or it fails.
JpegPreview HeifThumbnail(const uint8_t* data, size_t size, const std::atomic<bool>* cancel);

}  // namespace lum::detail
