// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged and hostile JPEG files: what the decoder reports, where it stops, and the notice the
// user reads.
#include <cstring>
#include <string>
#include <vector>

#include "CodecTestSupport.h"
#include "image/PhotoNotice.h"

extern "C" {
#include <jerror.h>
}

using namespace lum;
using namespace codec_test;

namespace {

struct Decoded {
    Image img;
    DecodeReport report;
};

Decoded Decode(const std::vector<uint8_t>& j) {
    Decoded d;
    d.img = DecodeJpeg(j.data(), j.size(), nullptr, {}, &d.report);
    return d;
}

size_t ScanStart(const std::vector<uint8_t>& j) {
    size_t sos = FindMarker(j, 0xDA);
    EXPECT_NE(sos, std::string::npos);
    return sos + 2 + (size_t(j[sos + 2]) << 8 | j[sos + 3]);
}

void SetFrameSize(std::vector<uint8_t>& j, int marker, int w, int h) {
    size_t at = FindMarker(j, marker);
    ASSERT_NE(at, std::string::npos);
    j[at + 5] = uint8_t(h >> 8), j[at + 6] = uint8_t(h);
    j[at + 7] = uint8_t(w >> 8), j[at + 8] = uint8_t(w);
}

bool RowIsGrey(const Image& img, int y) {
    for (int i = 0; i < img.width() * 3; ++i)
        if (img.row(y)[i] != 128) return false;
    return true;
}

std::vector<uint8_t> Photo() { return ReadFileBytes(DataPath("photos/rocket.jpg")); }

}  // namespace

TEST(CodecDamage, SoundPhotosReportNothing) {
    for (const char* name : {"photos/rocket.jpg", "photos/astronaut.jpg", "photos/hubble_deep_field.jpg",
                             "codec/cmyk_ycck_adobe.jpg", "camera/camera_o6.jpg"}) {
        LoadedPicture pic = LoadPicture(DataPath(name));
        EXPECT_FALSE(pic.report.damaged()) << name << ": " << pic.report.warnings.at(0);
    }
    // Progressive files are read to their end before the first row.
    std::vector<uint8_t> prog = EncodeJpeg(Gradient(64, 48), {90, true, nullptr});
    EXPECT_FALSE(Decode(prog).report.damaged());
}

TEST(CodecDamage, TruncatedPhotoSaysSoAndKeepsWhatWasThere) {
    const std::vector<uint8_t> whole = Photo();
    const Image full = DecodeJpeg(whole.data(), whole.size());
    const size_t scan = ScanStart(whole);
    std::vector<uint8_t> cut(whole.begin(), whole.begin() + scan + (whole.size() - scan) / 2);
    Decoded d = Decode(cut);
    ASSERT_EQ(d.report.warnings.size(), 2u);
    EXPECT_EQ(d.report.warnings[0], "Premature end of JPEG file");
    EXPECT_EQ(d.report.warnings[1], "Corrupt JPEG data: premature end of data segment");
    EXPECT_EQ(d.report.kind, DamageKind::EndsEarly);
    ASSERT_EQ(d.img.width(), 640);
    ASSERT_EQ(d.img.height(), 427);
    // The decoded rows are the photo's own; decoding stopped where the data ended and the rest
    // is the grey a decoder makes of missing blocks.
    for (int y = 0; y < 100; ++y) ASSERT_EQ(std::memcmp(d.img.row(y), full.row(y), 640 * 3), 0) << y;
    for (int y = 300; y < 427; ++y) ASSERT_TRUE(RowIsGrey(d.img, y)) << y;
    EXPECT_FALSE(RowIsGrey(d.img, 150));

    // Progressive, cut in a later scan: the whole picture shows, coarser than it should.
    std::vector<uint8_t> prog = EncodeJpeg(full, {90, true, nullptr});
    prog.resize(prog.size() * 2 / 3);
    Decoded p = Decode(prog);
    ASSERT_TRUE(p.report.damaged());
    EXPECT_EQ(p.report.kind, DamageKind::EndsEarlyCoarse);
    EXPECT_FALSE(RowIsGrey(p.img, 426));
    EXPECT_GT(Psnr(p.img, full), 20.0);
}

