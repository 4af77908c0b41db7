// SPDX-License-Identifier: GPL-3.0-or-later
// lumora transform: what it writes, what it refuses and its exit codes.
#include <gtest/gtest.h>

#include "CliTestUtil.h"
#include "image/Codec.h"
#include "image/LosslessTurn.h"

using namespace clitest;

// The desktop cache's name for a file: the MD5 of its URI (plain paths in these tests).
std::string ThumbnailName(const fs::path& file) {
    TempDir io;
    const std::string cmd = "printf %s " + Quote("file://" + fs::absolute(file).lexically_normal().string()) +
                            " | md5sum >" + Quote((io / "md5").string());
    return std::system(cmd.c_str()) == 0 ? ReadText(io / "md5").substr(0, 32) + ".png" : "md5sum failed";
}

TEST(CliTransform, WritesTurnsAndRefusesLikeOptimize) {
    TempDir dir;
    const fs::path photos = dir / "photos", out = dir / "out";
    fs::create_directories(out);
    fs::create_directory(photos);
    const std::vector<uint8_t> rocket = ReadBytes(Photo("rocket.jpg"));
    const std::vector<uint8_t> cut(rocket.begin(), rocket.begin() + static_cast<long>(rocket.size() / 2));
    const lum::Image small = lum::DecodeJpeg(rocket.data(), rocket.size());
    const std::vector<uint8_t> bmp = lum::EncodeBmp(small);
    const std::vector<uint8_t> webp = ReadBytes(fs::path(LUMORA_TEST_DATA) / "fuzz/webp/profile_unknown_colour_space.webp");
    struct Case {
        const char* what;
        std::string args;  // after "transform"; {P} is the photo, {O} the output folder
        std::vector<uint8_t> photo;
        int status;
        std::vector<uint8_t> result;  // where it goes; none: nothing written, the photo as it was
        const char* said;             // on stderr
    };
    const Case cases[] = {
        {"to a folder", "-o {O} rotate-ccw {P}", rocket, 0, lum::TurnJpegLossless(rocket, lum::PhotoTurn::RotateCcw).bytes, "-> "},
        {"in place", "--in-place mirror-v {P}", rocket, 0, lum::TurnJpegLossless(rocket, lum::PhotoTurn::MirrorV).bytes, "-> "},
        {"a bitmap", "--in-place rotate-180 {P}", bmp, 0, lum::EncodeBmp(lum::OrientImage(small, 3)), "-> "},
        {"an existing output", "-o {O} rotate-cw {P}", rocket, 1, {}, "already exists"},
        {"a damaged photo", "--in-place rotate-cw {P}", cut, 1, {}, "cannot be turned without loss"},
        {"a format not written", "--in-place rotate-cw {P}", webp, 1, {}, "which Lumora does not write"},
        {"no operation", "--in-place {P}", rocket, 2, {}, "OP is one of rotate-cw, rotate-ccw"},
        {"an unknown operation", "--in-place turn {P}", rocket, 2, {}, "unknown transform 'turn'"},
        {"both outputs", "-o {O} --in-place rotate-cw {P}", rocket, 2, {}, "exactly one of"},
        {"an option of optimize", "--quality 80 --in-place rotate-cw {P}", rocket, 2, {}, "unknown option"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path photo = photos / ("p" + std::to_string(n++));
        WriteBytes(photo, c.photo);
        const fs::path target = c.args.find("{O}") != std::string::npos ? out / photo.filename() : photo;
        if (c.status == 1 && target != photo) WriteBytes(target, {'x'});
        std::string args = c.args;
        args.replace(args.find("{P}"), 3, Quote(photo.string()));
        if (args.find("{O}") != std::string::npos) args.replace(args.find("{O}"), 3, Quote(out.string()));
#ifdef LUMORA_HAS_DESKTOP
        // A desktop thumbnail of the old picture must not outlive a write.
        const fs::path cache = dir / "cache", entry = cache / "thumbnails/normal" / ThumbnailName(target);
        fs::create_directories(entry.parent_path());
        WriteBytes(entry, {'p'});
        const Result r = Lumora("transform " + args, "XDG_CACHE_HOME=" + Quote(cache.string()));
        EXPECT_EQ(fs::exists(entry), c.result.empty()) << "desktop thumbnail";
#else
        const Result r = Lumora("transform " + args);
#endif
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
        EXPECT_EQ(ReadBytes(photo), target == photo && !c.result.empty() ? c.result : c.photo);
        EXPECT_TRUE(target == photo || c.result.empty() || ReadBytes(target) == c.result) << "written";
    }
}
