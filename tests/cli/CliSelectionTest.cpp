// SPDX-License-Identifier: GPL-3.0-or-later
// lumora apply with selections: `select` followed by each operation a selection confines, and
// `erase`, against the plain transcription in ConfinedReference.h, on crops of the sample
// photos the program has not been tested on before.
#include <gtest/gtest.h>

#include "../image/ImageTestSupport.h"
#include "CliTestUtil.h"
#include "ConfinedReference.h"
#include "image/Codec.h"

using namespace clitest;
using imagetest::FirstDifference;
using lum::Image;

namespace {

Image Crop(const Image& src, int x0, int y0, int w, int h) {
    Image out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) std::copy(src.pixel(x0 + x, y0 + y), src.pixel(x0 + x, y0 + y) + 3, out.pixel(x, y));
    return out;
}

class CliSelection : public ::testing::Test {
protected:
    TempDir dir;

    // Crops of odd sizes from two photos, written as BMP so the pixels go in exactly.
    std::vector<std::pair<fs::path, Image>> Photos() {
        std::vector<std::pair<fs::path, Image>> v;
        const Image hubble = lum::LoadPicture(Photo("hubble_deep_field.jpg").string()).image;
        const Image astronaut = lum::LoadPicture(Photo("astronaut.jpg").string()).image;
        v.push_back({dir / "a.bmp", Crop(hubble, 211, 97, 131, 93)});
        v.push_back({dir / "b.bmp", Crop(astronaut, 40, 60, 97, 120)});
        for (const auto& [path, img] : v) WriteBytes(path, lum::EncodeBmp(img));
        return v;
    }

    Image Run(const fs::path& in, const std::string& ops) {
        const fs::path out = dir / "out.bmp";
        fs::remove(out);
        const Result r = Lumora("apply " + Quote(in.string()) + " " + Quote(out.string()) + " " + ops);
        EXPECT_EQ(r.status, 0) << ops << "\n" << r.err;
        const std::vector<uint8_t> bytes = ReadBytes(out);
        return bytes.empty() ? Image() : lum::DecodeBmp(bytes.data(), bytes.size());
    }

    // The selections tried on a w x h photo: inside, over the edges, wholly outside.
    static std::vector<ref::Sel> Selections(int w, int h) {
        return {
            ref::Sel{2, 17, 11, 60, 48},
            ref::Sel{2, -9, h - 30, 25, h + 14},
            ref::Sel{3, 23, 19, 84, 77},
            ref::Sel{3, w - 40, -12, w + 15, 33},
            ref::Sel{2, w + 3, 2, w + 30, 40},
        };
    }
};

}  // namespace

TEST_F(CliSelection, EveryConfinedOperationMatchesTheReference) {
    const std::vector<std::string> ops = {"optimize", "optimize-compare", "flesh-balance", "landscape-balance",
                                          "shift:1",  "shift:4",          "shift:6",       "lighten",
                                          "grey",     "sharpen",          "sharpen-plus",  "soften",
                                          "auto-smooth", "erase"};
    for (const auto& [path, photo] : Photos())
        for (const ref::Sel& sel : Selections(photo.width(), photo.height()))
            for (const std::string& op : ops) {
                ref::State s{photo, sel, ref::Kernel()};
                ASSERT_TRUE(ref::Apply(s, op));
                const Image got = Run(path, sel.word() + " " + op);
                ASSERT_TRUE(got == s.work) << sel.word() << " " << op << ": " << FirstDifference(got, s.work);
            }
}

TEST_F(CliSelection, ChainsKeepTheSelectionTheKernelsAndDropItAfterABalance) {
    const auto photos = Photos();
    const auto& [path, photo] = photos[0];
    const ref::Sel ellipse{3, 10, 8, 120, 80};
    // The kernels alternate across the chain; the balance drops the selection, so what follows
    // covers the whole photo; a new selection after select:none confines again.
    const std::vector<std::string> chain = {"soften", "sharpen", "grey",  "auto-smooth", "soften", "shift:3",
                                            "lighten", "flesh-balance", "sharpen", "erase"};
    ref::State s{photo, ellipse, ref::Kernel()};
    std::string words = ellipse.word();
    for (const std::string& op : chain) {
        ASSERT_TRUE(ref::Apply(s, op));
        words += " " + op;
    }
    EXPECT_EQ(s.sel.kind, 0);
    Image got = Run(path, words);
    ASSERT_TRUE(got == s.work) << FirstDifference(got, s.work);

    const ref::Sel box{2, 30, 20, 70, 60};
    ref::State t{photo, ref::Sel(), ref::Kernel()};
    t.sel = box;
    ASSERT_TRUE(ref::Apply(t, "sharpen-plus"));
    t.sel = ref::Sel();
    ASSERT_TRUE(ref::Apply(t, "lighten"));
    got = Run(path, box.word() + " sharpen-plus select:none lighten");
    ASSERT_TRUE(got == t.work) << FirstDifference(got, t.work);
}

TEST_F(CliSelection, EraseFillsTheShapeWithTheColourAndRefusesBadWords) {
    const auto photos = Photos();
    const auto& [path, photo] = photos[1];
    ref::State s{photo, ref::Sel{3, 5, 9, 60, 100}, ref::Kernel()};
    ref::Erase(s.work, s.sel, 0x12, 0xAB, 0xEF);
    Image got = Run(path, s.sel.word() + " erase:#12abEF");
    ASSERT_TRUE(got == s.work) << FirstDifference(got, s.work);

    // Without a selection the whole photo.
    got = Run(path, "erase:#000000");
    Image black(photo.width(), photo.height());
    black.fill(0, 0, 0);
    EXPECT_TRUE(got == black);

    for (const char* bad : {"select:1,2,3", "select:ellipse", "erase:#12345", "select:none,3"}) {
        const Result r = Lumora("apply " + Quote(path.string()) + " " + Quote((dir / "x.bmp").string()) + " " + bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.err.find(bad), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(dir / "x.bmp"));
    }
}
