// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG decoding and encoding: photos, colour spaces, broken and hostile files, options.
#include <sys/resource.h>

#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "CodecTestSupport.h"

extern "C" {
#include <jerror.h>
}

using namespace lum;
using namespace codec_test;

namespace {

struct PhotoCase {
    const char* name;
    int width, height;
};

std::vector<uint8_t> ReadData(const std::string& name) { return ReadFileBytes(DataPath(name)); }

// Expect a libjpeg failure reported as "JPEG error #<code>: <the library's text>".
void ExpectJpegError(const std::vector<uint8_t>& bytes, int code, const std::string& text) {
    try {
        DecodeJpeg(bytes.data(), bytes.size());
        ADD_FAILURE() << "decoded without error";
    } catch (const JpegError& e) {
        EXPECT_EQ(e.code(), code) << e.detail();
        EXPECT_EQ(e.detail(), text);
        EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(code) + ": " + text);
    }
}

std::string CodecMessage(const std::vector<uint8_t>& bytes) {
    try {
        DecodeJpeg(bytes.data(), bytes.size());
    } catch (const JpegError& e) {
        return std::string("JpegError: ") + e.what();
    } catch (const CodecError& e) {
        return e.what();
    }
    return "decoded";
}

// Patches width and height of the first frame header.
void SetFrameSize(std::vector<uint8_t>& j, int marker, int w, int h) {
    size_t at = FindMarker(j, marker);
    ASSERT_NE(at, std::string::npos);
    j[at + 5] = uint8_t(h >> 8), j[at + 6] = uint8_t(h);
    j[at + 7] = uint8_t(w >> 8), j[at + 8] = uint8_t(w);
}

long MaxRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

}  // namespace

TEST(CodecJpeg, PhotosSurviveAnEncodeDecodeRoundTrip) {
    const PhotoCase photos[] = {{"photos/astronaut.jpg", 512, 512},
                                {"photos/rocket.jpg", 640, 427},
                                {"photos/hubble_deep_field.jpg", 1000, 872}};
    for (const PhotoCase& p : photos) {
        SCOPED_TRACE(p.name);
        std::vector<uint8_t> bytes = ReadData(p.name);
        Image img = DecodeJpeg(bytes.data(), bytes.size());
        ASSERT_EQ(img.width(), p.width);
        ASSERT_EQ(img.height(), p.height);
        for (bool progressive : {false, true}) {
            JpegEncodeOptions o;
            o.quality = 95;
            o.progressive = progressive;
            std::vector<uint8_t> again = EncodeJpeg(img, o);
            Image back = DecodeJpeg(again.data(), again.size());
            EXPECT_GT(Psnr(img, back), 32.0);
        }
    }
}

TEST(CodecJpeg, PhotoPixelsMatchAnotherDecoder) {
    // Values read with an independent tool; BGR order in memory.
    std::vector<uint8_t> bytes = ReadData("photos/astronaut.jpg");
    Image img = DecodeJpeg(bytes.data(), bytes.size());
    struct Probe {
        int x, y, r, g, b;
    };
    for (const Probe& p : {Probe{100, 100, 186, 177, 170}, Probe{300, 200, 230, 218, 218},
                           Probe{10, 500, 176, 155, 154}}) {
        const uint8_t* px = img.pixel(p.x, p.y);
        EXPECT_NEAR(px[2], p.r, 1) << p.x << "," << p.y;
        EXPECT_NEAR(px[1], p.g, 1) << p.x << "," << p.y;
        EXPECT_NEAR(px[0], p.b, 1) << p.x << "," << p.y;
    }
}

TEST(CodecJpeg, OddSizesKeepTheirSizeAndContent) {
    for (auto [w, h] : {std::pair{1, 1}, {3, 7}, {37, 23}, {250, 3}}) {
        Image src = Gradient(w, h);
        std::vector<uint8_t> j = EncodeJpeg(src, {100, false, nullptr});
        Image back = DecodeJpeg(j.data(), j.size());
        EXPECT_EQ(back.width(), w);
        EXPECT_EQ(back.height(), h);
        EXPECT_LT(Compare(src, back).mean, 3.0) << w << "x" << h;
    }
}

