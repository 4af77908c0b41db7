// SPDX-License-Identifier: GPL-3.0-or-later
// Photos in the formats phones, the web and scanners give besides JPEG: HEIF (HEIC), PNG, WebP
// and TIFF, and the one entry point that decodes any format we read.
//
// Each reader returns the picture upright (HEIF's own transformations, the EXIF or TIFF
// orientation of the others) at 8 bits per channel: 16-bit samples are rounded, alpha is
// composited over white. Like DecodeJpeg it fills meta with what a JPEG file would carry: the
// EXIF block (orientation reset to 1) and the XMP packet as APP1 segments, the ICC profile as
// APP2 chunks; the profile is applied by DecodePicture, not by the readers. The limits are
// JPEG's: Image::kMaxPixels and opts.maxPixels before any pixel memory is taken; opts.cancel
// stops the decode between bands of rows (HEIF: before and after the library's decode). A file
// that ends early or whose data fails part way opens as a damaged photo: what was decoded, the
// rest mid-grey, the library's words in report; one that gives nothing throws CodecError.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "image/Codec.h"
#include "image/Image.h"
#include "image/JpegPreview.h"

namespace lum {

Image DecodeHeif(const uint8_t* data, size_t size, PictureMetadata* meta = nullptr, const DecodeOptions& opts = {},
                 DecodeReport* report = nullptr);
Image DecodePng(const uint8_t* data, size_t size, PictureMetadata* meta = nullptr, const DecodeOptions& opts = {},
                DecodeReport* report = nullptr);
Image DecodeWebp(const uint8_t* data, size_t size, PictureMetadata* meta = nullptr, const DecodeOptions& opts = {},
                 DecodeReport* report = nullptr);
Image DecodeTiff(const uint8_t* data, size_t size, PictureMetadata* meta = nullptr, const DecodeOptions& opts = {},
                 DecodeReport* report = nullptr);

// JPEG, BMP, HEIF, PNG, WebP or TIFF by content, then an embedded colour profile other than
// sRGB converted to sRGB (its segments dropped from meta; a broken one ignored with a note in
// report). format (optional) receives what the file was. Throws CodecError.
Image DecodePicture(const uint8_t* data, size_t size, FileFormat* format = nullptr, PictureMetadata* meta = nullptr,
                    const DecodeOptions& opts = {}, DecodeReport* report = nullptr);

// A quick look while the full decode runs, for any format that has one: JPEG's scaled decode,
// HEIF's embedded thumbnail (scale is then the photo's width over the thumbnail's, rounded).
// Colours as DecodePicture gives them. Never throws: no preview is all that can go wrong.
JpegPreview DecodePicturePreview(const uint8_t* data, size_t size, const std::function<int(int, int)>& percentFor,
                                 const std::atomic<bool>* cancel = nullptr);

}  // namespace lum
