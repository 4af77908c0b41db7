// SPDX-License-Identifier: GPL-3.0-or-later
// A distrustful walk through the directories of an EXIF block.
#include "image/TiffWalk.h"

#include <algorithm>
#include <utility>

namespace lum::detail {

namespace {

constexpr size_t kHeader = 8;
constexpr size_t kEntry = 12;
// Cameras write five or six directories; a long chain is a file built to keep us walking.
constexpr size_t kMaxDirs = 32;

uint16_t get16(const uint8_t* p, bool be) {
    return be ? static_cast<uint16_t>(p[0] << 8 | p[1]) : static_cast<uint16_t>(p[1] << 8 | p[0]);
}

void put16(uint8_t* p, bool be, uint16_t v) {
    p[be ? 0 : 1] = static_cast<uint8_t>(v >> 8);
    p[be ? 1 : 0] = static_cast<uint8_t>(v);
}

// Bytes of one value of each TIFF type; 0 for types this walk does not know.
size_t typeSize(uint16_t type) {
    switch (type) {
    case 1: case 2: case 6: case 7: return 1;  // BYTE, ASCII, SBYTE, UNDEFINED
    case 3: case 8: return 2;                  // SHORT, SSHORT
    case 4: case 9: case 11: case 13: return 4;  // LONG, SLONG, FLOAT, IFD
    case 5: case 10: case 12: return 8;        // RATIONAL, SRATIONAL, DOUBLE
    default: return 0;
    }
}

struct Walker {
    const uint8_t* b;
    size_t size;
    bool be;
    TiffLayout& out;
    std::vector<std::pair<size_t, size_t>> tables;  // [start, end) of every directory seen
    std::vector<std::pair<size_t, size_t>> values;  // [start, end) of every value stored apart
    std::vector<std::pair<size_t, TiffDir>> todo;

    bool claim(size_t start, size_t end) {
        for (const auto& [s, e] : tables)
            if (start < e && s < end) return false;  // a loop, or two directories sharing bytes
        tables.emplace_back(start, end);
        return tables.size() <= kMaxDirs;
    }

    // Queues the directory a link entry points at; an entry of another shape is no link we know.
    void link(const TiffEntry& e, TiffDir to) {
        if ((e.type != 4 && e.type != 13) || e.count != 1) return;
        const uint32_t at = Get32(b + e.value, be);
        if (at != 0) todo.emplace_back(at, to);
    }

    bool dir(size_t at, TiffDir kind) {
        if (at < kHeader || at > size || size - at < 2) return false;
        const size_t n = get16(b + at, be);
        const size_t entriesEnd = at + 2 + n * kEntry;
        if (entriesEnd > size) return false;
        // The link to the next directory; only the main one must have room for it.
        const bool hasNext = size - entriesEnd >= 4;
        if (!hasNext && kind == TiffDir::Main) return false;
        if (!claim(at, entriesEnd + (hasNext ? 4 : 0))) return false;

        for (size_t i = 0; i < n; ++i) {
            const uint8_t* p = b + at + 2 + i * kEntry;
            TiffEntry e{kind, get16(p, be), get16(p + 2, be), Get32(p + 4, be), 0, 0};
            e.at = at + 2 + i * kEntry;
            e.dirAt = at;
            const size_t unit = typeSize(e.type);
            const uint64_t bytes = static_cast<uint64_t>(e.count) * unit;
            if (unit == 0) {
                e.value = at + 2 + i * kEntry + 8;  // unknown: neither checked nor used
            } else if (bytes <= 4) {
                e.value = at + 2 + i * kEntry + 8;
                e.bytes = static_cast<size_t>(bytes);
            } else {
                const uint64_t off = Get32(p + 8, be);
                if (off + bytes > size) return false;
                e.value = static_cast<size_t>(off);
                e.bytes = static_cast<size_t>(bytes);
                values.emplace_back(e.value, e.value + e.bytes);
            }
            out.entries.push_back(e);
            if (kind == TiffDir::Main && e.tag == tiff_tag::kExifDir) link(e, TiffDir::Exif);
            if (kind == TiffDir::Main && e.tag == tiff_tag::kGpsDir) link(e, TiffDir::Gps);
            if (kind == TiffDir::Exif && e.tag == tiff_tag::kInteropDir) link(e, TiffDir::Interop);
        }
        if (!hasNext) return true;
        if (kind == TiffDir::Main) out.mainLink = entriesEnd;
        const uint32_t next = Get32(b + entriesEnd, be);
        if (next != 0 && (kind == TiffDir::Main || kind == TiffDir::Thumbnail || kind == TiffDir::Other))
            todo.emplace_back(next, kind == TiffDir::Main ? TiffDir::Thumbnail : TiffDir::Other);
        return true;
    }

