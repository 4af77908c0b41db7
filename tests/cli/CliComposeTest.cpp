// SPDX-License-Identifier: GPL-3.0-or-later
// lumora apply with new, lighten-gradient and mix, held pixel for pixel against the plain
// implementation of CliComposeReference.h; their usage errors; the README's watermark loop.
#include <gtest/gtest.h>

#include <regex>

#include "CliComposeReference.h"
#include "CliTestUtil.h"
#include "image/Codec.h"

using namespace clitest;
using lum::Image;

namespace {

ref::Picture ToPicture(const Image& img) {
    ref::Picture p(img.width(), img.height());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const uint8_t* q = img.pixel(x, y);
            p.at(x, y) = ref::Px{q[2], q[1], q[0]};
        }
    return p;
}

Image ToImage(const ref::Picture& p) {
    Image img(p.w, p.h);
    for (int y = 0; y < p.h; ++y)
        for (int x = 0; x < p.w; ++x) {
            const ref::Px c = p.at(x, y);
            img.setPixel(x, y, static_cast<uint8_t>(c.r), static_cast<uint8_t>(c.g), static_cast<uint8_t>(c.b));
        }
    return img;
}

std::string FirstDifference(const ref::Picture& got, const ref::Picture& want) {
    if (got.w != want.w || got.h != want.h)
        return "size " + std::to_string(got.w) + "x" + std::to_string(got.h) + ", expected " + std::to_string(want.w) +
               "x" + std::to_string(want.h);
    for (int y = 0; y < got.h; ++y)
        for (int x = 0; x < got.w; ++x) {
            const ref::Px a = got.at(x, y), b = want.at(x, y);
            if (!(a == b))
                return "(" + std::to_string(x) + ", " + std::to_string(y) + "): " + std::to_string(a.r) + "," +
                       std::to_string(a.g) + "," + std::to_string(a.b) + " expected " + std::to_string(b.r) + "," +
                       std::to_string(b.g) + "," + std::to_string(b.b);
        }
    return "";
}

// A picture of a few flat colours with a white border, so masks, mirrors and stretches show.
ref::Picture Logo(int w, int h) {
    ref::Picture p(w, h, ref::Px{255, 255, 255});
    for (int y = 2; y < h - 2; ++y)
        for (int x = 2; x < w - 2; ++x)
            p.at(x, y) = ref::Px{(x * 255) / w, y < h / 2 ? 40 : 200, (x + y) % 3 == 0 ? 250 : 10};
    return p;
}

class CliCompose : public ::testing::Test {
protected:
    TempDir dir;
    fs::path rocket = Photo("rocket.jpg");
    fs::path hubble = Photo("hubble_deep_field.jpg");

    ref::Picture Decoded(const fs::path& p) { return ToPicture(lum::LoadPicture(p.string()).image); }

    // `lumora apply in out.bmp ops`, the result as a picture (empty when nothing was written).
    ref::Picture Apply(const fs::path& in, const std::string& ops) {
        const fs::path out = dir / "out.bmp";
        fs::remove(out);
        const Result r = Lumora("apply " + Quote(in.string()) + " " + Quote(out.string()) + " " + ops);
        EXPECT_EQ(r.status, 0) << ops << "\n" << r.err;
        if (!fs::exists(out)) return ref::Picture();
        const std::vector<uint8_t> bytes = ReadBytes(out);
        return ToPicture(lum::DecodeBmp(bytes.data(), bytes.size()));
    }
    fs::path WriteBmp(const ref::Picture& p, const std::string& name) {
        WriteBytes(dir / name, lum::EncodeBmp(ToImage(p)));
        return dir / name;
    }
};

const ref::Px kWhite{255, 255, 255}, kSilver{192, 192, 192}, kGrey{128, 128, 128};

}  // namespace

