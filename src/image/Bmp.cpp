// SPDX-License-Identifier: GPL-3.0-or-later
// Windows bitmaps: uncompressed 1/4/8-bit palette, 16/24/32-bit files in, 24-bit files out.
// Every header field and offset is checked against the bytes actually present before use.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "image/Codec.h"
#include "image/CodecInternal.h"

namespace lum {

namespace {

constexpr size_t kFileHeader = 14;
constexpr uint32_t kCoreHeader = 12;  // OS/2 1.x: 16-bit sizes, 3-byte palette entries
constexpr uint32_t kInfoHeader = 40;
constexpr uint32_t kOs2V2Header = 64;
constexpr uint32_t kV5Header = 124;

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6 };

uint16_t rd16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t rd32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}
int32_t rds32(const uint8_t* p) { return static_cast<int32_t>(rd32(p)); }

[[noreturn]] void invalid(Words why) { throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Invalid BMP file: %1"), {std::move(why)})); }

constexpr double kMetresPerInch = 0.0254;
constexpr uint32_t kDefaultPixelsPerMetre = 2835;  // 72 dpi

// Pixels per metre as JFIF keeps them: per inch when that comes back exactly (72 dpi is stored
// as 2835), else per centimetre.
PixelDensity densityOf(uint32_t xPerMetre, uint32_t yPerMetre) {
    PixelDensity d;
    if (xPerMetre == 0 || yPerMetre == 0) return d;
    auto inchOf = [](uint32_t ppm) { return std::lround(ppm * kMetresPerInch); };
    auto metreOf = [](long dpi) { return std::lround(dpi / kMetresPerInch); };
    const long xi = inchOf(xPerMetre), yi = inchOf(yPerMetre);
    if (xi > 0 && yi > 0 && xi <= 0xFFFF && yi <= 0xFFFF && metreOf(xi) == xPerMetre && metreOf(yi) == yPerMetre) {
        d.unit = PixelDensity::PerInch;
        d.x = static_cast<uint16_t>(xi), d.y = static_cast<uint16_t>(yi);
        return d;
    }
    const long xc = std::lround(xPerMetre / 100.0), yc = std::lround(yPerMetre / 100.0);
    if (xc > 0 && yc > 0 && xc <= 0xFFFF && yc <= 0xFFFF) {
        d.unit = PixelDensity::PerCm;
        d.x = static_cast<uint16_t>(xc), d.y = static_cast<uint16_t>(yc);
    }
    return d;
}

uint32_t perMetre(const PixelDensity* d, uint16_t value) {
    if (!d || !d->known()) return kDefaultPixelsPerMetre;
    if (d->unit == PixelDensity::PerInch) return static_cast<uint32_t>(std::lround(value / kMetresPerInch));
    if (d->unit == PixelDensity::PerCm) return uint32_t(value) * 100;
    return kDefaultPixelsPerMetre;  // only the pixels' shape: nothing a BMP can say
}

// One colour channel of a 16- or 32-bit pixel.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (!m) return;
        while (!(m & 1u)) m >>= 1, ++shift;
        while (m & 1u) m >>= 1, ++bits;
        if (m) invalid(Words(QT_TRANSLATE_NOOP("lum", "a colour mask is not contiguous")));
    }
    uint8_t operator()(uint32_t v) const {
        if (!bits) return 0;
        uint32_t x = (v & mask) >> shift;
        if (bits >= 8) return static_cast<uint8_t>(x >> (bits - 8));
        uint32_t maxv = (1u << bits) - 1;
        return static_cast<uint8_t>((x * 255 + maxv / 2) / maxv);
    }
};

}  // namespace

