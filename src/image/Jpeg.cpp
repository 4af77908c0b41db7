// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG decoding and encoding through libjpeg's version 6 API (libjpeg-turbo).
//
// libjpeg reports fatal errors through error_exit, which must not return; we longjmp back to
// the function that set up the decoder. Everything that must survive the jump lives in a heap
// state object whose pointer never changes after setjmp, and no C++ object with a destructor
// lives across a libjpeg call that can fail. Warnings are kept, not printed: a picture that
// decodes only with warnings is a damaged photo and the caller says so.
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

#include "image/Codec.h"
#include "image/CodecInternal.h"
#include "image/FormatSupport.h"

namespace lum {

JpegError::JpegError(int code, const std::string& detail) : JpegError(code, detail, JpegDecoderWords(code, detail)) {}

JpegError::JpegError(int code, const std::string& detail, Words said)
    : CodecError("JPEG error #" + std::to_string(code) + (detail.empty() ? std::string() : ": " + detail),
                 detail.empty() ? Words(QT_TRANSLATE_NOOP("lum", "JPEG error #%1"), {std::to_string(code)})
                                : Words(QT_TRANSLATE_NOOP("lum", "JPEG error #%1: %2"), {std::to_string(code), said})),
      code_(code),
      detail_(detail),
      said_(std::move(said)) {}

namespace {

// A damaged file yields a warning or two; thousands only come from files built to keep the
// decoder busy.
constexpr int kMaxWarnings = 200;
// Distinct kinds of damage kept for the report.
constexpr int kKeptWarnings = 8;
// Real progressive files have around ten scans.
constexpr long long kMaxScans = 1000;
// Every scan walks the whole picture, so big pictures get fewer scans (never below 100).
constexpr long long kScanPixelBudget = 25'000'000'000LL;
constexpr long long kMinScanLimit = 100;
// Progressive and multi-scan files keep every DCT coefficient of the picture in memory.
constexpr long long kMaxCoefficientBytes = 1LL << 30;
// What libjpeg may take in all (coefficient buffers plus its working memory).
constexpr long kMaxDecoderMemory = (1L << 30) + (64L << 20);
// Largest payload of one marker segment (the length field counts itself).
constexpr size_t kMaxSegmentPayload = 65533;
// What a decoder makes of blocks it has no data for.
constexpr uint8_t kMissingGrey = 128;

enum class Failure { None, Library, TooManyWarnings, TooManyScans, Cancelled };

// Our own finding: far less data than the picture's size needs (numbers: width, height, bytes).
constexpr int kFarTooShort = -1;

struct Noticed {
    int code;   // the library's message code, or kFarTooShort
    bool weak;  // damage only when something else is wrong too
    char text[JMSG_LENGTH_MAX];
    long long numbers[3];
};

// What was noticed, in words to translate.
Words wordsOf(const Noticed& n) {
    if (n.code == kFarTooShort)
        return Words(QT_TRANSLATE_NOOP("lum", "the file is far too short for its %1 x %2 pixels (%3 bytes of picture data)"),
                     {std::to_string(n.numbers[0]), std::to_string(n.numbers[1]), std::to_string(n.numbers[2])});
    return JpegDecoderWords(n.code, n.text);
}

struct ErrorMgr {
    jpeg_error_mgr pub;  // first: libjpeg hands us a pointer to it
    std::jmp_buf jump;
    Failure failure;
    int code;
    int warnings;
    long long scanLimit;
    char text[JMSG_LENGTH_MAX];
    Noticed kept[kKeptWarnings];
    int keptCount;
    // The picture data ran out (at the end of the file, or at a marker); output rows from
    // lastDataRow on hold nothing decoded.
    bool dataEnded;
    bool endedWithFile;
    JDIMENSION lastDataRow;
    const std::atomic<bool>* cancel;
};

ErrorMgr* errorOf(j_common_ptr c) { return reinterpret_cast<ErrorMgr*>(c->err); }

[[noreturn]] void fail(j_common_ptr c, Failure why) {
    ErrorMgr* e = errorOf(c);
    e->failure = why;
    e->code = c->err->msg_code;
    c->err->format_message(c, e->text);
    std::longjmp(e->jump, 1);
}

void onErrorExit(j_common_ptr c) { fail(c, Failure::Library); }

// Warnings that say nothing about the picture: an unknown JFIF revision or Adobe transform, an
// ICC segment we do not read through the library.
bool harmless(j_common_ptr c) {
    const int code = c->err->msg_code;
    return code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM || code == JWRN_BOGUS_ICC;
}

// The file ending early is damage when data is missing, which the entropy decoder notices on
// its own; a file that lacks only its end-of-image marker holds the whole picture. Arithmetic
// coding reads on silently, so there it counts by itself.
bool weakWarning(j_common_ptr c) {
    return c->err->msg_code == JWRN_JPEG_EOF &&
           !(c->is_decompressor && reinterpret_cast<j_decompress_ptr>(c)->arith_code);
}

void keep(ErrorMgr& e, int code, const char* text, bool weak = false, const long long* numbers = nullptr) {
    for (int i = 0; i < e.keptCount; ++i)
        if (e.kept[i].code == code && (code >= 0 || std::strcmp(e.kept[i].text, text) == 0)) return;
    if (e.keptCount == kKeptWarnings) return;
    Noticed& n = e.kept[e.keptCount++];
    n.code = code;
    n.weak = weak;
    std::snprintf(n.text, sizeof n.text, "%s", text);
    for (int i = 0; i < 3; ++i) n.numbers[i] = numbers ? numbers[i] : 0;
}

// The scan's data is over for good: the end of the file, or a marker other than a restart
// marker (after which the decoder would pick up again) in the middle of the data.
bool endsData(j_decompress_ptr d, int code) {
    if (code == JWRN_JPEG_EOF) return true;
    if (code != JWRN_HIT_MARKER) return false;
    return d->unread_marker < JPEG_RST0 || d->unread_marker > JPEG_RST0 + 7;
}

void onEmitMessage(j_common_ptr c, int level) {
    if (level >= 0 || harmless(c)) return;  // trace output, or nothing wrong with the picture
    ErrorMgr* e = errorOf(c);
    ++c->err->num_warnings;
    if (++e->warnings > kMaxWarnings) fail(c, Failure::TooManyWarnings);
    char text[JMSG_LENGTH_MAX];
    c->err->format_message(c, text);
    keep(*e, c->err->msg_code, text, weakWarning(c));
    if (!c->is_decompressor || e->dataEnded) return;
    auto* d = reinterpret_cast<j_decompress_ptr>(c);
    if (!endsData(d, c->err->msg_code)) return;
    e->dataEnded = true;
    e->endedWithFile = c->err->msg_code == JWRN_JPEG_EOF;
    // The row of blocks being decoded and the next one still come out (the smooth chroma
    // upsampling reads one ahead); everything below is left to a plain grey fill.
    const long long rowHeight = static_cast<long long>(d->max_v_samp_factor) * DCTSIZE;
    const long long last = (static_cast<long long>(d->input_iMCU_row) + 2) * rowHeight;
    e->lastDataRow = static_cast<JDIMENSION>(std::min<long long>(last, d->image_height));
}

void onOutputMessage(j_common_ptr) {}  // never print to stderr

void onProgress(j_common_ptr c) {
    if (!c->is_decompressor) return;
    if (errorOf(c)->cancel && errorOf(c)->cancel->load(std::memory_order_relaxed)) fail(c, Failure::Cancelled);
    auto* d = reinterpret_cast<j_decompress_ptr>(c);
    if (d->input_scan_number > errorOf(c)->scanLimit) fail(c, Failure::TooManyScans);
}

void initErrorMgr(ErrorMgr& e, j_common_ptr c) {
    c->err = jpeg_std_error(&e.pub);
    e.pub.error_exit = onErrorExit;
    e.pub.emit_message = onEmitMessage;
    e.pub.output_message = onOutputMessage;
    e.failure = Failure::None;
    e.code = 0;
    e.warnings = 0;
    e.scanLimit = kMaxScans;
    e.text[0] = '\0';
    e.keptCount = 0;
    e.dataEnded = false;
    e.endedWithFile = false;
    e.lastDataRow = 0;
    e.cancel = nullptr;
}

[[noreturn]] void throwFailure(const ErrorMgr& e) {
    switch (e.failure) {
    case Failure::TooManyScans:
        throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Too many scans in this progressive JPEG file (the limit is %1)"),
                               {std::to_string(e.scanLimit)}));
    case Failure::Cancelled:
        throw DecodeCancelled();
    case Failure::TooManyWarnings:
        throw JpegError(e.code, "Too many warnings; the last one: " + std::string(e.text),
                        Words(QT_TRANSLATE_NOOP("lum", "so much of the picture data is damaged that reading stopped (%1)"),
                              {JpegDecoderWords(e.code, e.text)}));
    default:
        throw JpegError(e.code, e.text);
    }
}

