// SPDX-License-Identifier: GPL-3.0-or-later
// BMP reading of every uncompressed layout, refusal of lying headers, and 24-bit writing.
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "CodecTestSupport.h"

using namespace lum;
using namespace codec_test;

namespace {

struct BmpSpec {
    int width = 0;
    int height = 0;  // negative: rows stored top-down
    int bpp = 24;
    uint32_t compression = 0;
    uint32_t headerSize = 40;
    std::vector<uint32_t> palette;  // 0xRRGGBB
    std::vector<uint32_t> masks;    // written after a 40-byte header, inside larger ones
    uint32_t colorsUsed = 0;
    int planes = 1;
};

void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    b.at(at) = uint8_t(v), b.at(at + 1) = uint8_t(v >> 8);
}
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (size_t i = 0; i < 4; ++i) b.at(at + i) = uint8_t(v >> (8 * i));
}

// value(x, y) gives the stored pixel: a palette index, a packed 16/32-bit word or 0xRRGGBB.
std::vector<uint8_t> MakeBmp(const BmpSpec& s, const std::function<uint32_t(int, int)>& value) {
    const bool core = s.headerSize == 12;
    const int h = s.height < 0 ? -s.height : s.height;
    const size_t stride = (size_t(s.width) * s.bpp + 31) / 32 * 4;
    const size_t masksAfter = s.headerSize == 40 ? s.masks.size() * 4 : 0;
    const size_t paletteAt = 14 + s.headerSize + masksAfter;
    const size_t offBits = paletteAt + s.palette.size() * (core ? 3 : 4);
    std::vector<uint8_t> b(offBits + stride * size_t(h));
    b[0] = 'B', b[1] = 'M';
    Put32(b, 2, uint32_t(b.size()));
    Put32(b, 10, uint32_t(offBits));
    Put32(b, 14, s.headerSize);
    if (core) {
        Put16(b, 18, uint32_t(s.width));
        Put16(b, 20, uint32_t(h));
        Put16(b, 22, uint32_t(s.planes));
        Put16(b, 24, uint32_t(s.bpp));
    } else {
        Put32(b, 18, uint32_t(s.width));
        Put32(b, 22, uint32_t(s.height));
        Put16(b, 26, uint32_t(s.planes));
        Put16(b, 28, uint32_t(s.bpp));
        Put32(b, 30, s.compression);
        Put32(b, 34, uint32_t(stride * size_t(h)));
        Put32(b, 46, s.colorsUsed);
        for (size_t i = 0; i < s.masks.size(); ++i) Put32(b, 54 + 4 * i, s.masks[i]);
    }
    for (size_t i = 0; i < s.palette.size(); ++i) {
        size_t at = paletteAt + i * (core ? 3 : 4);
        b[at] = uint8_t(s.palette[i]), b[at + 1] = uint8_t(s.palette[i] >> 8), b[at + 2] = uint8_t(s.palette[i] >> 16);
    }
    for (int y = 0; y < h; ++y) {
        uint8_t* row = &b[offBits + stride * size_t(s.height < 0 ? y : h - 1 - y)];
        for (int x = 0; x < s.width; ++x) {
            uint32_t v = value(x, y);
            switch (s.bpp) {
            case 1: row[x / 8] |= uint8_t((v & 1) << (7 - x % 8)); break;
            case 4: row[x / 2] |= uint8_t((v & 15) << (x % 2 ? 0 : 4)); break;
            case 8: row[x] = uint8_t(v); break;
            case 16: row[2 * x] = uint8_t(v), row[2 * x + 1] = uint8_t(v >> 8); break;
            case 24: row[3 * x] = uint8_t(v), row[3 * x + 1] = uint8_t(v >> 8), row[3 * x + 2] = uint8_t(v >> 16); break;
            case 32: for (int i = 0; i < 4; ++i) row[4 * x + i] = uint8_t(v >> (8 * i)); break;
            }
        }
    }
    return b;
}

uint32_t Rgb(const uint8_t* bgr) { return uint32_t(bgr[2]) << 16 | uint32_t(bgr[1]) << 8 | bgr[0]; }

// Each pixel of img as 0xRRGGBB must equal expect(x, y).
void ExpectPixels(const Image& img, int w, int h, const std::function<uint32_t(int, int)>& expect) {
    ASSERT_EQ(img.width(), w);
    ASSERT_EQ(img.height(), h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) ASSERT_EQ(Rgb(img.pixel(x, y)), expect(x, y)) << x << "," << y;
}

uint32_t Colour(int x, int y) { return uint32_t(x * 40 + 3) << 16 | uint32_t(y * 50 + 7) << 8 | uint32_t(x * y + 11); }

