// SPDX-License-Identifier: GPL-3.0-or-later
// WebP reading through libwebp: still pictures through the incremental decoder, fed a slice at
// a time so that a cancel is seen and a file that ends early still gives its first rows;
// animations give their first frame. The metadata chunks come from the container (demux).
#include <webp/decode.h>
#include <webp/demux.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "image/ColourProfile.h"
#include "image/CodecInternal.h"
#include "image/FormatSupport.h"
#include "image/Formats.h"

namespace lum {

namespace {

constexpr size_t kSlice = 256 << 10;

std::string statusWords(VP8StatusCode status) {
    switch (status) {
    case VP8_STATUS_OUT_OF_MEMORY: return QT_TRANSLATE_NOOP("lum", "not enough memory");
    case VP8_STATUS_INVALID_PARAM: return QT_TRANSLATE_NOOP("lum", "invalid parameter");
    case VP8_STATUS_BITSTREAM_ERROR: return QT_TRANSLATE_NOOP("lum", "the picture data is corrupt");
    case VP8_STATUS_UNSUPPORTED_FEATURE: return QT_TRANSLATE_NOOP("lum", "a feature this reader does not support");
    case VP8_STATUS_NOT_ENOUGH_DATA:
    case VP8_STATUS_SUSPENDED: return QT_TRANSLATE_NOOP("lum", "premature end of WebP file");
    default: return QT_TRANSLATE_NOOP("lum", "unknown error");
    }
}

struct IDecoderDeleter {
    void operator()(WebPIDecoder* d) const { WebPIDelete(d); }
};
struct DemuxDeleter {
    void operator()(WebPDemuxer* d) const { WebPDemuxDelete(d); }
};
struct AnimDeleter {
    void operator()(WebPAnimDecoder* d) const { WebPAnimDecoderDelete(d); }
};

void bgraOverWhite(const uint8_t* src, int srcStride, Image& img, int rows) {
    const int w = img.width();
    for (int y = 0; y < rows; ++y) {
        const uint8_t* s = src + static_cast<ptrdiff_t>(srcStride) * y;
        uint8_t* d = img.row(y);
        for (int x = 0; x < w; ++x, s += 4, d += 3) {
            d[0] = detail::OverWhite(s[0], s[3]);
            d[1] = detail::OverWhite(s[1], s[3]);
            d[2] = detail::OverWhite(s[2], s[3]);
        }
    }
}

void collectMetadata(const uint8_t* data, size_t size, PictureMetadata& meta) {
    WebPData whole{data, size};
    WebPDemuxState state;
    std::unique_ptr<WebPDemuxer, DemuxDeleter> demux(WebPDemuxPartial(&whole, &state));
    if (!demux) return;
    WebPChunkIterator it;
    if (WebPDemuxGetChunk(demux.get(), "ICCP", 1, &it)) {
        AddProfileToMetadata(meta, std::vector<uint8_t>(it.chunk.bytes, it.chunk.bytes + it.chunk.size));
        WebPDemuxReleaseChunkIterator(&it);
    }
    if (WebPDemuxGetChunk(demux.get(), "EXIF", 1, &it)) {
        detail::AddExifSegment(meta, it.chunk.bytes, it.chunk.size);
        WebPDemuxReleaseChunkIterator(&it);
    }
    if (WebPDemuxGetChunk(demux.get(), "XMP ", 1, &it)) {
        detail::AddXmpSegment(meta, it.chunk.bytes, it.chunk.size);
        WebPDemuxReleaseChunkIterator(&it);
    }
}

Image firstFrame(const uint8_t* data, size_t size, int width, int height) {
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options)) detail::ThrowReaderError("WebP", Words(QT_TRANSLATE_NOOP("lum", "the library cannot decode animations")));
    options.color_mode = MODE_BGRA;
    options.use_threads = 0;
    WebPData whole{data, size};
    std::unique_ptr<WebPAnimDecoder, AnimDeleter> dec(WebPAnimDecoderNew(&whole, &options));
    uint8_t* frame = nullptr;
    int timestamp = 0;
    if (!dec || !WebPAnimDecoderGetNext(dec.get(), &frame, &timestamp) || !frame)
        detail::ThrowReaderError("WebP", Words(QT_TRANSLATE_NOOP("lum", "the first frame of the animation cannot be decoded")));
    Image img = detail::AllocatePicture(width, height);
    bgraOverWhite(frame, width * 4, img, height);
    return img;
}

}  // namespace

Image DecodeWebp(const uint8_t* data, size_t size, PictureMetadata* meta, const DecodeOptions& opts,
                 DecodeReport* report) {
    detail::StartReport(report);
    if (!data) size = 0;
    WebPBitstreamFeatures features;
    const VP8StatusCode head = WebPGetFeatures(data, size, &features);
    if (head != VP8_STATUS_OK) detail::ThrowReaderError("WebP", Words(statusWords(head)));
    const int w = features.width, h = features.height;
    detail::CheckDeclaredSize(w, h, opts);

    PictureMetadata local;
    PictureMetadata& out = meta ? *meta : local;
    out = PictureMetadata();
    collectMetadata(data, size, out);

    Image img;
    if (features.has_animation) {
        img = firstFrame(data, size, w, h);
    } else {
        img = detail::AllocatePicture(w, h);
        const bool alpha = features.has_alpha != 0;
        std::vector<uint8_t> bgra;
        WebPDecoderConfig config;
        if (!WebPInitDecoderConfig(&config)) detail::ThrowReaderError("WebP", Words(QT_TRANSLATE_NOOP("lum", "library version mismatch")));
        config.output.colorspace = alpha ? MODE_BGRA : MODE_BGR;
        config.output.is_external_memory = 1;
        if (alpha) {
            bgra.resize(static_cast<size_t>(w) * 4 * static_cast<size_t>(h));
            config.output.u.RGBA.rgba = bgra.data();
            config.output.u.RGBA.stride = w * 4;
            config.output.u.RGBA.size = bgra.size();
        } else {
            config.output.u.RGBA.rgba = img.data();
            config.output.u.RGBA.stride = static_cast<int>(img.stride());
            config.output.u.RGBA.size = img.byteSize();
        }
        std::unique_ptr<WebPIDecoder, IDecoderDeleter> dec(WebPINewDecoder(&config.output));
        if (!dec) detail::ThrowReaderError("WebP", Words(QT_TRANSLATE_NOOP("lum", "not enough memory")));
        VP8StatusCode status = VP8_STATUS_SUSPENDED;
        for (size_t at = 0; at < size && status == VP8_STATUS_SUSPENDED; at += kSlice) {
            detail::CheckCancel(opts);
            status = WebPIAppend(dec.get(), data + at, std::min(kSlice, size - at));
        }
        int lastRow = 0;
        if (status != VP8_STATUS_OK) {
            int ow = 0, oh = 0;
            // Rows above lastRow are complete even when the data failed or ran out below them.
            if (!WebPIDecGetRGB(dec.get(), &lastRow, &ow, &oh, nullptr)) lastRow = 0;
            if (lastRow <= 0) detail::ThrowReaderError("WebP", Words(statusWords(status)));
            detail::NoteDamage(report, statusWords(status),
                               status == VP8_STATUS_SUSPENDED ? DamageKind::EndsEarly : DamageKind::BreaksOff);
        } else {
            lastRow = h;
        }
        lastRow = std::min(lastRow, h);
        if (alpha) bgraOverWhite(bgra.data(), w * 4, img, lastRow);
        detail::FillMissingRows(img, lastRow);
    }
    detail::OrientByExif(img, out, opts);
    return img;
}

}  // namespace lum
