// SPDX-License-Identifier: GPL-3.0-or-later
// PNG reading through libpng's progressive reader, which takes the file as it comes and hands
// over each row as soon as it is decoded, so a file cut short still gives the rows it holds.
// libpng reports fatal errors by longjmp to the setjmp of the function that feeds it, so
// everything that must survive the jump lives in one heap state object, the callbacks throw
// nothing (a refusal of ours is noted and turned into a library error), and no C++ object is
// made between the setjmp and a library call. The picture is allocated only once its first row
// has decoded.
#include <png.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "image/CodecInternal.h"
#include "image/ColourProfile.h"
#include "image/FormatSupport.h"
#include "image/Formats.h"

namespace lum {

namespace {

constexpr char kEndOfData[] = "Premature end of PNG file";
constexpr int kRowsBetweenChecks = 16;
constexpr size_t kSlice = 256 << 10;

struct PngState {
    png_structp png = nullptr;
    png_infop info = nullptr;
    const DecodeOptions* opts = nullptr;
    const uint8_t* data = nullptr;
    size_t size = 0;
    std::string error;    // the library's words for the failure
    Words refusal;  // ours: the size, the memory
    bool cancelled = false;
    bool crcDamage = false;
    std::string crcWords;
    int width = 0, height = 0, channels = 3, passes = 1;
    int rowsDone = 0;       // single pass: rows stored so far
    bool allRows = false;   // the last row of the last pass arrived
    bool complete = false;  // the end of the file was reached
    std::vector<uint8_t> rows;  // interlaced: the whole picture as decoded so far
    Image img;
    PictureMetadata meta;
    ~PngState() { png_destroy_read_struct(&png, &info, nullptr); }
};

PngState* stateOf(png_structp png) { return static_cast<PngState*>(png_get_progressive_ptr(png)); }

void onError(png_structp png, png_const_charp text) {
    auto* s = static_cast<PngState*>(png_get_error_ptr(png));
    if (s->error.empty()) s->error = text ? text : "";
    png_longjmp(png, 1);
}

void onWarning(png_structp png, png_const_charp text) {
    auto* s = static_cast<PngState*>(png_get_error_ptr(png));
    // Most warnings are about chunks a reader may skip; a checksum error is damage.
    if (text && std::strstr(text, "CRC error")) {
        s->crcDamage = true;
        s->crcWords = text;
    }
}

// ImageMagick keeps EXIF in a text chunk: "\nexif\n    <length>\n<hex digits>".
void exifFromRawProfile(PictureMetadata& meta, const char* text, size_t length) {
    const std::string t(text, length);
    size_t at = t.find('\n', 1);
    if (t.empty() || t[0] != '\n' || at == std::string::npos) return;
    size_t end = 0;
    unsigned long bytes = 0;
    try {
        bytes = std::stoul(t.substr(at + 1), &end);
    } catch (const std::exception&) {
        return;
    }
    at += 1 + end;
    if (bytes == 0 || bytes > 65533) return;
    std::vector<uint8_t> raw;
    raw.reserve(bytes);
    int high = -1;
    for (; at < t.size() && raw.size() < bytes; ++at) {
        const char c = t[at];
        int v = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (v < 0) continue;
        if (high < 0) {
            high = v;
        } else {
            raw.push_back(static_cast<uint8_t>(high << 4 | v));
            high = -1;
        }
    }
    if (raw.size() == bytes) detail::AddExifSegment(meta, raw.data(), raw.size());
}

bool hasExif(const PictureMetadata& meta) {
    for (const JpegSegment& seg : meta.segments)
        if (seg.marker == 0xE1 && seg.data.size() > 6 && std::memcmp(seg.data.data(), "Exif\0\0", 6) == 0) return true;
    return false;
}

// The pixel size of pHYs: per metre becomes per inch, the print sizes JPEG and BMP headers give.
void collectDensity(PngState* s, png_infop info) {
    png_uint_32 x = 0, y = 0;
    int unit = PNG_RESOLUTION_UNKNOWN;
    if (s->meta.density.known() || !png_get_pHYs(s->png, info, &x, &y, &unit)) return;
    PixelDensity d;
    if (unit == PNG_RESOLUTION_METER) {
        d.unit = PixelDensity::PerInch;
        x = static_cast<png_uint_32>(std::lround(x * 0.0254));
        y = static_cast<png_uint_32>(std::lround(y * 0.0254));
    }
    if (x == 0 || y == 0 || x > 65535 || y > 65535) return;  // no size a JPEG header can hold
    d.x = static_cast<uint16_t>(x);
    d.y = static_cast<uint16_t>(y);
    s->meta.density = d;
}

// EXIF, XMP and the pixel size of one info structure (before or after the picture data).
void collectMetadata(PngState* s, png_infop info) {
    collectDensity(s, info);
    png_uint_32 exifSize = 0;
    png_bytep exif = nullptr;
    if (png_get_eXIf_1(s->png, info, &exifSize, &exif) && exif && !hasExif(s->meta))
        detail::AddExifSegment(s->meta, exif, exifSize);
    // The progressive reader leaves eXIf to the unknown chunks.
    png_unknown_chunkp unknown = nullptr;
    const int unknownCount = png_get_unknown_chunks(s->png, info, &unknown);
    for (int i = 0; i < unknownCount; ++i)
        if (std::memcmp(unknown[i].name, "eXIf", 4) == 0 && !hasExif(s->meta))
            detail::AddExifSegment(s->meta, unknown[i].data, unknown[i].size);
    png_textp text = nullptr;
    int count = 0;
    png_get_text(s->png, info, &text, &count);
    for (int i = 0; i < count; ++i) {
        const png_text& t = text[i];
        if (!t.key || !t.text) continue;
        const size_t length = t.compression > 0 ? t.itxt_length : t.text_length;
        if (std::strcmp(t.key, "XML:com.adobe.xmp") == 0) {
            detail::AddXmpSegment(s->meta, reinterpret_cast<const uint8_t*>(t.text), length);
        } else if ((std::strcmp(t.key, "Raw profile type exif") == 0 || std::strcmp(t.key, "Raw profile type APP1") == 0) &&
                   !hasExif(s->meta)) {
            exifFromRawProfile(s->meta, t.text, length);
        }
    }
}

// One decoded row (BGR or BGRA) into the picture's row y.
void storeRow(const uint8_t* src, int channels, uint8_t* dst, int width) {
    if (channels == 3) {
        std::memcpy(dst, src, static_cast<size_t>(width) * 3);
        return;
    }
    for (int x = 0; x < width; ++x, src += 4, dst += 3) {
        dst[0] = detail::OverWhite(src[0], src[3]);
        dst[1] = detail::OverWhite(src[1], src[3]);
        dst[2] = detail::OverWhite(src[2], src[3]);
    }
}

void finishInterlaced(PngState* s) {
    const size_t bytes = static_cast<size_t>(s->width) * s->channels;
    for (int y = 0; y < s->height; ++y)
        storeRow(s->rows.data() + bytes * static_cast<size_t>(y), s->channels, s->img.row(y), s->width);
}

void onInfo(png_structp png, png_infop info) {
    PngState* s = stateOf(png);
    png_uint_32 w = 0, h = 0;
    int depth = 0, colour = 0;
    png_get_IHDR(png, info, &w, &h, &depth, &colour, nullptr, nullptr, nullptr);
    try {
        detail::CheckDeclaredSize(w, h, *s->opts);
    } catch (const CodecError& e) {
        s->refusal = e.words();
    }
    if (!s->refusal.empty()) png_error(png, "refused");  // never jump out of a handler
    s->width = static_cast<int>(w);
    s->height = static_cast<int>(h);
    png_charp name = nullptr;
    int compression = 0;
    png_bytep profile = nullptr;
    png_uint_32 profileSize = 0;
    try {
        if (png_get_iCCP(png, info, &name, &compression, &profile, &profileSize) && profile)
            AddProfileToMetadata(s->meta, std::vector<uint8_t>(profile, profile + profileSize));
        collectMetadata(s, info);
    } catch (const std::bad_alloc&) {
        s->refusal = Words(QT_TRANSLATE_NOOP("lum", "Not enough memory to read this PNG file"));
    }
    if (!s->refusal.empty()) png_error(png, "refused");

    png_set_expand(png);  // palette to colour, small grey to 8 bits, transparency to alpha
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    s->passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    s->channels = png_get_channels(png, info);
    if (s->channels != 3 && s->channels != 4) png_error(png, "unexpected channel count");
}

// The picture (and for interlaced files the whole decoded picture, mid-grey and opaque until
// its pixels come), once a first row has decoded.
bool allocate(PngState* s) {
    try {
        s->img = detail::AllocatePicture(s->width, s->height);
        if (s->passes > 1) {
            s->rows.resize(static_cast<size_t>(s->width) * s->channels * static_cast<size_t>(s->height));
            for (size_t i = 0; i < s->rows.size(); ++i)
                s->rows[i] = s->channels == 4 && i % 4 == 3 ? 255 : detail::kMissingGrey;
        }
        return true;
    } catch (const CodecError& e) {
        s->refusal = e.words();
    } catch (const std::bad_alloc&) {
        s->refusal = Words(QT_TRANSLATE_NOOP("lum", "Not enough memory for this PNG picture"));
    }
    return false;
}

void onRow(png_structp png, png_bytep row, png_uint_32 y, int pass) {
    PngState* s = stateOf(png);
    if (y % kRowsBetweenChecks == 0 && s->opts->cancel && s->opts->cancel->load(std::memory_order_relaxed)) {
        s->cancelled = true;
        png_error(png, "cancelled");
    }
    if (static_cast<int>(y) >= s->height) return;
    if (row && s->img.empty() && !allocate(s)) png_error(png, "refused");
    if (pass == s->passes - 1 && static_cast<int>(y) == s->height - 1) s->allRows = true;
    if (!row) return;  // nothing new for this row in this pass
    if (s->passes > 1) {
        png_progressive_combine_row(png, s->rows.data() + static_cast<size_t>(s->width) * s->channels * y, row);
    } else {
        storeRow(row, s->channels, s->img.row(static_cast<int>(y)), s->width);
        s->rowsDone = static_cast<int>(y) + 1;
    }
}

void onEnd(png_structp png, png_infop info) {
    PngState* s = stateOf(png);
    s->complete = true;
    try {
        collectMetadata(s, info);  // chunks after the picture data
    } catch (const std::bad_alloc&) {
    }
}

// Hands the file to the reader a slice at a time; a library failure ends it early.
void feed(PngState* s) {
    if (setjmp(png_jmpbuf(s->png))) return;
    png_set_progressive_read_fn(s->png, s, onInfo, onRow, onEnd);
    static const png_byte kExif[5] = "eXIf";
    png_set_keep_unknown_chunks(s->png, PNG_HANDLE_CHUNK_ALWAYS, kExif, 1);
    for (size_t at = 0; at < s->size && !s->complete; at += kSlice) {
        detail::CheckCancel(*s->opts);
        png_process_data(s->png, s->info, const_cast<uint8_t*>(s->data) + at, std::min(kSlice, s->size - at));
    }
}

}  // namespace

Image DecodePng(const uint8_t* data, size_t size, PictureMetadata* meta, const DecodeOptions& opts,
                DecodeReport* report) {
    detail::StartReport(report);
    auto owner = std::make_unique<PngState>();
    PngState* const s = owner.get();
    s->opts = &opts;
    s->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, s, onError, onWarning);
    if (!s->png) throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Not enough memory to read a PNG file")));
    s->info = png_create_info_struct(s->png);
    if (!s->info) throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Not enough memory to read a PNG file")));

