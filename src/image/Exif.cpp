// EXIF orientation: read and reset through libexif, and the eight mirror/turn transforms.
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include <libexif/exif-data.h>

#include "image/Codec.h"
#include "image/CodecInternal.h"
#include "image/Parallel.h"

namespace lum {

namespace {

constexpr int kApp1 = 0xE1;
constexpr uint8_t kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
constexpr size_t kMaxSegmentPayload = 65533;

bool isExifSegment(const JpegSegment& seg) {
    return seg.marker == kApp1 && seg.data.size() > sizeof kExifHeader &&
           std::memcmp(seg.data.data(), kExifHeader, sizeof kExifHeader) == 0;
}

// The segment viewers read the orientation from: the first EXIF APP1.
const JpegSegment* findExif(const JpegMetadata& meta) {
    for (const JpegSegment& seg : meta.segments)
        if (isExifSegment(seg)) return &seg;
    return nullptr;
}

struct ExifHandle {
    ExifData* data = nullptr;
    explicit ExifHandle(const std::vector<uint8_t>& bytes) {
        data = exif_data_new();
        if (!data) return;
        // Keep the block as the camera wrote it: no tag clean-up, no maker-note rewriting.
        exif_data_unset_option(data, EXIF_DATA_OPTION_IGNORE_UNKNOWN_TAGS);
        exif_data_unset_option(data, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
        exif_data_set_option(data, EXIF_DATA_OPTION_DONT_CHANGE_MAKER_NOTE);
        exif_data_load_data(data, bytes.data(), static_cast<unsigned>(bytes.size()));
    }
    ~ExifHandle() {
        if (data) exif_data_unref(data);
    }
    ExifHandle(const ExifHandle&) = delete;
    ExifHandle& operator=(const ExifHandle&) = delete;
};

bool isShort(const ExifEntry* e) {
    return e && e->format == EXIF_FORMAT_SHORT && e->components >= 1 && e->data && e->size >= 2;
}
bool isLong(const ExifEntry* e) {
    return e && e->format == EXIF_FORMAT_LONG && e->components >= 1 && e->data && e->size >= 4;
}

ExifEntry* orientationEntry(ExifData* d) {
    if (!d) return nullptr;
    ExifEntry* e = exif_content_get_entry(d->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    return isShort(e) ? e : nullptr;
}

int orientationOf(ExifData* d) {
    ExifEntry* e = orientationEntry(d);
    if (!e) return 0;
    int v = exif_get_short(e->data, exif_data_get_byte_order(d));
    return v >= 1 && v <= 8 ? v : 0;
}

// The picture turned by a quarter: the pixel dimensions recorded by the camera follow.
void swapPixelDimensions(ExifData* d) {
    ExifContent* ifd = d->ifd[EXIF_IFD_EXIF];
    ExifEntry* x = exif_content_get_entry(ifd, EXIF_TAG_PIXEL_X_DIMENSION);
    ExifEntry* y = exif_content_get_entry(ifd, EXIF_TAG_PIXEL_Y_DIMENSION);
    ExifByteOrder bo = exif_data_get_byte_order(d);
    if (isShort(x) && isShort(y)) {
        ExifShort a = exif_get_short(x->data, bo), b = exif_get_short(y->data, bo);
        exif_set_short(x->data, bo, b);
        exif_set_short(y->data, bo, a);
    } else if (isLong(x) && isLong(y)) {
        ExifLong a = exif_get_long(x->data, bo), b = exif_get_long(y->data, bo);
        exif_set_long(x->data, bo, b);
        exif_set_long(y->data, bo, a);
    }
}

}  // namespace

int ExifOrientation(const JpegMetadata& meta) {
    const JpegSegment* seg = findExif(meta);
    if (!seg) return 0;
    ExifHandle exif(seg->data);
    return orientationOf(exif.data);
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
    JpegSegment* seg = nullptr;
    for (JpegSegment& s : meta.segments)
        if (isExifSegment(s)) {
            seg = &s;
            break;
        }
    if (!seg) return;
    ExifHandle exif(seg->data);
    const int orientation = orientationOf(exif.data);
    if (orientation < 2) return;

    exif_set_short(orientationEntry(exif.data)->data, exif_data_get_byte_order(exif.data), 1);
    if (orientation >= 5) swapPixelDimensions(exif.data);
    unsigned char* bytes = nullptr;
    unsigned int size = 0;
    exif_data_save_data(exif.data, &bytes, &size);
    // Without a rewritten segment the file would still claim the old orientation and viewers
    // would turn the picture a second time, so then the picture stays as stored.
    if (!bytes || size <= sizeof kExifHeader || size > kMaxSegmentPayload ||
        std::memcmp(bytes, kExifHeader, sizeof kExifHeader) != 0) {
        std::free(bytes);
        return;
    }
    try {
        img = OrientImage(img, orientation);
    } catch (...) {
        std::free(bytes);
        throw;
    }
    seg->data.assign(bytes, bytes + size);
    std::free(bytes);
}

}  // namespace detail
}  // namespace lum
