// SPDX-License-Identifier: GPL-3.0-or-later
// lumora apply: reading, the operations in order, writing JPEG or BMP.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "CliTestUtil.h"
#include "editing/Editor.h"
#include "image/Codec.h"
#include "imaging/ColourOps.h"
#include "imaging/Filters.h"
#include "imaging/Geometry.h"

using namespace clitest;
using lum::Image;

namespace {

Image Decoded(const fs::path& p) { return lum::LoadPicture(p.string()).image; }

std::string Apply(const fs::path& in, const fs::path& out, const std::string& rest = "") {
    return "apply " + Quote(in.string()) + " " + Quote(out.string()) + " " + rest;
}

// The result of running the operations on the editor of a newly created main window after a load.
Image InProcess(const Image& photo, const std::vector<std::string>& words) {
    lum::Editor editor(lum::EditorPolicy::MainWindow());
    editor.State().picture.Baseline() = photo;
    editor.CommitMemoryImage();
    for (const std::string& w : words) {
        const lum::ParsedOperation op = lum::ParseOperationWord(w);
        editor.Run(*op.op, op.args);
    }
    return editor.State().picture.Work();
}

Image Uniform(int w, int h, uint8_t v) {
    Image img(w, h);
    img.fill(v, v, v);
    return img;
}

void ExpectRgb(const Image& img, int r, int g, int b) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const uint8_t* p = img.pixel(x, y);
            ASSERT_EQ((std::array<int, 3>{p[2], p[1], p[0]}), (std::array<int, 3>{r, g, b})) << x << "," << y;
        }
}

class CliApply : public ::testing::Test {
protected:
    TempDir dir;
    fs::path rocket = Photo("rocket.jpg");

    // Runs apply with BMP output (exact pixels) and returns the written image.
    Image ApplyBmp(const fs::path& in, const std::string& ops, const std::string& name = "out.bmp") {
        Result r = Lumora(Apply(in, dir / name, ops));
        EXPECT_EQ(r.status, 0) << ops << "\n" << r.err;
        EXPECT_TRUE(r.err.empty()) << r.err;
        std::vector<uint8_t> bytes = ReadBytes(dir / name);
        return bytes.empty() ? Image() : lum::DecodeBmp(bytes.data(), bytes.size());
    }
    fs::path WriteBmp(const Image& img, const std::string& name) {
        WriteBytes(dir / name, lum::EncodeBmp(img));
        return dir / name;
    }
};

}  // namespace

TEST_F(CliApply, NoOperationJpegToJpeg) {
    Result r = Lumora(Apply(rocket, dir / "o.jpg"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty() && r.out.empty());
    std::vector<uint8_t> bytes = ReadBytes(dir / "o.jpg");
    EXPECT_EQ(lum::SniffFormat(bytes.data(), bytes.size()), lum::FileFormat::Jpeg);
    Image in = Decoded(rocket), out = Decoded(dir / "o.jpg");
    ASSERT_EQ(out.width(), in.width());
    ASSERT_EQ(out.height(), in.height());
    double diff = 0;
    for (int y = 0; y < in.height(); ++y)
        for (int x = 0; x < 3 * in.width(); ++x) diff += std::abs(in.row(y)[x] - out.row(y)[x]);
    // A quality-90 re-encode of the photo as converted from its Adobe RGB profile (sRGB's more
    // saturated colours cost a little more than the stored ones did).
    EXPECT_LT(diff / (3.0 * in.width() * in.height()), 3.0);
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"o.jpg"}));  // no temporary file left behind
}

