// EXIF orientation: read and reset in place, the thumbnail turned along, and the eight
// mirror/turn transforms.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

#include "image/Codec.h"
#include "image/CodecInternal.h"
#include "image/Parallel.h"
#include "image/TiffWalk.h"

namespace lum {

namespace {

using detail::TiffDir;
using detail::TiffEntry;
using detail::TiffLayout;
namespace tag = detail::tiff_tag;

constexpr int kApp1 = 0xE1;
constexpr uint8_t kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
constexpr size_t kHead = sizeof kExifHeader;
constexpr size_t kMaxSegmentPayload = 65533;
constexpr char kXmpHeader[] = "http://ns.adobe.com/xap/1.0/";  // with its NUL: 29 bytes
// A thumbnail is a few kilobytes; anything bigger is not worth decoding to turn it.
constexpr int64_t kMaxThumbnailPixels = 1 << 20;

bool isExifSegment(const JpegSegment& seg) {
    return seg.marker == kApp1 && seg.data.size() > kHead && std::memcmp(seg.data.data(), kExifHeader, kHead) == 0;
}

bool isXmpSegment(const JpegSegment& seg) {
    return seg.marker == kApp1 && seg.data.size() > sizeof kXmpHeader &&
           std::memcmp(seg.data.data(), kXmpHeader, sizeof kXmpHeader) == 0;
}

// The segment viewers read the orientation from: the first EXIF APP1.
template <class Meta>
auto* findExif(Meta& meta) {
    for (auto& seg : meta.segments)
        if (isExifSegment(seg)) return &seg;
    return static_cast<decltype(&meta.segments[0])>(nullptr);
}

TiffLayout walk(const std::vector<uint8_t>& seg) { return detail::WalkTiff(seg.data() + kHead, seg.size() - kHead); }

int orientationOf(const std::vector<uint8_t>& seg, const TiffLayout& t) {
    const TiffEntry* e = t.find(TiffDir::Main, tag::kOrientation);
    uint32_t v = 0;
    if (!e || !detail::ReadNumber(seg.data() + kHead, t, *e, v)) return 0;
    return v >= 1 && v <= 8 ? static_cast<int>(v) : 0;
}

// Swaps two numbers of one directory where both stand; each keeps its own type.
void swapValues(uint8_t* block, const TiffLayout& t, TiffDir dir, uint16_t a, uint16_t b) {
    const TiffEntry* x = t.find(dir, a);
    const TiffEntry* y = t.find(dir, b);
    uint32_t vx = 0, vy = 0;
    if (!x || !y || !detail::ReadNumber(block, t, *x, vx) || !detail::ReadNumber(block, t, *y, vy)) return;
    uint8_t keepX[4], keepY[4];
    std::memcpy(keepX, block + x->value, 4);
    std::memcpy(keepY, block + y->value, 4);
    if (!detail::WriteNumber(block, t, *x, vy) || !detail::WriteNumber(block, t, *y, vx)) {
        std::memcpy(block + x->value, keepX, 4);  // a value the other's type cannot hold
        std::memcpy(block + y->value, keepY, 4);
    }
}

// Sets a number where it stands, when its type can hold it.
void setValue(uint8_t* block, const TiffLayout& t, TiffDir dir, uint16_t id, uint32_t value) {
    const TiffEntry* e = t.find(dir, id);
    uint32_t old = 0;
    if (e && detail::ReadNumber(block, t, *e, old) && old != value) detail::WriteNumber(block, t, *e, value);
}

// Unlinks the thumbnail directory and blanks the thumbnail, so no viewer finds a picture that
// no longer matches the photo.
void dropThumbnail(std::vector<uint8_t>& seg, const TiffLayout& t) {
    uint8_t* block = seg.data() + kHead;
    const TiffEntry* start = t.find(TiffDir::Thumbnail, tag::kThumbnailStart);
    const TiffEntry* length = t.find(TiffDir::Thumbnail, tag::kThumbnailLength);
    uint32_t s = 0, n = 0;
    if (start && length && detail::ReadNumber(block, t, *start, s) && detail::ReadNumber(block, t, *length, n))
        std::memset(block + s, 0, n);  // inside the block: the walk checked it
    if (t.mainLink) detail::Put32(block + t.mainLink, t.bigEndian, 0);
}

// Turns the JPEG thumbnail with the photo, in the room it had, or at the end of the block when
// it was the last thing there; drops it when it cannot be turned or no longer fits.
void turnThumbnail(std::vector<uint8_t>& seg, const TiffLayout& t, int orientation) {
    if (!t.mainLink || detail::Get32(seg.data() + kHead + t.mainLink, t.bigEndian) == 0) return;
    const TiffEntry* start = t.find(TiffDir::Thumbnail, tag::kThumbnailStart);
    const TiffEntry* length = t.find(TiffDir::Thumbnail, tag::kThumbnailLength);
    uint32_t s = 0, n = 0;
    uint8_t* block = seg.data() + kHead;
    if (!start || !length || !detail::ReadNumber(block, t, *start, s) || !detail::ReadNumber(block, t, *length, n)) {
        // An uncompressed thumbnail (strips) or a directory we do not understand.
        if (t.find(TiffDir::Thumbnail, tag::kStripOffsets)) dropThumbnail(seg, t);
        return;
    }
    Image turned;
    try {
        DecodeReport damage;
        JpegDecodeOptions asStored;
        asStored.applyExifOrientation = false;
        asStored.maxPixels = kMaxThumbnailPixels;
        Image thumb = DecodeJpeg(block + s, n, nullptr, asStored, &damage);
        if (!damage.damaged()) turned = OrientImage(thumb, orientation);
    } catch (const CodecError&) {
    }
    if (turned.empty()) {
        dropThumbnail(seg, t);
        return;
    }
    const size_t blockSize = seg.size() - kHead;
    const bool last = static_cast<size_t>(s) + n == blockSize;
    const size_t longest = length->type == 1 ? 0xFF : length->type == 3 ? 0xFFFF : kMaxSegmentPayload;
    for (int quality : {90, 75, 60, 45}) {
        JpegEncodeOptions enc;
        enc.quality = quality;
        enc.compact = true;
        const std::vector<uint8_t> j = EncodeJpeg(turned, enc);
        const bool fits =
            j.size() <= longest && (j.size() <= n || (last && kHead + s + j.size() <= kMaxSegmentPayload));
        if (!fits) continue;
        if (last) seg.resize(std::max(seg.size(), kHead + s + j.size()));
        block = seg.data() + kHead;
        std::memcpy(block + s, j.data(), j.size());
        if (j.size() < n) std::memset(block + s + j.size(), 0, n - j.size());
        if (last) seg.resize(kHead + s + j.size());
        detail::WriteNumber(block, t, *length, static_cast<uint32_t>(j.size()));
        if (orientation >= 5) swapValues(block, t, TiffDir::Thumbnail, tag::kImageWidth, tag::kImageLength);
        return;
    }
    dropThumbnail(seg, t);
}

// An XMP packet's tiff:Orientation, as attribute or element, set to 1 in place.
void resetXmpOrientation(std::vector<uint8_t>& seg) {
    static const std::string kTag = "tiff:Orientation";
    std::string text(seg.begin(), seg.end());
    for (size_t at = text.find(kTag); at != std::string::npos; at = text.find(kTag, at + 1)) {
        size_t v = at + kTag.size();
        if (v + 2 < text.size() && text[v] == '=' && (text[v + 1] == '"' || text[v + 1] == '\'')) {
            v += 2;
        } else if (v < text.size() && text[v] == '>') {
            v += 1;
        } else {
            continue;
        }
        if (v + 1 < text.size() && text[v] >= '2' && text[v] <= '8' && !(text[v + 1] >= '0' && text[v + 1] <= '9'))
            seg[v] = '1';
    }
}

}  // namespace

int ExifOrientation(const JpegMetadata& meta) {
    const JpegSegment* seg = findExif(meta);
    if (!seg) return 0;
    const TiffLayout t = walk(seg->data);
    return t.ok ? orientationOf(seg->data, t) : 0;
}

Image OrientImage(const Image& img, int orientation) {
    if (orientation < 2 || orientation > 8 || img.empty()) return img;
    const int w = img.width(), h = img.height();
    const bool swap = orientation >= 5;
    Image out = detail::AllocatePicture(swap ? h : w, swap ? w : h);
    // Source position of output pixel (xo, yo) as x = ax*xo + bx*yo + cx, y = ay*xo + by*yo + cy.
    int ax = 0, bx = 0, cx = 0, ay = 0, by = 0, cy = 0;
    switch (orientation) {
    case 2: ax = -1, cx = w - 1, by = 1; break;                  // mirrored left-right
    case 3: ax = -1, cx = w - 1, by = -1, cy = h - 1; break;     // upside down
    case 4: ax = 1, by = -1, cy = h - 1; break;                  // mirrored top-bottom
    case 5: bx = 1, ay = 1; break;                               // transposed
    case 6: bx = 1, ay = -1, cy = h - 1; break;                  // needs a clockwise quarter
    case 7: bx = -1, cx = w - 1, ay = -1, cy = h - 1; break;     // transversed
    case 8: bx = -1, cx = w - 1, ay = 1; break;                  // needs an anticlockwise quarter
    }
    const ptrdiff_t stride = static_cast<ptrdiff_t>(img.stride());
    const ptrdiff_t stepX = 3 * ax + stride * ay;  // source step for one output column
    const ptrdiff_t stepY = 3 * bx + stride * by;  // source step for one output row
    const uint8_t* origin = img.row(cy) + 3 * static_cast<ptrdiff_t>(cx);
    const int ow = out.width(), oh = out.height();
    // Tiles keep the column walks of the quarter turns inside the cache.
    constexpr int kTile = 64;
    ParallelRows(
        oh,
        [&](int y0, int y1) {
            for (int ty = y0; ty < y1; ty += kTile) {
                const int tyEnd = std::min(ty + kTile, y1);
                for (int tx = 0; tx < ow; tx += kTile) {
                    const int txEnd = std::min(tx + kTile, ow);
                    for (int yo = ty; yo < tyEnd; ++yo) {
                        const uint8_t* src = origin + stepY * yo + stepX * tx;
                        uint8_t* dst = out.row(yo) + 3 * static_cast<size_t>(tx);
                        for (int xo = tx; xo < txEnd; ++xo, src += stepX, dst += 3) {
                            dst[0] = src[0];
                            dst[1] = src[1];
                            dst[2] = src[2];
                        }
                    }
                }
            }
        },
        kTile);
    return out;
}

namespace detail {

void ApplyExifOrientationInPlace(Image& img, JpegMetadata& meta) {
    JpegSegment* seg = findExif(meta);
    if (!seg) return;
    const TiffLayout t = walk(seg->data);
    // A block we cannot walk safely is written back as it came, so the photo stays as stored:
    // turning it without resetting the tag would make viewers turn it a second time.
    if (!t.ok) return;
    const int orientation = orientationOf(seg->data, t);
    if (orientation < 2) return;

    std::vector<uint8_t> exif = seg->data;
    uint8_t* block = exif.data() + kHead;
    for (const TiffEntry& e : t.entries)
        if (e.tag == tag::kOrientation && e.dir != TiffDir::Gps && e.dir != TiffDir::Interop)
            WriteNumber(block, t, e, 1);
    if (orientation >= 5) {
        swapValues(block, t, TiffDir::Main, tag::kImageWidth, tag::kImageLength);
        swapValues(block, t, TiffDir::Exif, tag::kPixelX, tag::kPixelY);
    }
    turnThumbnail(exif, t, orientation);
    std::vector<std::vector<uint8_t>> xmp;
    for (const JpegSegment& s : meta.segments)
        if (isXmpSegment(s)) {
            xmp.push_back(s.data);
            resetXmpOrientation(xmp.back());
        }

    img = OrientImage(img, orientation);
    seg->data = std::move(exif);
    size_t next = 0;
    for (JpegSegment& s : meta.segments)
        if (isXmpSegment(s)) s.data = std::move(xmp[next++]);
}

const JpegSegment* ExifWithPixelSize(const JpegMetadata& meta, int width, int height, std::vector<uint8_t>& out) {
    const JpegSegment* seg = findExif(meta);
    if (!seg || width <= 0 || height <= 0) return nullptr;
    const TiffLayout t = walk(seg->data);
    if (!t.ok) return nullptr;
    out = seg->data;
    uint8_t* block = out.data() + kHead;
    setValue(block, t, TiffDir::Main, tag::kImageWidth, static_cast<uint32_t>(width));
    setValue(block, t, TiffDir::Main, tag::kImageLength, static_cast<uint32_t>(height));
    setValue(block, t, TiffDir::Exif, tag::kPixelX, static_cast<uint32_t>(width));
    setValue(block, t, TiffDir::Exif, tag::kPixelY, static_cast<uint32_t>(height));
    return out == seg->data ? nullptr : seg;
}

}  // namespace detail
}  // namespace lum