std::string BmpMessage(const std::vector<uint8_t>& b) {
    try {
        DecodeBmp(b.data(), b.size());
    } catch (const CodecError& e) {
        return e.what();
    }
    return "decoded";
}

bool StartsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

}  // namespace

TEST(CodecBmp, WritesBottomUp24BitWithPaddedRows) {
    Image img(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) img.setPixel(x, y, uint8_t(x * 50), uint8_t(y * 100), uint8_t(x + y));
    std::vector<uint8_t> b = EncodeBmp(img);
    ASSERT_EQ(b.size(), 54u + 16 * 3);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    auto rd32 = [&](size_t at) { return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24; };
    EXPECT_EQ(rd32(2), b.size());
    EXPECT_EQ(rd32(10), 54u);
    EXPECT_EQ(rd32(14), 40u);
    EXPECT_EQ(rd32(18), 5u);
    EXPECT_EQ(rd32(22), 3u);  // positive height: bottom-up
    EXPECT_EQ(b[26], 1);
    EXPECT_EQ(b[28], 24);
    EXPECT_EQ(rd32(30), 0u);
    EXPECT_EQ(rd32(34), 48u);
    // First stored row is the bottom one, blue first, padding zero.
    EXPECT_EQ(b[54 + 3 * 4 + 0], img.pixel(4, 2)[0]);
    EXPECT_EQ(b[54 + 3 * 4 + 2], img.pixel(4, 2)[2]);
    EXPECT_EQ(b[54 + 15], 0);
    EXPECT_EQ(b[54 + 32 + 2], img.pixel(0, 0)[2]);
    EXPECT_EQ(DecodeBmp(b.data(), b.size()), img);
    EXPECT_THROW(EncodeBmp(Image()), CodecError);
}

TEST(CodecBmp, RoundTripsPhotoSizedPictures) {
    for (auto [w, h] : {std::pair{1, 1}, {2, 9}, {3, 3}, {4, 1}, {101, 67}}) {
        Image img = Gradient(w, h);
        std::vector<uint8_t> b = EncodeBmp(img);
        EXPECT_EQ(DecodeBmp(b.data(), b.size()), img) << w << "x" << h;
    }
}

TEST(CodecBmp, Reads24BitBottomUpTopDownAndCoreHeader) {
    for (int h : {4, -4}) {
        BmpSpec s;
        s.width = 7, s.height = h;
        ExpectPixels(DecodeBmp(MakeBmp(s, Colour).data(), MakeBmp(s, Colour).size()), 7, 4, Colour);
    }
    BmpSpec core;
    core.width = 6, core.height = 3, core.headerSize = 12;
    std::vector<uint8_t> b = MakeBmp(core, Colour);
    ExpectPixels(DecodeBmp(b.data(), b.size()), 6, 3, Colour);
}

TEST(CodecBmp, ReadsPaletteFiles) {
    const std::vector<uint32_t> pal = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xABCDEF, 0x808080, 0xFFFFFF,
                                       0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112, 0x131415, 0x161718};
    for (int bpp : {1, 4, 8}) {
        for (int h : {5, -5}) {
            SCOPED_TRACE(std::to_string(bpp) + " bits, height " + std::to_string(h));
            BmpSpec s;
            s.width = 13, s.height = h, s.bpp = bpp;
            const int n = bpp == 1 ? 2 : 16;
            s.palette.assign(pal.begin(), pal.begin() + n);
            auto index = [&](int x, int y) { return uint32_t((x * 3 + y) % n); };
            std::vector<uint8_t> b = MakeBmp(s, index);
            ExpectPixels(DecodeBmp(b.data(), b.size()), 13, 5, [&](int x, int y) { return pal[index(x, y)]; });
        }
    }
    // Core-header palettes have three bytes per entry.
    BmpSpec core;
    core.width = 3, core.height = 2, core.bpp = 8, core.headerSize = 12, core.palette = {0x112233, 0x445566};
    std::vector<uint8_t> b = MakeBmp(core, [](int x, int) { return uint32_t(x & 1); });
    ExpectPixels(DecodeBmp(b.data(), b.size()), 3, 2, [](int x, int) { return x & 1 ? 0x445566u : 0x112233u; });
}

