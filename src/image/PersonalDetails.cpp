// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/PersonalDetails.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "image/TiffWalk.h"

namespace lum {

namespace {

using detail::TiffDir;
using detail::TiffEntry;
using detail::TiffLayout;

constexpr int kApp1 = 0xE1, kApp13 = 0xED;
constexpr uint8_t kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
constexpr size_t kHead = sizeof kExifHeader;
constexpr size_t kEntry = 12;
constexpr char kXmpPrefix[] = "http://ns.adobe.com/xa";   // the packet, "xap/1.0/"
constexpr char kXmpExtended[] = "http://ns.adobe.com/xmp/extension/";

constexpr uint16_t kArtist = 0x013B, kXpAuthor = 0x9C9D, kCameraSerial = 0xC62F, kOwnerName = 0xA430,
                   kBodySerial = 0xA431, kLensSerial = 0xA435, kMakerNote = 0x927C;
constexpr uint16_t kPersonalTags[] = {kArtist, kXpAuthor, kCameraSerial, kOwnerName, kBodySerial, kLensSerial, kMakerNote};

// Properties of an XMP packet that tell where, who or with which camera.
const char* const kPersonalXmp[] = {
    "exif:GPS",           "photoshop:City",        "photoshop:State",      "photoshop:Country",
    "photoshop:Author",   "photoshop:Credit",      "Iptc4xmpCore:Location", "Iptc4xmpCore:CountryCode",
    "Iptc4xmpCore:CreatorContactInfo", "Iptc4xmpExt:LocationShown", "Iptc4xmpExt:LocationCreated",
    "dc:creator",         "xmpRights:Owner",       "aux:SerialNumber",     "aux:LensSerialNumber",
    "aux:OwnerName",      "exifEX:BodySerialNumber", "exifEX:LensSerialNumber", "exifEX:CameraOwnerName",
    "exifEX:CameraSerialNumber",
};

bool startsWith(const std::vector<uint8_t>& data, const char* prefix, size_t n) {
    return data.size() >= n && std::memcmp(data.data(), prefix, n) == 0;
}

bool isExif(const JpegSegment& s) { return s.marker == kApp1 && s.data.size() > kHead && startsWith(s.data, reinterpret_cast<const char*>(kExifHeader), kHead); }

uint16_t get16(const uint8_t* p, bool be) {
    return be ? static_cast<uint16_t>(p[0] << 8 | p[1]) : static_cast<uint16_t>(p[1] << 8 | p[0]);
}
void put16(uint8_t* p, bool be, uint16_t v) {
    p[be ? 0 : 1] = static_cast<uint8_t>(v >> 8);
    p[be ? 1 : 0] = static_cast<uint8_t>(v);
}

// Takes entry e out of its directory: the entries after it move up, the link to the next
// directory with them, and the freed bytes and the value stored apart are blanked.
void removeEntry(uint8_t* block, size_t size, const TiffLayout& t, const TiffEntry& e) {
    if (e.bytes > 4) std::memset(block + e.value, 0, e.bytes);
    const uint16_t count = get16(block + e.dirAt, t.bigEndian);
    const size_t end = e.dirAt + 2 + count * kEntry;
    const size_t tail = size - end >= 4 ? 4 : 0;  // the link, where there is room for it
    std::memmove(block + e.at, block + e.at + kEntry, end + tail - (e.at + kEntry));
    std::memset(block + end + tail - kEntry, 0, kEntry);
    put16(block + e.dirAt, t.bigEndian, static_cast<uint16_t>(count - 1));
}

// Blanks the GPS directory the pointer entry leads to, with every value it stores apart.
void blankGps(uint8_t* block, size_t size, const TiffLayout& t, const TiffEntry& pointer) {
    for (const TiffEntry& e : t.entries)
        if (e.dir == TiffDir::Gps && e.bytes > 4) std::memset(block + e.value, 0, e.bytes);
    uint32_t at = 0;
    if (!detail::ReadNumber(block, t, pointer, at) || at + 2 > size) return;
    const size_t bytes = 2 + get16(block + at, t.bigEndian) * kEntry;
    if (at + bytes <= size) std::memset(block + at, 0, bytes);
}

// False when the block could not be walked: it must then go whole.
bool cleanExif(std::vector<uint8_t>& seg) {
    uint8_t* block = seg.data() + kHead;
    const size_t size = seg.size() - kHead;
    // One entry at a time, walking again after each: removing one moves the others.
    for (;;) {
        const TiffLayout t = detail::WalkTiff(block, size);
        if (!t.ok) return false;
        const TiffEntry* found = nullptr;
        for (const TiffEntry& e : t.entries) {
            const bool gpsLink = e.dir == TiffDir::Main && e.tag == detail::tiff_tag::kGpsDir;
            const bool personal = e.dir != TiffDir::Gps && e.dir != TiffDir::Interop &&
                                  std::find(std::begin(kPersonalTags), std::end(kPersonalTags), e.tag) != std::end(kPersonalTags);
            if (gpsLink || personal) {
                found = &e;
                break;
            }
        }
        if (!found) return true;
        if (found->tag == detail::tiff_tag::kGpsDir) blankGps(block, size, t, *found);
        removeEntry(block, size, t, *found);
    }
}

bool personalXmp(const std::vector<uint8_t>& data) {
    const std::string text(data.begin(), data.end());
    return std::any_of(std::begin(kPersonalXmp), std::end(kPersonalXmp),
                       [&](const char* name) { return text.find(name) != std::string::npos; });
}

}  // namespace

void RemovePersonalDetails(PictureMetadata& meta) {
    auto& segs = meta.segments;
    bool xmpGoes = false;
    for (const JpegSegment& s : segs)
        if (s.marker == kApp1 && startsWith(s.data, kXmpPrefix, sizeof kXmpPrefix - 1) && personalXmp(s.data)) xmpGoes = true;
    segs.erase(std::remove_if(segs.begin(), segs.end(),
                              [&](JpegSegment& s) {
                                  if (s.marker == kApp13) return true;
                                  if (s.marker != kApp1) return false;
                                  // The extended packet continues the main one and may hold anything.
                                  if (startsWith(s.data, kXmpExtended, sizeof kXmpExtended - 1)) return true;
                                  if (startsWith(s.data, kXmpPrefix, sizeof kXmpPrefix - 1)) return xmpGoes;
                                  return isExif(s) && !cleanExif(s.data);
                              }),
               segs.end());
}

}  // namespace lum
