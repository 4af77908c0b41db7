// SPDX-License-Identifier: GPL-3.0-or-later
// TIFF reading through libtiff, first page only. Grey and RGB pictures of 8 or 16 bits are read
// strip by strip (or tile row by tile row) and converted here, so 16-bit samples are rounded;
// everything else (palettes, bilevel scans, YCbCr and JPEG-compressed, CMYK...) goes through the
// library's RGBA reader, in bands that hold whole strips or tiles. A band the library cannot
// read is left mid-grey and the photo is damaged; nothing read at all is an error. Library
// messages go to a handler of this one file, never to the terminal.
#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
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

// What libtiff may take in one piece (a strip or tile buffer, a tag's values).
constexpr tmsize_t kMaxSingleAlloc = tmsize_t(1) << 30;
// Rows of the RGBA reader's band when strips are short.
constexpr uint32_t kBandRows = 64;

struct MemFile {
    const uint8_t* data = nullptr;
    toff_t size = 0;
    toff_t pos = 0;
    std::string error;  // the library's last error
};

tmsize_t readProc(thandle_t h, void* out, tmsize_t n) {
    auto* f = static_cast<MemFile*>(h);
    if (n <= 0 || f->pos >= f->size) return 0;
    const toff_t take = std::min<toff_t>(static_cast<toff_t>(n), f->size - f->pos);
    std::memcpy(out, f->data + f->pos, static_cast<size_t>(take));
    f->pos += take;
    return static_cast<tmsize_t>(take);
}
tmsize_t writeProc(thandle_t, void*, tmsize_t) { return -1; }
toff_t seekProc(thandle_t h, toff_t off, int whence) {
    auto* f = static_cast<MemFile*>(h);
    toff_t base = whence == SEEK_CUR ? f->pos : whence == SEEK_END ? f->size : 0;
    if (off > ~toff_t(0) - base) return static_cast<toff_t>(-1);
    f->pos = base + off;
    return f->pos;
}
int closeProc(thandle_t) { return 0; }
toff_t sizeProc(thandle_t h) { return static_cast<MemFile*>(h)->size; }
int mapProc(thandle_t h, void** base, toff_t* size) {
    auto* f = static_cast<MemFile*>(h);
    *base = const_cast<uint8_t*>(f->data);
    *size = f->size;
    return 1;
}
void unmapProc(thandle_t, void*, toff_t) {}

int onError(TIFF*, void* user, const char*, const char* fmt, va_list ap) {
    char text[512];
    std::vsnprintf(text, sizeof text, fmt, ap);
    auto* f = static_cast<MemFile*>(user);
    f->error = detail::PlainReaderWords(text).English();
    return 1;  // handled: nothing printed
}
int onWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

struct TiffCloser {
    void operator()(TIFF* t) const { TIFFClose(t); }
};

// The layout of a picture the direct reader takes.
struct Direct {
    bool ok = false;
    int colours = 3;   // 1 grey, 3 RGB
    int samples = 3;   // per pixel, extra ones included
    int bytes = 1;     // per sample
    int alpha = 0;     // 0 none, EXTRASAMPLE_ASSOCALPHA or EXTRASAMPLE_UNASSALPHA
    bool inverted = false;  // white is zero
};