struct DecodeState {
    jpeg_decompress_struct cinfo{};
    ErrorMgr err{};
    jpeg_progress_mgr progress{};
    Image img;
    std::vector<JSAMPROW> rows;
    std::vector<uint8_t> cmyk;  // a band of CMYK rows before conversion
    std::vector<JSAMPROW> cmykRows;
    std::vector<JpegSegment> segments;  // the metadata, kept before the library frees it
    // A zeroed struct has no memory manager yet, which jpeg_destroy accepts.
    ~DecodeState() { jpeg_destroy_decompress(&cinfo); }
};

constexpr int kCmykBand = 16;

// x * y / 255, rounded to nearest, exact for 0..255.
inline uint8_t mul255(unsigned x, unsigned y) {
    unsigned t = x * y + 128;
    return static_cast<uint8_t>((t + (t >> 8)) >> 8);
}

// Adobe applications store CMYK inverted (0 = full ink) and mark the file with APP14.
void cmykToBgr(const uint8_t* src, uint8_t* dst, int width, bool inverted) {
    if (inverted) {
        for (int x = 0; x < width; ++x, src += 4, dst += 3) {
            dst[0] = mul255(src[2], src[3]);
            dst[1] = mul255(src[1], src[3]);
            dst[2] = mul255(src[0], src[3]);
        }
    } else {
        for (int x = 0; x < width; ++x, src += 4, dst += 3) {
            unsigned k = 255u - src[3];
            dst[0] = mul255(255u - src[2], k);
            dst[1] = mul255(255u - src[1], k);
            dst[2] = mul255(255u - src[0], k);
        }
    }
}

