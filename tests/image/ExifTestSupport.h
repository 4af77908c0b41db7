// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the EXIF tests: the camera photos, a second reader (libexif), the maker
// note's preview, exiftool when it is installed.
#pragma once
#include <libexif/exif-data.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "CodecTestSupport.h"

namespace codec_test {

constexpr int kApp1 = 0xE1;
using Bytes = std::vector<uint8_t>;

inline Bytes& ExifOf(lum::PictureMetadata& m) {
    for (lum::JpegSegment& s : m.segments)
        if (s.marker == kApp1 && s.data.size() > 6 && std::memcmp(s.data.data(), "Exif\0\0", 6) == 0) return s.data;
    ADD_FAILURE() << "no EXIF segment";
    static Bytes none;
    return none;
}

inline lum::LoadedPicture LoadCamera(const std::string& name, bool upright) {
    lum::DecodeOptions o;
    o.applyExifOrientation = upright;
    return lum::LoadPicture(DataPath("camera/" + name), o);
}

// What libexif, a reader of its own, makes of a block.
struct ExifRead {
    ExifData* ed;
    explicit ExifRead(const Bytes& seg) : ed(exif_data_new_from_data(seg.data(), unsigned(seg.size()))) {}
    ~ExifRead() { exif_data_unref(ed); }
    ExifRead(const ExifRead&) = delete;
    ExifRead& operator=(const ExifRead&) = delete;
    int number(ExifIfd ifd, ExifTag tag) const {
        ExifEntry* e = exif_content_get_entry(ed->ifd[ifd], tag);
        if (!e) return -1;
        ExifByteOrder bo = exif_data_get_byte_order(ed);
        return e->format == EXIF_FORMAT_SHORT ? exif_get_short(e->data, bo) : int(exif_get_long(e->data, bo));
    }
    Bytes thumbnail() const { return Bytes(ed->data, ed->data + ed->size); }
};

// The maker note's preview, read the way the camera maker lays it out: the note starts with
// "OLYMP\0", then a directory whose offsets count from the start of the EXIF block.
struct Preview {
    size_t noteAt = 0;
    Bytes bytes;
};
inline Preview PreviewOf(const Bytes& seg) {
    Preview p;
    const char kNote[] = "OLYMP";
    auto it = std::search(seg.begin(), seg.end(), kNote, kNote + 6);
    if (it == seg.end()) return p;
    p.noteAt = size_t(it - seg.begin());
    const uint8_t* tiff = seg.data() + 6;
    const bool be = tiff[0] == 'M';
    auto u16 = [&](size_t at) { return be ? tiff[at] << 8 | tiff[at + 1] : tiff[at + 1] << 8 | tiff[at]; };
    auto u32 = [&](size_t at) { return uint32_t(u16(be ? at : at + 2)) << 16 | uint32_t(u16(be ? at + 2 : at)); };
    const size_t dir = p.noteAt - 6 + 8;
    for (int i = 0, n = u16(dir); i < n; ++i) {
        const size_t e = dir + 2 + 12 * size_t(i);
        if (u16(e) == 0x0280) {
            const uint32_t count = u32(e + 4), off = u32(e + 8);
            if (off + count <= seg.size() - 6) p.bytes.assign(tiff + off, tiff + off + count);
        }
    }
    return p;
}

inline size_t Find(const Bytes& hay, const Bytes& needle) {
    auto it = std::search(hay.begin(), hay.end(), needle.begin(), needle.end());
    return it == hay.end() ? std::string::npos : size_t(it - hay.begin());
}

inline lum::Image DecodeThumbnail(const Bytes& j) {
    lum::DecodeOptions o;
    o.applyExifOrientation = false;
    return lum::DecodeJpeg(j.data(), j.size(), nullptr, o);
}

// A little-endian block's directory entries, for hostile edits.
struct Block {
    Bytes& seg;
    uint8_t* t() { return seg.data() + 6; }
    uint32_t u32(size_t at) { return uint32_t(t()[at]) | uint32_t(t()[at + 1]) << 8 | uint32_t(t()[at + 2]) << 16 | uint32_t(t()[at + 3]) << 24; }
    uint16_t u16(size_t at) { return uint16_t(t()[at] | t()[at + 1] << 8); }
    void put32(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) t()[at + i] = uint8_t(v >> (8 * i));
    }
    size_t ifd0() { return u32(4); }
    size_t next(size_t dir) { return dir + 2 + 12 * size_t(u16(dir)); }
    size_t entry(size_t dir, uint16_t tag) {
        for (size_t i = 0; i < u16(dir); ++i)
            if (u16(dir + 2 + 12 * i) == tag) return dir + 2 + 12 * i;
        ADD_FAILURE() << "no tag " << tag;
        return 0;
    }
    size_t exifDir() { return u32(entry(ifd0(), 0x8769) + 8); }
    size_t ifd1() { return u32(next(ifd0())); }
};

