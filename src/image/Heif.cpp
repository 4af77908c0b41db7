// SPDX-License-Identifier: GPL-3.0-or-later
// HEIF (HEIC) reading through libheif: the primary picture with its transformations (rotation,
// mirror, crop) applied by the library, its EXIF and XMP blocks and its ICC profile; and, for
// the quick look while the photo decodes, the thumbnail phones store beside it.
#include <libheif/heif.h>

#include <cmath>
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

struct ContextDeleter {
    void operator()(heif_context* c) const { heif_context_free(c); }
};
struct HandleDeleter {
    void operator()(heif_image_handle* h) const { heif_image_handle_release(h); }
};
struct ImageDeleter {
    void operator()(heif_image* i) const { heif_image_release(i); }
};
struct OptionsDeleter {
    void operator()(heif_decoding_options* o) const { heif_decoding_options_free(o); }
};
using Context = std::unique_ptr<heif_context, ContextDeleter>;
using Handle = std::unique_ptr<heif_image_handle, HandleDeleter>;
using HeifImage = std::unique_ptr<heif_image, ImageDeleter>;

void initOnce() {
    static const bool done = [] {
        heif_init(nullptr);  // registers the decoders; kept for the life of the program
        return true;
    }();
    (void)done;
}

[[noreturn]] void fail(const heif_error& e) {
    detail::ThrowReaderError("HEIF", e.message && *e.message ? detail::PlainReaderWords(e.message)
                                                             : Words(QT_TRANSLATE_NOOP("lum", "its data is damaged")));
}

void check(const heif_error& e) {
    if (e.code != heif_error_Ok) fail(e);
}

Context openContext(const uint8_t* data, size_t size) {
    initOnce();
    Context ctx(heif_context_alloc());
    if (!ctx) throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Not enough memory to read a HEIF file")));
    check(heif_context_read_from_memory_without_copy(ctx.get(), data, size, nullptr));
    return ctx;
}

Handle primaryOf(heif_context* ctx) {
    heif_image_handle* h = nullptr;
    check(heif_context_get_primary_image_handle(ctx, &h));
    return Handle(h);
}

// Wide-gamut colour given by numbers instead of a profile (as some phones and encoders write
// it): BT.2020 and P3 primaries, with the curves of ordinary pictures. Every other description
// is sRGB or near enough, or an HDR curve a photo program cannot show as such.
std::vector<uint8_t> profileOfNumbers(const heif_image_handle* h) {
    heif_color_profile_nclx* nclx = nullptr;
    if (heif_image_handle_get_nclx_color_profile(h, &nclx).code != heif_error_Ok || !nclx) return {};
    std::unique_ptr<heif_color_profile_nclx, void (*)(heif_color_profile_nclx*)> hold(nclx, heif_nclx_color_profile_free);
    const int primaries = nclx->color_primaries;
    if (primaries != heif_color_primaries_ITU_R_BT_2020_2_and_2100_0 && primaries != heif_color_primaries_SMPTE_RP_431_2 &&
        primaries != heif_color_primaries_SMPTE_EG_432_1)
        return {};
    double gamma = 0;  // the sRGB curve, also for BT.709's, as displays show it
    switch (nclx->transfer_characteristics) {
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_M: gamma = 2.2; break;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_B_G: gamma = 2.8; break;
    case heif_transfer_characteristic_linear: gamma = 1.0; break;
    case heif_transfer_characteristic_ITU_R_BT_2100_0_PQ:
    case heif_transfer_characteristic_ITU_R_BT_2100_0_HLG:
    case heif_transfer_characteristic_SMPTE_ST_428_1: return {};
    default: break;
    }
    const double xy[8] = {nclx->color_primary_red_x,   nclx->color_primary_red_y,  nclx->color_primary_green_x,
                          nclx->color_primary_green_y, nclx->color_primary_blue_x, nclx->color_primary_blue_y,
                          nclx->color_primary_white_x, nclx->color_primary_white_y};
    return MakeRgbProfile(xy, gamma);
}

std::vector<uint8_t> profileOf(const heif_image_handle* h) {
    const heif_color_profile_type type = heif_image_handle_get_color_profile_type(h);
    if (type == heif_color_profile_type_nclx) return profileOfNumbers(h);
    if (type != heif_color_profile_type_prof && type != heif_color_profile_type_rICC) return {};
    std::vector<uint8_t> icc(heif_image_handle_get_raw_color_profile_size(h));
    if (icc.empty() || heif_image_handle_get_raw_color_profile(h, icc.data()).code != heif_error_Ok) return {};
    return icc;
}

void collectMetadata(const heif_image_handle* h, PictureMetadata& meta) {
    AddProfileToMetadata(meta, profileOf(h));
    const int count = heif_image_handle_get_number_of_metadata_blocks(h, nullptr);
    if (count <= 0) return;
    std::vector<heif_item_id> ids(static_cast<size_t>(count));
    heif_image_handle_get_list_of_metadata_block_IDs(h, nullptr, ids.data(), count);
    bool exifDone = false, xmpDone = false;
    for (heif_item_id id : ids) {
        const std::string type = heif_image_handle_get_metadata_type(h, id);
        const char* content = heif_image_handle_get_metadata_content_type(h, id);
        const bool exif = type == "Exif" && !exifDone;
        const bool xmp = type == "mime" && content && std::strcmp(content, "application/rdf+xml") == 0 && !xmpDone;
        if (!exif && !xmp) continue;
        std::vector<uint8_t> block(heif_image_handle_get_metadata_size(h, id));
        if (block.empty() || heif_image_handle_get_metadata(h, id, block.data()).code != heif_error_Ok) continue;
        if (xmp) {
            detail::AddXmpSegment(meta, block.data(), block.size());
            xmpDone = true;
            continue;
        }
        // Four bytes give where the TIFF header starts after them.
        if (block.size() < 4) continue;
        const uint32_t skip = uint32_t(block[0]) << 24 | uint32_t(block[1]) << 16 | uint32_t(block[2]) << 8 | block[3];
        if (skip > block.size() - 4) continue;
        detail::AddExifSegment(meta, block.data() + 4 + skip, block.size() - 4 - skip);
        exifDone = true;
    }
}

