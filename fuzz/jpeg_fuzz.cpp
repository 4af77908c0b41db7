// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes through the picture loader, then small results through the JPEG
// encoder with their metadata and back. Only CodecError may come out.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/Codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        lum::DecodeOptions opts;
        opts.applyExifOrientation = size % 2 == 0;  // both paths, chosen by the input
        // Big declared pictures take the same paths as small ones, only far slower under the
        // sanitizers; the ceiling keeps the run fast enough to explore (the limit is unit-tested).
        opts.maxPixels = 1 << 22;
        lum::LoadedPicture pic = lum::LoadPictureFromMemory(data, size, opts);
        if (pic.image.empty()) __builtin_trap();  // decoders never return an empty picture
        if (static_cast<int64_t>(pic.image.width()) * pic.image.height() <= 1 << 20) {
            lum::JpegEncodeOptions enc;
            enc.quality = 10 + static_cast<int>(size % 91);
            enc.progressive = size % 3 == 0;
            enc.metadata = &pic.metadata;
            std::vector<uint8_t> again = lum::EncodeJpeg(pic.image, enc);
            lum::PictureMetadata meta;
            lum::Image back = lum::DecodeJpeg(again.data(), again.size(), &meta, {false});
            if (back.width() != pic.image.width() || back.height() != pic.image.height()) __builtin_trap();
        }
    } catch (const lum::CodecError&) {
    }
    return 0;
}
