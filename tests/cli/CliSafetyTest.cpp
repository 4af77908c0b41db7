// SPDX-License-Identifier: GPL-3.0-or-later
// The command line never launders a damaged photo, refuses bombs in one line without their
// memory, keeps the print size, writes every valid name and writes through links.
#include <sys/resource.h>

#include <gtest/gtest.h>

#include "CliTestUtil.h"

using namespace clitest;

namespace {

// Offset of the first marker m in the header part of a JPEG, or npos.
size_t Marker(const std::vector<uint8_t>& j, int m) {
    for (size_t i = 2; i + 4 <= j.size() && j[i] == 0xFF;) {
        if (j[i + 1] == m) return i;
        if (j[i + 1] == 0xDA) break;
        i += 2 + (size_t(j[i + 2]) << 8 | j[i + 3]);
    }
    return std::string::npos;
}

struct Density {
    int unit, x, y;
    bool operator==(const Density& o) const { return unit == o.unit && x == o.x && y == o.y; }
};
std::ostream& operator<<(std::ostream& os, const Density& d) {
    return os << "unit " << d.unit << ", " << d.x << " x " << d.y;
}

// The density of a JFIF header as the format lays it out, read without the program's decoder.
Density JfifDensity(const std::vector<uint8_t>& j) {
    const size_t at = Marker(j, 0xE0);
    if (at == std::string::npos || j.size() < at + 18 || std::string(j.begin() + long(at) + 4, j.begin() + long(at) + 9) !=
                                                              std::string("JFIF\0", 5))
        return {-1, 0, 0};
    return {j[at + 11], j[at + 12] << 8 | j[at + 13], j[at + 14] << 8 | j[at + 15]};
}

void SetJfifDensity(std::vector<uint8_t>& j, Density d) {
    const size_t at = Marker(j, 0xE0);
    ASSERT_NE(at, std::string::npos);
    j[at + 11] = uint8_t(d.unit);
    j[at + 12] = uint8_t(d.x >> 8), j[at + 13] = uint8_t(d.x);
    j[at + 14] = uint8_t(d.y >> 8), j[at + 15] = uint8_t(d.y);
}

// Horizontal and vertical pixels per metre of a BMP file.
std::pair<uint32_t, uint32_t> BmpPerMetre(const std::vector<uint8_t>& b) {
    auto u32 = [&](size_t at) { return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24; };
    return {u32(38), u32(42)};
}

// Peak memory of the largest program this test has run so far, in megabytes.
long ChildrenPeakMb() {
    rusage ru{};
    getrusage(RUSAGE_CHILDREN, &ru);
    return ru.ru_maxrss / 1024;
}

class CliSafety : public ::testing::Test {
protected:
    TempDir dir;
    std::string In() const { return "cd " + Quote(dir.path().string()) + " &&"; }
    std::vector<uint8_t> Half() {
        std::vector<uint8_t> half = ReadBytes(Photo("rocket.jpg"));
        half.resize(half.size() / 2);
        return half;
    }
};

}  // namespace

TEST_F(CliSafety, DamagedPhotoIsNeverWrittenOverItselfByAnyPath) {
    const std::vector<uint8_t> half = Half();
    WriteBytes(dir / "half.jpg", half);
    fs::create_symlink("half.jpg", dir / "link.jpg");
    fs::create_hard_link(dir / "half.jpg", dir / "hard.jpg");
    fs::create_directory(dir / "sub");
    const std::string abs = Quote((dir / "half.jpg").string());
    for (const std::string& words : std::vector<std::string>{
             "apply half.jpg half.jpg", "apply half.jpg ./half.jpg grey", "apply half.jpg sub/../half.jpg",
          "apply half.jpg link.jpg", "apply link.jpg half.jpg", "apply hard.jpg half.jpg", "apply half.jpg " + abs,
          "optimize -o . --overwrite half.jpg", "optimize --overwrite -o sub/.. half.jpg",
          "optimize --overwrite -o . link.jpg", "optimize --in-place hard.jpg"}) {
        SCOPED_TRACE(words);
        const Result r = Lumora(words, In());
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(Lines(r.err), 1) << r.err;
        EXPECT_NE(r.err.find(".jpg is damaged: the lower part of the picture is missing (the file ends early). "
                             "The decoder said: "),
                  std::string::npos)
            << r.err;
        EXPECT_NE(r.err.find(" (left as it was)\n"), std::string::npos) << r.err;
        EXPECT_EQ(ReadBytes(dir / "half.jpg"), half);
        EXPECT_TRUE(fs::is_symlink(dir / "link.jpg"));
    }
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"half.jpg", "hard.jpg", "link.jpg", "sub"}));

    // Corrupt data in a photo of full length (a marker in the middle of its picture data).
    std::vector<uint8_t> corrupt = ReadBytes(Photo("rocket.jpg"));
    const size_t scan = Marker(corrupt, 0xDA);
    ASSERT_NE(scan, std::string::npos);
    corrupt[scan + 5000] = 0xFF, corrupt[scan + 5001] = 0xC4;
    WriteBytes(dir / "corrupt.jpg", corrupt);
    for (const char* words : {"apply corrupt.jpg corrupt.jpg grey", "optimize --in-place corrupt.jpg"}) {
        SCOPED_TRACE(words);
        const Result r = Lumora(words, In());
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(Lines(r.err), 1) << r.err;
        EXPECT_NE(r.err.find("corrupt.jpg is damaged: the lower part of the picture is missing (its data breaks "
                             "off). The decoder said: Corrupt JPEG data"),
                  std::string::npos)
            << r.err;
        EXPECT_EQ(ReadBytes(dir / "corrupt.jpg"), corrupt);
    }
    fs::remove(dir / "corrupt.jpg");

    // Another file gets what could be decoded, with the warning; a sound photo may be replaced.
    Result copy = Lumora("apply half.jpg copy.jpg", In());
    EXPECT_EQ(copy.status, 0) << copy.err;
    EXPECT_EQ(copy.err.rfind("lumora: warning: half.jpg is damaged: ", 0), 0u) << copy.err;
    EXPECT_TRUE(fs::exists(dir / "copy.jpg"));
    fs::copy_file(Photo("rocket.jpg"), dir / "sound.jpg");
    Result sound = Lumora("apply sound.jpg ./sound.jpg grey", In());
    EXPECT_EQ(sound.status, 0) << sound.err;
    EXPECT_NE(ReadBytes(dir / "sound.jpg"), ReadBytes(Photo("rocket.jpg")));
}