TEST(CodecDamage, EndMarkerMissingAloneIsNoDamage) {
    std::vector<uint8_t> j = Photo();
    const Image full = DecodeJpeg(j.data(), j.size());
    j.resize(j.size() - 2);
    Decoded d = Decode(j);
    EXPECT_FALSE(d.report.damaged()) << d.report.warnings.at(0);
    EXPECT_EQ(d.img, full);
    // Likewise for a progressive file, whose scans are all read first.
    std::vector<uint8_t> prog = EncodeJpeg(Gradient(40, 40), {90, true, nullptr});
    prog.resize(prog.size() - 2);
    EXPECT_FALSE(Decode(prog).report.damaged());
}

TEST(CodecDamage, DataLeftUnusedBeforeTheEndIsDamage) {
    // A flipped bit that makes the decoder finish early, found by reading on to the end marker.
    std::vector<uint8_t> j = Photo();
    j[1227] ^= 0x02;
    Decoded d = Decode(j);
    ASSERT_EQ(d.report.warnings.size(), 1u);
    EXPECT_EQ(d.report.warnings[0], "Corrupt JPEG data: 64 extraneous bytes before marker 0xd9");
    EXPECT_EQ(d.report.kind, DamageKind::Corrupt);

    // Junk that looks like another scan after a complete single-scan picture: the picture
    // is whole, the file is not.
    Image src = Gradient(24, 24);
    std::vector<uint8_t> g = EncodeJpeg(src);
    const Image clean = DecodeJpeg(g.data(), g.size());
    const uint8_t junk[] = {0xFF, 0xDA, 0x00, 0x02, 0x12, 0x34, 0xFF, 0xC4};
    g.insert(g.end() - 2, std::begin(junk), std::end(junk));
    Decoded withJunk = Decode(g);
    EXPECT_EQ(withJunk.img, clean);
    EXPECT_EQ(withJunk.report.warnings, std::vector<std::string>{"Bogus marker length"});
}

TEST(CodecDamage, CorruptDataIsReportedOnceInTheLibrarysWords) {
    // A marker that has no business in the data: the decoder fills the rest of the scan.
    std::vector<uint8_t> j = Photo();
    const size_t scan = ScanStart(j);
    j[scan + 5000] = 0xFF;
    j[scan + 5001] = 0xC4;
    Decoded d = Decode(j);
    ASSERT_FALSE(d.report.warnings.empty());
    EXPECT_EQ(d.report.warnings[0], "Corrupt JPEG data: premature end of data segment");
    EXPECT_EQ(d.report.kind, DamageKind::BreaksOff);
    EXPECT_TRUE(RowIsGrey(d.img, 426));

    // Each kind of damage met hundreds of times (here over a hundred warnings) is listed once.
    std::vector<uint8_t> prog = EncodeJpeg(Gradient(32, 32), {90, true, nullptr});
    size_t last = std::string::npos;
    for (size_t i = 2; i + 1 < prog.size(); ++i)
        if (prog[i] == 0xFF && prog[i + 1] == 0xDA) last = i;
    std::vector<uint8_t> scanCopy(prog.begin() + last, prog.end() - 2);
    for (int i = 0; i < 2; ++i) prog.insert(prog.end() - 2, scanCopy.begin(), scanCopy.end());
    Decoded repeated = Decode(prog);
    const std::vector<std::string>& w = repeated.report.warnings;
    ASSERT_FALSE(w.empty());
    EXPECT_LE(w.size(), 3u);
    EXPECT_EQ(w[0].rfind("Inconsistent progression sequence", 0), 0u) << w[0];
    EXPECT_EQ(repeated.report.kind, DamageKind::Corrupt);
    for (size_t a = 0; a < w.size(); ++a)
        for (size_t b = a + 1; b < w.size(); ++b) EXPECT_NE(w[a], w[b]);
}