TEST(CodecJpeg, EncoderUsesLibraryDefaults) {
    std::vector<uint8_t> j = EncodeJpeg(Gradient(64, 48));
    ASSERT_GT(j.size(), 20u);
    EXPECT_EQ(j[0], 0xFF);
    EXPECT_EQ(j[1], 0xD8);
    // JFIF header from the library, then a baseline frame with 2x2 luma sampling (4:2:0).
    EXPECT_EQ(FindMarker(j, 0xE0), 2u);
    EXPECT_EQ(FrameMarkers(j), std::vector<int>{0xC0});
    size_t sof = FindMarker(j, 0xC0);
    ASSERT_NE(sof, std::string::npos);
    EXPECT_EQ(j[sof + 9], 3);      // components
    EXPECT_EQ(j[sof + 11], 0x22);  // Y sampling
    EXPECT_EQ(j[sof + 14], 0x11);  // Cb sampling
    EXPECT_EQ(j[j.size() - 2], 0xFF);
    EXPECT_EQ(j[j.size() - 1], 0xD9);
}

TEST(CodecJpeg, QualityIsClampedToTenToHundred) {
    Image src = Gradient(96, 64);
    auto enc = [&](int q) { return EncodeJpeg(src, {q, false, nullptr}); };
    EXPECT_EQ(enc(0), enc(10));
    EXPECT_EQ(enc(-40), enc(10));
    EXPECT_EQ(enc(150), enc(100));
    EXPECT_NE(enc(11), enc(10));
    EXPECT_NE(enc(99), enc(100));
    EXPECT_LT(enc(10).size(), enc(50).size());
    EXPECT_LT(enc(50).size(), enc(100).size());
}

TEST(CodecJpeg, ProgressiveEncodingWritesSof2AndDecodesLikeBaseline) {
    std::vector<uint8_t> bytes = ReadData("photos/rocket.jpg");
    Image photo = DecodeJpeg(bytes.data(), bytes.size());
    std::vector<uint8_t> base = EncodeJpeg(photo, {90, false, nullptr});
    std::vector<uint8_t> prog = EncodeJpeg(photo, {90, true, nullptr});
    EXPECT_EQ(FrameMarkers(base), std::vector<int>{0xC0});
    EXPECT_EQ(FrameMarkers(prog), std::vector<int>{0xC2});
    Image a = DecodeJpeg(base.data(), base.size());
    Image b = DecodeJpeg(prog.data(), prog.size());
    Diff d = Compare(a, b);
    EXPECT_LE(d.max, 2);
    EXPECT_LT(d.mean, 0.1);
}

TEST(CodecJpeg, GreyFilesDecodeTo24BitGrey) {
    const int w = 21, h = 13;
    std::vector<uint8_t> grey(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) grey[size_t(y) * w + x] = uint8_t(x * 12);
    std::vector<uint8_t> j = EncodeRaw(grey, w, h, 1, JCS_GRAYSCALE);
    Image img = DecodeJpeg(j.data(), j.size());
    ASSERT_EQ(img.width(), w);
    ASSERT_EQ(img.height(), h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = img.pixel(x, y);
            EXPECT_EQ(p[0], p[1]);
            EXPECT_EQ(p[1], p[2]);
            EXPECT_NEAR(p[0], grey[size_t(y) * w + x], 3) << x << "," << y;
        }
}

namespace {

// Flat ink patches: each is {C, M, Y, K} as ink amounts (255 = full ink) and the expected RGB.
struct InkPatch {
    uint8_t c, m, y, k;
    uint8_t r, g, b;
};
const InkPatch kPatches[] = {
    {255, 0, 0, 0, 0, 255, 255},     {0, 255, 0, 0, 255, 0, 255},   {0, 0, 255, 0, 255, 255, 0},
    {0, 0, 0, 255, 0, 0, 0},         {0, 0, 0, 0, 255, 255, 255},   {0, 0, 0, 128, 127, 127, 127},
    {128, 0, 255, 64, 95, 191, 0},
};
constexpr int kPatch = 16;

std::vector<uint8_t> InkSamples(bool inverted) {
    const int n = int(std::size(kPatches)), w = n * kPatch;
    std::vector<uint8_t> s(size_t(w) * kPatch * 4);
    for (int y = 0; y < kPatch; ++y)
        for (int x = 0; x < w; ++x) {
            const InkPatch& p = kPatches[x / kPatch];
            uint8_t* q = &s[(size_t(y) * w + x) * 4];
            uint8_t v[4] = {p.c, p.m, p.y, p.k};
            for (int i = 0; i < 4; ++i) q[i] = inverted ? uint8_t(255 - v[i]) : v[i];
        }
    return s;
}

void ExpectPatches(const Image& img) {
    ASSERT_EQ(img.width(), int(std::size(kPatches)) * kPatch);
    ASSERT_EQ(img.height(), kPatch);
    for (size_t i = 0; i < std::size(kPatches); ++i) {
        const uint8_t* px = img.pixel(int(i) * kPatch + kPatch / 2, kPatch / 2);
        EXPECT_NEAR(px[2], kPatches[i].r, 4) << "patch " << i;
        EXPECT_NEAR(px[1], kPatches[i].g, 4) << "patch " << i;
        EXPECT_NEAR(px[0], kPatches[i].b, 4) << "patch " << i;
    }
}

}  // namespace