TEST(CodecBmp, IndexesOutsideThePaletteAreBlack) {
    BmpSpec s;
    s.width = 4, s.height = 1, s.bpp = 8, s.palette = {0xFF0000, 0x00FF00}, s.colorsUsed = 2;
    std::vector<uint8_t> b = MakeBmp(s, [](int x, int) { return uint32_t(x * 80); });  // 0, 80, 160, 240
    ExpectPixels(DecodeBmp(b.data(), b.size()), 4, 1, [](int x, int) { return x == 0 ? 0xFF0000u : 0u; });
    // A colour count far beyond 256, and a palette cut off by the pixel data.
    s.colorsUsed = 0xFFFFFFFF;
    b = MakeBmp(s, [](int x, int) { return uint32_t(x % 3); });
    ExpectPixels(DecodeBmp(b.data(), b.size()), 4, 1, [](int x, int) {
        const uint32_t v[] = {0xFF0000, 0x00FF00, 0};
        return v[x % 3];
    });
}

TEST(CodecBmp, Reads32BitFiles) {
    auto bgrx = [](int x, int y) { return Colour(x, y) | 0xAB000000u; };  // the fourth byte is ignored
    BmpSpec plain;
    plain.width = 5, plain.height = -3, plain.bpp = 32;
    std::vector<uint8_t> b = MakeBmp(plain, bgrx);
    ExpectPixels(DecodeBmp(b.data(), b.size()), 5, 3, Colour);

    BmpSpec fields = plain;
    fields.compression = 3, fields.masks = {0xFF0000, 0xFF00, 0xFF};
    b = MakeBmp(fields, bgrx);
    ExpectPixels(DecodeBmp(b.data(), b.size()), 5, 3, Colour);

    // V4 header with the masks inside it, red in the low byte.
    BmpSpec v4 = plain;
    v4.headerSize = 108, v4.compression = 3, v4.masks = {0xFF, 0xFF00, 0xFF0000};
    auto rgbx = [](int x, int y) {
        uint32_t c = Colour(x, y);
        return (c >> 16 & 0xFF) | (c & 0xFF00) | (c & 0xFF) << 16;
    };
    b = MakeBmp(v4, rgbx);
    ExpectPixels(DecodeBmp(b.data(), b.size()), 5, 3, Colour);

    // Ten bits a channel are cut to their top eight.
    BmpSpec wide = plain;
    wide.compression = 3, wide.masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
    b = MakeBmp(wide, [](int, int) { return 0x3FFu << 20 | 0x200u << 10 | 0x004u; });
    ExpectPixels(DecodeBmp(b.data(), b.size()), 5, 3, [](int, int) { return 0xFF8001u; });
}

TEST(CodecBmp, Reads16BitFiles) {
    BmpSpec s;
    s.width = 3, s.height = 2, s.bpp = 16;  // 5-5-5 by default
    std::vector<uint8_t> b = MakeBmp(s, [](int x, int) {
        const uint32_t v[] = {0x7C00, 0x03E0, 0x0010};
        return v[x];
    });
    ExpectPixels(DecodeBmp(b.data(), b.size()), 3, 2, [](int x, int) {
        const uint32_t v[] = {0xFF0000, 0x00FF00, 0x000084};  // 16/31 of full blue
        return v[x];
    });
    s.compression = 3, s.masks = {0xF800, 0x07E0, 0x001F};
    b = MakeBmp(s, [](int x, int) {
        const uint32_t v[] = {0xF800, 0x07E0, 0xFFFF};
        return v[x];
    });
    ExpectPixels(DecodeBmp(b.data(), b.size()), 3, 2, [](int x, int) {
        const uint32_t v[] = {0xFF0000, 0x00FF00, 0xFFFFFF};
        return v[x];
    });
}

TEST(CodecBmp, CompressedFilesAreRefusedClearly) {
    for (uint32_t rle : {1u, 2u}) {
        BmpSpec s;
        s.width = 4, s.height = 4, s.bpp = rle == 1 ? 8 : 4, s.compression = rle, s.palette = {0, 0xFFFFFF};
        EXPECT_EQ(BmpMessage(MakeBmp(s, [](int, int) { return 0u; })), "Compressed BMP files (RLE) are not supported");
    }
    BmpSpec jpeg;
    jpeg.width = 4, jpeg.height = 4, jpeg.compression = 4;
    EXPECT_EQ(BmpMessage(MakeBmp(jpeg, Colour)), "Unsupported BMP compression (type 4)");
}

