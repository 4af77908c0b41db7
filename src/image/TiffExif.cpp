// SPDX-License-Identifier: GPL-3.0-or-later
// The EXIF of a TIFF file made into the block a JPEG file carries. A TIFF file keeps its EXIF as
// directories of the file itself, with offsets into the whole file; the block is built anew,
// in the file's byte order, every value copied and every offset recomputed. Every offset read
// is checked against the file; a directory that does not fit is left out.
#include <cstring>
#include <vector>

#include "image/FormatSupport.h"

namespace lum::detail {

namespace {

constexpr uint16_t kOrientation = 0x0112, kExifDir = 0x8769, kGpsDir = 0x8825, kMakerNote = 0x927C,
                   kInteropDir = 0xA005;
// Descriptive tags of the first directory a JPEG's EXIF carries too.
constexpr uint16_t kMainTags[] = {0x010E /*description*/, 0x010F /*make*/, 0x0110 /*model*/, kOrientation,
                                  0x011A /*x resolution*/, 0x011B /*y resolution*/, 0x0128 /*unit*/,
                                  0x0131 /*software*/, 0x0132 /*date*/, 0x013B /*artist*/, 0x8298 /*copyright*/,
                                  kExifDir, kGpsDir};
constexpr size_t kMaxEntries = 512;
constexpr size_t kMaxBlock = 65533 - 6;

struct Entry {
    uint16_t tag = 0, type = 0;
    uint32_t count = 0;
    std::vector<uint8_t> value;  // as stored, the file's byte order
};

size_t typeSize(uint16_t type) {
    switch (type) {
    case 1: case 2: case 6: case 7: return 1;
    case 3: case 8: return 2;
    case 4: case 9: case 11: case 13: return 4;
    case 5: case 10: case 12: return 8;
    default: return 0;
    }
}

struct Reader {
    const uint8_t* p;
    size_t size;
    bool big;
    uint16_t u16(size_t at) const { return big ? uint16_t(p[at] << 8 | p[at + 1]) : uint16_t(p[at + 1] << 8 | p[at]); }
    uint32_t u32(size_t at) const {
        return big ? uint32_t(p[at]) << 24 | uint32_t(p[at + 1]) << 16 | uint32_t(p[at + 2]) << 8 | p[at + 3]
                   : uint32_t(p[at + 3]) << 24 | uint32_t(p[at + 2]) << 16 | uint32_t(p[at + 1]) << 8 | p[at];
    }

