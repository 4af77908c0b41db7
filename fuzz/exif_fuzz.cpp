// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the metadata read-and-rewrite path. The input is an EXIF block (the TIFF
// structure after "Exif\0\0"), or a JPEG file whose first EXIF segment is taken, so the test
// photos seed it. The block goes through the orientation reset (thumbnail turning included), the
// pixel-size and thumbnail update of a save, and a save and load; the promises of that path are
// checked.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "image/Codec.h"
#include "image/CodecInternal.h"

namespace {

constexpr size_t kMaxPayload = 65533;

// The payload of the first EXIF APP1 segment of a JPEG file, or the input itself.
std::vector<uint8_t> exifPayload(const uint8_t* data, size_t size) {
    static const uint8_t kHead[6] = {'E', 'x', 'i', 'f', 0, 0};
    if (size >= 4 && data[0] == 0xFF && data[1] == 0xD8) {
        size_t i = 2;
        while (i + 4 <= size && data[i] == 0xFF && data[i + 1] != 0xDA) {
            const size_t n = size_t(data[i + 2]) << 8 | data[i + 3];
            if (n < 2 || i + 2 + n > size) break;
            if (data[i + 1] == 0xE1 && n >= 8 && std::memcmp(data + i + 4, kHead, 6) == 0)
                return std::vector<uint8_t>(data + i + 4, data + i + 2 + n);
            i += 2 + n;
        }
    }
    std::vector<uint8_t> out(kHead, kHead + 6);
    out.insert(out.end(), data, data + std::min(size, kMaxPayload - 6));
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lum::PictureMetadata meta;
    meta.segments.push_back({0xE1, exifPayload(data, size)});
    const std::vector<uint8_t> original = meta.segments[0].data;
    const int orientation = lum::ExifOrientation(meta);
    if (orientation < 0 || orientation > 8) __builtin_trap();

    lum::Image img(3, 2);
    img.fill(10, 20, 30);
    try {
        lum::detail::ApplyExifOrientationInPlace(img, meta);
    } catch (const lum::CodecError&) {
        return 0;
    }
    const std::vector<uint8_t>& after = meta.segments[0].data;
    if (after.size() > kMaxPayload) __builtin_trap();
    if (orientation < 2) {
        // Nothing to turn: the block is not even rewritten.
        if (after != original || img.width() != 3) __builtin_trap();
    } else if (after == original) {
        if (img.width() != 3) __builtin_trap();  // turned without resetting the tag
    } else {
        // Turned: the tag says so, and nothing moved (only the thumbnail at the end may change size).
        if (lum::ExifOrientation(meta) != 1) __builtin_trap();
        if (img.width() != (orientation >= 5 ? 2 : 3)) __builtin_trap();
        if (std::memcmp(after.data(), original.data(), 8) != 0) __builtin_trap();
    }

    // A wide picture: a tall thumbnail is made again from it.
    lum::Image wide(7, 5);
    wide.fill(40, 50, 60);
    std::vector<uint8_t> sized;
    const lum::JpegSegment* changed = lum::detail::ExifForPicture(meta, wide, sized);
    if (changed && (changed != &meta.segments[0] || sized.size() > kMaxPayload ||
                    std::memcmp(sized.data(), after.data(), 14) != 0))
        __builtin_trap();

    lum::JpegEncodeOptions enc;
    enc.metadata = &meta;
    const std::vector<uint8_t> j = lum::EncodeJpeg(img, enc);
    lum::PictureMetadata back;
    lum::DecodeReport report;
    const lum::Image again = lum::DecodeJpeg(j.data(), j.size(), &back, {}, &report);
    if (report.damaged()) __builtin_trap();
    // Saved upright, the photo is never turned a second time.
    if (again.width() != img.width() || again.height() != img.height()) __builtin_trap();
    return 0;
}