// Fewest bytes the first scan can take, whatever the picture: every Huffman code is at least a
// bit, so a sequential block costs two (its DC value and its end of block) and a block of a
// progressive DC pass one. AC passes skip thousands of blocks with one run and arithmetic coding
// has no floor, so they promise nothing.
long long leastFirstScanBytes(j_decompress_ptr c) {
    if (c->arith_code || (c->progressive_mode && c->Ss != 0)) return 0;
    const long long bitsPerBlock = c->progressive_mode ? 1 : 2;
    long long blocks = 0;
    for (int i = 0; i < c->comps_in_scan; ++i) {
        const jpeg_component_info* comp = c->cur_comp_info[i];
        blocks += static_cast<long long>(comp->width_in_blocks) * comp->height_in_blocks;
    }
    return blocks * bitsPerBlock / 8;
}

bool isIccSegment(const jpeg_saved_marker_ptr m) {
    static const char kIcc[] = "ICC_PROFILE";  // 12 bytes with the NUL
    return m->marker == JPEG_APP0 + 2 && m->data_length >= sizeof kIcc &&
           std::memcmp(m->data, kIcc, sizeof kIcc) == 0;
}

// Bytes of the whole-image coefficient buffer libjpeg allocates for multi-scan files.
long long coefficientBytes(j_decompress_ptr c) {
    long long total = 0;
    for (int ci = 0; ci < c->num_components; ++ci) {
        const jpeg_component_info& comp = c->comp_info[ci];
        long long w = comp.width_in_blocks, h = comp.height_in_blocks;
        w = (w + comp.h_samp_factor - 1) / comp.h_samp_factor * comp.h_samp_factor;
        h = (h + comp.v_samp_factor - 1) / comp.v_samp_factor * comp.v_samp_factor;
        total += w * h * static_cast<long long>(sizeof(JBLOCK));
    }
    return total;
}