TEST(CodecJpeg, AdobeCmykIsReadAsInverted) {
    const int w = int(std::size(kPatches)) * kPatch;
    // libjpeg writes the Adobe marker for CMYK; Adobe files hold inverted values.
    std::vector<uint8_t> j = EncodeRaw(InkSamples(true), w, kPatch, 4, JCS_CMYK);
    ASSERT_NE(FindMarker(j, 0xEE), std::string::npos);
    ExpectPatches(DecodeJpeg(j.data(), j.size()));
}

TEST(CodecJpeg, CmykWithoutAdobeMarkerIsReadAsPlainInk) {
    const int w = int(std::size(kPatches)) * kPatch;
    std::vector<uint8_t> j =
        EncodeRaw(InkSamples(false), w, kPatch, 4, JCS_CMYK, [](jpeg_compress_struct& c) { c.write_Adobe_marker = FALSE; });
    ASSERT_EQ(FindMarker(j, 0xEE), std::string::npos);
    ExpectPatches(DecodeJpeg(j.data(), j.size()));
}

TEST(CodecJpeg, YcckIsConvertedThroughCmyk) {
    const int w = int(std::size(kPatches)) * kPatch;
    std::vector<uint8_t> j = EncodeRaw(InkSamples(true), w, kPatch, 4, JCS_CMYK,
                                       [](jpeg_compress_struct& c) { jpeg_set_colorspace(&c, JCS_YCCK); });
    ExpectPatches(DecodeJpeg(j.data(), j.size()));
}

TEST(CodecJpeg, YcckFileFromAnotherEncoderHasTheRightColours) {
    // 80 x 16: red, green, blue, white and black squares saved as CMYK by another program.
    std::vector<uint8_t> bytes = ReadData("codec/cmyk_ycck_adobe.jpg");
    Image img = DecodeJpeg(bytes.data(), bytes.size());
    ASSERT_EQ(img.width(), 80);
    ASSERT_EQ(img.height(), 16);
    const uint8_t expect[5][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {0, 0, 0}};
    for (int i = 0; i < 5; ++i) {
        const uint8_t* p = img.pixel(i * 16 + 8, 8);
        EXPECT_NEAR(p[2], expect[i][0], 6) << i;
        EXPECT_NEAR(p[1], expect[i][1], 6) << i;
        EXPECT_NEAR(p[0], expect[i][2], 6) << i;
    }
}

TEST(CodecJpeg, IccProfileOfCmykFileIsDropped) {
    const int w = int(std::size(kPatches)) * kPatch;
    std::vector<uint8_t> icc = {'I', 'C', 'C', '_', 'P', 'R', 'O', 'F', 'I', 'L', 'E', 0, 1, 1, 'x', 'y'};
    std::vector<uint8_t> j = EncodeRaw(InkSamples(true), w, kPatch, 4, JCS_CMYK, [&](jpeg_compress_struct&) {});
    // Insert the profile right after SOI.
    std::vector<uint8_t> seg = {0xFF, 0xE2, 0, uint8_t(icc.size() + 2)};
    seg.insert(seg.end(), icc.begin(), icc.end());
    j.insert(j.begin() + 2, seg.begin(), seg.end());
    PictureMetadata meta;
    DecodeJpeg(j.data(), j.size(), &meta);
    EXPECT_TRUE(meta.empty());

    // The same segment in an ordinary colour file is kept.
    std::vector<uint8_t> rgb = EncodeJpeg(Gradient(16, 16));
    rgb.insert(rgb.begin() + 2, seg.begin(), seg.end());
    DecodeJpeg(rgb.data(), rgb.size(), &meta);
    ASSERT_EQ(meta.segments.size(), 1u);
    EXPECT_EQ(meta.segments[0].data, icc);
}