Direct directLayout(TIFF* tif) {
    Direct d;
    uint16_t photometric = 0, bits = 0, spp = 1, planar = PLANARCONFIG_CONTIG, format = SAMPLEFORMAT_UINT;
    uint16_t extraCount = 0;
    uint16_t* extra = nullptr;
    if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric)) return d;
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &spp);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &format);
    TIFFGetFieldDefaulted(tif, TIFFTAG_EXTRASAMPLES, &extraCount, &extra);
    if ((bits != 8 && bits != 16) || planar != PLANARCONFIG_CONTIG || format != SAMPLEFORMAT_UINT) return d;
    if (photometric == PHOTOMETRIC_RGB) {
        d.colours = 3;
    } else if (photometric == PHOTOMETRIC_MINISBLACK || photometric == PHOTOMETRIC_MINISWHITE) {
        d.colours = 1;
        d.inverted = photometric == PHOTOMETRIC_MINISWHITE;
    } else {
        return d;
    }
    if (spp < d.colours || spp != d.colours + extraCount) return d;
    d.samples = spp;
    d.bytes = bits / 8;
    if (extraCount > 0) {
        // As the library's own reader: an unspecified extra sample after RGB is taken as alpha.
        if (extra[0] == EXTRASAMPLE_ASSOCALPHA || extra[0] == EXTRASAMPLE_UNASSALPHA)
            d.alpha = extra[0];
        else if (extra[0] == EXTRASAMPLE_UNSPECIFIED && spp > 3)
            d.alpha = EXTRASAMPLE_ASSOCALPHA;
    }
    d.ok = true;
    return d;
}

// One row of samples (rounded to 8 bits) into BGR.
void convertRow(const Direct& d, const uint8_t* src, int pixels, uint8_t* dst) {
    const int n = d.samples;
    auto at = [&](int x, int s) -> unsigned {
        const size_t i = static_cast<size_t>(x) * n + s;
        if (d.bytes == 1) return src[i];
        uint16_t v;
        std::memcpy(&v, src + 2 * i, 2);
        return detail::Round16(v);
    };
    for (int x = 0; x < pixels; ++x, dst += 3) {
        unsigned r, g, b;
        if (d.colours == 1) {
            unsigned v = at(x, 0);
            if (d.inverted) v = 255 - v;
            r = g = b = v;
        } else {
            r = at(x, 0), g = at(x, 1), b = at(x, 2);
        }
        if (d.alpha) {
            const unsigned a = at(x, d.colours);
            if (d.alpha == EXTRASAMPLE_UNASSALPHA) {
                r = detail::OverWhite(r, a), g = detail::OverWhite(g, a), b = detail::OverWhite(b, a);
            } else {
                r = detail::PremultipliedOverWhite(r, a), g = detail::PremultipliedOverWhite(g, a),
                b = detail::PremultipliedOverWhite(b, a);
            }
        }
        dst[0] = static_cast<uint8_t>(b), dst[1] = static_cast<uint8_t>(g), dst[2] = static_cast<uint8_t>(r);
    }
}

// The picture as stored, band by band; the picture is allocated by the first band read.
class BandedPicture {
public:
    BandedPicture(int w, int h, MemFile& file, DecodeReport* report) : w_(w), h_(h), file_(file), report_(report) {}
    uint8_t* Row(int y) { return img_.row(y); }
    // Before writing the rows of a band that read well.
    void Good() {
        if (img_.empty()) {
            img_ = detail::AllocatePicture(w_, h_);
            detail::FillMissingRows(img_, 0);
        }
    }
    void Bad() {
        const std::string said = file_.error.empty() ? std::string(QT_TRANSLATE_NOOP("lum", "unreadable picture data")) : file_.error;
        if (firstError_.empty()) firstError_ = said;
        detail::NoteDamage(report_, said, DamageKind::Corrupt);
        file_.error.clear();
    }
    Image Take() {
        if (img_.empty()) {
            detail::StartReport(report_);
            detail::ThrowReaderError("TIFF", firstError_);
        }
        return std::move(img_);
    }

private:
    int w_, h_;
    MemFile& file_;
    DecodeReport* report_;
    Image img_;
    std::string firstError_;
};

