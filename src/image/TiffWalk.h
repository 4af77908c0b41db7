// SPDX-License-Identifier: GPL-3.0-or-later
// The directories of an EXIF block (the TIFF structure after "Exif\0\0"), found without trusting
// a single offset, so that values can be changed where they stand and every other byte,
// maker notes and their previews included, stays where the camera put it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lum::detail {

enum class TiffDir { Main, Exif, Gps, Interop, Thumbnail, Other };

namespace tiff_tag {
constexpr uint16_t kImageWidth = 0x0100, kImageLength = 0x0101, kStripOffsets = 0x0111,
                   kOrientation = 0x0112, kThumbnailStart = 0x0201, kThumbnailLength = 0x0202,
                   kExifDir = 0x8769, kGpsDir = 0x8825, kInteropDir = 0xA005, kMakerNote = 0x927C,
                   kPixelX = 0xA002, kPixelY = 0xA003, kXResolution = 0x011A, kYResolution = 0x011B,
                   kResolutionUnit = 0x0128;
}

struct TiffEntry {
    TiffDir dir;
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    size_t value;  // where its value bytes start in the block
    size_t bytes;  // their length; 0 for a type we do not know
    size_t at = 0;     // where the 12-byte entry itself stands
    size_t dirAt = 0;  // where its directory starts (its entry count)
};

struct TiffLayout {
    // Every directory and every value inside the block, no directory reached twice or
    // overlapping another, the thumbnail inside the block and apart from everything else.
    // Nothing else is meaningful without it.
    bool ok = false;
    bool bigEndian = false;
    std::vector<TiffEntry> entries;
    size_t mainLink = 0;  // where the main directory stores its link to the thumbnail directory
    const TiffEntry* find(TiffDir dir, uint16_t tag) const;
};

TiffLayout WalkTiff(const uint8_t* block, size_t size);

// The first number of a BYTE, SHORT or LONG entry whose value stands in the entry itself (inside
// its directory, so writing it cannot touch anything else); false for any other entry.
bool ReadNumber(const uint8_t* block, const TiffLayout& t, const TiffEntry& e, uint32_t& out);
// Writes that number in place; false when the entry is not such a one or its type cannot hold it.
bool WriteNumber(uint8_t* block, const TiffLayout& t, const TiffEntry& e, uint32_t value);

uint32_t Get32(const uint8_t* p, bool bigEndian);
void Put32(uint8_t* p, bool bigEndian, uint32_t v);

}  // namespace lum::detail