Image DecodeBmp(const uint8_t* data, size_t size, PixelDensity* density) {
    if (!data || size < kFileHeader + 4) invalid(Words(QT_TRANSLATE_NOOP("lum", "the file is too short")));
    if (data[0] != 'B' || data[1] != 'M') invalid(Words(QT_TRANSLATE_NOOP("lum", "the signature is missing")));
    const uint32_t offBits = rd32(data + 10);
    const uint32_t hdr = rd32(data + 14);
    if (hdr != kCoreHeader && (hdr < kInfoHeader || hdr > kV5Header))
        invalid(Words(QT_TRANSLATE_NOOP("lum", "unknown header size %1"), {std::to_string(hdr)}));
    if (kFileHeader + hdr > size) invalid(Words(QT_TRANSLATE_NOOP("lum", "the header is cut off")));

    const uint8_t* h = data + kFileHeader;
    int64_t width, height;
    unsigned planes, bpp;
    uint32_t compression = kRgb, colorsUsed = 0;
    bool topDown = false;
    if (hdr == kCoreHeader) {
        width = rd16(h + 4);
        height = rd16(h + 6);
        planes = rd16(h + 8);
        bpp = rd16(h + 10);
    } else {
        width = rds32(h + 4);
        int32_t rawHeight = rds32(h + 8);
        planes = rd16(h + 12);
        bpp = rd16(h + 14);
        compression = rd32(h + 16);
        colorsUsed = rd32(h + 32);
        if (density) *density = densityOf(rd32(h + 24), rd32(h + 28));
        topDown = rawHeight < 0;
        height = topDown ? -static_cast<int64_t>(rawHeight) : rawHeight;
    }
    if (width <= 0 || height <= 0) invalid(Words(QT_TRANSLATE_NOOP("lum", "the picture size is %1 x %2"),
                                                 {std::to_string(width), std::to_string(topDown ? -height : height)}));
    if (planes != 1) invalid(Words(QT_TRANSLATE_NOOP("lum", "the plane count is %1"), {std::to_string(planes)}));
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        invalid(Words(QT_TRANSLATE_NOOP("lum", "%1 bits per pixel"), {std::to_string(bpp)}));
    if (compression == kRle8 || compression == kRle4)
        throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Compressed BMP files (RLE) are not supported")));
    const bool bitfields = compression == kBitfields || compression == kAlphaBitfields;
    // OS/2 2.x headers give these numbers other meanings (Huffman, RLE24).
    if ((compression != kRgb && !bitfields) || (bitfields && hdr == kOs2V2Header))
        throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Unsupported BMP compression (type %1)"), {std::to_string(compression)}));
    if (bitfields && bpp != 16 && bpp != 32) invalid(Words(QT_TRANSLATE_NOOP("lum", "colour masks with %1 bits per pixel"), {std::to_string(bpp)}));

    try {
        Image::checkSize(width, height);
    } catch (const ImageTooLarge& e) {
        throw CodecError(e.words());
    }

    // Colour masks: inside the V2+ headers, or right after a plain info header.
    size_t headerEnd = kFileHeader + hdr;
    uint32_t masks[3] = {0, 0, 0};
    if (bitfields) {
        const uint8_t* m = h + kInfoHeader;
        if (hdr < kInfoHeader + 12) {
            headerEnd += compression == kAlphaBitfields ? 16 : 12;
            if (headerEnd > size) invalid(Words(QT_TRANSLATE_NOOP("lum", "the colour masks are cut off")));
        }
        masks[0] = rd32(m);
        masks[1] = rd32(m + 4);
        masks[2] = rd32(m + 8);
    } else if (bpp == 16) {
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    } else if (bpp == 32) {
        masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    }
    if (offBits < headerEnd) invalid(Words(QT_TRANSLATE_NOOP("lum", "the pixel data overlaps the header")));

    // Palette: entries past the end of the file or into the pixel data stay black.
    uint8_t palette[256][3] = {};
    if (bpp <= 8) {
        const size_t entrySize = hdr == kCoreHeader ? 3 : 4;
        const size_t maxEntries = size_t(1) << bpp;
        size_t count = colorsUsed ? std::min<size_t>(colorsUsed, maxEntries) : maxEntries;
        const size_t paletteEnd = std::min<size_t>(offBits, size);
        count = std::min(count, (paletteEnd - std::min(paletteEnd, headerEnd)) / entrySize);
        for (size_t i = 0; i < count; ++i) std::memcpy(palette[i], data + headerEnd + i * entrySize, 3);
    }

    const uint64_t stride = (static_cast<uint64_t>(width) * bpp + 31) / 32 * 4;
    const uint64_t rowBytes = (static_cast<uint64_t>(width) * bpp + 7) / 8;
    // The padding of the last row may be missing; its pixels may not.
    const uint64_t needed = uint64_t(offBits) + stride * static_cast<uint64_t>(height - 1) + rowBytes;
    if (needed > size)
        invalid(Words(QT_TRANSLATE_NOOP("lum", "the pixel data is cut off (%1 bytes, %2 needed)"), {std::to_string(size), std::to_string(needed)}));

    const int w = static_cast<int>(width), hgt = static_cast<int>(height);
    Image img = detail::AllocatePicture(w, hgt);
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    const bool standard32 = bpp == 32 && masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF;
    for (int y = 0; y < hgt; ++y) {
        const uint8_t* src = data + offBits + stride * static_cast<uint64_t>(topDown ? y : hgt - 1 - y);
        uint8_t* dst = img.row(y);
        switch (bpp) {
        case 24:
            std::memcpy(dst, src, static_cast<size_t>(w) * 3);
            break;
        case 32:
            if (standard32) {
                for (int x = 0; x < w; ++x, src += 4, dst += 3) dst[0] = src[0], dst[1] = src[1], dst[2] = src[2];
            } else {
                for (int x = 0; x < w; ++x, src += 4, dst += 3) {
                    uint32_t v = rd32(src);
                    dst[0] = blue(v), dst[1] = green(v), dst[2] = red(v);
                }
            }
            break;
        case 16:
            for (int x = 0; x < w; ++x, src += 2, dst += 3) {
                uint32_t v = rd16(src);
                dst[0] = blue(v), dst[1] = green(v), dst[2] = red(v);
            }
            break;
        case 8:
            for (int x = 0; x < w; ++x, dst += 3) std::memcpy(dst, palette[src[x]], 3);
            break;
        case 4:
            for (int x = 0; x < w; ++x, dst += 3) std::memcpy(dst, palette[(src[x >> 1] >> (x & 1 ? 0 : 4)) & 15], 3);
            break;
        case 1:
            for (int x = 0; x < w; ++x, dst += 3) std::memcpy(dst, palette[(src[x >> 3] >> (7 - (x & 7))) & 1], 3);
            break;
        }
    }
    return img;
}

