// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a BMP file, then results back through the BMP writer.
// Only CodecError may come out, and what was read must survive a write and a read unchanged.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/Codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        lum::Image img = lum::DecodeBmp(data, size);
        if (img.empty()) __builtin_trap();
        if (static_cast<int64_t>(img.width()) * img.height() <= 1 << 20) {
            std::vector<uint8_t> again = lum::EncodeBmp(img);
            if (lum::DecodeBmp(again.data(), again.size()) != img) __builtin_trap();
        }
    } catch (const lum::CodecError&) {
    }
    try {
        lum::LoadPictureFromMemory(data, size);
    } catch (const lum::CodecError&) {
    }
    return 0;
}