TEST(CodecDamage, DecodingGoesOnAfterARestartMarker) {
    // Restart markers let the decoder pick up again: damage in one interval is no end of data.
    const int w = 64, h = 64;
    std::vector<uint8_t> samples(size_t(w) * h * 3);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = uint8_t((i / 3) % 64 * 4);
    std::vector<uint8_t> j = EncodeRaw(samples, w, h, 3, JCS_RGB, [](jpeg_compress_struct& c) {
        c.restart_in_rows = 1;
    });
    // Cut the data of the first interval short: everything up to its restart marker goes.
    const size_t scan = ScanStart(j);
    size_t rst = scan;
    while (!(j[rst] == 0xFF && j[rst + 1] == 0xD0)) ++rst;
    j.erase(j.begin() + scan + 2, j.begin() + rst);
    Decoded d = Decode(j);
    ASSERT_FALSE(d.report.warnings.empty());
    EXPECT_EQ(d.report.warnings[0], "Corrupt JPEG data: premature end of data segment");
    EXPECT_FALSE(RowIsGrey(d.img, h - 1));  // the last interval still decoded
    EXPECT_EQ(d.report.kind, DamageKind::Corrupt);
}

TEST(CodecDamage, FileFarTooShortForItsSizeIsRefusedOrDamaged) {
    // A few hundred bytes claiming 4000 x 3000 pixels, sequential and progressive: no real picture
    // of that size fits in them, so none is made.
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "sequential");
        std::vector<uint8_t> j = EncodeJpeg(Gradient(32, 32), {75, progressive, nullptr});
        SetFrameSize(j, progressive ? 0xC2 : 0xC0, 4000, 3000);
        try {
            Decode(j);
            ADD_FAILURE() << "decoded";
        } catch (const CodecError& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.rfind("The file is far too short to hold its 4000 x 3000 pixels (", 0), 0u) << what;
            EXPECT_EQ(what.substr(what.size() - 23), " bytes of picture data)") << what;
        }
    }
    // The photo cut to a fiftieth of its picture data: short of what even a flat picture needs,
    // but a real top part; it opens, damaged, with that top part.
    std::vector<uint8_t> cut = Photo();
    const Image full = DecodeJpeg(cut.data(), cut.size());
    const size_t scan = ScanStart(cut);
    cut.resize(scan + (cut.size() - scan) / 50);
    Decoded d = Decode(cut);
    ASSERT_EQ(d.report.warnings.size(), 3u);
    EXPECT_EQ(d.report.warnings[0].rfind("The file is far too short for its 640 x 427 pixels (", 0), 0u);
    EXPECT_EQ(d.report.kind, DamageKind::EndsEarly);
    for (int y = 0; y < 8; ++y) EXPECT_EQ(std::memcmp(d.img.row(y), full.row(y), 640 * 3), 0) << y;
    EXPECT_TRUE(RowIsGrey(d.img, 426));
    // A flat picture codes in very few bytes, yet never fewer than its blocks need: no false alarm.
    std::vector<uint8_t> flat = EncodeRaw(std::vector<uint8_t>(size_t(256) * 256, 128), 256, 256, 1, JCS_GRAYSCALE);
    EXPECT_FALSE(Decode(flat).report.damaged());
}

TEST(CodecDamage, HarmlessWarningsAreNoDamage) {
    std::vector<uint8_t> j = EncodeJpeg(Gradient(16, 16));
    size_t app0 = FindMarker(j, 0xE0);
    ASSERT_NE(app0, std::string::npos);
    j[app0 + 9] = 2;  // JFIF major version 2: the library only wonders
    EXPECT_FALSE(Decode(j).report.damaged());
}

TEST(CodecDamage, LoadPictureCarriesTheReport) {
    std::vector<uint8_t> j = Photo();
    j.resize(j.size() / 2);
    LoadedPicture pic = LoadPictureFromMemory(j.data(), j.size());
    EXPECT_TRUE(pic.report.damaged());
    std::vector<uint8_t> bmp = EncodeBmp(Gradient(4, 4));
    EXPECT_FALSE(LoadPictureFromMemory(bmp.data(), bmp.size()).report.damaged());
}