    // The entries of the directory at offset, or false when it does not fit in the file.
    bool directory(uint32_t offset, std::vector<Entry>& out) const {
        if (offset < 8 || offset > size || size - offset < 2) return false;
        const size_t n = u16(offset);
        if (n > kMaxEntries || (size - offset - 2) / 12 < n) return false;
        for (size_t i = 0; i < n; ++i) {
            const size_t at = offset + 2 + 12 * i;
            Entry e;
            e.tag = u16(at);
            e.type = u16(at + 2);
            e.count = u32(at + 4);
            const size_t unit = typeSize(e.type);
            if (unit == 0 || e.count > kMaxBlock / unit) continue;  // unknown, or too big to carry
            const size_t bytes = unit * e.count;
            size_t from = at + 8;
            if (bytes > 4) {
                from = u32(at + 8);
                if (from > size || size - from < bytes) continue;
            }
            e.value.assign(p + from, p + from + bytes);
            out.push_back(std::move(e));
        }
        return true;
    }
};

struct Writer {
    std::vector<uint8_t> out;
    bool big;
    void put16(size_t at, uint16_t v) {
        out[at] = uint8_t(big ? v >> 8 : v), out[at + 1] = uint8_t(big ? v : v >> 8);
    }
    void put32(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(v >> (big ? 24 - 8 * i : 8 * i));
    }
    // Appends a directory with its values; returns where each entry's value field stands.
    std::vector<size_t> directory(const std::vector<Entry>& entries) {
        const size_t start = out.size();
        out.resize(start + 2 + 12 * entries.size() + 4, 0);
        put16(start, static_cast<uint16_t>(entries.size()));
        std::vector<size_t> fields;
        for (size_t i = 0; i < entries.size(); ++i) {
            const Entry& e = entries[i];
            const size_t at = start + 2 + 12 * i;
            put16(at, e.tag);
            put16(at + 2, e.type);
            put32(at + 4, e.count);
            fields.push_back(at + 8);
            if (e.value.size() <= 4) {
                // A count of 0 is legal and has no value; data() may then be null.
                if (!e.value.empty()) std::memcpy(out.data() + at + 8, e.value.data(), e.value.size());
            } else {
                if (out.size() % 2) out.push_back(0);  // values start on a word boundary
                put32(at + 8, static_cast<uint32_t>(out.size()));
                out.insert(out.end(), e.value.begin(), e.value.end());
            }
        }
        return fields;
    }
};

}  // namespace

void AddExifFromTiffFile(PictureMetadata& meta, const uint8_t* file, size_t size, int orientation) {
    if (!file || size < 8) return;
    const bool big = file[0] == 'M' && file[1] == 'M';
    if (!big && !(file[0] == 'I' && file[1] == 'I')) return;
    const Reader r{file, size, big};
    if (r.u16(2) != 42) return;  // BigTIFF and anything else

    std::vector<Entry> all, main, exif, gps;
    if (!r.directory(r.u32(4), all)) return;
    uint32_t exifAt = 0, gpsAt = 0;
    bool worthIt = false;
    for (Entry& e : all) {
        bool wanted = false;
        for (uint16_t t : kMainTags) wanted |= e.tag == t;
        if (!wanted) continue;
        if (e.tag == kExifDir || e.tag == kGpsDir) {
            if (e.count != 1 || (e.type != 4 && e.type != 13)) continue;
            (e.tag == kExifDir ? exifAt : gpsAt) = Reader{e.value.data(), 4, big}.u32(0);
            continue;  // written below, once the directory is known to fit
        }
        if (e.tag == kOrientation) {
            if (e.type != 3 || e.count != 1) continue;
            const auto o = static_cast<uint8_t>(orientation);
            e.value = big ? std::vector<uint8_t>{0, o} : std::vector<uint8_t>{o, 0};
        } else {
            worthIt = true;
        }
        main.push_back(std::move(e));
    }
    if (exifAt && r.directory(exifAt, exif)) {
        std::vector<Entry> kept;
        for (Entry& e : exif)
            if (e.tag != kMakerNote && e.tag != kInteropDir) kept.push_back(std::move(e));
        exif = std::move(kept);
    }
    if (gpsAt) r.directory(gpsAt, gps);
    auto pointer = [&](uint16_t tag) {
        Entry e;
        e.tag = tag;
        e.type = 4;
        e.count = 1;
        e.value.assign(4, 0);
        return e;
    };
    // Keep the directory sorted by tag: both pointers come after every other wanted tag.
    if (!exif.empty()) main.push_back(pointer(kExifDir));
    if (!gps.empty()) main.push_back(pointer(kGpsDir));
    if (!worthIt && exif.empty() && gps.empty()) return;

    Writer w{{}, big};
    w.out = {file[0], file[1], 0, 0, 0, 0, 0, 0};
    w.put16(2, 42);
    w.put32(4, 8);
    const std::vector<size_t> mainFields = w.directory(main);
    for (size_t i = 0; i < main.size(); ++i) {
        if (main[i].tag != kExifDir && main[i].tag != kGpsDir) continue;
        if (w.out.size() % 2) w.out.push_back(0);
        w.put32(mainFields[i], static_cast<uint32_t>(w.out.size()));
        w.directory(main[i].tag == kExifDir ? exif : gps);
    }
    if (w.out.size() <= kMaxBlock) AddExifSegment(meta, w.out.data(), w.out.size());
}

}  // namespace lum::detail