std::string megabytes(long long bytes) { return std::to_string((bytes + (1 << 20) - 1) >> 20); }

// No Huffman-coded picture takes less than a byte per 256 pixels (a flat grey one, two bits per
// block); a real photo cut short keeps far more than this share of what it needs.
constexpr long long kMostPixelsPerByte = 2000;

// Rows from y down that the decoder never filled: the mid-grey it would have made of them.
void fillMissing(Image& img, int y) {
    const size_t bytes = static_cast<size_t>(img.width()) * 3;
    for (; y < img.height(); ++y) std::memset(img.row(y), kMissingGrey, bytes);
}

void report(const ErrorMgr& e, bool multiScan, DecodeReport* out) {
    if (!out) return;
    out->warnings.clear();
    out->said.clear();
    out->kind = DamageKind::None;
    bool damaged = false;
    for (int i = 0; i < e.keptCount; ++i) damaged |= !e.kept[i].weak;
    if (!damaged) return;
    for (int i = 0; i < e.keptCount; ++i) {
        out->warnings.emplace_back(e.kept[i].text);
        out->said.push_back(wordsOf(e.kept[i]));
    }
    if (!e.dataEnded)
        out->kind = DamageKind::Corrupt;
    else if (multiScan)  // every scan before the end still shows
        out->kind = e.endedWithFile ? DamageKind::EndsEarlyCoarse : DamageKind::Corrupt;
    else
        out->kind = e.endedWithFile ? DamageKind::EndsEarly : DamageKind::BreaksOff;
}

// An ICC profile of a grey or CMYK file does not describe the BGR picture we return.
void keepSegments(DecodeState* s) {
    j_decompress_ptr c = &s->cinfo;
    const bool keepIcc = c->out_color_space == JCS_EXT_BGR && c->jpeg_color_space != JCS_GRAYSCALE;
    for (jpeg_saved_marker_ptr m = c->marker_list; m; m = m->next) {
        if (!keepIcc && isIccSegment(m)) continue;
        JpegSegment seg;
        seg.marker = m->marker;
        seg.data.assign(m->data, m->data + m->data_length);
        s->segments.push_back(std::move(seg));
    }
}

// Reads on to the end-of-image marker after a complete single-scan picture: data the decoder
// did not use before it is the mark of a flipped bit or a cut-and-joined file. A failure there
// costs nothing of the picture, so it only counts as damage.
void readTrailer(DecodeState* s) {
    if (setjmp(s->err.jump)) {
        keep(s->err, s->err.code, s->err.text);
        return;
    }
    jpeg_finish_decompress(&s->cinfo);
}

}  // namespace

namespace detail {

Words TooLittlePictureData(jpeg_decompress_struct* c) {
    const long long width = c->image_width, height = c->image_height;
    const long long have = static_cast<long long>(c->src->bytes_in_buffer);
    const uint8_t* p = c->src->next_input_byte;
    const std::string w = std::to_string(width), h = std::to_string(height);
    // The scan ends where it starts: a marker other than a restart marker, or the end of the file.
    if (have < 2 || (p[0] == 0xFF && p[1] != 0 && (p[1] < JPEG_RST0 || p[1] > JPEG_RST0 + 7)))
        return Words(QT_TRANSLATE_NOOP("lum", "The file holds no picture data for its %1 x %2 pixels"), {w, h});
    // Arithmetic coding has no floor; a file of several scans shows nothing without its first.
    const bool tooFew = (!c->arith_code && have * kMostPixelsPerByte < width * height) ||
                        (jpeg_has_multiple_scans(c) && have < leastFirstScanBytes(c));
    if (!tooFew) return Words();
    return Words(QT_TRANSLATE_NOOP("lum", "The file is far too short to hold its %1 x %2 pixels (%3 bytes of picture data)"),
                 {w, h, std::to_string(have)});
}

}  // namespace detail

