// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the small corpus of damaged and hostile files kept in tests/data/broken. Built with the
// fuzzers (scripts/fuzz.sh); run from the project folder:
//   build-fuzz/fuzz/make_broken_corpus tests/data/broken
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "image/Codec.h"

using namespace lum;
using Bytes = std::vector<uint8_t>;

namespace {

std::string g_dir;

void save(const std::string& name, const Bytes& b) { WriteFileAtomic(g_dir + "/" + name, b); }

Image pattern(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, uint8_t(x * 4), uint8_t(y * 4), uint8_t((x ^ y) * 8));
    return img;
}

size_t findMarker(const Bytes& j, int m) {
    for (size_t i = 2; i + 4 <= j.size() && j[i] == 0xFF;) {
        if (j[i + 1] == m) return i;
        if (j[i + 1] == 0xDA) break;
        i += 2 + (size_t(j[i + 2]) << 8 | j[i + 3]);
    }
    return std::string::npos;
}

void setFrameSize(Bytes& j, int marker, int w, int h) {
    size_t at = findMarker(j, marker);
    j[at + 5] = uint8_t(h >> 8), j[at + 6] = uint8_t(h), j[at + 7] = uint8_t(w >> 8), j[at + 8] = uint8_t(w);
}

void put32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

// A minimal EXIF block with Orientation; hand-made so it can also be made to lie.
Bytes exifBlock(uint16_t orientation, uint16_t entryCount = 1, uint32_t valueOffset = 0) {
    Bytes e = {'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0};
    e.push_back(uint8_t(entryCount)), e.push_back(uint8_t(entryCount >> 8));
    const uint8_t entry[12] = {0x12, 0x01, 3, 0, 1, 0, 0, 0, uint8_t(orientation), 0, 0, 0};
    e.insert(e.end(), entry, entry + 12);
    if (valueOffset) {  // turn the value into a pointer far outside the block
        e[e.size() - 8] = 10;
        put32(e, e.size() - 4, valueOffset);
    }
    e.insert(e.end(), {0, 0, 0, 0});
    return e;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s folder\n", argv[0]);
        return 2;
    }
    g_dir = argv[1];
    const Bytes good = EncodeJpeg(pattern(64, 48), {85, false, nullptr});
    const Bytes prog = EncodeJpeg(pattern(64, 48), {85, true, nullptr});
    const size_t sos = findMarker(good, 0xDA);

    save("empty.bin", {});
    std::mt19937 rng(1234);
    Bytes noise(512);
    for (auto& v : noise) v = uint8_t(rng());
    save("random.bin", noise);
    Bytes noiseJpeg = noise;
    noiseJpeg[0] = 0xFF, noiseJpeg[1] = 0xD8, noiseJpeg[2] = 0xFF;
    save("random_after_soi.jpg", noiseJpeg);

    save("truncated_half.jpg", Bytes(good.begin(), good.begin() + sos + (good.size() - sos) / 2));
    save("truncated_progressive.jpg", Bytes(prog.begin(), prog.begin() + prog.size() * 2 / 3));
    save("header_only.jpg", Bytes(good.begin(), good.begin() + sos));
    save("soi_only.jpg", {0xFF, 0xD8, 0xFF});

    Bytes huff = good;
    size_t dht = findMarker(huff, 0xC4);
    for (int i = 0; i < 16; ++i) huff[dht + 5 + i] = 0xFF;
    save("bad_huffman_table.jpg", huff);

    Bytes data = good;  // entropy data scrambled
    for (size_t i = sos + 20; i < data.size() - 2; i += 3) data[i] = uint8_t(rng());
    save("scrambled_data.jpg", data);

    Bytes huge = good;
    setFrameSize(huge, 0xC0, 60000, 60000);
    save("huge_dimensions.jpg", huge);
    Bytes zero = good;
    setFrameSize(zero, 0xC0, 0, 48);
    save("zero_width.jpg", zero);
    Bytes wideProg = prog;
    setFrameSize(wideProg, 0xC2, 65000, 3800);
    wideProg[findMarker(wideProg, 0xC2) + 11] = 0x11;  // 4:4:4: too many coefficients to keep
    save("huge_progressive.jpg", wideProg);

    // Bombs under the pixel limit: a few hundred bytes declaring 250 megapixels, and a header
    // with no picture data at all.
    Bytes bomb = good;
    setFrameSize(bomb, 0xC0, 15800, 15800);
    save("bomb_sequential.jpg", bomb);
    Bytes bombProg = prog;
    setFrameSize(bombProg, 0xC2, 15800, 15800);
    save("bomb_progressive.jpg", bombProg);
    Bytes noData(good.begin(), good.begin() + sos + 2 + (size_t(good[sos + 2]) << 8 | good[sos + 3]));
    noData.push_back(0xFF), noData.push_back(0xD9);
    save("bomb_no_picture_data.jpg", noData);

    // The last scan repeated: a stream of progression warnings.
    size_t last = 0;
    for (size_t i = 2; i + 1 < prog.size(); ++i)
        if (prog[i] == 0xFF && prog[i + 1] == 0xDA) last = i;
    Bytes repeated = prog;
    Bytes scan(prog.begin() + last, prog.end() - 2);
    for (int i = 0; i < 6; ++i) repeated.insert(repeated.end() - 2, scan.begin(), scan.end());
    save("repeated_scans.jpg", repeated);

    auto withExif = [&](const Bytes& exif) {
        PictureMetadata meta;
        meta.segments.push_back({0xE1, exif});
        return EncodeJpeg(pattern(24, 16), {80, false, &meta});
    };
    save("exif_orientation6.jpg", withExif(exifBlock(6)));
    save("exif_orientation_99.jpg", withExif(exifBlock(99)));
    save("exif_lying_count.jpg", withExif(exifBlock(6, 0xFFFF)));
    save("exif_lying_offset.jpg", withExif(exifBlock(6, 1, 0x7FFFFFF0)));
    save("exif_header_only.jpg", withExif({'E', 'x', 'i', 'f', 0, 0}));

    const Bytes bmp = EncodeBmp(pattern(10, 6));
    save("ok_24bit.bmp", bmp);
    Bytes b = bmp;
    put32(b, 10, 0x7FFFFFFF);
    save("bmp_offset_beyond_file.bmp", b);
    b = bmp;
    put32(b, 22, 0x7FFFFFFF);
    save("bmp_huge_height.bmp", b);
    b = bmp;
    put32(b, 22, 0x80000000u);
    save("bmp_min_height.bmp", b);
    b = bmp;
    put32(b, 18, 40000), put32(b, 22, 40000);
    save("bmp_huge_both.bmp", b);
    b = bmp;
    b[28] = 8, put32(b, 30, 1), put32(b, 46, 0xFFFFFFFF);
    save("bmp_rle8.bmp", b);
    b = bmp;
    b[28] = 8, put32(b, 46, 300);  // palette claims more than fits
    save("bmp_8bit_palette_lie.bmp", b);
    b = bmp;
    b[28] = 32, put32(b, 30, 3);  // masks promised, pixel data too short
    save("bmp_bitfields_short.bmp", b);
    b = bmp;
    put32(b, 14, 0xFFFFFFF0u);
    save("bmp_header_size_lie.bmp", b);
    save("bmp_truncated.bmp", Bytes(bmp.begin(), bmp.begin() + 100));
    return 0;
}
