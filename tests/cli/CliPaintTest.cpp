// SPDX-License-Identifier: GPL-3.0-or-later
// lumora apply with brush strokes and flood fills, alone and between other operations, against
// the plain one-pixel-at-a-time forms of the dab and the fill; the noise brush with --seed; the
// fill's refusal and the mistakes of the paint words.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "../imaging/PaintReference.h"
#include "CliTestUtil.h"
#include "cli/Cli.h"
#include "image/Codec.h"

using namespace clitest;
using lum::Image;
using lum::MakeColour;

namespace {

Image Decoded(const fs::path& p) { return lum::LoadPicture(p.string()).image; }

int FirstDifference(const Image& a, const Image& b, std::string& where) {
    if (a.width() != b.width() || a.height() != b.height()) {
        where = "sizes differ";
        return 1;
    }
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int c = 0; c < 3; ++c)
                if (a.pixel(x, y)[c] != b.pixel(x, y)[c]) {
                    where = std::to_string(x) + "," + std::to_string(y) + " channel " + std::to_string(c);
                    return 1;
                }
    return 0;
}

#define EXPECT_SAME_PIXELS(a, b)                                     \
    do {                                                             \
        std::string where_;                                          \
        EXPECT_EQ(FirstDifference((a), (b), where_), 0) << where_;   \
    } while (0)

// A brush word and its reference stroke.
struct BrushCase {
    const char* kind;
    int kindIndex;
    int diameter;
    lum::Colour c1, c2;
    std::vector<lum::BrushPoint> path;

    std::string Word() const {
        std::ostringstream w;
        w << "brush:" << kind << ",";
        for (size_t i = 0; i < path.size(); ++i) w << (i ? "/" : "") << path[i].X << "x" << path[i].Y;
        char hex[32];
        std::snprintf(hex, sizeof hex, ",colour1=#%02X%02X%02X", lum::ColourR(c1), lum::ColourG(c1), lum::ColourB(c1));
        w << ",diameter=" << diameter << hex;
        std::snprintf(hex, sizeof hex, ",colour2=#%02x%02x%02x", lum::ColourR(c2), lum::ColourG(c2), lum::ColourB(c2));
        w << hex;
        return w.str();
    }
    void Reference(Image& img) const {
        lum::ref::Stroke s;
        s.kind = kindIndex;
        s.r = diameter / 2;
        s.colour1 = c1;
        s.colour2 = c2;
        Image source;
        lum::ref::Path(img, source, s, path);
    }
};

struct FillCase {
    int x, y, threshold;
    lum::Colour colour;
    std::string Word() const {
        char w[96];
        std::snprintf(w, sizeof w, "fill:%d,%d,colour=#%02X%02X%02X,threshold=%d", x, y, lum::ColourR(colour),
                      lum::ColourG(colour), lum::ColourB(colour), threshold);
        return w;
    }
    void Reference(Image& img) const { lum::ref::FloodFill(img, x, y, threshold, colour); }
};

// Strokes over the middle, across a corner and partly outside the picture.
std::vector<BrushCase> Strokes(int w, int h) {
    std::vector<BrushCase> cases;
    const char* kinds[] = {"soften", "sharpen", "lighten", "darken", "daub", nullptr, "spray", "colour-eraser"};
    for (int k = 0; k < 8; ++k) {
        if (!kinds[k]) continue;  // noise: see below
        BrushCase c{kinds[k], k, 16 + 11 * k, MakeColour(250, 30, 90), MakeColour(120 + 9 * k, 110, 100), {}};
        c.path = {{w / 2, h / 3}, {w / 2 + 3, h / 3 + 1}, {w / 2 + 9, h / 3 + 2}, {w / 2 + 30, h / 3 + 40},
                  {w / 2 + 31, h / 3 + 41}, {w / 2 + 31, h / 3 + 41}, {2, 1}, {-10, h - 3}, {w + 20, h + 20}};
        cases.push_back(c);
    }
    // The extremes of the diameter, with the second colour on the eraser's window.
    cases.push_back({"daub", 4, 96, 0, 0, {{w / 3, h / 2}, {w / 3 + 40, h / 2 - 20}, {w / 3 + 80, h / 2 - 30}}});
    cases.push_back({"colour-eraser", 7, 96, MakeColour(0, 0, 0), MakeColour(40, 40, 40), {{w / 2, h / 2}}});
    cases.push_back({"sharpen", 1, 2, 0, 0, {{0, 0}, {1, 1}, {w - 1, h - 1}}});
    return cases;
}

class CliPaint : public ::testing::Test {
protected:
    TempDir dir;

    Image Run(const fs::path& in, const std::string& words, const std::string& name = "out.bmp") {
        const fs::path out = dir / name;
        const Result r = Lumora("apply " + Quote(in.string()) + " " + Quote(out.string()) + " " + words);
        EXPECT_EQ(r.status, 0) << words << "\n" << r.err;
        return Decoded(out);
    }
    fs::path Save(const Image& img, const std::string& name) {
        const fs::path p = dir / name;
        WriteBytes(p, lum::EncodeBmp(img));
        return p;
    }
};

}  // namespace