Image DecodeJpeg(const uint8_t* data, size_t size, PictureMetadata* meta, const DecodeOptions& opts,
                 DecodeReport* damage) {
    auto owner = std::make_unique<DecodeState>();
    DecodeState* const s = owner.get();
    j_decompress_ptr const c = &s->cinfo;
    initErrorMgr(s->err, reinterpret_cast<j_common_ptr>(c));
    s->err.cancel = opts.cancel;
    if (setjmp(s->err.jump)) throwFailure(s->err);

    jpeg_create_decompress(c);
    jpeg_mem_src(c, data, static_cast<unsigned long>(size));  // an empty buffer is a library error
    // Everything but JFIF (APP0) and Adobe (APP14), which describe the encoding, not the photo.
    for (int n = 1; n < 16; ++n)
        if (n != 14) jpeg_save_markers(c, JPEG_APP0 + n, 0xFFFF);
    jpeg_save_markers(c, JPEG_COM, 0xFFFF);
    c->mem->max_memory_to_use = kMaxDecoderMemory;
    s->progress.progress_monitor = onProgress;
    c->progress = &s->progress;

    jpeg_read_header(c, TRUE);

    const long long width = c->image_width, height = c->image_height;
    detail::CheckDeclaredSize(width, height, opts);
    const bool multiScan = jpeg_has_multiple_scans(c);
    if (multiScan) {
        long long need = coefficientBytes(c);
        if (need > kMaxCoefficientBytes)
            throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Image too large: %1 x %2 pixels in a progressive JPEG needs %3 MB to decode "
                                                     "(the limit is %4 MB)"),
                                   {std::to_string(width), std::to_string(height), megabytes(need),
                                    megabytes(kMaxCoefficientBytes)}));
        long long pixels = std::max(1LL, width * height);
        s->err.scanLimit = std::clamp(kScanPixelBudget / pixels, kMinScanLimit, kMaxScans);
    }
    // Data that cannot hold any real picture of the declared size is refused before the
    // picture is allocated: a few hundred bytes must not fill hundreds of megabytes with grey.
    const Words refusal = detail::TooLittlePictureData(c);
    if (!refusal.empty()) throw CodecError(refusal);
    // Less than even a flat picture needs: the file was cut short, and only its top decodes.
    const long long have = static_cast<long long>(c->src->bytes_in_buffer);
    if (have < leastFirstScanBytes(c)) {
        const std::string what = "The file is far too short for its " + std::to_string(width) + " x " +
                                 std::to_string(height) + " pixels (" + std::to_string(have) +
                                 " bytes of picture data)";
        const long long numbers[3] = {width, height, have};
        keep(s->err, kFarTooShort, what.c_str(), false, numbers);
    }

    bool cmyk = false;
    switch (c->jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
        c->out_color_space = JCS_EXT_BGR;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        c->out_color_space = JCS_CMYK;
        cmyk = true;
        break;
    default:
        throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Unsupported JPEG colour format (%1 components)"), {std::to_string(c->num_components)}));
    }
    // Best quality: accurate integer DCT, smooth chroma upsampling, full size.
    c->dct_method = JDCT_ISLOW;
    c->do_fancy_upsampling = TRUE;
    c->do_block_smoothing = TRUE;
    c->scale_num = c->scale_denom = 1;
    c->quantize_colors = FALSE;

    jpeg_start_decompress(c);

    const int w = static_cast<int>(c->output_width), h = static_cast<int>(c->output_height);
    s->img = detail::AllocatePicture(w, h);
    if (!cmyk) {
        // Rows go straight into the picture.
        s->rows.resize(static_cast<size_t>(h));
        for (int y = 0; y < h; ++y) s->rows[static_cast<size_t>(y)] = s->img.row(y);
    } else {
        const size_t rowBytes = static_cast<size_t>(w) * 4;
        s->cmyk.resize(rowBytes * kCmykBand);
        s->cmykRows.resize(kCmykBand);
        for (int i = 0; i < kCmykBand; ++i)
            s->cmykRows[static_cast<size_t>(i)] = s->cmyk.data() + rowBytes * i;
    }
    const bool inverted = c->saw_Adobe_marker;

    while (c->output_scanline < c->output_height) {
        // Once a single-scan file runs out of data, every further row would be decoded
        // from nothing; a multi-scan file has all its data in hand by now.
        if (!multiScan && s->err.dataEnded && c->output_scanline >= s->err.lastDataRow) break;
        const JDIMENSION y = c->output_scanline;
        JDIMENSION got;
        if (!cmyk) {
            got = jpeg_read_scanlines(c, &s->rows[y], c->output_height - y);
        } else {
            got = jpeg_read_scanlines(c, s->cmykRows.data(),
                                      std::min<JDIMENSION>(kCmykBand, c->output_height - y));
            for (JDIMENSION i = 0; i < got; ++i)
                cmykToBgr(s->cmykRows[i], s->img.row(static_cast<int>(y + i)), w, inverted);
        }
        if (got == 0) break;  // the memory source never suspends; do not spin if it did
    }
    fillMissing(s->img, static_cast<int>(c->output_scanline));
    keepSegments(s);  // before the trailer: finishing frees what the library saved
    // Multi-scan files were read to the end before their first row came out.
    if (!multiScan && c->output_scanline == c->output_height) readTrailer(s);

    PictureMetadata local;
    PictureMetadata& out = meta ? *meta : local;
    out.segments = std::move(s->segments);
    out.density = PixelDensity();
    if (c->saw_JFIF_marker && c->density_unit <= PixelDensity::PerCm) {
        out.density.unit = static_cast<PixelDensity::Unit>(c->density_unit);
        out.density.x = c->X_density;
        out.density.y = c->Y_density;
    }
    // Without a print size in the JFIF header, the EXIF resolution gives it, so the header
    // written says the same as the EXIF block, and a write without the block keeps it.
    if (out.density.unit == PixelDensity::NoUnit) {
        const PixelDensity exif = detail::ExifDensity(out);
        if (exif.known()) out.density = exif;
    }

    report(s->err, multiScan, damage);
    Image result = std::move(s->img);
    owner.reset();
    if (opts.applyExifOrientation) detail::ApplyExifOrientationInPlace(result, out);
    if (meta) out.loadedPicture = PictureFingerprint(result);
    return result;
}

