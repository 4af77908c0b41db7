// SPDX-License-Identifier: GPL-3.0-or-later
// EXIF orientation: read and reset in place, the thumbnail turned along (at load, or made again
// when it no longer shows the picture being saved), and the eight mirror/turn transforms.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "image/Codec.h"
#include "image/CodecInternal.h"
#include "image/Parallel.h"
#include "image/Thumbnail.h"
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
// A thumbnail made smaller to fit: its quality, and the size below which it is not worth keeping.
constexpr int kSmallerQuality = 60;
constexpr int kSmallestThumbnailSide = 8;
// The long side of a thumbnail made where the old one's size cannot be read.
constexpr int kUsualThumbnailSide = 160;
const char* const kThumbnailTooBig =
    QT_TRANSLATE_NOOP("lum", "The EXIF thumbnail (the small preview inside the photo) no longer fits in the photo's "
                             "metadata and was left out");
const char* const kThumbnailNotMade =
    QT_TRANSLATE_NOOP("lum", "The EXIF thumbnail (the small preview inside the photo) could not be made again for the "
                             "changed photo and was left out");

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

bool thumbnailLinked(const std::vector<uint8_t>& seg, const TiffLayout& t) {
    return t.mainLink && detail::Get32(seg.data() + kHead + t.mainLink, t.bigEndian) != 0;
}

// Where a JPEG thumbnail stands: its length entry, first byte and size.
struct ThumbnailSpot {
    const TiffEntry* length = nullptr;
    uint32_t start = 0, bytes = 0;
};

bool jpegThumbnail(const std::vector<uint8_t>& seg, const TiffLayout& t, ThumbnailSpot& spot) {
    const uint8_t* block = seg.data() + kHead;
    const TiffEntry* start = t.find(TiffDir::Thumbnail, tag::kThumbnailStart);
    spot.length = t.find(TiffDir::Thumbnail, tag::kThumbnailLength);
    return start && spot.length && detail::ReadNumber(block, t, *start, spot.start) &&
           detail::ReadNumber(block, t, *spot.length, spot.bytes);
}

// Writes pic as the thumbnail, compact, in the room of the old one, or at the end of the block
// when the old one was the last thing there. What does not fit is made at lower qualities, then
// at smaller sizes; false, and the thumbnail dropped, when not even the smallest fits.
bool putThumbnail(std::vector<uint8_t>& seg, const TiffLayout& t, const ThumbnailSpot& spot, const Image& pic) {
    const uint32_t s = spot.start, n = spot.bytes;
    const bool last = kHead + static_cast<size_t>(s) + n == seg.size();
    const uint16_t type = spot.length->type;
    const size_t longest = type == 1 ? 0xFF : type == 3 ? 0xFFFF : kMaxSegmentPayload;
    const size_t toEnd = kMaxSegmentPayload > kHead + s ? kMaxSegmentPayload - kHead - s : 0;
    const size_t room = std::min(longest, std::max<size_t>(n, last ? toEnd : 0));

    std::vector<uint8_t> j;
    Image smaller;
    int w = pic.width(), h = pic.height();
    auto fitsAt = [&](const Image& made, int quality) {
        JpegEncodeOptions enc;
        enc.quality = quality;
        enc.compact = true;
        j = EncodeJpeg(made, enc);
        return j.size() <= room;
    };
    for (;;) {
        bool fits = false;
        if (smaller.empty()) {
            for (int quality : {90, 75, 60, 45})
                if ((fits = fitsAt(pic, quality))) break;
        } else {
            fits = fitsAt(smaller, kSmallerQuality);
        }
        if (fits) break;
        if (std::min(w, h) <= kSmallestThumbnailSide) {
            dropThumbnail(seg, t);
            return false;
        }
        // Three quarters of the sides each time, the shape kept.
        const int nw = std::max(1, w * 3 / 4), nh = std::max(1, h * 3 / 4);
        w = nw, h = nh;
        smaller = detail::ShrinkToThumbnail(pic, w, h);
    }
    if (last) seg.resize(std::max(seg.size(), kHead + s + j.size()));
    uint8_t* block = seg.data() + kHead;
    std::memcpy(block + s, j.data(), j.size());
    if (j.size() < n) std::memset(block + s + j.size(), 0, n - j.size());
    if (last) seg.resize(kHead + s + j.size());
    block = seg.data() + kHead;
    detail::WriteNumber(block, t, *spot.length, static_cast<uint32_t>(j.size()));
    setValue(block, t, TiffDir::Thumbnail, tag::kImageWidth, static_cast<uint32_t>(w));
    setValue(block, t, TiffDir::Thumbnail, tag::kImageLength, static_cast<uint32_t>(h));
    return true;
}