TEST(CodecDamage, NoticesNameTheFileAndSayWhatHappened) {
    PhotoNotice sound = NoticeForLoad("a.jpg", {});
    EXPECT_EQ(sound.state, PhotoState::Sound);
    EXPECT_TRUE(sound.text.empty());
    EXPECT_TRUE(sound.opened());
    EXPECT_TRUE(sound.mayReplaceOriginal());

    DecodeReport damage;
    damage.warnings = {"Premature end of JPEG file", "Corrupt JPEG data: premature end of data segment"};
    PhotoNotice damaged = NoticeForLoad("/photos/b.jpg", damage);
    EXPECT_EQ(damaged.state, PhotoState::Damaged);
    damage.kind = DamageKind::EndsEarly;
    PhotoNotice cut = NoticeForLoad("/photos/b.jpg", damage);
    EXPECT_EQ(cut.text, "/photos/b.jpg is damaged: the lower part of the picture is missing (the file ends early). "
                        "The decoder said: Premature end of JPEG file; Corrupt JPEG data: premature end of data segment");
    EXPECT_EQ(cut.damage, DamageKind::EndsEarly);
    EXPECT_EQ(cut.decoderWords, "Premature end of JPEG file; Corrupt JPEG data: premature end of data segment");
    EXPECT_EQ(RefusalToReplace(cut), cut.text + " (left as it was)");
    // Each kind in plain words.
    const std::pair<DamageKind, std::string> meanings[] = {
        {DamageKind::BreaksOff, "the lower part of the picture is missing (its data breaks off)"},
        {DamageKind::EndsEarlyCoarse, "parts of the picture are blurred or missing (the file ends early)"},
        {DamageKind::Corrupt, "parts of the picture may be wrong (its data is corrupt)"},
        {DamageKind::None, "parts of the picture may be wrong or missing"}};
    for (const auto& [kind, words] : meanings) {
        damage.kind = kind;
        EXPECT_EQ(NoticeForLoad("b.jpg", damage).text, "b.jpg is damaged: " + words + ". The decoder said: " +
                                                            cut.decoderWords);
    }
    EXPECT_TRUE(damaged.opened());
    EXPECT_FALSE(damaged.mayReplaceOriginal());

    PhotoNotice jpeg = NoticeForFailure("c.jpg", JpegError(22, "Quantization table 0x00 was not defined"));
    EXPECT_EQ(jpeg.state, PhotoState::Unreadable);
    EXPECT_EQ(jpeg.text, "JPEG error #22 in c.jpg: Quantization table 0x00 was not defined");
    EXPECT_FALSE(jpeg.opened());
    EXPECT_FALSE(jpeg.mayReplaceOriginal());

    EXPECT_EQ(NoticeForFailure("d.jpg", CodecError("Unknown picture format")).text, "d.jpg: Unknown picture format");
    // A message that names the file already is not told twice.
    EXPECT_EQ(NoticeForFailure("e.jpg", CodecError("Cannot open \"e.jpg\": No such file or directory")).text,
              "Cannot open \"e.jpg\": No such file or directory");
    EXPECT_EQ(NoticeForFailure("f.jpg", std::bad_alloc()).text, "f.jpg: Not enough memory");
}

TEST(CodecDamage, ADecoderFailureNoticeCarriesTheLibrarysText) {
    // Quantization tables removed: the library's own words reach the user.
    std::vector<uint8_t> j = EncodeJpeg(Gradient(16, 16));
    size_t dqt;
    while ((dqt = FindMarker(j, 0xDB)) != std::string::npos)
        j.erase(j.begin() + dqt, j.begin() + dqt + 2 + (size_t(j[dqt + 2]) << 8 | j[dqt + 3]));
    try {
        LoadPictureFromMemory(j.data(), j.size());
        FAIL() << "decoded";
    } catch (const std::exception& e) {
        EXPECT_EQ(NoticeForFailure("g.jpg", e).text, "JPEG error #" + std::to_string(JERR_NO_QUANT_TABLE) +
                                                         " in g.jpg: Quantization table 0x00 was not defined");
    }
}