namespace {

struct EncodeState {
    jpeg_compress_struct cinfo{};
    ErrorMgr err{};
    unsigned char* buffer = nullptr;  // grown by libjpeg's memory destination
    unsigned long size = 0;
    std::vector<JSAMPROW> rows;
    std::vector<uint8_t> exif;               // the EXIF segment as it goes out with the picture
    const JpegSegment* exifOf = nullptr;     // the segment it stands in for
    ~EncodeState() {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
    }
};

bool writableSegment(const JpegSegment& seg) {
    if (seg.data.size() > kMaxSegmentPayload) return false;
    if (seg.marker == JPEG_COM) return true;
    // JFIF comes from the library; our output is YCbCr, so an Adobe segment would lie.
    return seg.marker > JPEG_APP0 && seg.marker <= JPEG_APP0 + 15 && seg.marker != JPEG_APP0 + 14;
}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const Image& img, const JpegEncodeOptions& opts) {
    auto owner = std::make_unique<EncodeState>();
    EncodeState* const s = owner.get();
    j_compress_ptr const c = &s->cinfo;
    initErrorMgr(s->err, reinterpret_cast<j_common_ptr>(c));
    const int h = img.height();
    s->rows.resize(static_cast<size_t>(std::max(h, 0)));
    for (int y = 0; y < h; ++y) s->rows[static_cast<size_t>(y)] = const_cast<uint8_t*>(img.row(y));
    if (opts.metadata) s->exifOf = detail::ExifForPicture(*opts.metadata, img, s->exif, opts.warnings);
    const PixelDensity density =
        opts.density.known() ? opts.density : opts.metadata ? opts.metadata->density : PixelDensity();
    if (setjmp(s->err.jump)) throwFailure(s->err);

    jpeg_create_compress(c);
    jpeg_mem_dest(c, &s->buffer, &s->size);
    c->image_width = static_cast<JDIMENSION>(std::max(img.width(), 0));
    c->image_height = static_cast<JDIMENSION>(std::max(h, 0));
    c->input_components = 3;
    c->in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(c);
    jpeg_set_quality(c, std::clamp(opts.quality, 10, 100), TRUE);
    if (opts.fullChroma) {
        c->comp_info[0].h_samp_factor = 1;  // jpeg_set_defaults made luma 2x2 over the colours
        c->comp_info[0].v_samp_factor = 1;
    }
    if (opts.progressive) jpeg_simple_progression(c);
    if (opts.compact) {
        c->optimize_coding = TRUE;
        c->write_JFIF_header = FALSE;
    }
    if (density.known()) {
        c->density_unit = density.unit;
        c->X_density = density.x;
        c->Y_density = density.y;
    }

    jpeg_start_compress(c, TRUE);
    if (opts.metadata) {
        for (const JpegSegment& seg : opts.metadata->segments) {
            if (!writableSegment(seg)) continue;
            const std::vector<uint8_t>& data = &seg == s->exifOf ? s->exif : seg.data;
            jpeg_write_marker(c, seg.marker, data.data(), static_cast<unsigned>(data.size()));
        }
    }
    while (c->next_scanline < c->image_height)
        jpeg_write_scanlines(c, &s->rows[c->next_scanline], c->image_height - c->next_scanline);
    jpeg_finish_compress(c);

    return std::vector<uint8_t>(s->buffer, s->buffer + s->size);
}