// Turns the JPEG thumbnail with the photo; drops it when it cannot be turned or no longer fits.
void turnThumbnail(std::vector<uint8_t>& seg, const TiffLayout& t, int orientation) {
    if (!thumbnailLinked(seg, t)) return;
    ThumbnailSpot spot;
    if (!jpegThumbnail(seg, t, spot)) {
        // An uncompressed thumbnail (strips) or a directory we do not understand.
        if (t.find(TiffDir::Thumbnail, tag::kStripOffsets)) dropThumbnail(seg, t);
        return;
    }
    Image turned;
    try {
        DecodeReport damage;
        DecodeOptions asStored;
        asStored.applyExifOrientation = false;
        asStored.maxPixels = kMaxThumbnailPixels;
        Image thumb = DecodeJpeg(seg.data() + kHead + spot.start, spot.bytes, nullptr, asStored, &damage);
        if (!damage.damaged()) turned = OrientImage(thumb, orientation);
    } catch (const CodecError&) {
    }
    if (turned.empty()) {
        dropThumbnail(seg, t);
        return;
    }
    putThumbnail(seg, t, spot, turned);
}

// Width and height from the frame header of a JPEG stream, nothing decoded.
bool jpegFrameSize(const uint8_t* p, size_t n, int& width, int& height) {
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8) return false;
    size_t i = 2;
    while (i + 4 <= n) {
        if (p[i] != 0xFF) return false;
        const uint8_t m = p[i + 1];
        if (m == 0xFF) {  // fill byte
            ++i;
            continue;
        }
        if (m == 0x01 || (m >= 0xD0 && m <= 0xD7)) {  // markers without a length
            i += 2;
            continue;
        }
        if (m == 0xD8 || m == 0xD9 || m == 0xDA) return false;  // data, or the end, before a frame
        const size_t len = static_cast<size_t>(p[i + 2]) << 8 | p[i + 3];
        if (len < 2 || len > n - i - 2) return false;
        if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC) {
            if (len < 8) return false;
            height = p[i + 5] << 8 | p[i + 6];
            width = p[i + 7] << 8 | p[i + 8];
            return width > 0 && height > 0;  // a height of 0 comes later in the data: unknown
        }
        i += 2 + len;
    }
    return false;
}

// One landscape and the other portrait; a square side matches either.
bool crosswise(int64_t w1, int64_t h1, int64_t w2, int64_t h2) {
    return (w1 > h1 && w2 < h2) || (w1 < h1 && w2 > h2);
}