TEST(CodecJpeg, LibraryFailuresReadJpegErrorAndTheCode) {
    ExpectJpegError({}, JERR_INPUT_EMPTY, "Empty input file");
    ExpectJpegError({'B', 'M', 0, 0, 0, 0}, JERR_NO_SOI, "Not a JPEG file: starts with 0x42 0x4d");

    std::vector<uint8_t> good = EncodeJpeg(Gradient(32, 32));
    // Header only: everything before the first scan.
    size_t sos = FindMarker(good, 0xDA);
    ASSERT_NE(sos, std::string::npos);
    ExpectJpegError(std::vector<uint8_t>(good.begin(), good.begin() + sos), JERR_SOF_NO_SOS,
                    "Invalid JPEG file structure: missing SOS marker");

    // A Huffman table claiming 16 x 255 codes.
    std::vector<uint8_t> bad = good;
    size_t dht = FindMarker(bad, 0xC4);
    ASSERT_NE(dht, std::string::npos);
    for (int i = 0; i < 16; ++i) bad[dht + 5 + i] = 0xFF;
    ExpectJpegError(bad, JERR_BAD_HUFF_TABLE, "Bogus Huffman table definition");
}

TEST(CodecJpeg, TruncatedFileGivesPartlyGreyPicture) {
    Image src = Gradient(64, 64);
    std::vector<uint8_t> j = EncodeJpeg(src, {90, false, nullptr});
    size_t sos = FindMarker(j, 0xDA);
    ASSERT_NE(sos, std::string::npos);
    std::vector<uint8_t> cut(j.begin(), j.begin() + sos + (j.size() - sos) / 3);
    Image img = DecodeJpeg(cut.data(), cut.size());
    ASSERT_EQ(img.width(), 64);
    ASSERT_EQ(img.height(), 64);
    EXPECT_NEAR(img.pixel(10, 2)[2], src.pixel(10, 2)[2], 8);  // the part that was there
    for (int x = 0; x < 64; ++x)
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(img.pixel(x, 63)[c], 128, 2);
}

TEST(CodecJpeg, EveryTruncationFailsCleanlyOrDecodes) {
    std::vector<uint8_t> j = EncodeJpeg(Gradient(40, 24), {80, true, nullptr});
    for (size_t n = 0; n < j.size(); n += 7) {
        std::vector<uint8_t> cut(j.begin(), j.begin() + n);
        try {
            Image img = DecodeJpeg(cut.data(), cut.size());
            EXPECT_EQ(img.width(), 40);
            EXPECT_EQ(img.height(), 24);
        } catch (const JpegError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("JPEG error #", 0), 0u);
        } catch (const CodecError& e) {
            // Cut inside the first scan: not even the coarsest picture is there.
            const std::string what = e.what();
            EXPECT_TRUE(what.rfind("The file is far too short to hold its 40 x 24 pixels", 0) == 0 ||
                        what == "The file holds no picture data for its 40 x 24 pixels")
                << what;
        }
    }
}

TEST(CodecJpeg, HugeDeclaredSizeIsRefusedBeforeDecoding) {
    std::vector<uint8_t> j = EncodeJpeg(Gradient(16, 16));
    SetFrameSize(j, 0xC0, 60000, 60000);
    EXPECT_EQ(CodecMessage(j), "Image too large: 60000 x 60000 pixels (the limit is 250 megapixels)");
}

TEST(CodecJpeg, ProgressiveFileNeedingTooMuchMemoryIsRefused) {
    // 65000 x 3800 is within the pixel limit, but a progressive decode of it at 4:4:4 would keep
    // about 1.4 GB of coefficients.
    std::vector<uint8_t> j = EncodeRaw(std::vector<uint8_t>(16 * 16 * 3, 100), 16, 16, 3, JCS_RGB,
                                       [](jpeg_compress_struct& c) {
                                           jpeg_set_colorspace(&c, JCS_YCbCr);
                                           for (int i = 0; i < 3; ++i)
                                               c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
                                           jpeg_simple_progression(&c);
                                       });
    SetFrameSize(j, 0xC2, 65000, 3800);
    long before = MaxRssKb();
    auto t0 = std::chrono::steady_clock::now();
    std::string msg = CodecMessage(j);
    EXPECT_EQ(msg.rfind("Image too large: 65000 x 3800 pixels in a progressive JPEG", 0), 0u) << msg;
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(1));
    EXPECT_LT(MaxRssKb() - before, 64 * 1024);
}