TEST(CodecBmp, LyingHeadersAreRejected) {
    BmpSpec s;
    s.width = 8, s.height = 8;
    const std::vector<uint8_t> good = MakeBmp(s, Colour);
    auto patched = [&](size_t at, uint32_t v, int bytes = 4) {
        std::vector<uint8_t> b = good;
        if (bytes == 2)
            Put16(b, at, v);
        else
            Put32(b, at, v);
        return b;
    };
    const std::string bad = "Invalid BMP file: ";
    EXPECT_TRUE(StartsWith(BmpMessage(patched(10, 1u << 30)), bad + "the pixel data is cut off"));
    EXPECT_TRUE(StartsWith(BmpMessage(patched(10, uint32_t(good.size()) - 10)), bad + "the pixel data is cut off"));
    EXPECT_EQ(BmpMessage(patched(10, 20)), bad + "the pixel data overlaps the header");
    EXPECT_EQ(BmpMessage(patched(22, 100000)), bad + "the pixel data is cut off (246 bytes, 2400054 needed)");
    EXPECT_EQ(BmpMessage(patched(18, 60000) /* width */), bad + "the pixel data is cut off (246 bytes, 1440054 needed)");
    {
        std::vector<uint8_t> b = patched(18, 100000);
        Put32(b, 22, uint32_t(-100000));
        EXPECT_EQ(BmpMessage(b), "Image too large: 100000 x 100000 pixels (the limit is 250 megapixels)");
    }
    EXPECT_TRUE(StartsWith(BmpMessage(patched(22, 1000000)), bad + "the pixel data is cut off"));
    EXPECT_EQ(BmpMessage(patched(18, 0)), bad + "the picture size is 0 x 8");
    EXPECT_EQ(BmpMessage(patched(18, uint32_t(-8))), bad + "the picture size is -8 x 8");
    EXPECT_EQ(BmpMessage(patched(22, 0)), bad + "the picture size is 8 x 0");
    EXPECT_TRUE(StartsWith(BmpMessage(patched(22, 0x80000000u)), "Image too large"));
    EXPECT_EQ(BmpMessage(patched(26, 2, 2)), bad + "the plane count is 2");
    EXPECT_EQ(BmpMessage(patched(28, 7, 2)), bad + "7 bits per pixel");
    EXPECT_EQ(BmpMessage(patched(28, 0, 2)), bad + "0 bits per pixel");
    EXPECT_EQ(BmpMessage(patched(14, 13)), bad + "unknown header size 13");
    EXPECT_EQ(BmpMessage(patched(14, 0xFFFFFFF0u)), bad + "unknown header size 4294967280");
    EXPECT_EQ(BmpMessage(patched(30, 3)), bad + "colour masks with 24 bits per pixel");
    EXPECT_EQ(BmpMessage(std::vector<uint8_t>(good.begin(), good.begin() + 30)), bad + "the header is cut off");
    EXPECT_EQ(BmpMessage({'B', 'M', 0}), bad + "the file is too short");
    EXPECT_EQ(BmpMessage({}), bad + "the file is too short");

    BmpSpec masks;
    masks.width = 2, masks.height = 2, masks.bpp = 32, masks.compression = 3, masks.masks = {0xF0F000, 0xFF00, 0xFF};
    EXPECT_EQ(BmpMessage(MakeBmp(masks, Colour)), bad + "a colour mask is not contiguous");
    // Masks promised after the header but the file ends first.
    std::vector<uint8_t> cut = patched(30, 3);
    Put16(cut, 28, 32);
    cut.resize(14 + 40 + 6);
    EXPECT_EQ(BmpMessage(cut), bad + "the colour masks are cut off");
}

TEST(CodecBmp, MissingPaddingOfTheLastRowIsAccepted) {
    BmpSpec s;
    s.width = 5, s.height = 3;  // 15 bytes a row, stored as 16
    std::vector<uint8_t> b = MakeBmp(s, Colour);
    b.pop_back();
    ExpectPixels(DecodeBmp(b.data(), b.size()), 5, 3, Colour);
    b.pop_back();  // now a pixel byte is missing
    EXPECT_THROW(DecodeBmp(b.data(), b.size()), CodecError);
}

TEST(CodecBmp, EveryTruncationFailsCleanly) {
    BmpSpec s;
    s.width = 9, s.height = 4, s.bpp = 4, s.palette.assign(16, 0x336699);
    std::vector<uint8_t> b = MakeBmp(s, [](int x, int y) { return uint32_t(x + y); });
    // 9 pixels of 4 bits: 5 bytes a row stored as 8, so the last 3 bytes are padding.
    for (size_t n = 0; n < b.size(); ++n) {
        std::vector<uint8_t> cut(b.begin(), b.begin() + n);
        if (n < b.size() - 3)
            EXPECT_THROW(DecodeBmp(cut.data(), cut.size()), CodecError) << n;
        else
            EXPECT_EQ(DecodeBmp(cut.data(), cut.size()).width(), 9) << n;
    }
}