TEST_F(CliCompose, NewImagesOfTheStraightStylesMatchTheReference) {
    struct Case {
        std::string args;
        int w, h, style;
        ref::Px c1, c2, bg;
        int cx, cy;
    } cases[] = {
        {"400x300", 400, 300, 1, kWhite, kSilver, kGrey, 200, 150},
        {"400x300,centre=0x0", 400, 300, 1, kWhite, kSilver, kGrey, 0, 0},
        {"401x77,style=horizontal,colour1=#102030,colour2=#F0E0D0,centre=300x70", 401, 77, 2, {16, 32, 48},
         {240, 224, 208}, kGrey, 300, 70},
        {"257x31,style=vertical,colour1=#ff0000,colour2=#00FF7f,background=#000000,centre=250x3", 257, 31, 1,
         {255, 0, 0}, {0, 255, 127}, {0, 0, 0}, 250, 3},
        {"33x500,style=horizontal,colour2=#000001,centre=-40x900", 33, 500, 2, kWhite, {0, 0, 1}, kGrey, -40, 900},
        {"64x48,style=none,background=#123456", 64, 48, 0, kWhite, kSilver, {0x12, 0x34, 0x56}, 32, 24},
        {"50x40,colour1=#808080", 50, 40, 1, kGrey, kSilver, kGrey, 25, 20},  // colour 1 is the background
    };
    for (const Case& c : cases) {
        const ref::Picture got = Apply(rocket, "new:" + c.args);
        const ref::Picture want = ref::StraightGradient(c.w, c.h, c.style, c.c1, c.c2, c.bg, c.cx, c.cy);
        EXPECT_EQ(FirstDifference(got, want), "") << c.args;
    }
    // Centre at column 0 of 400: span 400, so column 0 is colour 1 and 399 one step (0.5) short
    // of colour 2; halves round to even.
    const ref::Picture edge = Apply(rocket, "new:400x2,centre=0x0,colour1=#000000,colour2=#C8C8C8");
    ASSERT_EQ(edge.w, 400);
    EXPECT_EQ(edge.at(0, 0).r, 0);
    EXPECT_EQ(edge.at(1, 0).r, 0);
    EXPECT_EQ(edge.at(3, 0).r, 2);
    EXPECT_EQ(edge.at(5, 1).r, 2);
    EXPECT_EQ(edge.at(399, 1).r, 200);
}

TEST_F(CliCompose, LightenGradientMatchesTheReference) {
    const ref::Picture photo = Decoded(rocket);
    struct Case {
        std::string args;
        int style;
        ref::Px c1, c2, bg;
        int cx, cy;
    } cases[] = {
        {"", 1, kWhite, kSilver, kGrey, 320, 213},
        {":style=none,background=#FFFFFF", 0, kWhite, kSilver, kWhite, 0, 0},
        {":style=horizontal,colour1=#ffe0a0,colour2=#000000,centre=10x400", 2, {255, 224, 160}, {0, 0, 0}, kGrey, 10,
         400},
        {":style=vertical,colour1=#2040ff,colour2=#ff4020,background=#000000,centre=639x0", 1, {32, 64, 255},
         {255, 64, 32}, {0, 0, 0}, 639, 0},
    };
    for (const Case& c : cases) {
        const ref::Picture layer = ref::StraightGradient(photo.w, photo.h, c.style, c.c1, c.c2, c.bg, c.cx, c.cy);
        EXPECT_EQ(FirstDifference(Apply(rocket, "lighten-gradient" + c.args), ref::Lighten(photo, layer)), "") << c.args;
    }
}