void readDirect(TIFF* tif, const Direct& d, BandedPicture& pic, int w, int h, const DecodeOptions& opts) {
    const bool tiled = TIFFIsTiled(tif);
    uint32_t tw = static_cast<uint32_t>(w), th = 0;
    if (tiled) {
        TIFFGetField(tif, TIFFTAG_TILEWIDTH, &tw);
        TIFFGetField(tif, TIFFTAG_TILELENGTH, &th);
    } else {
        TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &th);
    }
    if (tw == 0 || th == 0) detail::ThrowReaderError("TIFF", Words(QT_TRANSLATE_NOOP("lum", "strips or tiles of no size")));
    // Only the rows inside the picture are decoded, however tall the tiles say they are.
    const uint32_t rowsUsed = std::min<uint32_t>(th, static_cast<uint32_t>(h));
    const uint64_t rowBytes = uint64_t(tw) * d.samples * d.bytes;
    if (rowBytes * rowsUsed > static_cast<uint64_t>(kMaxSingleAlloc))
        detail::ThrowReaderError("TIFF", Words(QT_TRANSLATE_NOOP("lum", "strips or tiles too large (%1 x %2 pixels)"),
                                                {std::to_string(tw), std::to_string(th)}));
    std::vector<uint8_t> buf(static_cast<size_t>(rowBytes * rowsUsed));
    for (uint32_t y0 = 0; y0 < static_cast<uint32_t>(h); y0 += th) {
        detail::CheckCancel(opts);
        const int rows = static_cast<int>(std::min<uint32_t>(th, static_cast<uint32_t>(h) - y0));
        const auto need = static_cast<tmsize_t>(rowBytes * static_cast<uint64_t>(rows));
        for (uint32_t x0 = 0; x0 < static_cast<uint32_t>(w); x0 += tw) {
            const tmsize_t got = tiled ? TIFFReadEncodedTile(tif, TIFFComputeTile(tif, x0, y0, 0, 0), buf.data(), need)
                                       : TIFFReadEncodedStrip(tif, TIFFComputeStrip(tif, y0, 0), buf.data(), need);
            if (got < need) {
                pic.Bad();
                continue;
            }
            pic.Good();
            const int pixels = static_cast<int>(std::min<uint32_t>(tw, static_cast<uint32_t>(w) - x0));
            for (int r = 0; r < rows; ++r)
                convertRow(d, buf.data() + rowBytes * static_cast<uint64_t>(r), pixels, pic.Row(static_cast<int>(y0) + r) + 3 * size_t(x0));
        }
    }
}

void readRgba(TIFF* tif, MemFile& file, BandedPicture& pic, int w, int h, const DecodeOptions& opts) {
    char message[1024] = {};
    if (!TIFFRGBAImageOK(tif, message)) detail::ThrowReaderError("TIFF", detail::PlainReaderWords(message));
    TIFFRGBAImage rgba{};
    if (!TIFFRGBAImageBegin(&rgba, tif, 1, message)) detail::ThrowReaderError("TIFF", detail::PlainReaderWords(message));
    struct End {
        TIFFRGBAImage* r;
        ~End() { TIFFRGBAImageEnd(r); }
    } end{&rgba};
    rgba.req_orientation = rgba.orientation;  // rows as stored; the turn is ours
    uint32_t band = 0;
    if (TIFFIsTiled(tif)) {
        TIFFGetField(tif, TIFFTAG_TILELENGTH, &band);
    } else {
        TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &band);
        // Whole strips only: a band that cuts one makes the library decode it again.
        if (band > 0 && band < kBandRows) band *= kBandRows / band;
    }
    band = std::clamp<uint32_t>(band, 1, static_cast<uint32_t>(h));
    std::vector<uint32_t> raster;
    try {
        raster.resize(static_cast<size_t>(w) * band);
    } catch (const std::bad_alloc&) {
        throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Not enough memory to read this TIFF file")));
    }
    for (uint32_t y0 = 0; y0 < static_cast<uint32_t>(h); y0 += band) {
        detail::CheckCancel(opts);
        const uint32_t rows = std::min<uint32_t>(band, static_cast<uint32_t>(h) - y0);
        rgba.row_offset = static_cast<int>(y0);
        rgba.col_offset = 0;
        if (!TIFFRGBAImageGet(&rgba, raster.data(), static_cast<uint32_t>(w), rows)) {
            if (file.error.empty()) file.error = QT_TRANSLATE_NOOP("lum", "unreadable picture data");
            pic.Bad();
            continue;
        }
        pic.Good();
        for (uint32_t r = 0; r < rows; ++r) {
            const uint32_t* src = raster.data() + static_cast<size_t>(w) * r;
            uint8_t* dst = pic.Row(static_cast<int>(y0 + r));
            for (int x = 0; x < w; ++x, dst += 3) {
                const uint32_t p = src[x];
                const unsigned a = TIFFGetA(p);
                dst[0] = detail::PremultipliedOverWhite(TIFFGetB(p), a);
                dst[1] = detail::PremultipliedOverWhite(TIFFGetG(p), a);
                dst[2] = detail::PremultipliedOverWhite(TIFFGetR(p), a);
            }
        }
    }
}