TEST_F(CliSafety, BombIsRefusedInOneLineWithoutItsMemory) {
    // The real picture data of a photo under a frame header claiming 15000 x 15000 pixels:
    // under the pixel limit, but far less than a byte for every 2,000 pixels.
    std::vector<uint8_t> bomb = ReadBytes(Photo("rocket.jpg"));
    const size_t sof = Marker(bomb, 0xC0);
    ASSERT_NE(sof, std::string::npos);
    bomb[sof + 5] = 15000 >> 8, bomb[sof + 6] = 15000 & 0xFF, bomb[sof + 7] = 15000 >> 8, bomb[sof + 8] = 15000 & 0xFF;
    WriteBytes(dir / "bomb.jpg", bomb);

    const Result apply = Lumora("apply bomb.jpg out.bmp", In());
    EXPECT_EQ(apply.status, 1);
    EXPECT_EQ(apply.err.rfind("lumora: bomb.jpg: The file is far too short to hold its 15000 x 15000 pixels (", 0), 0u)
        << apply.err;
    EXPECT_EQ(Lines(apply.err), 1) << apply.err;
    const Result batch = Lumora("optimize -o out bomb.jpg", In());
    EXPECT_EQ(batch.status, 1);
    EXPECT_EQ(batch.err.rfind("[1/1] bomb.jpg failed: bomb.jpg: The file is far too short to hold its 15000 x 15000 pixels", 0),
              0u)
        << batch.err;
    // Decoded, the picture alone would take 675 MB.
    EXPECT_LT(ChildrenPeakMb(), 200);
    EXPECT_FALSE(fs::exists(dir / "out.bmp"));
    EXPECT_FALSE(fs::exists(dir / "out/bomb.jpg"));
}