    // The thumbnail lies inside the block and apart from the header, every directory and every
    // other value, so that it can be rewritten or blanked without touching anything else.
    bool thumbnailApart() const {
        const TiffEntry* start = out.find(TiffDir::Thumbnail, tiff_tag::kThumbnailStart);
        const TiffEntry* length = out.find(TiffDir::Thumbnail, tiff_tag::kThumbnailLength);
        if (!start && !length) return true;
        uint32_t s = 0, n = 0;
        if (!start || !length || !ReadNumber(b, out, *start, s) || !ReadNumber(b, out, *length, n)) return false;
        const uint64_t end = static_cast<uint64_t>(s) + n;
        if (s < kHeader || end > size) return false;
        for (const auto* ranges : {&tables, &values})
            for (const auto& [a, z] : *ranges)
                if (s < z && a < end) return false;
        return true;
    }
};

}  // namespace

uint32_t Get32(const uint8_t* p, bool be) {
    return be ? uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]
              : uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

void Put32(uint8_t* p, bool be, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[be ? i : 3 - i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

const TiffEntry* TiffLayout::find(TiffDir dir, uint16_t tag) const {
    for (const TiffEntry& e : entries)
        if (e.dir == dir && e.tag == tag) return &e;
    return nullptr;
}

TiffLayout WalkTiff(const uint8_t* block, size_t size) {
    TiffLayout t;
    if (!block || size < kHeader) return t;
    if (block[0] == 'I' && block[1] == 'I') {
        t.bigEndian = false;
    } else if (block[0] == 'M' && block[1] == 'M') {
        t.bigEndian = true;
    } else {
        return t;
    }
    if (get16(block + 2, t.bigEndian) != 42) return t;
    Walker w{block, size, t.bigEndian, t, {}, {}, {}};
    w.todo.emplace_back(Get32(block + 4, t.bigEndian), TiffDir::Main);
    for (size_t i = 0; i < w.todo.size(); ++i) {
        const auto [at, kind] = w.todo[i];
        if (!w.dir(at, kind)) {
            t.entries.clear();
            return t;
        }
    }
    t.ok = w.thumbnailApart();
    if (!t.ok) t.entries.clear();
    return t;
}

bool ReadNumber(const uint8_t* block, const TiffLayout& t, const TiffEntry& e, uint32_t& out) {
    if (e.count == 0 || e.bytes == 0 || e.bytes > 4) return false;
    const uint8_t* p = block + e.value;
    switch (e.type) {
    case 1: out = p[0]; return true;
    case 3: out = get16(p, t.bigEndian); return true;
    case 4: out = Get32(p, t.bigEndian); return true;
    default: return false;
    }
}

bool WriteNumber(uint8_t* block, const TiffLayout& t, const TiffEntry& e, uint32_t value) {
    if (e.count == 0 || e.bytes == 0 || e.bytes > 4) return false;
    uint8_t* p = block + e.value;
    switch (e.type) {
    case 1:
        if (value > 0xFF) return false;
        p[0] = static_cast<uint8_t>(value);
        return true;
    case 3:
        if (value > 0xFFFF) return false;
        put16(p, t.bigEndian, static_cast<uint16_t>(value));
        return true;
    case 4: Put32(p, t.bigEndian, value); return true;
    default: return false;
    }
}

}  // namespace lum::detail
