// SPDX-License-Identifier: GPL-3.0-or-later
// The body shared by the fuzz targets of the HEIF, PNG, WebP and TIFF readers: any bytes through
// one reader (both orientation settings, chosen by the input), whatever profile came with them
// through the colour conversion, then small results through the JPEG writer with their metadata
// and back. Only CodecError may come out.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/ColourProfile.h"
#include "image/Formats.h"

template <class Reader>
int FuzzOneFormat(const uint8_t* data, size_t size, Reader read) {
    try {
        lum::DecodeOptions opts;
        opts.applyExifOrientation = size % 2 == 0;
        lum::PictureMetadata meta;
        lum::DecodeReport report;
        lum::Image img = read(data, size, &meta, opts, &report);
        if (img.empty()) __builtin_trap();  // readers never return an empty picture
        lum::ApplyEmbeddedProfile(img, meta, &report, true);
        if (static_cast<int64_t>(img.width()) * img.height() <= 1 << 20) {
            lum::JpegEncodeOptions enc;
            enc.metadata = &meta;
            const std::vector<uint8_t> again = lum::EncodeJpeg(img, enc);
            lum::DecodeOptions asIs;
            asIs.applyExifOrientation = false;
            const lum::Image back = lum::DecodeJpeg(again.data(), again.size(), nullptr, asIs);
            if (back.width() != img.width() || back.height() != img.height()) __builtin_trap();
        }
    } catch (const lum::CodecError&) {
    }
    return 0;
}