// Where the picture saved is known to differ from the one read, the thumbnail is made again from
// it (at its old long side, in the picture's proportions): a grey scale, a mirror or a crop
// changes what it must show. Where nothing is known of the picture's origin, only a thumbnail
// left sideways (landscape against portrait) is made again. A thumbnail whose size cannot be read
// is made at the usual 160 pixels. What had to be left out is told in warnings.
void matchThumbnail(std::vector<uint8_t>& seg, const TiffLayout& t, const Image& picture, bool changed,
                    std::vector<std::string>* warnings) {
    if (!thumbnailLinked(seg, t)) return;
    auto drop = [&](const char* why) {
        dropThumbnail(seg, t);
        if (warnings) warnings->push_back(why);
    };
    const int pw = picture.width(), ph = picture.height();
    ThumbnailSpot spot;
    if (!jpegThumbnail(seg, t, spot)) {
        // An uncompressed thumbnail is not made again: one that no longer shows the picture goes.
        const TiffEntry* w = t.find(TiffDir::Thumbnail, tag::kImageWidth);
        const TiffEntry* h = t.find(TiffDir::Thumbnail, tag::kImageLength);
        const uint8_t* block = seg.data() + kHead;
        uint32_t tw = 0, th = 0;
        if (t.find(TiffDir::Thumbnail, tag::kStripOffsets) && w && h && detail::ReadNumber(block, t, *w, tw) &&
            detail::ReadNumber(block, t, *h, th) && (changed || crosswise(tw, th, pw, ph)))
            drop(kThumbnailNotMade);
        return;
    }
    int tw = 0, th = 0;
    const bool sizeKnown = jpegFrameSize(seg.data() + kHead + spot.start, spot.bytes, tw, th);
    if (!changed && (!sizeKnown || !crosswise(tw, th, pw, ph))) return;
    if (!sizeKnown) tw = th = kUsualThumbnailSide;
    if (static_cast<int64_t>(tw) * th > kMaxThumbnailPixels) return drop(kThumbnailNotMade);
    // A stored size that is long and thin would give a huge thumbnail in the picture's
    // proportions; the new one stays within the same pixel limit.
    const double roomy = std::sqrt(double(kMaxThumbnailPixels) * std::max(pw, ph) / std::max(1, std::min(pw, ph)));
    const int longSide = std::min(std::max(tw, th), std::max(1, static_cast<int>(roomy)));
    // The long side kept, the short one in the picture's proportions.
    const auto shortSide = [&](int along, int across) {
        return std::max(1, static_cast<int>(std::lround(double(longSide) * across / along)));
    };
    const int nw = pw >= ph ? longSide : shortSide(ph, pw);
    const int nh = pw >= ph ? shortSide(pw, ph) : longSide;
    Image made;
    try {
        made = detail::ShrinkToThumbnail(picture, nw, nh);
    } catch (const CodecError&) {
    }
    if (made.empty()) return drop(kThumbnailNotMade);
    if (!putThumbnail(seg, t, spot, made) && warnings) warnings->push_back(kThumbnailTooBig);
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

// A RATIONAL entry's first value.
bool rationalOf(const uint8_t* block, const TiffLayout& t, const TiffEntry* e, double& out) {
    if (!e || e->type != 5 || e->count == 0 || e->bytes < 8) return false;
    const uint32_t num = detail::Get32(block + e->value, t.bigEndian);
    const uint32_t den = detail::Get32(block + e->value + 4, t.bigEndian);
    if (den == 0) return false;
    out = static_cast<double>(num) / den;
    return true;
}

}  // namespace