TEST_F(CliCompose, MixesMatchTheReference) {
    const ref::Picture photo = Decoded(rocket);  // 640 x 427
    const ref::Picture logo = Logo(150, 90);
    const fs::path logoFile = WriteBmp(logo, "logo.bmp");
    const ref::Picture big = Decoded(hubble);  // 1000 x 872: shrunk by "Width or Height"
    struct Case {
        std::string keys;
        const ref::Picture* source;
        ref::Mix m;
    } cases[] = {
        {"", &logo, ref::Mix{}},
        {",percent=100,resize=zoom", &logo, ref::Mix{0, 100, 0}},
        {",resize=zoom,zoom=170,percent=35", &logo, ref::Mix{0, 35, 0, 170}},
        {",resize=zoom,zoom=10", &logo, ref::Mix{0, 50, 0, 10}},
        {",resize=fit,percent=85", &logo, ref::Mix{0, 85, 1}},
        {",resize=fit-within,mirror=horizontal", &logo, ref::Mix{0, 50, 2, 100, 1}},
        {",mirror=vertical,resize=zoom,zoom=200,move=-300x250", &logo, ref::Mix{0, 50, 0, 200, 2, {}, 1, 0, 0, -300, 250}},
        {",style=masked,mask=#FFFFFF,percent=100", &logo, ref::Mix{1, 100, 2, 100, 0, kWhite, 1}},
        {",style=masked,mask=#ffffff,tolerance=32,percent=70,resize=zoom,zoom=60,move=5x-9", &logo,
         ref::Mix{1, 70, 0, 60, 0, kWhite, 32, 0, 0, 5, -9}},
        {",style=tiles", &logo, ref::Mix{3}},
        {",style=tiles,offset=10x-64,percent=25", &logo, ref::Mix{3, 25, 2, 100, 0, {}, 1, 10, -64}},
        {",style=tiles,offset=64x3,mirror=vertical", &logo, ref::Mix{3, 50, 2, 100, 2, {}, 1, 64, 3}},
        {",percent=5,move=17x1", &big, ref::Mix{0, 5, 2, 100, 0, {}, 1, 0, 0, 17, 1}},
    };
    for (const Case& c : cases) {
        const fs::path file = c.source == &logo ? logoFile : hubble;
        const ref::Picture got = Apply(rocket, "mix:" + Quote(file.string()) + c.keys);
        EXPECT_EQ(FirstDifference(got, ref::MixInto(photo, *c.source, c.m)), "") << c.keys;
    }
    // Two mixes in a row: the second mirror works on the source file afresh.
    const ref::Picture twice = Apply(rocket, "mix:" + Quote(logoFile.string()) + ",mirror=horizontal mix:" +
                                                 Quote(logoFile.string()) + ",mirror=horizontal,style=tiles");
    ref::Mix h;
    h.mirror = 1;
    ref::Mix t = h;
    t.style = 3;
    EXPECT_EQ(FirstDifference(twice, ref::MixInto(ref::MixInto(photo, logo, h), logo, t)), "");
}

