// SPDX-License-Identifier: GPL-3.0-or-later
// Copies to share: the long edge, the personal tags gone (or kept on request), the other EXIF
// and XMP kept, a taken name numbered, and the pixels as close to vips' Lanczos-3 as a good filter gets.
#include <cctype>
#include <cmath>
#include <cstdio>

#include "CliTestUtil.h"
#include "image/Codec.h"

using namespace clitest;

namespace {

bool Have(const char* tool) { return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0; }

std::string Tags(const fs::path& p) {
    TempDir t;
    std::system(("exiftool -S -a -G1 " + Quote(p.string()) + " >" + Quote((t / "tags").string())).c_str());
    return ReadText(t / "tags");
}

// Binary PPM both ways: the reference goes through vips from the picture as decoded here (sRGB).
void WritePpm(const fs::path& p, const lum::Image& img) {
    std::string s = "P6\n" + std::to_string(img.width()) + " " + std::to_string(img.height()) + "\n255\n";
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const uint8_t* q = img.pixel(x, y);
            s += {char(q[2]), char(q[1]), char(q[0])};
        }
    WriteBytes(p, std::vector<uint8_t>(s.begin(), s.end()));
}

lum::Image ReadPpm(const fs::path& p) {
    const std::string s = ReadText(p);
    size_t at = 2;
    int v[3] = {};
    for (int& n : v) {  // width, height, maximum; vips puts a comment before them
        while (at < s.size() && (std::isspace(uint8_t(s[at])) || s[at] == '#'))
            at = s[at] == '#' ? s.find('\n', at) : at + 1;
        n = std::atoi(s.c_str() + at);
        at = s.find_first_not_of("0123456789", at);
    }
    lum::Image img(v[0], v[1]);
    const unsigned char* d = reinterpret_cast<const unsigned char*>(s.data()) + at + 1;
    if (s.compare(0, 2, "P6") != 0 || s.size() < at + 1 + 3 * size_t(v[0]) * v[1]) return {};
    for (int y = 0; y < v[1]; ++y)
        for (int x = 0; x < v[0]; ++x, d += 3) img.setPixel(x, y, d[0], d[1], d[2]);
    return img;
}

double Psnr(const lum::Image& a, const lum::Image& b) {
    double se = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int i = 0; i < 3 * a.width(); ++i) se += std::pow(double(a.row(y)[i]) - b.row(y)[i], 2);
    return 10 * std::log10(255.0 * 255.0 * 3 * a.width() * a.height() / std::max(se, 1e-9));
}

}  // namespace

TEST(CliExport, CopiesAreSmallerWithoutPersonalDetailsAndCloseToLanczos) {
    if (!Have("exiftool")) GTEST_SKIP() << "exiftool is not installed";
    struct Case {
        const char* photo;
        int longEdge;
        bool keep;
        int width, height;
    };
    const Case cases[] = {
        {"astronaut.jpg", 400, false, 400, 400},
        {"hubble_deep_field.jpg", 640, false, 640, 558},
        {"rocket.jpg", 480, true, 480, 320},  // an Adobe RGB photo, its details kept on request
    };
    const char* personal[] = {"GPSLatitude", "SerialNumber", "LensSerialNumber", "OwnerName", "Artist", "City",
                              "Creator", "Owner", "Location", "LocationShownCity"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.photo);
        TempDir dir;
        const fs::path photo = dir / c.photo, out = dir / "out";
        fs::copy_file(Photo(c.photo), photo);
        ASSERT_EQ(0, std::system(("exiftool -q -overwrite_original -GPSLatitude=48.85 -GPSLatitudeRef=N "
                                  "-GPSLongitude=2.35 -GPSLongitudeRef=E -SerialNumber=SN123 -LensSerialNumber=LS456 "
                                  "-OwnerName=Jane -Artist=Jane -Make=Canon -ExposureTime=1/125 -XMP:City=Paris "
                                  "-ExifImageWidth=9 -ExifImageHeight=9 -XMP-dc:Creator=Jane -XMP-xmpRights:Owner=Jane "
                                  "-XMP-iptcCore:Location=Home -XMP-iptcExt:LocationShownCity=Lyon -XMP-xmp:Rating=4 "
                                  "-XMP-dc:Title=Holiday " + Quote(photo.string())).c_str()));
        const std::vector<uint8_t> original = ReadBytes(photo);
        const std::string args = "export --long-edge " + std::to_string(c.longEdge) + (c.keep ? " --keep-details" : "") +
                                 " -o " + Quote(out.string()) + " " + Quote(photo.string());
        ASSERT_EQ(0, Lumora(args).status);
        const Result again = Lumora(args);  // the first copy stays, the second is numbered
        EXPECT_EQ(0, again.status) << again.err;
        const fs::path copy = out / c.photo;
        EXPECT_EQ((std::set<std::string>{c.photo, fs::path(c.photo).stem().string() + " (2).jpg"}), Names(out));
        EXPECT_EQ(original, ReadBytes(photo));

        const lum::LoadedPicture pic = lum::LoadPicture(copy.string());
        EXPECT_EQ(c.width, pic.image.width());
        EXPECT_EQ(c.height, pic.image.height());
        const std::string tags = Tags(copy);
        for (const char* tag : personal) EXPECT_EQ(c.keep, tags.find(" " + std::string(tag) + ":") != std::string::npos) << tag;
        for (const std::string& kept : {std::string("Make: Canon"), std::string("ExposureTime: 1/125"),
                                        "ExifImageWidth: " + std::to_string(c.width), std::string("Rating: 4"), std::string("Title: Holiday")})
            EXPECT_NE(std::string::npos, tags.find(kept)) << kept;

        if (!Have("vips")) continue;
        WritePpm(dir / "in.ppm", lum::LoadPicture(photo.string()).image);
        const lum::Image source = ReadPpm(dir / "in.ppm");
        char scales[96];
        std::snprintf(scales, sizeof scales, "%.9f --vscale %.9f", double(c.width) / source.width(),
                      double(c.height) / source.height());
        ASSERT_EQ(0, std::system(("vips resize " + Quote((dir / "in.ppm").string()) + " " + Quote((dir / "ref.ppm").string()) +
                                  " " + scales + " --kernel lanczos3").c_str()));
        const lum::Image ref = ReadPpm(dir / "ref.ppm");
        ASSERT_EQ(ref.width(), c.width);
        ASSERT_EQ(ref.height(), c.height);
        EXPECT_GE(Psnr(pic.image, ref), 35.0);
    }
}