// A block as libexif writes it: big-endian, the orientation in the main directory, the JPEG
// thumbnail last; with `description` bytes of image description before it when not 0.
inline Bytes LibexifBlock(const Bytes& thumb, int orientation, size_t description = 0) {
    ExifData* ed = exif_data_new();
    exif_data_set_byte_order(ed, EXIF_BYTE_ORDER_MOTOROLA);
    ExifEntry* e = exif_entry_new();
    exif_content_add_entry(ed->ifd[EXIF_IFD_0], e);
    exif_entry_initialize(e, EXIF_TAG_ORIENTATION);
    exif_set_short(e->data, EXIF_BYTE_ORDER_MOTOROLA, ExifShort(orientation));
    exif_entry_unref(e);
    if (description > 0) {
        e = exif_entry_new();
        e->tag = EXIF_TAG_IMAGE_DESCRIPTION;
        e->format = EXIF_FORMAT_ASCII;
        e->components = description;
        e->size = unsigned(description);
        e->data = static_cast<unsigned char*>(calloc(description, 1));
        std::memset(e->data, 'd', description - 1);
        exif_content_add_entry(ed->ifd[EXIF_IFD_0], e);
        exif_entry_unref(e);
    }
    ed->data = static_cast<unsigned char*>(malloc(thumb.size()));
    std::memcpy(ed->data, thumb.data(), thumb.size());
    ed->size = unsigned(thumb.size());
    unsigned char* d = nullptr;
    unsigned n = 0;
    exif_data_save_data(ed, &d, &n);
    Bytes seg(d, d + n);
    free(d);
    exif_data_unref(ed);
    return seg;
}

// Detail JPEG keeps only at a high cost.
inline lum::Image Noisy(int w, int h) {
    lum::Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, uint8_t(x * 37 ^ y * 91), uint8_t(x * y), uint8_t(x + y * 5));
    return img;
}

// A tiny low-quality thumbnail (48 x 32): anything made in its place needs more room.
inline Bytes TinyThumbnail() {
    lum::JpegEncodeOptions small;
    small.quality = 10;
    small.compact = true;
    return lum::EncodeJpeg(Noisy(48, 32), small);
}

// Runs a command and returns its output lines; empty when it could not run.
inline std::vector<std::string> Lines(const std::string& command) {
    std::vector<std::string> out;
    FILE* p = popen(("timeout 60 " + command + " 2>/dev/null").c_str(), "r");
    if (!p) return out;
    std::string all;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) all.append(buf, n);
    pclose(p);
    std::istringstream in(all);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

inline std::string ShellQuote(const std::string& s) { return "'" + s + "'"; }

inline bool HaveExiftool() { return !Lines("exiftool -ver").empty(); }

// What exiftool -validate says of written and did not say of original (after its summary line).
inline std::vector<std::string> NewValidateWarnings(const std::string& original, const std::string& written) {
    const std::vector<std::string> was = Lines("exiftool -validate -warning -a -s3 " + ShellQuote(original));
    const std::vector<std::string> is = Lines("exiftool -validate -warning -a -s3 " + ShellQuote(written));
    if (is.empty()) return {"exiftool said nothing of " + written};
    const std::set<std::string> known(was.empty() ? was.end() : was.begin() + 1, was.end());
    std::vector<std::string> fresh;
    for (size_t i = 1; i < is.size(); ++i)
        if (!known.count(is[i])) fresh.push_back(is[i]);
    return fresh;
}

}  // namespace codec_test
