// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged and hostile files of each new format, made from sound ones at test time: cut short,
// bits flipped, sizes declared far beyond the limits or the data. Each opens (a damaged photo
// keeps its size) or fails with a CodecError that says something; nothing else may happen.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "CodecTestSupport.h"
#include "FormatMakers.h"
#include "image/Formats.h"
#include "image/PhotoNotice.h"

using namespace lum;
using namespace formats_test;

namespace {

uint32_t Crc32(const uint8_t* p, size_t n) {
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
}
void PutBe32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

Bytes PngSized(Bytes f, uint32_t w, uint32_t h) {
    PutBe32(f, 16, w);
    PutBe32(f, 20, h);
    PutBe32(f, 29, Crc32(&f[12], 17));  // a header that checks out
    return f;
}
Bytes TiffSized(Bytes f, uint32_t w, uint32_t h) {  // little-endian, as libtiff writes here
    const uint32_t ifd = f[4] | f[5] << 8 | f[6] << 16 | uint32_t(f[7]) << 24;
    const int n = f[ifd] | f[ifd + 1] << 8;
    for (int i = 0; i < n; ++i) {
        uint8_t* e = &f[ifd + 2 + 12 * i];
        const int tag = e[0] | e[1] << 8;
        if (tag != 256 && tag != 257) continue;
        const uint32_t v = tag == 256 ? w : h;
        const uint8_t entry[10] = {4, 0, 1, 0, 0, 0, uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
        std::memcpy(e + 2, entry, 10);
    }
    return f;
}
Bytes HeicSized(Bytes f, uint32_t w, uint32_t h) {
    const std::string s(f.begin(), f.end());
    for (size_t at = s.find("ispe"); at != std::string::npos; at = s.find("ispe", at + 1)) {
        PutBe32(f, at + 8, w);
        PutBe32(f, at + 12, h);
    }
    return f;
}
Bytes WebpLosslessAtMost(Bytes f) {  // 16384 x 16384, the most a lossless header can say
    const uint32_t bits = 0x3FFFu | 0x3FFFu << 14 | (f[25] & 0xF0u) << 24;
    for (int i = 0; i < 4; ++i) f[21 + i] = static_cast<uint8_t>(bits >> (8 * i));
    return f;
}

// "size W x H" of what opened, or the message; fails the test on anything but a CodecError.
std::string Outcome(const Bytes& f, DamageKind* kind = nullptr) {
    try {
        DecodeReport report;
        const Image img = DecodePicture(f.data(), f.size(), nullptr, nullptr, {}, &report);
        EXPECT_FALSE(img.empty());
        if (kind) *kind = report.kind;
        EXPECT_EQ(report.damaged(), report.kind != DamageKind::None) << "damage always says what it means";
        if (report.damaged()) {
            EXPECT_NE(NoticeForLoad("x", report).text.find("x is damaged: "), std::string::npos);
        }
        return "size " + std::to_string(img.width()) + " x " + std::to_string(img.height());
    } catch (const CodecError& e) {
        const std::string said = e.what();
        EXPECT_GT(said.size(), 8u) << "a message that says something";
        // Plain words: never the library's function names, chunk names or scanline numbers.
        for (const char* jargon : {"TIFFRead", "TIFFFetch", "scanline", "IHDR", "IDAT", "CRC", "box", "ftyp"})
            EXPECT_EQ(said.find(jargon), std::string::npos) << said;
        return said;
    }
}

}  // namespace

TEST(FormatHostile, CutFlippedAndOversizedFilesOpenDamagedOrFailCleanly) {
    const Samples rgba = Pattern(64, 48, 4, 8, 3), deep = Pattern(40, 24, 4, 16, 5);
    TiffOptions tiled;
    tiled.compression = COMPRESSION_LZW;
    tiled.tiled = true;
    const std::pair<std::string, Bytes> sources[] = {
        {"png", MakePng(rgba)},           {"png16 interlaced", MakePng(deep, true)},
        {"tiff", MakeTiff(rgba)},         {"tiff lzw tiled", MakeTiff(deep, tiled)},
        {"webp", MakeWebp(rgba, false)},  {"webp lossless", MakeWebp(rgba, true)},
        {"heic", MakeHeic(rgba, 60)},
    };
    for (const auto& [name, file] : sources) {
        SCOPED_TRACE(name);
        ASSERT_EQ(Outcome(file).rfind("size ", 0), 0u);
        for (int k = 0; k < 10; ++k) Outcome(Bytes(file.begin(), file.begin() + file.size() * k / 10));
        std::mt19937 rng(static_cast<unsigned>(file.size()));
        for (int i = 0; i < 60; ++i) {
            Bytes flipped = file;
            for (int n = 0; n <= i % 3; ++n) flipped[rng() % flipped.size()] ^= static_cast<uint8_t>(1u << (rng() % 8));
            Outcome(flipped);
        }
    }
    // A file cut near its end keeps what it holds: a damaged photo of its full size. TIFF files
    // keep their directory at the end; one whose strip data is spoilt keeps its other strips.
    Bytes spoilt = MakeTiff(rgba, tiled);
    std::fill(spoilt.begin() + 16, spoilt.begin() + 80, 0xFF);
    const auto cut = [](const Bytes& f) { return Bytes(f.begin(), f.begin() + f.size() * 8 / 10); };
    struct Partial {
        Bytes file;
        std::string size;
        DamageKind kind;
    };
    const Partial partial[] = {{cut(MakePng(rgba)), "size 64 x 48", DamageKind::EndsEarly},
                               // The earlier passes of an interlaced file show, coarser.
                               {cut(MakePng(deep, true)), "size 40 x 24", DamageKind::EndsEarlyCoarse},
                               {cut(MakeWebp(rgba, false)), "size 64 x 48", DamageKind::EndsEarly},
                               {spoilt, "size 64 x 48", DamageKind::Corrupt}};
    for (const Partial& p : partial) {
        DamageKind kind = DamageKind::None;
        EXPECT_EQ(Outcome(p.file, &kind), p.size);
        EXPECT_EQ(kind, p.kind) << p.size;
    }
    const std::string tooLarge = "Image too large: 60000 x 60000 pixels (the limit is 250 megapixels)";
    EXPECT_EQ(Outcome(PngSized(MakePng(rgba), 60000, 60000)), tooLarge);
    EXPECT_EQ(Outcome(TiffSized(MakeTiff(rgba), 60000, 60000)), tooLarge);
    EXPECT_EQ(Outcome(WebpLosslessAtMost(MakeWebp(rgba, true))),
              "Image too large: 16384 x 16384 pixels (the limit is 250 megapixels)");
    EXPECT_NE(Outcome(HeicSized(MakeHeic(rgba, 60), 60000, 60000)).find("60000"), std::string::npos);
    // Within the limit but far beyond the data: nothing decodes, and it says so.
    for (const Bytes& f : {PngSized(MakePng(rgba), 15000, 15000), TiffSized(MakeTiff(rgba), 15000, 15000)})
        EXPECT_EQ(Outcome(f).rfind("size", 0), std::string::npos);
}

// What the fuzzers found, kept once mended: each file through its reader and the profile.
TEST(FormatHostile, FuzzFindingsFailCleanly) {
    int files = 0;
    for (const char* format : {"heif", "png", "webp", "tiff"}) {
        const std::filesystem::path dir = codec_test::DataPath(std::string("fuzz/") + format);
        if (!std::filesystem::is_directory(dir)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            SCOPED_TRACE(entry.path().string());
            ++files;
            const std::vector<uint8_t> f = ReadFileBytes(entry.path().string());
            Outcome(f);
        }
    }
    EXPECT_GE(files, 2);
}