TEST_F(CliPaint, BrushStrokesMatchThePlainDabOnEveryPhoto) {
    for (const std::string& name : lum::ref::PhotoNames()) {
        const fs::path in = Photo(name);
        const Image photo = Decoded(in);
        for (const BrushCase& c : Strokes(photo.width(), photo.height())) {
            Image expected = photo;
            c.Reference(expected);
            SCOPED_TRACE(name + " " + c.Word());
            EXPECT_SAME_PIXELS(Run(in, c.Word()), expected);
        }
    }
}

TEST_F(CliPaint, FillsMatchThePlainFillOnEveryPhoto) {
    int refused = 0;
    for (const std::string& name : lum::ref::PhotoNames()) {
        const fs::path in = Photo(name);
        const Image photo = Decoded(in);
        const int w = photo.width(), h = photo.height();
        const FillCase cases[] = {{w / 2, h / 2, 8, MakeColour(255, 0, 255)},
                                  {3, 3, 36, MakeColour(1, 2, 3)},
                                  {w - 1, h - 1, 20, MakeColour(0, 255, 0)},
                                  {w / 3, 2 * h / 3, 1, MakeColour(200, 200, 255)}};
        for (const FillCase& c : cases) {
            Image expected = photo;
            SCOPED_TRACE(name + " " + c.Word());
            if (lum::ref::FloodFill(expected, c.x, c.y, c.threshold, c.colour) == lum::ref::FillResult::Refused) {
                // Near black at 36: refused, nothing written.
                const fs::path out = dir / "refused.bmp";
                const Result r = Lumora("apply " + Quote(in.string()) + " " + Quote(out.string()) + " " + c.Word());
                EXPECT_EQ(r.status, 1);
                EXPECT_FALSE(fs::exists(out));
                ++refused;
                continue;
            }
            EXPECT_SAME_PIXELS(Run(in, c.Word()), expected);
        }
    }
    EXPECT_LE(refused, 1);
}

TEST_F(CliPaint, StrokesAndFillsBetweenOtherOperations) {
    // lumora(A paint B) = lumora(reference paint of lumora(A)) then B.
    const struct {
        const char* before;
        const char* after;
    } chains[] = {
        {"mirror-h", "grey"},
        {"rotate-cw sharpen", "blur:2 mirror-v"},
        {"shift:3 lighten", "rotate:20"},
        {"resize:300x200", "auto-smooth"},
    };
    const fs::path in = Photo("rocket.jpg");
    int n = 0;
    for (const auto& chain : chains) {
        const Image a = Run(in, chain.before, "a.bmp");
        const int w = a.width(), h = a.height();
        BrushCase daub{"daub", 4, 40, 0, 0, {{w / 2, h / 2}, {w / 2 + 15, h / 2 + 5}, {w / 2 + 30, h / 2 + 20}}};
        BrushCase spray{"spray", 6, 30, MakeColour(0, 90, 255), 0, {{10, 10}, {40, 12}, {70, 20}}};
        FillCase fill{w / 4, h / 4, 12, MakeColour(255, 255, 0)};
        BrushCase eraser{"colour-eraser", 7, 60, MakeColour(255, 255, 0), MakeColour(255, 255, 0), {{w / 4, h / 4}}};
        Image painted = a;
        daub.Reference(painted);
        fill.Reference(painted);
        spray.Reference(painted);
        eraser.Reference(painted);
        const fs::path mid = Save(painted, "mid" + std::to_string(n) + ".bmp");
        const Image expected = Run(mid, chain.after, "expected.bmp");
        const std::string words = std::string(chain.before) + " " + daub.Word() + " " + fill.Word() + " " + spray.Word() +
                                  " " + eraser.Word() + " " + chain.after;
        SCOPED_TRACE(words);
        EXPECT_SAME_PIXELS(Run(in, words), expected);
        ++n;
    }
}

