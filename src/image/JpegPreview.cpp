// SPDX-License-Identifier: GPL-3.0-or-later
// The scaled JPEG decode of the preview. Error handling follows the full decoder's pattern
// (libjpeg's fatal errors longjmp back; everything that must survive the jump lives in one heap
// object), but any trouble simply means no preview.
#include "image/JpegPreview.h"

#include <algorithm>
#include <csetjmp>
#include <memory>
#include <string>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

#include "image/Codec.h"
#include "image/CodecInternal.h"

namespace lum {

namespace {

// A preview is worth its decode only well below the photo's size; at 1/2 the full decode is
// hardly slower.
constexpr int kMinScale = 2;
// Damage gives a warning or two; a stream of them means the file is not worth a preview.
constexpr int kMaxWarnings = 20;
// Progressive files: every scan walks the whole picture, even at 1/8.
constexpr int kMaxScans = 100;
// What libjpeg may take (a progressive file keeps its full coefficient buffer at any scale).
constexpr long kMaxMemory = (1L << 30) + (64L << 20);

struct PreviewState {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr err{};
    jpeg_progress_mgr progress{};
    std::jmp_buf jump;
    const std::atomic<bool>* cancel = nullptr;
    int warnings = 0;
    PictureMetadata meta;  // here, not on the stack: no destructor may be skipped by a jump
    Image img;
    std::vector<JSAMPROW> rows;
    ~PreviewState() { jpeg_destroy_decompress(&cinfo); }
};

PreviewState* stateOf(j_common_ptr c) { return static_cast<PreviewState*>(c->client_data); }

[[noreturn]] void stop(j_common_ptr c) { std::longjmp(stateOf(c)->jump, 1); }

void onWarning(j_common_ptr c, int level) {
    if (level < 0 && ++stateOf(c)->warnings > kMaxWarnings) stop(c);
}

void onProgress(j_common_ptr c) {
    PreviewState* s = stateOf(c);
    if (s->cancel && s->cancel->load(std::memory_order_relaxed)) stop(c);
    if (s->cinfo.input_scan_number > kMaxScans) stop(c);
}

void quiet(j_common_ptr) {}

// The decode proper; false when it stopped.
bool Decode(PreviewState* s, const uint8_t* data, size_t size, const std::function<int(int, int)>& percentFor,
            JpegPreview& out) {
    j_decompress_ptr const c = &s->cinfo;
    c->err = jpeg_std_error(&s->err);
    s->err.error_exit = stop;
    s->err.emit_message = onWarning;
    s->err.output_message = quiet;
    c->client_data = s;
    if (setjmp(s->jump)) return false;

    jpeg_create_decompress(c);
    jpeg_mem_src(c, data, static_cast<unsigned long>(size));
    jpeg_save_markers(c, JPEG_APP0 + 1, 0xFFFF);  // EXIF, for the orientation
    jpeg_save_markers(c, JPEG_APP0 + 2, 0xFFFF);  // the colour profile
    c->mem->max_memory_to_use = kMaxMemory;
    s->progress.progress_monitor = onProgress;
    c->progress = &s->progress;
    jpeg_read_header(c, TRUE);

    for (jpeg_saved_marker_ptr m = c->marker_list; m; m = m->next) {
        JpegSegment seg;
        seg.marker = m->marker;
        seg.data.assign(m->data, m->data + m->data_length);
        s->meta.segments.push_back(std::move(seg));
    }
    const int orientation = ExifOrientation(s->meta);
    // As the full decode: the profile of a grey file does not describe the colour picture made of it.
    for (const JpegSegment& seg : s->meta.segments)
        if (seg.marker == JPEG_APP0 + 2 && c->jpeg_color_space != JCS_GRAYSCALE) out.profile.segments.push_back(seg);
    const long long w = c->image_width, h = c->image_height;
    if (w <= 0 || h <= 0 || w * h > Image::kMaxPixels) return false;
    if (!detail::TooLittlePictureData(c).empty()) return false;  // the full decode says why
    const bool swap = orientation >= 5 && orientation <= 8;
    out.width = static_cast<int>(swap ? h : w);
    out.height = static_cast<int>(swap ? w : h);

    out.scale = PreviewScale(percentFor(out.width, out.height));
    if (out.scale < kMinScale) return false;
    if (c->jpeg_color_space != JCS_GRAYSCALE && c->jpeg_color_space != JCS_YCbCr && c->jpeg_color_space != JCS_RGB)
        return false;  // CMYK and the like: converted by the full decode only
    c->out_color_space = JCS_EXT_BGR;
    c->scale_num = 1;
    c->scale_denom = static_cast<unsigned int>(out.scale);
    c->dct_method = JDCT_IFAST;
    c->do_fancy_upsampling = FALSE;
    c->do_block_smoothing = FALSE;
    jpeg_start_decompress(c);

    const int ow = static_cast<int>(c->output_width), oh = static_cast<int>(c->output_height);
    s->img = Image(ow, oh);
    s->rows.resize(static_cast<size_t>(oh));
    for (int y = 0; y < oh; ++y) s->rows[static_cast<size_t>(y)] = s->img.row(y);
    while (c->output_scanline < c->output_height) {
        const JDIMENSION y = c->output_scanline;
        if (jpeg_read_scanlines(c, &s->rows[y], c->output_height - y) == 0) return false;
    }
    out.image = orientation >= 2 ? OrientImage(s->img, orientation) : std::move(s->img);
    return true;
}

}  // namespace

int PreviewScale(int percent) {
    for (int scale : {8, 4, 2})
        if (percent > 0 && static_cast<long long>(scale) * percent <= 100) return scale;
    return 1;
}

JpegPreview DecodeJpegPreview(const uint8_t* data, size_t size, const std::function<int(int, int)>& percentFor,
                              const std::atomic<bool>* cancel) {
    JpegPreview out;
    if (!data || size == 0) return out;
    try {
        auto state = std::make_unique<PreviewState>();
        state->cancel = cancel;
        if (!Decode(state.get(), data, size, percentFor, out)) out.image = Image();
    } catch (const std::exception&) {
        out.image = Image();  // out of memory, or an orientation we could not apply
    }
    if (out.image.empty()) out.scale = 1;
    return out;
}

}  // namespace lum
