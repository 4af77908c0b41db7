// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/PersonalDetails.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>

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

// Properties of an XMP packet that tell where, who or with which camera, by namespace; a name
// ending in '*' stands for every name it begins.
struct XmpProperty {
    const char* space;
    const char* name;
};
constexpr char kExifNs[] = "http://ns.adobe.com/exif/1.0/", kPhotoshopNs[] = "http://ns.adobe.com/photoshop/1.0/",
               kIptcCoreNs[] = "http://iptc.org/std/Iptc4xmpCore/1.0/xmlns/",
               kIptcExtNs[] = "http://iptc.org/std/Iptc4xmpExt/2008-02-29/", kAuxNs[] = "http://ns.adobe.com/exif/1.0/aux/",
               kExifExNs[] = "http://cipa.jp/exif/1.0/";
const XmpProperty kPersonalXmp[] = {
    {kExifNs, "GPS*"},
    {kPhotoshopNs, "City"},
    {kPhotoshopNs, "State"},
    {kPhotoshopNs, "Country"},
    {kPhotoshopNs, "AuthorsPosition"},
    {kPhotoshopNs, "CaptionWriter"},
    {kPhotoshopNs, "Credit"},
    {kIptcCoreNs, "Location"},
    {kIptcCoreNs, "CountryCode"},
    {kIptcCoreNs, "CreatorContactInfo"},
    {kIptcExtNs, "LocationShown"},
    {kIptcExtNs, "LocationCreated"},
    {"http://purl.org/dc/elements/1.1/", "creator"},
    {"http://ns.adobe.com/xap/1.0/rights/", "Owner"},
    {"http://ns.adobe.com/tiff/1.0/", "Artist"},
    {kAuxNs, "SerialNumber"},
    {kAuxNs, "LensSerialNumber"},
    {kAuxNs, "OwnerName"},
    {kExifExNs, "BodySerialNumber"},
    {kExifExNs, "LensSerialNumber"},
    {kExifExNs, "CameraOwnerName"},
    // The extension that continues the packet goes, so the packet no longer points at it.
    {"http://ns.adobe.com/xmp/note/", "HasExtendedXMP"},
};

// The largest packet an APP1 segment holds after its header.
constexpr size_t kMostXmpBytes = 65533 - 29;

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

bool personalProperty(const xmlNs* space, const xmlChar* name) {
    if (!space || !space->href || !name) return false;
    const char* href = reinterpret_cast<const char*>(space->href);
    const char* local = reinterpret_cast<const char*>(name);
    return std::any_of(std::begin(kPersonalXmp), std::end(kPersonalXmp), [&](const XmpProperty& p) {
        if (std::strcmp(p.space, href) != 0) return false;
        const size_t n = std::strlen(p.name);
        return p.name[n - 1] == '*' ? std::strncmp(p.name, local, n - 1) == 0 : std::strcmp(p.name, local) == 0;
    });
}

// Takes the personal properties out of node and everything under it, elements and attributes
// (the short form of simple properties) alike.
void removePersonal(xmlNode* node) {
    for (xmlNode* child = node->children; child;) {
        xmlNode* next = child->next;
        if (child->type == XML_ELEMENT_NODE) {
            if (personalProperty(child->ns, child->name)) {
                // The line break and indent before it go with it.
                xmlNode* before = child->prev;
                if (before && xmlIsBlankNode(before)) {
                    xmlUnlinkNode(before);
                    xmlFreeNode(before);
                }
                xmlUnlinkNode(child);
                xmlFreeNode(child);
            } else {
                for (xmlAttr* a = child->properties; a;) {
                    xmlAttr* nextAttr = a->next;
                    if (personalProperty(a->ns, a->name)) xmlRemoveProp(a);
                    a = nextAttr;
                }
                removePersonal(child);
            }
        }
        child = next;
    }
}

// The packet (after its header) without its personal properties; false when it cannot be read
// as XML, or holds a document type (which XMP never has), so that it must go whole.
bool cleanXmp(std::vector<uint8_t>& seg, size_t header) {
    static std::once_flag ready;
    std::call_once(ready, [] { xmlInitParser(); });
    size_t end = seg.size();
    while (end > header && seg[end - 1] == 0) --end;  // padding some writers leave
    if (end - header > static_cast<size_t>(INT32_MAX)) return false;
    std::unique_ptr<xmlDoc, void (*)(xmlDoc*)> doc(
        xmlReadMemory(reinterpret_cast<const char*>(seg.data() + header), static_cast<int>(end - header), nullptr, nullptr,
                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
        xmlFreeDoc);
    if (!doc || doc->intSubset || !xmlDocGetRootElement(doc.get())) return false;
    removePersonal(reinterpret_cast<xmlNode*>(doc.get()));
    std::unique_ptr<xmlBuffer, void (*)(xmlBuffer*)> out(xmlBufferCreate(), xmlBufferFree);
    if (!out) return false;
    xmlSaveCtxt* save = xmlSaveToBuffer(out.get(), "UTF-8", XML_SAVE_NO_DECL);
    if (!save) return false;
    const bool saved = xmlSaveDoc(save, doc.get()) >= 0;
    if (xmlSaveClose(save) < 0 || !saved) return false;
    const size_t size = static_cast<size_t>(xmlBufferLength(out.get()));
    if (size > kMostXmpBytes) return false;
    const xmlChar* text = xmlBufferContent(out.get());
    seg.resize(header);
    seg.insert(seg.end(), text, text + size);
    return true;
}

}  // namespace

void RemovePersonalDetails(PictureMetadata& meta) {
    auto& segs = meta.segments;
    segs.erase(std::remove_if(segs.begin(), segs.end(),
                              [&](JpegSegment& s) {
                                  if (s.marker == kApp13) return true;
                                  if (s.marker != kApp1) return false;
                                  // The extended packet continues the main one and may hold anything.
                                  if (startsWith(s.data, kXmpExtended, sizeof kXmpExtended - 1)) return true;
                                  if (startsWith(s.data, kXmpPrefix, sizeof kXmpPrefix - 1)) {
                                      const auto zero = std::find(s.data.begin(), s.data.end(), uint8_t(0));
                                      return zero == s.data.end() || !cleanXmp(s.data, size_t(zero - s.data.begin()) + 1);
                                  }
                                  return isExif(s) && !cleanExif(s.data);
                              }),
               segs.end());
}

}  // namespace lum
