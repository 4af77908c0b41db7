// SPDX-License-Identifier: GPL-3.0-or-later
// Files whose data cannot hold the picture they declare are refused before the picture is made;
// the smallest real pictures still open (real photos up to the limit: bench/codec_bench.cpp).
#include <string>
#include <vector>

#include "CodecTestSupport.h"
#include "image/JpegPreview.h"

using namespace lum;
using namespace codec_test;

namespace {

void SetFrameSize(std::vector<uint8_t>& j, int w, int h) {
    size_t at = FindMarker(j, 0xC0);
    if (at == std::string::npos) at = FindMarker(j, 0xC2);
    ASSERT_NE(at, std::string::npos);
    j[at + 5] = uint8_t(h >> 8), j[at + 6] = uint8_t(h);
    j[at + 7] = uint8_t(w >> 8), j[at + 8] = uint8_t(w);
}

std::string Refusal(const std::vector<uint8_t>& j) {
    try {
        DecodeJpeg(j.data(), j.size());
    } catch (const CodecError& e) {
        return e.what();
    }
    return "decoded";
}

size_t ScanStart(const std::vector<uint8_t>& j) {
    const size_t sos = FindMarker(j, 0xDA);
    return sos + 2 + (size_t(j[sos + 2]) << 8 | j[sos + 3]);
}

}  // namespace

TEST(CodecBomb, DataThatCannotHoldThePictureIsRefusedUpFront) {
    const std::vector<uint8_t> rocket = ReadFileBytes(DataPath("photos/rocket.jpg"));
    struct Case {
        const char* what;
        std::vector<uint8_t> file;
        std::string refusal;
    };
    std::vector<Case> cases;
    // A few hundred bytes declaring 15800 x 15800, sequential and progressive.
    for (bool progressive : {false, true}) {
        std::vector<uint8_t> j = EncodeJpeg(Gradient(32, 32), {75, progressive, nullptr});
        SetFrameSize(j, 15800, 15800);
        const std::string bytes = std::to_string(j.size() - ScanStart(j));
        cases.push_back({progressive ? "progressive" : "sequential", j,
                         "The file is far too short to hold its 15800 x 15800 pixels (" + bytes +
                             " bytes of picture data)"});
    }
    // A real photo's data under a header claiming 15000 x 15000: a byte for every 2,000 pixels
    // would take 112,500 bytes.
    std::vector<uint8_t> grown = rocket;
    SetFrameSize(grown, 15000, 15000);
    cases.push_back({"real data", grown,
                     "The file is far too short to hold its 15000 x 15000 pixels (" +
                         std::to_string(grown.size() - ScanStart(grown)) + " bytes of picture data)"});
    // A header, then at once the end: no picture data at all, whatever the size.
    std::vector<uint8_t> empty(rocket.begin(), rocket.begin() + long(ScanStart(rocket)));
    empty.push_back(0xFF), empty.push_back(0xD9);
    cases.push_back({"no data", empty, "The file holds no picture data for its 640 x 427 pixels"});
    std::vector<uint8_t> ended(rocket.begin(), rocket.begin() + long(ScanStart(rocket)));
    cases.push_back({"ends after the header", ended, "The file holds no picture data for its 640 x 427 pixels"});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Refusal(c.file), c.refusal);
        EXPECT_THROW(LoadPictureFromMemory(c.file.data(), c.file.size()), CodecError);
        // The window's quick look refuses it too, leaving the full decode to say why.
        const JpegPreview preview = DecodeJpegPreview(c.file.data(), c.file.size(), [](int, int) { return 10; });
        EXPECT_TRUE(preview.image.empty());
    }
    // Just above a byte for every 2,000 pixels: damaged, the little there is shown.
    std::vector<uint8_t> edge = EncodeJpeg(Gradient(64, 64));
    const size_t data = edge.size() - ScanStart(edge);
    SetFrameSize(edge, 2048, int(data * 2000 / 2048 - 1));
    DecodeReport report;
    const Image img = DecodeJpeg(edge.data(), edge.size(), nullptr, {}, &report);
    EXPECT_TRUE(report.damaged());
    EXPECT_EQ(img.width(), 2048);
}

TEST(CodecBomb, TheSmallestRealPicturesStillOpen) {
    // Flat pictures with tables made for them take the fewest bytes a picture can: grey at two
    // bits per block (a byte per 256 pixels), colour at 4:2:0 slightly more.
    const int w = 4096, h = 4096;
    const std::vector<uint8_t> grey =
        EncodeRaw(std::vector<uint8_t>(size_t(w) * h, 77), w, h, 1, JCS_GRAYSCALE, [](jpeg_compress_struct& c) {
            jpeg_set_quality(&c, 50, TRUE);
            c.optimize_coding = TRUE;
        });
    EXPECT_LT(grey.size(), size_t(w) * h / 200);
    std::vector<uint8_t> blue(size_t(w) * h * 3);
    for (size_t i = 0; i < blue.size(); i += 3) blue[i] = 200, blue[i + 1] = 140, blue[i + 2] = 90;
    const std::vector<uint8_t> sky = EncodeRaw(blue, w, h, 3, JCS_EXT_BGR, [](jpeg_compress_struct& c) {
        jpeg_set_quality(&c, 50, TRUE);
        c.optimize_coding = TRUE;
    });
    // Arithmetic coding has no floor: far less than a byte per 2,000 pixels, and still a picture.
    const std::vector<uint8_t> arith = EncodeRaw(blue, w, h, 3, JCS_EXT_BGR, [](jpeg_compress_struct& c) {
        c.arith_code = TRUE;
    });
    EXPECT_LT(arith.size() * 2000, size_t(w) * h);
    for (const auto* j : {&grey, &sky, &arith}) {
        DecodeReport report;
        const Image img = DecodeJpeg(j->data(), j->size(), nullptr, {}, &report);
        EXPECT_FALSE(report.damaged()) << report.warnings.at(0);
        ASSERT_EQ(img.width(), w);
        EXPECT_NEAR(img.pixel(w - 1, h - 1)[0], j == &grey ? 77 : 200, 2);
    }
}