TEST_F(CliPaint, TheFillsEdgeCases) {
    // A uniform picture is filled everywhere; a seed outside changes nothing.
    Image uniform(37, 23);
    uniform.fill(100, 100, 100);
    const fs::path flat = Save(uniform, "flat.bmp");
    Image all = Run(flat, "fill:36,0,colour=#6D6464");  // (109, 100, 100) from (100, 100, 100)
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x) ASSERT_EQ(lum::ref::GetPixel(all, x, y), MakeColour(109, 100, 100));
    EXPECT_SAME_PIXELS(Run(flat, "fill:37,5 fill:-1,0 fill:3,23"), uniform);

    // (108, 92, 100) lies in the window of (100, 100, 100) at 8: refused on one line, nothing written.
    const fs::path out = dir / "refused.bmp";
    Result r = Lumora("apply " + Quote(flat.string()) + " " + Quote(out.string()) + " fill:5,5,colour=#6C5C64");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "lumora: The colour you clicked is too close to the fill colour. Lower the fill threshold (T) and try again.\n");
    EXPECT_FALSE(fs::exists(out));
    // A pixel that already has the fill colour is always refused, at any threshold.
    r = Lumora("apply " + Quote(flat.string()) + " " + Quote(out.string()) + " fill:5,5,colour=#646464,threshold=1");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "lumora: This area already has the fill colour.\n");
    EXPECT_FALSE(fs::exists(out));

    // The window of (250, 5, 0) at 8 is (242, 0, 0) .. (255, 13, 8); a one-pixel diagonal is
    // filled only where it is clicked.
    Image pic(12, 6);
    pic.fill(0, 0, 255);
    const int inside[][5] = {{1, 1, 242, 0, 0}, {2, 1, 255, 13, 8}, {3, 1, 250, 5, 0}};
    const int outside[][5] = {{4, 1, 241, 0, 0}, {1, 2, 250, 14, 0}, {1, 0, 250, 5, 9}};
    for (const auto& p : inside) pic.setPixel(p[0], p[1], p[2], p[3], p[4]);
    for (const auto& p : outside) pic.setPixel(p[0], p[1], p[2], p[3], p[4]);
    for (int i = 0; i < 5; ++i) pic.setPixel(6 + i, i, 250, 5, 0);
    const Image filled = Run(Save(pic, "window.bmp"), "fill:3,1,colour=#000000 fill:8,2,colour=#FFFFFF");
    for (const auto& p : inside) EXPECT_EQ(lum::ref::GetPixel(filled, p[0], p[1]), MakeColour(0, 0, 0));
    for (const auto& p : outside) EXPECT_EQ(lum::ref::GetPixel(filled, p[0], p[1]), MakeColour(p[2], p[3], p[4]));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(lum::ref::GetPixel(filled, 6 + i, i), i == 2 ? MakeColour(255, 255, 255) : MakeColour(250, 5, 0));
}

TEST_F(CliPaint, NoiseRepeatsWithItsSeedAndMovesEachChannelByOneAtMost) {
    const fs::path in = Photo("astronaut.jpg");
    const Image photo = Decoded(in);
    const std::string word = "brush:noise,200x200,diameter=96";
    const Image a = Run(in, "--seed 42 " + word, "a.bmp");
    const Image b = Run(in, word + " --seed=42", "b.bmp");
    EXPECT_EQ(ReadBytes(dir / "a.bmp"), ReadBytes(dir / "b.bmp"));
    // Given before the command too.
    const fs::path c = dir / "c.bmp";
    Result r = Lumora("--seed 42 apply " + Quote(in.string()) + " " + Quote(c.string()) + " " + word);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadBytes(c), ReadBytes(dir / "a.bmp"));
    const Image other = Run(in, "--seed 43 " + word, "d.bmp");
    EXPECT_NE(ReadBytes(dir / "d.bmp"), ReadBytes(dir / "a.bmp"));
    (void)other;

    int changed = 0;
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            for (int ch = 0; ch < 3; ++ch) {
                const int d = a.pixel(x, y)[ch] - photo.pixel(x, y)[ch];
                ASSERT_LE(std::abs(d), 1) << x << "," << y;
                changed += d != 0;
                if (d != 0) {
                    ASSERT_LE(lum::ref::Distance(200, 200, x, y), 48);
                }
            }
    // About two thirds of the channels under the brush move.
    EXPECT_GT(changed, 3 * 7000 / 2);
}

TEST_F(CliPaint, MistakesInThePaintWordsAreUsageErrors) {
    const fs::path in = Photo("rocket.jpg");
    const fs::path out = dir / "o.bmp";
    for (const char* word : {"brush:noize,1x1", "brush:spray", "brush:spray,1x1,diameter=1", "brush:spray,1x1,diameter=97",
                             "brush:spray,1x1/", "brush:spray,1x1,colour1=#12345", "fill:3", "fill:3,4,threshold=0",
                             "fill:3,4,threshold=37", "fill:3,4,5", "fill:a,4"}) {
        const Result r = Lumora("apply " + Quote(in.string()) + " " + Quote(out.string()) + " " + Quote(word));
        EXPECT_EQ(r.status, 2) << word << "\n" << r.err;
        EXPECT_FALSE(fs::exists(out)) << word;
    }
    const Result r = Lumora("apply " + Quote(in.string()) + " " + Quote(out.string()) + " --seed x");
    EXPECT_EQ(r.status, 2);
}

TEST(CliPaintWords, TheSeedMayComeBeforeTheCommand) {
    const auto isCli = [](std::vector<const char*> words) {
        words.insert(words.begin(), "lumora");
        std::vector<char*> argv;
        for (const char* w : words) argv.push_back(const_cast<char*>(w));
        argv.push_back(nullptr);
        return lum::IsCliInvocation(static_cast<int>(words.size()), argv.data());
    };
    EXPECT_TRUE(isCli({"--seed", "3", "apply", "a.jpg", "b.jpg"}));
    EXPECT_TRUE(isCli({"--seed=3", "--help"}));
    EXPECT_FALSE(isCli({"--seed", "3"}));
    EXPECT_FALSE(isCli({"--seed", "3", "photo.jpg"}));
    EXPECT_FALSE(isCli({"photo.jpg"}));
}