std::vector<uint8_t> EncodeBmp(const Image& img, const PixelDensity* density) {
    if (img.empty()) throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Cannot save an empty picture as BMP")));
    const int w = img.width(), h = img.height();
    const size_t stride = Image::strideFor(w);
    const uint64_t imageBytes = static_cast<uint64_t>(stride) * static_cast<uint64_t>(h);
    const uint64_t fileBytes = kFileHeader + kInfoHeader + imageBytes;
    if (fileBytes > 0xFFFFFFFFull) throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Picture too large for a BMP file")));

    std::vector<uint8_t> out(static_cast<size_t>(fileBytes));
    uint8_t* p = out.data();
    auto put16 = [](uint8_t* q, uint32_t v) { q[0] = uint8_t(v), q[1] = uint8_t(v >> 8); };
    auto put32 = [](uint8_t* q, uint32_t v) {
        q[0] = uint8_t(v), q[1] = uint8_t(v >> 8), q[2] = uint8_t(v >> 16), q[3] = uint8_t(v >> 24);
    };
    p[0] = 'B', p[1] = 'M';
    put32(p + 2, static_cast<uint32_t>(fileBytes));
    put32(p + 10, kFileHeader + kInfoHeader);
    uint8_t* info = p + kFileHeader;
    put32(info, kInfoHeader);
    put32(info + 4, static_cast<uint32_t>(w));
    put32(info + 8, static_cast<uint32_t>(h));  // positive: bottom-up
    put16(info + 12, 1);
    put16(info + 14, 24);
    put32(info + 16, kRgb);
    put32(info + 20, static_cast<uint32_t>(imageBytes));
    put32(info + 24, perMetre(density, density ? density->x : 0));
    put32(info + 28, perMetre(density, density ? density->y : 0));
    // Rows bottom-up; the padding stays zero from the vector's initialisation.
    uint8_t* dst = p + kFileHeader + kInfoHeader;
    const size_t rowBytes = static_cast<size_t>(w) * 3;
    for (int y = h - 1; y >= 0; --y, dst += stride) std::memcpy(dst, img.row(y), rowBytes);
    return out;
}

}  // namespace lum