TEST_F(CliApply, BmpOutputChosenByExtensionAnyCase) {
    const Image in = Decoded(rocket);
    for (const char* name : {"o.bmp", "O.BMP", "o.Bmp"}) {
        Image out = ApplyBmp(rocket, "", name);
        std::vector<uint8_t> bytes = ReadBytes(dir / name);
        ASSERT_GE(bytes.size(), 2u);
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[1], 'M');
        EXPECT_EQ(out, in) << name;  // BMP is lossless: exactly the decoded photo
    }
    for (const char* name : {"o.bmp.jpg", "o.jpeg", "o"}) {
        ASSERT_EQ(Lumora(Apply(rocket, dir / name)).status, 0);
        std::vector<uint8_t> bytes = ReadBytes(dir / name);
        EXPECT_EQ(lum::SniffFormat(bytes.data(), bytes.size()), lum::FileFormat::Jpeg) << name;
    }
}

TEST_F(CliApply, InputFormatIsToldByContentNotName) {
    fs::copy_file(rocket, dir / "really-a-jpeg.bmp");
    EXPECT_EQ(ApplyBmp(dir / "really-a-jpeg.bmp", ""), Decoded(rocket));
    Image small = Uniform(20, 10, 77);
    small.setPixel(3, 4, 1, 2, 3);
    WriteBmp(small, "really-a-bmp.jpg");
    EXPECT_EQ(ApplyBmp(dir / "really-a-bmp.jpg", ""), small);
}

TEST_F(CliApply, MetadataKeptUnlessStripped) {
    std::vector<uint8_t> jpeg = WithSegments(
        ReadBytes(rocket), {ExifSegment(1, "LumoraTestCam"), Segment(0xFE, "lumora-test-comment"),
                            Segment(0xE1, std::string("http://ns.adobe.com/xap/1.0/\0", 29) + "<x>lumora-xmp-test</x>")});
    WriteBytes(dir / "meta.jpg", jpeg);
    ASSERT_EQ(Lumora(Apply(dir / "meta.jpg", dir / "kept.jpg")).status, 0);
    std::vector<uint8_t> kept = ReadBytes(dir / "kept.jpg");
    EXPECT_TRUE(Contains(kept, "LumoraTestCam"));
    EXPECT_TRUE(Contains(kept, "lumora-test-comment"));
    EXPECT_TRUE(Contains(kept, "lumora-xmp-test"));

    ASSERT_EQ(Lumora(Apply(dir / "meta.jpg", dir / "stripped.jpg", "--strip")).status, 0);
    std::vector<uint8_t> stripped = ReadBytes(dir / "stripped.jpg");
    EXPECT_FALSE(Contains(stripped, "LumoraTestCam"));
    EXPECT_FALSE(Contains(stripped, "lumora-test-comment"));
    EXPECT_FALSE(Contains(stripped, "lumora-xmp-test"));
    EXPECT_EQ(Decoded(dir / "stripped.jpg").width(), Decoded(dir / "kept.jpg").width());

    // A BMP photo has nothing to keep; its JPEG result is still written.
    WriteBmp(Uniform(16, 16, 90), "plain.bmp");
    EXPECT_EQ(Lumora(Apply(dir / "plain.bmp", dir / "plain.jpg")).status, 0);
    EXPECT_EQ(Decoded(dir / "plain.jpg").width(), 16);
}

TEST_F(CliApply, UprightPhotoStaysUprightAfterSaving) {
    // Orientation 6: the camera was turned; the photo is shown a quarter turn clockwise.
    WriteBytes(dir / "turned.jpg", WithSegments(ReadBytes(rocket), {ExifSegment(6, "LumoraTestCam")}));
    Image shown = ApplyBmp(dir / "turned.jpg", "");
    EXPECT_EQ(shown.width(), 427);
    EXPECT_EQ(shown.height(), 640);
    ASSERT_EQ(Lumora(Apply(dir / "turned.jpg", dir / "saved.jpg")).status, 0);
    Image again = Decoded(dir / "saved.jpg");  // not turned a second time when opened again
    EXPECT_EQ(again.width(), 427);
    EXPECT_EQ(again.height(), 640);
}

