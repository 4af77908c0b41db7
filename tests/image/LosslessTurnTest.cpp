// SPDX-License-Identifier: GPL-3.0-or-later
// Lossless turns checked against jpegtran's, pixel for pixel, and the metadata with exiftool.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "ExifTestSupport.h"
#include "ImageTestSupport.h"
#include "image/LosslessTurn.h"

using namespace lum;
using namespace codec_test;
using namespace imagetest;
namespace fs = std::filesystem;

namespace {

// jpegtran's words for each transform an EXIF orientation value names.
const char* const kJpegtran[9] = {"",           "",          "-flip horizontal", "-rotate 180", "-flip vertical",
                                  "-transpose", "-rotate 90", "-transverse",     "-rotate 270"};

Bytes Jpeg(int w, int h, int sampling) {
    const Image img = RandomImage(w, h, uint32_t(w * 31 + h));
    Bytes rgb(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c) rgb[(size_t(y) * w + x) * 3 + c] = img.row(y)[x * 3 + 2 - c];
    return EncodeRaw(rgb, w, h, 3, JCS_RGB, [sampling](jpeg_compress_struct& c) {
        c.comp_info[0].h_samp_factor = c.comp_info[0].v_samp_factor = sampling;
    });
}

Image Stored(const Bytes& jpeg) {
    DecodeOptions asStored;
    asStored.applyExifOrientation = false;
    return DecodeJpeg(jpeg.data(), jpeg.size(), nullptr, asStored);
}

struct Scratch {
    fs::path dir = fs::temp_directory_path() / ("lumora-turn-" + std::to_string(getpid()));
    Scratch() { fs::create_directories(dir); }
    ~Scratch() { fs::remove_all(dir); }
    std::string put(const std::string& name, const Bytes& b) {
        const std::string p = (dir / name).string();
        WriteFileAtomic(p, b);
        return p;
    }
};

}  // namespace

TEST(LosslessTurn, PixelsMatchJpegtranAndTurnsUndo) {
    if (std::system("jpegtran -version >/dev/null 2>&1") != 0) GTEST_SKIP() << "jpegtran is not installed";
    struct Case {
        const char* what;
        Bytes photo;
        int stored;       // its EXIF orientation
        PhotoTurn turn;
        PhotoTurn undo;
    };
    std::vector<Case> cases;
    using T = PhotoTurn;  // each with its inverse
    const std::pair<T, T> turns[] = {{T::RotateCw, T::RotateCcw}, {T::RotateCcw, T::RotateCw},
                                     {T::Rotate180, T::Rotate180}, {T::MirrorH, T::MirrorH}, {T::MirrorV, T::MirrorV}};
    for (int sampling : {2, 1})
        for (auto [w, h] : {std::pair{64, 48}, std::pair{61, 45}})
            for (auto [turn, undo] : turns) cases.push_back({sampling == 2 ? "4:2:0" : "4:4:4", Jpeg(w, h, sampling), 1, turn, undo});
    for (int o = 1; o <= 8; ++o)
        for (PhotoTurn t : {PhotoTurn::Upright, PhotoTurn::RotateCw}) {
            Bytes camera = ReadFileBytes(DataPath("camera/camera_o" + std::to_string(o) + ".jpg"));
            cases.push_back({"camera", camera, o, t, t == PhotoTurn::Upright ? t : PhotoTurn::RotateCcw});
        }
    Scratch s;
    for (const Case& c : cases) {
        const Image before = Stored(c.photo);
        const int transform = ComposeOrientation(c.stored, TransformOf(c.turn));
        SCOPED_TRACE(std::string(c.what) + " " + std::to_string(before.width()) + "x" + std::to_string(before.height()) +
                     " transform " + std::to_string(transform));
        const TurnedPhoto t = TurnJpegLossless(c.photo, c.turn);
        EXPECT_EQ(t.unchanged, transform == 1 && c.stored == 1);
        const std::string src = s.put("src.jpg", c.photo), ref = (s.dir / "ref.jpg").string();
        const std::string how = t.trimmed() ? " -trim " : " -perfect ";
        ASSERT_EQ(std::system(("jpegtran" + how + kJpegtran[transform] + " -outfile " + ref + " " + src).c_str()), 0);
        const Image mine = Stored(t.bytes), theirs = Stored(ReadFileBytes(ref));
        EXPECT_EQ(FirstDifference(mine, theirs), "none");
        const bool swap = transform >= 5;
        EXPECT_EQ(mine.width(), (swap ? before.height() : before.width()) - (swap ? t.trimmedRows : t.trimmedColumns));
        if (t.trimmed() || c.stored != 1) continue;
        // Nothing was cut: the inverse turn gives the original's pixels back.
        EXPECT_EQ(FirstDifference(Stored(TurnJpegLossless(t.bytes, c.undo).bytes), before), "none") << "undone";
    }
}

TEST(LosslessTurn, CameraMetadataKeptAndOrientationReset) {
    if (!HaveExiftool()) GTEST_SKIP() << "exiftool is not installed";
    Scratch s;
    const std::string kept = " -s3 -Make -Model -DateTimeOriginal -ExposureTime -MakerNoteVersion ";
    for (int o = 1; o <= 8; ++o) {
        const std::string name = "camera_o" + std::to_string(o) + ".jpg";
        SCOPED_TRACE(name);
        const std::string original = DataPath("camera/" + name);
        const TurnedPhoto t = TurnJpegLossless(ReadFileBytes(original), PhotoTurn::RotateCw);
        const std::string written = s.put(name, t.bytes);
        for (const std::string& line : NewValidateWarnings(original, written)) ADD_FAILURE() << "new: " << line;
        EXPECT_EQ(Lines("exiftool" + kept + ShellQuote(written)), Lines("exiftool" + kept + ShellQuote(original)));
        for (const std::string& v : Lines("exiftool -n -a -s3 -Orientation " + ShellQuote(written))) EXPECT_EQ(v, "1");
        // The thumbnail and the recorded size follow the picture.
        const Image picture = Stored(t.bytes);
        PictureMetadata meta;
        DecodeJpeg(t.bytes.data(), t.bytes.size(), &meta);
        const Bytes thumbnail = ExifRead(ExifOf(meta)).thumbnail();
        ASSERT_FALSE(thumbnail.empty());
        const Image small = Stored(thumbnail);
        EXPECT_EQ(small.width() > small.height(), picture.width() > picture.height());
        EXPECT_EQ(Lines("exiftool -n -s3 -ExifImageWidth " + ShellQuote(written)),
                  std::vector<std::string>{std::to_string(picture.width())});
    }
}