int ExifOrientation(const PictureMetadata& meta) {
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

PixelDensity ExifDensity(const PictureMetadata& meta) {
    PixelDensity d;
    const JpegSegment* seg = findExif(meta);
    if (!seg) return d;
    const TiffLayout t = walk(seg->data);
    if (!t.ok) return d;
    const uint8_t* block = seg->data.data() + kHead;
    double x = 0, y = 0;
    if (!rationalOf(block, t, t.find(TiffDir::Main, tag::kXResolution), x) ||
        !rationalOf(block, t, t.find(TiffDir::Main, tag::kYResolution), y))
        return d;
    uint32_t unit = 2;  // inches, when the unit is not given
    if (const TiffEntry* u = t.find(TiffDir::Main, tag::kResolutionUnit)) ReadNumber(block, t, *u, unit);
    const long xr = std::lround(x), yr = std::lround(y);
    if ((unit != 2 && unit != 3) || xr < 1 || yr < 1 || xr > 0xFFFF || yr > 0xFFFF) return d;
    d.unit = unit == 2 ? PixelDensity::PerInch : PixelDensity::PerCm;
    d.x = static_cast<uint16_t>(xr);
    d.y = static_cast<uint16_t>(yr);
    return d;
}

bool TurnMetadata(PictureMetadata& meta, int turn) {
    JpegSegment* seg = findExif(meta);
    const TiffLayout t = seg ? walk(seg->data) : TiffLayout();
    // A block we cannot walk safely is written back as it came.
    if (seg && !t.ok) return false;
    if (seg) {
        std::vector<uint8_t> exif = seg->data;
        uint8_t* block = exif.data() + kHead;
        for (const TiffEntry& e : t.entries)
            if (e.tag == tag::kOrientation && e.dir != TiffDir::Gps && e.dir != TiffDir::Interop)
                WriteNumber(block, t, e, 1);
        if (turn >= 5) {
            swapValues(block, t, TiffDir::Main, tag::kImageWidth, tag::kImageLength);
            swapValues(block, t, TiffDir::Exif, tag::kPixelX, tag::kPixelY);
        }
        if (turn >= 2) turnThumbnail(exif, t, turn);
        seg->data = std::move(exif);
    }
    for (JpegSegment& s : meta.segments)
        if (isXmpSegment(s)) resetXmpOrientation(s.data);
    if (turn >= 5) std::swap(meta.density.x, meta.density.y);
    return true;
}

void SetExifPixelSize(PictureMetadata& meta, int width, int height) {
    JpegSegment* seg = findExif(meta);
    if (!seg || width <= 0 || height <= 0) return;
    const TiffLayout t = walk(seg->data);
    if (!t.ok) return;
    uint8_t* block = seg->data.data() + kHead;
    setValue(block, t, TiffDir::Main, tag::kImageWidth, static_cast<uint32_t>(width));
    setValue(block, t, TiffDir::Main, tag::kImageLength, static_cast<uint32_t>(height));
    setValue(block, t, TiffDir::Exif, tag::kPixelX, static_cast<uint32_t>(width));
    setValue(block, t, TiffDir::Exif, tag::kPixelY, static_cast<uint32_t>(height));
}

void ApplyExifOrientationInPlace(Image& img, PictureMetadata& meta) {
    JpegSegment* seg = findExif(meta);
    if (!seg) return;
    const TiffLayout t = walk(seg->data);
    // Turning the picture without resetting the tag would make viewers turn it a second time.
    if (!t.ok) return;
    const int orientation = orientationOf(seg->data, t);
    if (orientation < 2) return;
    Image turned = OrientImage(img, orientation);
    TurnMetadata(meta, orientation);
    img = std::move(turned);
}

const JpegSegment* ExifForPicture(const PictureMetadata& meta, const Image& picture, std::vector<uint8_t>& out,
                                  std::vector<std::string>* warnings) {
    const JpegSegment* seg = findExif(meta);
    const int width = picture.width(), height = picture.height();
    if (!seg || width <= 0 || height <= 0) return nullptr;
    const TiffLayout t = walk(seg->data);
    if (!t.ok) return nullptr;
    out = seg->data;
    uint8_t* block = out.data() + kHead;
    setValue(block, t, TiffDir::Main, tag::kImageWidth, static_cast<uint32_t>(width));
    setValue(block, t, TiffDir::Main, tag::kImageLength, static_cast<uint32_t>(height));
    setValue(block, t, TiffDir::Exif, tag::kPixelX, static_cast<uint32_t>(width));
    setValue(block, t, TiffDir::Exif, tag::kPixelY, static_cast<uint32_t>(height));
    const bool changed = meta.loadedPicture && *meta.loadedPicture != PictureFingerprint(picture);
    matchThumbnail(out, t, picture, changed, warnings);
    return out == seg->data ? nullptr : seg;
}

Image ShrinkToThumbnail(const Image& src, int width, int height) {
    Image out = AllocatePicture(width, height);
    const int sw = src.width(), sh = src.height();
    if (out.empty() || src.empty()) return out;
    // Destination pixel d covers source pixels [d*n/extent, (d+1)*n/extent), at least one.
    auto span = [](int d, int extent, int n, int& lo, int& hi) {
        lo = static_cast<int>(static_cast<int64_t>(d) * n / extent);
        hi = std::max(lo + 1, static_cast<int>(static_cast<int64_t>(d + 1) * n / extent));
    };
    std::vector<int> x0(static_cast<size_t>(width)), x1(static_cast<size_t>(width));
    for (int dx = 0; dx < width; ++dx) span(dx, width, sw, x0[static_cast<size_t>(dx)], x1[static_cast<size_t>(dx)]);
    ParallelRows(
        height,
        [&](int r0, int r1) {
            std::vector<uint64_t> sums(static_cast<size_t>(width) * 3);
            for (int dy = r0; dy < r1; ++dy) {
                int y0 = 0, y1 = 0;
                span(dy, height, sh, y0, y1);
                std::fill(sums.begin(), sums.end(), 0);
                for (int sy = y0; sy < y1; ++sy) {
                    const uint8_t* row = src.row(sy);
                    for (size_t dx = 0; dx < x0.size(); ++dx) {
                        uint64_t b = 0, g = 0, r = 0;
                        for (const uint8_t* p = row + 3 * x0[dx]; p < row + 3 * x1[dx]; p += 3) {
                            b += p[0];
                            g += p[1];
                            r += p[2];
                        }
                        sums[3 * dx] += b;
                        sums[3 * dx + 1] += g;
                        sums[3 * dx + 2] += r;
                    }
                }
                uint8_t* dst = out.row(dy);
                for (size_t dx = 0; dx < x0.size(); ++dx) {
                    const uint64_t count = static_cast<uint64_t>(x1[dx] - x0[dx]) * static_cast<uint64_t>(y1 - y0);
                    for (size_t c = 0; c < 3; ++c) dst[3 * dx + c] = static_cast<uint8_t>((sums[3 * dx + c] + count / 2) / count);
                }
            }
        },
        4);
    return out;
}

}  // namespace detail