    s->data = data;
    s->size = data ? size : 0;
    feed(s);
    if (s->cancelled) throw DecodeCancelled();
    if (!s->refusal.empty()) throw CodecError(s->refusal);
    if (s->img.empty()) detail::ThrowReaderError("PNG", detail::PlainReaderWords(s->error.empty() ? kEndOfData : s->error));
    if (s->passes > 1) finishInterlaced(s);
    if (!s->allRows) {
        // Rows that never came (of the last pass) hold nothing decoded.
        // Interlaced: the earlier passes still show, coarser, where the last one is missing.
        const DamageKind kind = s->passes > 1       ? DamageKind::EndsEarlyCoarse
                                : s->error.empty() ? DamageKind::EndsEarly
                                                   : DamageKind::BreaksOff;
        detail::NoteDamage(report, s->error.empty() ? kEndOfData : s->error, kind);
        if (s->passes == 1) detail::FillMissingRows(s->img, s->rowsDone);
    } else if (!s->error.empty()) {
        detail::NoteDamage(report, s->error, DamageKind::Corrupt);  // after the picture, but the file is not sound
    }
    if (s->crcDamage) detail::NoteDamage(report, s->crcWords, DamageKind::Corrupt);

    Image result = std::move(s->img);
    PictureMetadata local;
    PictureMetadata& out = meta ? *meta : local;
    out = std::move(s->meta);
    owner.reset();
    detail::OrientByExif(result, out, opts);
    return result;
}

}  // namespace lum