// The decoded picture of a handle, alpha composited over white; warnings are damage.
Image decodeHandle(heif_image_handle* handle, DecodeReport* report) {
    std::unique_ptr<heif_decoding_options, OptionsDeleter> options(heif_decoding_options_alloc());
    if (!options) throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Not enough memory to read a HEIF file")));
    options->convert_hdr_to_8bit = 1;
    const bool alpha = heif_image_handle_has_alpha_channel(handle) != 0;
    heif_image* decoded = nullptr;
    check(heif_decode_image(handle, &decoded, heif_colorspace_RGB,
                            alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get()));
    HeifImage pic(decoded);
    const int w = heif_image_get_width(pic.get(), heif_channel_interleaved);
    const int h = heif_image_get_height(pic.get(), heif_channel_interleaved);
    int stride = 0;
    const uint8_t* plane = heif_image_get_plane_readonly(pic.get(), heif_channel_interleaved, &stride);
    if (!plane || w <= 0 || h <= 0) detail::ThrowReaderError("HEIF", Words(QT_TRANSLATE_NOOP("lum", "the picture could not be decoded")));
    for (int i = 0, n = heif_image_get_decoding_warnings(pic.get(), 0, nullptr, 0); i < n && i < 8; ++i) {
        heif_error warning{};
        if (heif_image_get_decoding_warnings(pic.get(), i, &warning, 1) == 1)
            detail::NoteDamage(report, warning.message ? warning.message : "damaged picture data", DamageKind::Corrupt);
    }
    Image img = detail::AllocatePicture(w, h);
    const bool premultiplied = alpha && heif_image_is_premultiplied_alpha(pic.get());
    for (int y = 0; y < h; ++y) {
        const uint8_t* s = plane + static_cast<ptrdiff_t>(stride) * y;
        uint8_t* d = img.row(y);
        if (!alpha) {
            for (int x = 0; x < w; ++x, s += 3, d += 3) d[0] = s[2], d[1] = s[1], d[2] = s[0];
        } else if (premultiplied) {
            for (int x = 0; x < w; ++x, s += 4, d += 3)
                for (int c = 0; c < 3; ++c) d[c] = detail::PremultipliedOverWhite(s[2 - c], s[3]);
        } else {
            for (int x = 0; x < w; ++x, s += 4, d += 3)
                for (int c = 0; c < 3; ++c) d[c] = detail::OverWhite(s[2 - c], s[3]);
        }
    }
    return img;
}

}  // namespace

Image DecodeHeif(const uint8_t* data, size_t size, PictureMetadata* meta, const DecodeOptions& opts,
                 DecodeReport* report) {
    detail::StartReport(report);
    if (!data) size = 0;
    Context ctx = openContext(data, size);
    Handle handle = primaryOf(ctx.get());
    detail::CheckDeclaredSize(heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get()), opts);

    PictureMetadata local;
    PictureMetadata& out = meta ? *meta : local;
    out = PictureMetadata();
    collectMetadata(handle.get(), out);
    detail::CheckCancel(opts);
    Image img = decodeHandle(handle.get(), report);
    detail::CheckCancel(opts);
    // The library turned the picture by the file's own transformations; an EXIF orientation
    // (phones write the same turn there) must not turn it a second time wherever it goes next.
    if (opts.applyExifOrientation) detail::ResetExifOrientation(out);
    return img;
}

namespace detail {

JpegPreview HeifThumbnail(const uint8_t* data, size_t size, const std::atomic<bool>* cancel) {
    JpegPreview out;
    try {
        Context ctx = openContext(data, size);
        Handle primary = primaryOf(ctx.get());
        const int w = heif_image_handle_get_width(primary.get()), h = heif_image_handle_get_height(primary.get());
        if (w <= 0 || h <= 0 || static_cast<int64_t>(w) * h > Image::kMaxPixels) return out;
        out.width = w;
        out.height = h;
        heif_item_id id = 0;
        if (heif_image_handle_get_list_of_thumbnail_IDs(primary.get(), &id, 1) != 1) return out;
        heif_image_handle* t = nullptr;
        if (heif_image_handle_get_thumbnail(primary.get(), id, &t).code != heif_error_Ok) return out;
        Handle thumb(t);
        const int64_t tw = heif_image_handle_get_width(thumb.get()), th = heif_image_handle_get_height(thumb.get());
        // A thumbnail is small; anything near the photo's size is no quicker to decode.
        if (tw <= 0 || th <= 0 || tw * th * 4 > static_cast<int64_t>(w) * h) return out;
        if (cancel && cancel->load()) return out;
        DecodeReport damage;
        Image img = decodeHandle(thumb.get(), &damage);
        if (damage.damaged()) return out;
        PictureMetadata profile;
        std::vector<uint8_t> icc = profileOf(thumb.get());
        AddProfileToMetadata(profile, icc.empty() ? profileOf(primary.get()) : icc);
        ApplyEmbeddedProfile(img, profile, nullptr, true);
        out.scale = static_cast<int>(std::lround(static_cast<double>(w) / img.width()));
        out.image = std::move(img);
    } catch (const std::exception&) {
        out.image = Image();
    }
    return out;
}

}  // namespace detail
}  // namespace lum
