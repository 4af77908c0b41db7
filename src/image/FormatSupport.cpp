// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/FormatSupport.h"

#include <algorithm>
#include <cstring>

#include "image/CodecInternal.h"

namespace lum::detail {

namespace {
constexpr int kApp1 = 0xE1;
constexpr size_t kMaxSegmentPayload = 65533;
constexpr uint8_t kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
constexpr char kXmpHeader[] = "http://ns.adobe.com/xap/1.0/";  // written with its NUL
}  // namespace

void CheckDeclaredSize(int64_t width, int64_t height, const DecodeOptions& opts) {
    try {
        Image::checkSize(width, height);
        if (opts.maxPixels > 0 && width * height > opts.maxPixels)
            throw ImageTooLarge(Words(QT_TRANSLATE_NOOP("lum", "Image too large: %1 x %2 pixels"), {std::to_string(width), std::to_string(height)}));
    } catch (const ImageTooLarge& e) {
        throw CodecError(e.words());
    }
}

void CheckCancel(const DecodeOptions& opts) {
    if (opts.cancel && opts.cancel->load(std::memory_order_relaxed)) throw DecodeCancelled();
}

void FillMissingRows(Image& img, int y) {
    const size_t bytes = static_cast<size_t>(img.width()) * 3;
    for (y = std::max(y, 0); y < img.height(); ++y) std::memset(img.row(y), kMissingGrey, bytes);
}

void StartReport(DecodeReport* report) {
    if (!report) return;
    report->warnings.clear();
    report->said.clear();
    report->kind = DamageKind::None;
}

void NoteDamage(DecodeReport* report, const std::string& words, DamageKind kind) {
    if (!report) return;
    if (report->kind == DamageKind::None) report->kind = kind;
    const std::string w = words.empty() ? std::string(QT_TRANSLATE_NOOP("lum", "damaged data")) : words;
    if (std::find(report->warnings.begin(), report->warnings.end(), w) == report->warnings.end()) {
        report->warnings.push_back(w);
        report->said.push_back(Words::Plain(w));  // looked up all the same: the readers' own phrases are marked
    }
}

void AddExifSegment(PictureMetadata& meta, const uint8_t* data, size_t size) {
    if (!data) return;
    if (size >= sizeof kExifHeader && std::memcmp(data, kExifHeader, sizeof kExifHeader) == 0) {
        data += sizeof kExifHeader;
        size -= sizeof kExifHeader;
    }
    // A TIFF header, or nothing worth carrying.
    if (size < 8 || !((data[0] == 'I' && data[1] == 'I') || (data[0] == 'M' && data[1] == 'M'))) return;
    if (size + sizeof kExifHeader > kMaxSegmentPayload) return;
    JpegSegment seg;
    seg.marker = kApp1;
    seg.data.assign(kExifHeader, kExifHeader + sizeof kExifHeader);
    seg.data.insert(seg.data.end(), data, data + size);
    meta.segments.push_back(std::move(seg));
}

void AddXmpSegment(PictureMetadata& meta, const uint8_t* data, size_t size) {
    if (!data || size == 0 || size + sizeof kXmpHeader > kMaxSegmentPayload) return;
    JpegSegment seg;
    seg.marker = kApp1;
    seg.data.assign(kXmpHeader, kXmpHeader + sizeof kXmpHeader);
    seg.data.insert(seg.data.end(), data, data + size);
    meta.segments.push_back(std::move(seg));
}

void OrientByExif(Image& img, PictureMetadata& meta, const DecodeOptions& opts) {
    if (opts.applyExifOrientation) ApplyExifOrientationInPlace(img, meta);
}

void ResetExifOrientation(PictureMetadata& meta) {
    // The JPEG path resets the metadata while it turns the picture; here it turns a stand-in
    // of one pixel, which any orientation leaves as it is.
    Image standIn(1, 1);
    ApplyExifOrientationInPlace(standIn, meta);
}

}  // namespace lum::detail