uint64_t PictureFingerprint(const Image& img) {
    constexpr uint64_t kMul = 0x9E3779B97F4A7C15ull;
    auto mix = [](uint64_t h, uint64_t v) {
        h = (h ^ v) * kMul;
        return h ^ (h >> 31);
    };
    uint64_t h = mix(mix(0x243F6A8885A308D3ull, uint64_t(img.width())), uint64_t(img.height()));
    const size_t bytes = static_cast<size_t>(img.width()) * 3;
    for (int y = 0; y < img.height(); ++y) {
        const uint8_t* p = img.row(y);
        size_t i = 0;
        for (; i + 8 <= bytes; i += 8) {
            uint64_t v;
            std::memcpy(&v, p + i, 8);
            h = mix(h, v);
        }
        uint64_t tail = 0;
        std::memcpy(&tail, p + i, bytes - i);
        h = mix(h, tail ^ (uint64_t(y) << 40));
    }
    return h;
}
}  // namespace lum

namespace lum {

std::vector<uint8_t> ExifThumbnailJpeg(const PictureMetadata& meta) {
    const JpegSegment* seg = findExif(meta);
    if (!seg) return {};
    const TiffLayout t = walk(seg->data);
    ThumbnailSpot spot;
    if (!t.ok || !jpegThumbnail(seg->data, t, spot) || spot.bytes == 0) return {};
    const size_t from = kHead + static_cast<size_t>(spot.start);
    if (from >= seg->data.size() || seg->data.size() - from < spot.bytes) return {};
    return std::vector<uint8_t>(seg->data.begin() + static_cast<ptrdiff_t>(from),
                                seg->data.begin() + static_cast<ptrdiff_t>(from + spot.bytes));
}

}  // namespace lum