TEST_F(CliSafety, EveryWriteKeepsThePrintSize) {
    // A photo of 28 pixels per centimetre with no EXIF block.
    std::vector<uint8_t> cm = ReadBytes(Photo("rocket.jpg"));
    SetJfifDensity(cm, {2, 28, 28});
    WriteBytes(dir / "cm.jpg", cm);
    const Density perCm{2, 28, 28};
    for (const std::string& words : std::vector<std::string>{"apply cm.jpg o.jpg", "apply cm.jpg o.jpg grey --strip",
                                    "apply cm.jpg o.jpg --progressive rotate:30", "optimize -o out cm.jpg"}) {
        SCOPED_TRACE(words);
        fs::remove(dir / "o.jpg");
        ASSERT_EQ(Lumora(words, In()).status, 0);
        const fs::path written = words[0] == 'o' ? dir / "out/cm.jpg" : dir / "o.jpg";
        EXPECT_EQ(JfifDensity(ReadBytes(written)), perCm);
    }
    // Through a BMP file and back: the header keeps pixels per metre.
    ASSERT_EQ(Lumora("apply cm.jpg o.bmp", In()).status, 0);
    EXPECT_EQ(BmpPerMetre(ReadBytes(dir / "o.bmp")), std::make_pair(2800u, 2800u));
    ASSERT_EQ(Lumora("apply o.bmp back.jpg", In()).status, 0);
    EXPECT_EQ(JfifDensity(ReadBytes(dir / "back.jpg")), perCm);
    // Dots per inch come back as such (300 dpi is 11811 pixels per metre).
    std::vector<uint8_t> dpi = cm;
    SetJfifDensity(dpi, {1, 300, 150});
    WriteBytes(dir / "dpi.jpg", dpi);
    ASSERT_EQ(Lumora("apply dpi.jpg dpi.bmp", In()).status, 0);
    EXPECT_EQ(BmpPerMetre(ReadBytes(dir / "dpi.bmp")), std::make_pair(11811u, 5906u));
    ASSERT_EQ(Lumora("apply dpi.bmp dpi2.jpg", In()).status, 0);
    EXPECT_EQ(JfifDensity(ReadBytes(dir / "dpi2.jpg")), (Density{1, 300, 150}));
    // No JFIF header, 300 dpi in the EXIF block: the header written says so too, and a BMP file,
    // and a write without the block.
    const std::string deep = Quote(Photo("hubble_deep_field.jpg").string());
    ASSERT_EQ(Lumora("apply " + deep + " deep.jpg --strip", In()).status, 0);
    EXPECT_EQ(JfifDensity(ReadBytes(dir / "deep.jpg")), (Density{1, 300, 300}));
    ASSERT_EQ(Lumora("apply " + deep + " deep.bmp", In()).status, 0);
    EXPECT_EQ(BmpPerMetre(ReadBytes(dir / "deep.bmp")), std::make_pair(11811u, 11811u));
    // Only the shape of the pixels, no unit: kept as it is.
    std::vector<uint8_t> aspect = cm;
    SetJfifDensity(aspect, {0, 2, 1});
    WriteBytes(dir / "aspect.jpg", aspect);
    ASSERT_EQ(Lumora("apply aspect.jpg aspect2.jpg", In()).status, 0);
    EXPECT_EQ(JfifDensity(ReadBytes(dir / "aspect2.jpg")), (Density{0, 2, 1}));
}

TEST_F(CliSafety, LongNamesAndLinksToFilesNotThereYetAreWritten) {
    const std::string longest = std::string(251, 'p') + ".jpg";
    Result r = Lumora("apply " + Quote(Photo("rocket.jpg").string()) + " " + longest, In());
    EXPECT_EQ(r.status, 0) << r.err;
    r = Lumora("optimize --in-place " + longest, In());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Names(dir.path()), std::set<std::string>{longest});

    fs::create_directory(dir / "photos");
    fs::create_symlink("photos/new.jpg", dir / "link.jpg");
    r = Lumora("apply " + Quote(Photo("rocket.jpg").string()) + " link.jpg grey", In());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::is_symlink(dir / "link.jpg"));
    EXPECT_TRUE(fs::is_regular_file(dir / "photos/new.jpg"));
    fs::create_symlink("nowhere/new.jpg", dir / "stray.jpg");
    r = Lumora("apply " + Quote(Photo("rocket.jpg").string()) + " stray.jpg", In());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "lumora: Cannot write \"stray.jpg\" (a link to \"nowhere/new.jpg\"): No such file or directory\n");
    EXPECT_TRUE(fs::is_symlink(dir / "stray.jpg"));
}

TEST_F(CliSafety, ThumbnailThatNoLongerFitsIsLeftOutWithOneWarning) {
    // Little-endian EXIF: the main directory, then a thumbnail directory pointing at 40 bytes that
    // hold a landscape frame header, then 16 bytes of something else.
    std::string t("Exif\0\0II*\0\x08\0\0\0", 14);
    auto u16 = [&](unsigned v) { t += char(v & 0xFF), t += char(v >> 8); };
    auto u32 = [&](uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); };
    u16(1), u16(0x0112), u16(3), u32(1), u16(1), u16(0), u32(26);             // orientation 1
    u16(2), u16(0x0201), u16(4), u32(1), u32(56), u16(0x0202), u16(4), u32(1), u32(40), u32(0);
    const uint8_t stub[] = {0xFF, 0xD8, 0xFF, 0xC0, 0, 11, 8, 0, 32, 0, 48, 1, 1, 0x11, 0};
    t.append(reinterpret_cast<const char*>(stub), sizeof stub);
    t.append(40 - sizeof stub, '\0');
    t.append(16, '\xAB');
    WriteBytes(dir / "thumb.jpg", WithSegments(ReadBytes(Photo("rocket.jpg")), {Segment(0xE1, t)}));

    Result r = Lumora("apply thumb.jpg o.jpg rotate-cw", In());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "lumora: warning: o.jpg: The EXIF thumbnail (the small preview inside the photo) no longer "
                     "fits in the photo's metadata and was left out\n");
    r = Lumora("apply thumb.jpg o2.jpg", In());  // not turned: nothing to remake, nothing said
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.empty()) << r.err;
}