void collectMetadata(TIFF* tif, const uint8_t* data, size_t size, int orientation, PictureMetadata& meta) {
    uint32_t count = 0;
    void* bytes = nullptr;
    if (TIFFGetField(tif, TIFFTAG_ICCPROFILE, &count, &bytes) && bytes && count > 0) {
        const auto* p = static_cast<const uint8_t*>(bytes);
        AddProfileToMetadata(meta, std::vector<uint8_t>(p, p + count));
    }
    detail::AddExifFromTiffFile(meta, data, size, orientation);
    if (TIFFGetField(tif, TIFFTAG_XMLPACKET, &count, &bytes) && bytes && count > 0)
        detail::AddXmpSegment(meta, static_cast<const uint8_t*>(bytes), count);
}

}  // namespace

Image DecodeTiff(const uint8_t* data, size_t size, PictureMetadata* meta, const DecodeOptions& opts,
                 DecodeReport* report) {
    detail::StartReport(report);
    MemFile file;
    file.data = data;
    file.size = data ? size : 0;
    std::unique_ptr<TIFFOpenOptions, void (*)(TIFFOpenOptions*)> options(TIFFOpenOptionsAlloc(), TIFFOpenOptionsFree);
    if (!options) throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Not enough memory to read a TIFF file")));
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), kMaxSingleAlloc);
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), onError, &file);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), onWarning, &file);
    std::unique_ptr<TIFF, TiffCloser> tif(TIFFClientOpenExt("TIFF", "rm", &file, readProc, writeProc, seekProc,
                                                            closeProc, sizeProc, mapProc, unmapProc, options.get()));
    if (!tif) detail::ThrowReaderError("TIFF", file.error.empty() ? Words(QT_TRANSLATE_NOOP("lum", "not a TIFF file")) : Words(file.error));

    uint32_t w = 0, h = 0;
    if (!TIFFGetField(tif.get(), TIFFTAG_IMAGEWIDTH, &w) || !TIFFGetField(tif.get(), TIFFTAG_IMAGELENGTH, &h) || w == 0 ||
        h == 0)
        detail::ThrowReaderError("TIFF", Words(QT_TRANSLATE_NOOP("lum", "the picture has no size")));
    detail::CheckDeclaredSize(w, h, opts);
    uint16_t orientation = ORIENTATION_TOPLEFT;
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_ORIENTATION, &orientation);

    PictureMetadata local;
    PictureMetadata& out = meta ? *meta : local;
    out = PictureMetadata();
    const bool turn = opts.applyExifOrientation && orientation >= 2 && orientation <= 8;
    collectMetadata(tif.get(), data, file.size, turn ? 1 : orientation, out);

    BandedPicture pic(static_cast<int>(w), static_cast<int>(h), file, report);
    const Direct d = directLayout(tif.get());
    if (d.ok)
        readDirect(tif.get(), d, pic, static_cast<int>(w), static_cast<int>(h), opts);
    else
        readRgba(tif.get(), file, pic, static_cast<int>(w), static_cast<int>(h), opts);
    Image img = pic.Take();
    if (turn) img = OrientImage(img, orientation);
    return img;
}

}  // namespace lum
