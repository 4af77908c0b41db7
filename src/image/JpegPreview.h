// SPDX-License-Identifier: GPL-3.0-or-later
// A quick look at a JPEG photo while its full decode runs: libjpeg's scaled decoding, which
// skips most of the inverse transform and the upsampling, at 1/2, 1/4 or 1/8 of each side.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "image/Codec.h"
#include "image/Image.h"

namespace lum {

struct JpegPreview {
    Image image;          // upright, as the full decode turns it; empty when none was made
    int width = 0;        // the full photo's size, upright (0 when the header could not be read)
    int height = 0;
    int scale = 1;        // each side of image is about 1/scale of the photo's
    PictureMetadata profile; // the file's ICC profile chunks, for DecodePicturePreview to apply
};

// The divisor of each side (1, 2, 4 or 8) for a photo first shown at `percent` of its size:
// the largest that still leaves a pixel of the preview for every pixel on screen.
int PreviewScale(int percent);

// Reads the header, asks percentFor(width, height) (the upright size) at what zoom the photo
// will be shown, and decodes at the scale that zoom allows, with fast settings. No preview when
// the scale is 1 (the full decode is then the quick one), for CMYK files, or when the data is
// damaged or refused; setting *cancel (from any thread) stops the decoding early. Never throws
// for a bad file: the full decode is what reports it.
JpegPreview DecodeJpegPreview(const uint8_t* data, size_t size, const std::function<int(int, int)>& percentFor,
                              const std::atomic<bool>* cancel = nullptr);

}  // namespace lum