TEST_F(CliApply, QualityAndProgressive) {
    ASSERT_EQ(Lumora(Apply(rocket, dir / "q10.jpg", "--quality 10")).status, 0);
    ASSERT_EQ(Lumora(Apply(rocket, dir / "q100.jpg", "--quality=100")).status, 0);
    ASSERT_EQ(Lumora(Apply(rocket, dir / "prog.jpg", "--progressive")).status, 0);
    ASSERT_EQ(Lumora(Apply(rocket, dir / "base.jpg")).status, 0);
    EXPECT_LT(fs::file_size(dir / "q10.jpg") * 3, fs::file_size(dir / "q100.jpg"));
    const std::string sof0("\xFF\xC0", 2), sof2("\xFF\xC2", 2);
    EXPECT_TRUE(Contains(ReadBytes(dir / "prog.jpg"), sof2));
    EXPECT_FALSE(Contains(ReadBytes(dir / "base.jpg"), sof2));
    EXPECT_TRUE(Contains(ReadBytes(dir / "base.jpg"), sof0));
    EXPECT_EQ(Decoded(dir / "prog.jpg").height(), 427);
}

TEST_F(CliApply, ResizeRefusalWritesNothing) {
    WriteBytes(dir / "existing.jpg", {'k', 'e', 'e', 'p'});
    Result r = Lumora(Apply(rocket, dir / "existing.jpg", "grey resize:5x300"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("lumora: Invalid new size: the width and the height must be at least 8 pixels."), std::string::npos) << r.err;
    EXPECT_EQ(Lines(r.err), 1) << r.err;
    EXPECT_EQ(ReadText(dir / "existing.jpg"), "keep");
    EXPECT_EQ(Lumora(Apply(rocket, dir / "none.jpg", "resize:300x7")).status, 1);
    EXPECT_FALSE(fs::exists(dir / "none.jpg"));
}

TEST_F(CliApply, UnwritableOutputIsOneLineAndExitOne) {
    Result r = Lumora(Apply(rocket, dir / "no" / "such" / "folder" / "o.jpg"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("lumora: ", 0), 0u);
    EXPECT_NE(r.err.find("o.jpg"), std::string::npos);
    EXPECT_EQ(Lines(r.err), 1) << r.err;
}

TEST_F(CliApply, QuarterTurnsAndMirrorsMovePixels) {
    const Image in = Decoded(rocket);
    const int W = in.width(), H = in.height();
    Image cw = ApplyBmp(rocket, "rotate-cw");
    ASSERT_EQ(cw.width(), H);
    ASSERT_EQ(cw.height(), W);
    Image ccw = ApplyBmp(rocket, "rotate-ccw");
    ASSERT_EQ(ccw.width(), H);
    Image mh = ApplyBmp(rocket, "mirror-h");
    Image mv = ApplyBmp(rocket, "mirror-v");
    for (int y = 0; y < H; y += 7)
        for (int x = 0; x < W; x += 5) {
            const uint8_t* o = in.pixel(x, y);
            auto same = [&](const Image& img, int px, int py) { return std::equal(o, o + 3, img.pixel(px, py)); };
            EXPECT_TRUE(same(cw, H - 1 - y, x)) << x << "," << y;
            EXPECT_TRUE(same(ccw, y, W - 1 - x)) << x << "," << y;
            EXPECT_TRUE(same(mh, W - 1 - x, y)) << x << "," << y;
            EXPECT_TRUE(same(mv, x, H - 1 - y)) << x << "," << y;
        }
    EXPECT_EQ(ApplyBmp(rocket, "rotate-ccw rotate-cw"), in);
    EXPECT_EQ(ApplyBmp(rocket, "mirror-h mirror-h"), in);
}

TEST_F(CliApply, PixelFormulasOfTheColourOperations) {
    const Image in = Decoded(rocket);
    Image grey = ApplyBmp(rocket, "grey");
    Image shift1 = ApplyBmp(rocket, "shift:1");
    Image shift4 = ApplyBmp(rocket, "shift:4");
    Image light = ApplyBmp(rocket, "lighten");
    for (const Image* img : {&grey, &shift1, &shift4, &light}) {
        ASSERT_EQ(img->width(), in.width());
        ASSERT_EQ(img->height(), in.height());
    }
    for (int y = 0; y < in.height(); ++y)
        for (int x = 0; x < in.width(); ++x) {
            const uint8_t* p = in.pixel(x, y);  // B, G, R
            const uint8_t* g = grey.pixel(x, y);
            ASSERT_TRUE(g[0] == g[1] && g[1] == g[2]) << x << "," << y;
            const uint8_t* s1 = shift1.pixel(x, y);
            ASSERT_EQ(s1[2], (7 * p[2] + p[1]) / 8);
            ASSERT_EQ(s1[1], p[1]);
            ASSERT_EQ(s1[0], p[0]);
            const uint8_t* s4 = shift4.pixel(x, y);
            ASSERT_EQ(s4[0], (7 * p[0] + p[2]) / 8);
            ASSERT_EQ(s4[2], p[2]);
            for (int c = 0; c < 3; ++c) ASSERT_EQ(light.pixel(x, y)[c], (3 * p[c] + 255) / 4);
        }
}

TEST_F(CliApply, BalanceAndOptimizeOnUniformGrey) {
    fs::path grey = WriteBmp(Uniform(64, 48, 128), "grey128.bmp");
    ExpectRgb(ApplyBmp(grey, "flesh-balance"), 155, 139, 134);
    ExpectRgb(ApplyBmp(grey, "landscape-balance"), 151, 147, 144);
    ExpectRgb(ApplyBmp(grey, "optimize"), 141, 133, 131);
    ExpectRgb(ApplyBmp(grey, "optimize-compare"), 144, 134, 131);
    // The targets come from the options: R = 128 + (127 x 98) div 256 with red target 255.
    ExpectRgb(ApplyBmp(grey, "flesh-balance --flesh 255,128,128"), 176, 128, 128);
    ExpectRgb(ApplyBmp(grey, "--landscape 128,128,255 landscape-balance"), 128, 128, 178);
}

TEST_F(CliApply, OperationsMatchTheEditingCore) {
    const Image in = Decoded(rocket);
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"optimize", {"optimize"}},
        {"sharpen", {"sharpen"}},
        {"sharpen-plus", {"sharpen-plus"}},
        {"soften", {"soften"}},
        {"auto-smooth", {"auto-smooth"}},
        {"blur:4", {"blur:4"}},
        {"rotate:30", {"rotate:30"}},
        {"resize:200x150", {"resize:200x150"}},
        // The default macro: flesh balance, then auto smooth with the window's kernel state.
        {"macro", {"flesh-balance", "auto-smooth"}},
        // Grey scale after start-up filters with the start-up kernel; after auto smooth, with its last one.
        {"grey", {"grey"}},
        {"auto-smooth grey soften grey", {"auto-smooth", "grey", "soften", "grey"}},
        {"rotate-cw blur:2 resize:300x500 shift:5", {"rotate-cw", "blur:2", "resize:300x500", "shift:5"}},
    };
    for (const auto& [ops, f] : cases) {
        Image expected = InProcess(in, f);
        Image got = ApplyBmp(rocket, ops);
        EXPECT_EQ(got.width(), expected.width()) << ops;
        EXPECT_EQ(got.height(), expected.height()) << ops;
        EXPECT_TRUE(got == expected) << ops;
    }
    Image r = ApplyBmp(rocket, "rotate:30");
    EXPECT_EQ(r.width(), in.width());
    EXPECT_EQ(r.height(), in.height());
    EXPECT_NE(r, in);
    EXPECT_EQ(ApplyBmp(rocket, "resize:200x150").width(), 200);
}

TEST_F(CliApply, BlurIsTheGaussianBlurOfThePhoto) {
    Image expected = Decoded(rocket);
    lum::GaussianBlur(expected, 4.0);
    EXPECT_EQ(ApplyBmp(rocket, "blur:4"), expected);
}