namespace {

struct RecodeState {
    jpeg_decompress_struct src{};
    jpeg_compress_struct dst{};
    ErrorMgr srcErr{}, dstErr{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    ~RecodeState() {
        jpeg_destroy_compress(&dst);
        jpeg_destroy_decompress(&src);
        std::free(buffer);
    }
};

bool startsWith(const jpeg_saved_marker_ptr m, const char* text, size_t n) {
    return m->data_length >= n && std::memcmp(m->data, text, n) == 0;
}

}  // namespace

std::vector<uint8_t> detail::WithOptimalTables(const std::vector<uint8_t>& jpeg) {
    auto owner = std::make_unique<RecodeState>();
    RecodeState* const s = owner.get();
    initErrorMgr(s->srcErr, reinterpret_cast<j_common_ptr>(&s->src));
    initErrorMgr(s->dstErr, reinterpret_cast<j_common_ptr>(&s->dst));
    if (setjmp(s->srcErr.jump)) throwFailure(s->srcErr);
    if (setjmp(s->dstErr.jump)) throwFailure(s->dstErr);
    jpeg_create_decompress(&s->src);
    jpeg_mem_src(&s->src, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    for (int m = 0; m < 16; ++m) jpeg_save_markers(&s->src, JPEG_APP0 + m, 0xFFFF);
    jpeg_save_markers(&s->src, JPEG_COM, 0xFFFF);
    jpeg_read_header(&s->src, TRUE);
    if (s->src.progressive_mode || s->src.arith_code) return jpeg;
    jvirt_barray_ptr* coefficients = jpeg_read_coefficients(&s->src);
    if (s->srcErr.keptCount > 0) throw CodecError(s->srcErr.kept[0].text, wordsOf(s->srcErr.kept[0]));
    jpeg_create_compress(&s->dst);
    jpeg_mem_dest(&s->dst, &s->buffer, &s->size);
    jpeg_copy_critical_parameters(&s->src, &s->dst);
    s->dst.optimize_coding = TRUE;
    jpeg_write_coefficients(&s->dst, coefficients);
    for (jpeg_saved_marker_ptr m = s->src.marker_list; m; m = m->next) {
        // The library writes the JFIF and Adobe segments itself.
        if (s->dst.write_JFIF_header && m->marker == JPEG_APP0 && startsWith(m, "JFIF", 5)) continue;
        if (s->dst.write_Adobe_marker && m->marker == JPEG_APP0 + 14 && startsWith(m, "Adobe", 5)) continue;
        jpeg_write_marker(&s->dst, m->marker, m->data, m->data_length);
    }
    jpeg_finish_compress(&s->dst);
    jpeg_finish_decompress(&s->src);
    return std::vector<uint8_t>(s->buffer, s->buffer + s->size);
}

}  // namespace lum