namespace {

// A valid progressive file with one scan per bit of every coefficient of every component.
std::vector<uint8_t> ManyScanFile(int components, int* scanCount) {
    std::vector<jpeg_scan_info> scans;
    auto add = [&](int comps, int Ss, int Se, int Ah, int Al, int first) {
        jpeg_scan_info s{};
        s.comps_in_scan = comps;
        for (int i = 0; i < comps; ++i) s.component_index[i] = first + i;
        s.Ss = Ss, s.Se = Se, s.Ah = Ah, s.Al = Al;
        scans.push_back(s);
    };
    const int top = 10;  // the deepest successive approximation libjpeg accepts
    add(components, 0, 0, 0, top, 0);
    for (int al = top - 1; al >= 0; --al) add(components, 0, 0, al + 1, al, 0);
    for (int ci = 0; ci < components; ++ci)
        for (int k = 1; k < 64; ++k) {
            add(1, k, k, 0, top, ci);
            for (int al = top - 1; al >= 0; --al) add(1, k, k, al + 1, al, ci);
        }
    *scanCount = int(scans.size());
    std::vector<uint8_t> samples(8 * 8 * components);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = uint8_t(i * 37);
    return EncodeRaw(samples, 8, 8, components, components == 1 ? JCS_GRAYSCALE : JCS_RGB,
                     [&](jpeg_compress_struct& c) {
                         if (components == 3) {
                             jpeg_set_colorspace(&c, JCS_YCbCr);
                             for (int i = 0; i < 3; ++i)
                                 c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
                         }
                         c.scan_info = scans.data();
                         c.num_scans = int(scans.size());
                     });
}

}  // namespace

TEST(CodecJpeg, ScanCountIsLimited) {
    int scans = 0;
    std::vector<uint8_t> grey = ManyScanFile(1, &scans);
    ASSERT_EQ(scans, 704);
    Image img = DecodeJpeg(grey.data(), grey.size());
    EXPECT_EQ(img.width(), 8);

    std::vector<uint8_t> colour = ManyScanFile(3, &scans);
    ASSERT_EQ(scans, 2090);
    EXPECT_EQ(CodecMessage(colour), "Too many scans in this progressive JPEG file (the limit is 1000)");
}

namespace {

// A progressive file whose last scan (a refinement of every AC coefficient) is repeated: every
// copy makes libjpeg warn once per coefficient about the inconsistent progression.
std::vector<uint8_t> RepeatedScanFile(int copies) {
    std::vector<uint8_t> j = EncodeJpeg(Gradient(32, 32), {90, true, nullptr});
    size_t last = std::string::npos;
    for (size_t i = 2; i + 1 < j.size(); ++i)
        if (j[i] == 0xFF && j[i + 1] == 0xDA) last = i;
    EXPECT_NE(last, std::string::npos);
    std::vector<uint8_t> scan(j.begin() + last, j.end() - 2);
    for (int i = 0; i < copies; ++i) j.insert(j.end() - 2, scan.begin(), scan.end());
    return j;
}

}  // namespace

TEST(CodecJpeg, FloodOfWarningsBecomesAnError) {
    std::vector<uint8_t> some = RepeatedScanFile(2);  // 126 warnings: still a picture
    EXPECT_EQ(DecodeJpeg(some.data(), some.size()).width(), 32);
    ExpectJpegError(RepeatedScanFile(4), JWRN_BOGUS_PROGRESSION,
                    "Too many warnings; the last one: Inconsistent progression sequence for component 0 "
                    "coefficient 8");
}

TEST(CodecJpeg, ACancelStopsTheDecodeWithItsOwnException) {
    for (bool progressive : {false, true}) {
        lum::JpegEncodeOptions o;
        o.progressive = progressive;
        const std::vector<uint8_t> bytes = lum::EncodeJpeg(codec_test::Gradient(300, 200), o);
        std::atomic<bool> cancel{true};
        lum::DecodeOptions opts;
        opts.cancel = &cancel;
        EXPECT_THROW(lum::DecodeJpeg(bytes.data(), bytes.size(), nullptr, opts), lum::DecodeCancelled);
        cancel = false;
        EXPECT_EQ(lum::DecodeJpeg(bytes.data(), bytes.size(), nullptr, opts).width(), 300);
    }
}
