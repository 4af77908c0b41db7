// SPDX-License-Identifier: GPL-3.0-or-later
// Thumbnails at the least decoding each format allows.
#include "image/Thumbnail.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "image/CodecInternal.h"
#include "image/Formats.h"
#include "image/JpegPreview.h"

namespace lum {

namespace {

// An EXIF thumbnail is a few kilobytes; one bigger than this is not what it claims to be.
constexpr int64_t kMaxExifThumbnailPixels = 1 << 20;
// How far the EXIF thumbnail's proportions may stray from the photo's (rounding of its sides):
// beyond it the camera letterboxed or cropped it, and the thumbnail would not show the photo.
constexpr double kShapeTolerance = 0.03;

struct JpegHeader {
    int width = 0, height = 0;  // as stored
    PictureMetadata meta;       // the EXIF segments only
};

// Walks the markers up to the first frame header; no pixel data is touched.
JpegHeader ReadJpegHeader(const uint8_t* d, size_t n) {
    JpegHeader h;
    size_t at = 2;
    while (at + 4 <= n) {
        if (d[at] != 0xFF) break;
        const int marker = d[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            at += 2;
            continue;
        }
        const size_t len = size_t(d[at + 2]) << 8 | d[at + 3];
        if (len < 2 || at + 2 + len > n) break;
        const uint8_t* body = d + at + 4;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (len >= 7) {
                h.height = body[1] << 8 | body[2];
                h.width = body[3] << 8 | body[4];
            }
            break;
        }
        if (marker == 0xDA || marker == 0xD9) break;
        if (marker == 0xE1) {
            JpegSegment seg;
            seg.marker = marker;
            seg.data.assign(body, body + (len - 2));
            h.meta.segments.push_back(std::move(seg));
        }
        at += 2 + len;
    }
    return h;
}

// The side lengths of a w x h picture fitted into maxSide, never enlarged.
void FitInto(int w, int h, int maxSide, int& ow, int& oh) {
    if (w <= maxSide && h <= maxSide) {
        ow = w, oh = h;
        return;
    }
    const double f = static_cast<double>(maxSide) / std::max(w, h);
    ow = std::max(1, static_cast<int>(std::lround(w * f)));
    oh = std::max(1, static_cast<int>(std::lround(h * f)));
}

Image Fit(Image img, int maxSide) {
    int w = 0, h = 0;
    FitInto(img.width(), img.height(), maxSide, w, h);
    if (w == img.width() && h == img.height()) return img;
    return detail::ShrinkToThumbnail(img, w, h);
}

// The EXIF thumbnail turned upright, when it is as big as asked and shows the whole photo.
Image FromExifThumbnail(const JpegHeader& head, int maxSide) {
    if (head.width <= 0 || head.height <= 0) return Image();
    const std::vector<uint8_t> bytes = ExifThumbnailJpeg(head.meta);
    if (bytes.empty()) return Image();
    try {
        DecodeOptions opts;
        opts.applyExifOrientation = false;
        opts.maxPixels = kMaxExifThumbnailPixels;
        DecodeReport report;
        Image t = DecodeJpeg(bytes.data(), bytes.size(), nullptr, opts, &report);
        if (report.damaged() || t.empty()) return Image();
        // Big enough: the thumbnail made from it is not enlarged past what the photo gives.
        int fw = 0, fh = 0;
        FitInto(head.width, head.height, maxSide, fw, fh);
        if (t.width() < fw || t.height() < fh) return Image();
        const double photoShape = static_cast<double>(head.width) / head.height;
        const double thumbShape = static_cast<double>(t.width()) / t.height();
        if (std::abs(thumbShape / photoShape - 1.0) > kShapeTolerance) return Image();
        return Fit(OrientImage(t, ExifOrientation(head.meta)), maxSide);
    } catch (const CodecError&) {
        return Image();
    }
}

// The percent of its size a photo is shown at for its longer side to be maxSide: the scaled
// decode then leaves at least maxSide pixels.
int PercentFor(int w, int h, int maxSide) {
    const int side = std::max(w, h);
    if (side <= 0) return 100;
    return std::clamp(static_cast<int>((static_cast<int64_t>(maxSide) * 100 + side - 1) / side), 1, 100);
}

}  // namespace

Image MakeThumbnail(const uint8_t* data, size_t size, int maxSide, const std::atomic<bool>* cancel,
                    ThumbnailSource* source) {
    auto said = [source](ThumbnailSource s) {
        if (source) *source = s;
    };
    auto check = [cancel] {
        if (cancel && cancel->load(std::memory_order_relaxed)) throw DecodeCancelled();
    };
    maxSide = std::max(maxSide, 1);
    const FileFormat format = SniffFormat(data, size);
    auto percentFor = [maxSide](int w, int h) { return PercentFor(w, h, maxSide); };
    if (format == FileFormat::Jpeg) {
        const JpegHeader head = ReadJpegHeader(data, size);
        Image t = FromExifThumbnail(head, maxSide);
        if (!t.empty()) {
            said(ThumbnailSource::ExifThumbnail);
            return t;
        }
        check();
        JpegPreview p = DecodePicturePreview(data, size, percentFor, cancel);
        if (!p.image.empty()) {
            said(ThumbnailSource::ScaledDecode);
            return Fit(std::move(p.image), maxSide);
        }
    } else if (format == FileFormat::Heif) {
        JpegPreview p = DecodePicturePreview(data, size, percentFor, cancel);
        if (!p.image.empty() && std::max(p.image.width(), p.image.height()) >= maxSide) {
            said(ThumbnailSource::EmbeddedThumbnail);
            return Fit(std::move(p.image), maxSide);
        }
    }
    check();
    // A JPEG gets here when its scaled decode would not be smaller (a small photo), for CMYK,
    // and for damage, which the full decode puts in words.
    DecodeOptions opts;
    opts.cancel = cancel;
    opts.maxPixels = kThumbnailMaxPixels;
    Image img = DecodePicture(data, size, nullptr, nullptr, opts, nullptr);
    check();
    said(ThumbnailSource::FullDecode);
    return Fit(std::move(img), maxSide);
}

}  // namespace lum