TEST_F(CliCompose, MixReadsThePictureByContentAndRefusesWhatIsNone) {
    const ref::Picture photo = Decoded(rocket);
    const ref::Picture logo = Logo(40, 30);
    fs::path misnamed = WriteBmp(logo, "logo.jpg");  // a BMP under a JPEG name
    EXPECT_EQ(FirstDifference(Apply(rocket, "mix:" + Quote(misnamed.string())), ref::MixInto(photo, logo, ref::Mix{})),
              "");
    fs::copy_file(rocket, dir / "photo.bmp");  // a JPEG under a BMP name
    const ref::Picture got = Apply(rocket, "mix:" + Quote((dir / "photo.bmp").string()) + ",percent=100,resize=fit");
    EXPECT_EQ(FirstDifference(got, photo), "");

    WriteBytes(dir / "text.jpg", std::vector<uint8_t>{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'});
    for (const std::string& file : {std::string("text.jpg"), std::string("missing.bmp")}) {
        const Result r = Lumora("apply " + Quote(rocket.string()) + " " + Quote((dir / "o.bmp").string()) + " mix:" +
                                Quote((dir / file).string()));
        EXPECT_EQ(r.status, 1) << file << r.err;
        EXPECT_NE(r.err.find(file), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(dir / "o.bmp"));
    }
}

TEST_F(CliCompose, MistakesAreUsageErrorsNamingTheWord) {
    for (const std::string& word :
         {std::string("new:0x10"), std::string("new:10x8193"), std::string("new:10x10,style=diagonal"),
          std::string("new:10x10,colour1=#12345"), std::string("new"), std::string("lighten-gradient:10x10"),
          std::string("lighten-gradient:centre=3"), std::string("mix"), std::string("mix:a.jpg,style=blend"),
          std::string("mix:a.jpg,percent=101"), std::string("mix:a.jpg,resize=stretch"),
          std::string("mix:a.jpg,offset=0x65"), std::string("mix:a.jpg,tolerance=-1"), std::string("mix:a.jpg,blur=box"),
          std::string("mix:a.jpg,margin=65"), std::string("mix:a.jpg,depth=3"), std::string("copy")}) {
        const Result r = Lumora("apply " + Quote(rocket.string()) + " " + Quote((dir / "o.jpg").string()) + " " +
                                Quote(word));
        EXPECT_EQ(r.status, 2) << word << "\n" << r.err;
        EXPECT_NE(r.err.find(word), std::string::npos) << word << "\n" << r.err;
        EXPECT_FALSE(fs::exists(dir / "o.jpg"));
    }
}

TEST_F(CliCompose, HelpListsTheKeys) {
    const Result r = Lumora("--help");
    ASSERT_EQ(r.status, 0);
    for (const char* part : {"new:WxH", "lighten-gradient", "mix:FILE", "style=none|vertical|horizontal|centred-small|"
                             "centred-big (default vertical)", "colour1=#RRGGBB (default #FFFFFF)",
                             "colour2=#RRGGBB (default #C0C0C0)", "background=#RRGGBB (default #808080)",
                             "centre=AxB (default the middle)", "style=copy|masked|smoothed|tiles (default copy)",
                             "percent=N (default 50)", "resize=zoom|fit|fit-within (default fit-within)",
                             "zoom=N (default 100)", "mirror=none|horizontal|vertical (default none)",
                             "mask=#RRGGBB (default #000000)", "tolerance=N (default 1)",
                             "blur=rectangle|ellipse (default rectangle)", "margin=N (default 16)",
                             "offset=AxB (default 0x0)", "move=AxB (default 0x0)"})
        EXPECT_NE(r.out.find(part), std::string::npos) << part;
    for (const char* desktopOnly : {"paste-new", "mix-clipboard", "text-stamp"})
        EXPECT_EQ(r.out.find(desktopOnly), std::string::npos) << desktopOnly;
}

// The loop the README shows, run as it is written with this build first on the PATH.
TEST_F(CliCompose, TheReadmeWatermarkLoopMarksEveryPhoto) {
    const std::string readme = ReadText(fs::path(LUMORA_TEST_DATA) / ".." / ".." / "README.md");
    const std::regex block("<!-- watermark loop -->\\s*```sh\\n([\\s\\S]*?)```");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(readme, m, block)) << "no watermark loop in the README";
    const std::string loop = m[1].str();

    fs::create_directories(dir / "bin");
    fs::create_symlink(LUMORA_BINARY, dir / "bin" / "lumora");
    fs::create_directories(dir / "photos");
    fs::copy_file(rocket, dir / "photos" / "rocket.jpg");
    fs::copy_file(Photo("astronaut.jpg"), dir / "photos" / "astronaut.jpg");
    const ref::Picture logo = Logo(120, 60);
    WriteBmp(logo, "logo.bmp");
    WriteBytes(dir / "loop.sh", std::vector<uint8_t>(loop.begin(), loop.end()));

    const std::string cmd = "cd " + Quote(dir.path().string()) + " && PATH=" + Quote((dir / "bin").string()) +
                            ":\"$PATH\" timeout -k 5 300 sh loop.sh >loop.out 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << ReadText(dir / "loop.out");
    for (const char* name : {"rocket.jpg", "astronaut.jpg"}) {
        const fs::path marked = dir / "marked" / name;
        ASSERT_TRUE(fs::exists(marked)) << name << "\n" << ReadText(dir / "loop.out");
        const ref::Picture in = Decoded(dir / "photos" / name), out = Decoded(marked);
        ASSERT_EQ(out.w, in.w);
        ASSERT_EQ(out.h, in.h);
        // The mark lands in the middle; a corner is the photo again (within the JPEG's error).
        const ref::Px c0 = in.at(in.w / 2, in.h / 2), c1 = out.at(in.w / 2, in.h / 2);
        EXPECT_GT(std::abs(c0.r - c1.r) + std::abs(c0.g - c1.g) + std::abs(c0.b - c1.b), 30) << name;
        const ref::Px k0 = in.at(3, 3), k1 = out.at(3, 3);
        EXPECT_LE(std::abs(k0.r - k1.r) + std::abs(k0.g - k1.g) + std::abs(k0.b - k1.b), 30) << name;
    }
}
